#include "core/device/device_image.h"

namespace quendar::device {

std::array<std::uint8_t, kKeyMatrixBytes> SerializeKeyMatrix(const keys::KeyMatrix& matrix) {
  std::array<std::uint8_t, kKeyMatrixBytes> bytes{};
  std::size_t next = 0;
  for (const auto& code : matrix) {
    for (std::uint8_t b : code) bytes[next++] = b;
  }
  return bytes;
}

}  // namespace quendar::device
