#include "core/ui/draw/pixels.h"

#include <algorithm>
#include <cmath>

namespace quendar::ui {

void PremultiplyAll(std::span<Argb> pixels) {
  for (Argb& p : pixels) p = Premultiply(p);
}

Argb ApplyColorMatrix(const ColorMatrix& matrix, Argb pixel) {
  const std::array<float, 5> in{RedOf(pixel) / 255.0f, GreenOf(pixel) / 255.0f, BlueOf(pixel) / 255.0f,
                                AlphaOf(pixel) / 255.0f, 1.0f};
  std::array<std::uint8_t, 4> out{};
  for (std::size_t column = 0; column < 4; ++column) {
    float sum = 0;
    for (std::size_t row = 0; row < 5; ++row) sum += in[row] * matrix[row][column];
    out[column] = static_cast<std::uint8_t>(std::lround(std::clamp(sum, 0.0f, 1.0f) * 255.0f));
  }
  return MakeArgb(out[3], out[0], out[1], out[2]);
}

void ApplyColorMatrixAll(const ColorMatrix& matrix, std::span<Argb> pixels) {
  for (Argb& p : pixels) p = ApplyColorMatrix(matrix, p);
}

}  // namespace quendar::ui
