#pragma once
// A scratch folder per fuzz process where the targets lay out the files a loader reads, since the
// loaders under test read files, not buffers.
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <span>
#include <string>

#include "platform/platform_file_system.h"

namespace quendar::fuzz {

// Memory-backed where the system has it: every execution writes its files afresh. Removed at exit.
inline const std::filesystem::path& ScratchFolder() {
  struct Scratch {
    Scratch() {
      std::error_code error;
      const std::filesystem::path base =
          std::filesystem::is_directory("/dev/shm", error) ? "/dev/shm" : std::filesystem::temp_directory_path();
      path = base / ("quendar_fuzz_" + std::to_string(::getpid()));
      std::filesystem::create_directories(path);
    }
    ~Scratch() {
      std::error_code error;
      std::filesystem::remove_all(path, error);
    }
    std::filesystem::path path;
  };
  static const Scratch scratch;
  return scratch.path;
}

inline void WriteFile(const std::filesystem::path& file, std::span<const std::uint8_t> bytes) {
  std::ofstream(file, std::ios::binary | std::ios::trunc)
      .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// The input cut in two at the position its first two bytes name (clamped to what there is).
struct TwoParts {
  std::span<const std::uint8_t> first;
  std::span<const std::uint8_t> second;
};
inline TwoParts Split(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return {};
  const std::span<const std::uint8_t> rest(data + 2, size - 2);
  const std::size_t cut = std::min<std::size_t>((std::size_t{data[0]} << 8) | data[1], rest.size());
  return {rest.first(cut), rest.subspan(cut)};
}

}  // namespace quendar::fuzz
