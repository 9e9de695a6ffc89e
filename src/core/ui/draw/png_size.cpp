#include "core/ui/draw/png_size.h"

#include <algorithm>
#include <array>
#include <fstream>

namespace quendar::ui {

namespace {

constexpr std::size_t kHeadBytes = 24;  // signature, IHDR length and type, width, height
constexpr std::array<std::uint8_t, 16> kSignatureAndHeader{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n',
                                                          0,    0,   0,   13,  'I',  'H',  'D',  'R'};
// The format allows 2^31 - 1; nothing on a screen comes near a sixteenth of that.
constexpr std::uint32_t kLargestSide = 1u << 16;

std::uint32_t BigEndian32(const std::uint8_t* p) {
  return (std::uint32_t{p[0]} << 24) | (std::uint32_t{p[1]} << 16) | (std::uint32_t{p[2]} << 8) | p[3];
}

}  // namespace

PngSizeResult ReadPngSize(std::span<const std::uint8_t> head) {
  if (head.size() < kHeadBytes || !std::equal(kSignatureAndHeader.begin(), kSignatureAndHeader.end(), head.begin())) {
    return PngSizeError{"no PNG signature and header"};
  }
  const std::uint32_t width = BigEndian32(&head[16]);
  const std::uint32_t height = BigEndian32(&head[20]);
  if (width == 0 || height == 0 || width > kLargestSide || height > kLargestSide) {
    return PngSizeError{"PNG header declares " + std::to_string(width) + " x " + std::to_string(height)};
  }
  return Size{static_cast<int>(width), static_cast<int>(height)};
}

PngSizeResult ReadPngSize(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return PngSizeError{"cannot open " + file.string()};
  std::array<std::uint8_t, kHeadBytes> head{};
  in.read(reinterpret_cast<char*>(head.data()), head.size());
  if (in.gcount() != static_cast<std::streamsize>(head.size())) return PngSizeError{"too short for a PNG: " + file.string()};
  return ReadPngSize(head);
}

}  // namespace quendar::ui
