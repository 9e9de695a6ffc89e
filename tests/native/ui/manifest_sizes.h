#pragma once
// Image sizes as the default skin's manifest records them, in the form the main view measures with.
#include <optional>
#include <string_view>

#include "core/ui/main/main_layout.h"
#include "core/ui/skin_manifest.h"

namespace quendar::ui::testing {

inline std::optional<Size> ManifestImageSize(std::string_view name) {
  for (const skin::Image* image : skin::kImages)
    if (image->name == name) return image->size;
  for (const skin::Family* family : skin::kFamilies)
    for (const skin::FamilyMember& member : family->members)
      if (skin::MemberName(family->pattern, member.value) == name) return member.size;
  return std::nullopt;
}

inline main::ImageSizes ManifestSizes() { return &ManifestImageSize; }

}  // namespace quendar::ui::testing
