#pragma once
// The size of a skin image by its name, as the default skin's manifest records it (single images and
// family members alike). Another skin may differ; where that matters, measure the file (png_size.h).
#include <optional>
#include <string_view>

#include "core/ui/geometry.h"

namespace quendar::ui {

std::optional<Size> SkinImageSize(std::string_view name);

// The rectangle an image covers when drawn at `at`; empty when the image is unknown.
Rect SkinImageRect(std::string_view name, Point at);

}  // namespace quendar::ui
