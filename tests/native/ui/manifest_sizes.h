#pragma once
// Image sizes as the default skin's manifest records them, in the form the main view measures with.
#include "core/ui/draw/skin_image_size.h"
#include "core/ui/main/main_layout.h"

namespace quendar::ui::testing {

inline main::ImageSizes ManifestSizes() { return &SkinImageSize; }

}  // namespace quendar::ui::testing
