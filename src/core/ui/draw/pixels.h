#pragma once
// Pixel arithmetic of the skinned drawing, kept apart from the platform so it can be checked exactly.
// Pixels are 32-bit 0xAARRGGBB words: the platform's 32-bit DIB and its decoder's ARGB format in memory.
#include <array>
#include <cstdint>
#include <span>

namespace quendar::ui {

using Argb = std::uint32_t;

constexpr Argb MakeArgb(std::uint8_t a, std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  return (Argb{a} << 24) | (Argb{r} << 16) | (Argb{g} << 8) | Argb{b};
}
constexpr std::uint8_t AlphaOf(Argb p) { return static_cast<std::uint8_t>(p >> 24); }
constexpr std::uint8_t RedOf(Argb p) { return static_cast<std::uint8_t>(p >> 16); }
constexpr std::uint8_t GreenOf(Argb p) { return static_cast<std::uint8_t>(p >> 8); }
constexpr std::uint8_t BlueOf(Argb p) { return static_cast<std::uint8_t>(p); }

// Straight alpha to premultiplied, as the blend wants it: each colour channel becomes
// floor(channel x alpha / 255); alpha stays.
constexpr Argb Premultiply(Argb p) {
  const unsigned a = AlphaOf(p);
  auto scale = [a](unsigned c) { return static_cast<std::uint8_t>(c * a / 255); };
  return MakeArgb(static_cast<std::uint8_t>(a), scale(RedOf(p)), scale(GreenOf(p)), scale(BlueOf(p)));
}

void PremultiplyAll(std::span<Argb> pixels);

// A 5 x 5 colour matrix as the platform's imaging library applies it: the row vector
// (r, g, b, a, 1), each channel as a fraction of 255, times the matrix; results clamped to 0..1.
using ColorMatrix = std::array<std::array<float, 5>, 5>;

// A pointed-at button: red, green and blue times 1.05 plus 0.05; alpha unchanged.
inline constexpr ColorMatrix kHoverMatrix{{
    {1.05f, 0, 0, 0, 0},
    {0, 1.05f, 0, 0, 0},
    {0, 0, 1.05f, 0, 0},
    {0, 0, 0, 1, 0},
    {0.05f, 0.05f, 0.05f, 0, 1},
}};

// A disabled button: every colour channel becomes 0.3 red + 0.59 green + 0.11 blue; alpha unchanged.
inline constexpr ColorMatrix kGreyMatrix{{
    {0.3f, 0.3f, 0.3f, 0, 0},
    {0.59f, 0.59f, 0.59f, 0, 0},
    {0.11f, 0.11f, 0.11f, 0, 0},
    {0, 0, 0, 1, 0},
    {0, 0, 0, 0, 1},
}};

// One straight-alpha pixel through the matrix (rounded to the nearest step).
Argb ApplyColorMatrix(const ColorMatrix& matrix, Argb pixel);
void ApplyColorMatrixAll(const ColorMatrix& matrix, std::span<Argb> pixels);

}  // namespace quendar::ui
