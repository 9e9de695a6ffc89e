#pragma once
// Reads what a PNG file says about itself without decoding pixels: the chunk chain (lengths and CRCs),
// the IHDR fields, and whether image data and the end chunk are there.
#include <algorithm>
#include <array>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace quendar::skin_test {

struct PngFacts {
  std::string error;  // empty when the file is a well-formed PNG
  std::uint32_t width = 0;
  std::uint32_t height = 0;
  int bitDepth = 0;
  int colourType = 0;  // 6 = RGBA
  int interlace = 0;
};

inline std::uint32_t Crc32(const std::uint8_t* data, std::size_t size, std::uint32_t crc = 0xFFFFFFFFu) {
  for (std::size_t i = 0; i < size; ++i) {
    crc ^= data[i];
    for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
  }
  return crc;
}

inline std::uint32_t BigEndian32(const std::uint8_t* p) {
  return (std::uint32_t{p[0]} << 24) | (std::uint32_t{p[1]} << 16) | (std::uint32_t{p[2]} << 8) | p[3];
}

inline PngFacts ProbePng(const std::vector<std::uint8_t>& bytes) {
  PngFacts facts;
  static constexpr std::array<std::uint8_t, 8> kSignature{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  if (bytes.size() < kSignature.size() || !std::equal(kSignature.begin(), kSignature.end(), bytes.begin())) {
    facts.error = "no PNG signature";
    return facts;
  }
  std::size_t pos = kSignature.size();
  bool first = true, sawData = false, sawEnd = false;
  while (pos < bytes.size()) {
    if (sawEnd) {
      facts.error = "bytes after IEND";
      return facts;
    }
    if (bytes.size() - pos < 12) {
      facts.error = "truncated chunk header";
      return facts;
    }
    const std::uint32_t length = BigEndian32(&bytes[pos]);
    if (length > bytes.size() - pos - 12) {
      facts.error = "chunk runs past the end of the file";
      return facts;
    }
    const std::string type(bytes.begin() + static_cast<std::ptrdiff_t>(pos + 4),
                           bytes.begin() + static_cast<std::ptrdiff_t>(pos + 8));
    const std::uint8_t* data = &bytes[pos + 8];
    const std::uint32_t storedCrc = BigEndian32(data + length);
    if ((Crc32(&bytes[pos + 4], length + 4) ^ 0xFFFFFFFFu) != storedCrc) {
      facts.error = "bad CRC in chunk " + type;
      return facts;
    }
    if (first) {
      if (type != "IHDR" || length != 13) {
        facts.error = "first chunk is not a 13-byte IHDR";
        return facts;
      }
      facts.width = BigEndian32(data);
      facts.height = BigEndian32(data + 4);
      facts.bitDepth = data[8];
      facts.colourType = data[9];
      facts.interlace = data[12];
      first = false;
    }
    sawData = sawData || type == "IDAT";
    sawEnd = type == "IEND";
    pos += 12 + length;
  }
  if (!sawData) facts.error = "no image data";
  if (!sawEnd) facts.error = "no IEND chunk";
  return facts;
}

inline PngFacts ProbePngFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    PngFacts facts;
    facts.error = "cannot open";
    return facts;
  }
  std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  return ProbePng(bytes);
}

}  // namespace quendar::skin_test
