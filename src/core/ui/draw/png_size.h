#pragma once
// The pixel size a PNG file declares in its header, read without decoding the image: the skin's images
// are measured this way where their size matters before they are drawn (a window takes its background's).
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <variant>

#include "core/ui/geometry.h"

namespace quendar::ui {

struct PngSizeError {
  std::string what;  // "cannot open <path>", "no PNG signature", ...
  friend bool operator==(const PngSizeError&, const PngSizeError&) = default;
};

using PngSizeResult = std::variant<Size, PngSizeError>;

// Reads the signature and the IHDR chunk from the first 24 bytes of a file.
PngSizeResult ReadPngSize(std::span<const std::uint8_t> head);
PngSizeResult ReadPngSize(const std::filesystem::path& file);

}  // namespace quendar::ui
