#pragma once
// Reads what a PNG file says about itself without decoding pixels: the signature, the IHDR fields, and
// whether the file ends with the end chunk (a cut-off copy does not). Byte-for-byte soundness is the
// generator check's job.
#include <algorithm>
#include <array>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace quendar::skin_test {

struct PngFacts {
  std::string error;  // empty when the file looks like a complete PNG
  std::uint32_t width = 0;
  std::uint32_t height = 0;
  int bitDepth = 0;
  int colourType = 0;  // 6 = RGBA
  int interlace = 0;
};

inline std::uint32_t BigEndian32(const std::uint8_t* p) {
  return (std::uint32_t{p[0]} << 24) | (std::uint32_t{p[1]} << 16) | (std::uint32_t{p[2]} << 8) | p[3];
}

inline PngFacts ProbePngFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  PngFacts facts;
  static constexpr std::array<std::uint8_t, 16> kHead{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n',
                                                      0,    0,   0,   13,  'I',  'H',  'D',  'R'};
  static constexpr std::array<std::uint8_t, 12> kEnd{0, 0, 0, 0, 'I', 'E', 'N', 'D', 0xAE, 0x42, 0x60, 0x82};
  if (bytes.size() < 8 + 25 + kEnd.size() || !std::equal(kHead.begin(), kHead.end(), bytes.begin())) {
    facts.error = "no PNG signature and IHDR";
  } else if (!std::equal(kEnd.begin(), kEnd.end(), bytes.end() - kEnd.size())) {
    facts.error = "does not end with IEND";
  }
  if (!facts.error.empty()) return facts;
  const std::uint8_t* header = &bytes[16];
  facts.width = BigEndian32(header);
  facts.height = BigEndian32(header + 4);
  facts.bitDepth = header[8];
  facts.colourType = header[9];
  facts.interlace = header[12];
  return facts;
}

}  // namespace quendar::skin_test
