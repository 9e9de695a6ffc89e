#include "core/ui/draw/skin_image_size.h"

#include "core/ui/skin_manifest.h"

namespace quendar::ui {

std::optional<Size> SkinImageSize(std::string_view name) {
  for (const skin::Image* image : skin::kImages) {
    if (image->name == name) return image->size;
  }
  for (const skin::Family* family : skin::kFamilies) {
    const auto mark = family->pattern.find("%d");
    if (mark == std::string_view::npos || name.size() <= family->pattern.size() - 2) continue;
    const std::string_view head = family->pattern.substr(0, mark);
    const std::string_view tail = family->pattern.substr(mark + 2);
    if (!name.starts_with(head) || !name.ends_with(tail)) continue;
    for (const skin::FamilyMember& member : family->members) {
      if (skin::MemberName(family->pattern, member.value) == name) return member.size;
    }
  }
  return std::nullopt;
}

Rect SkinImageRect(std::string_view name, Point at) {
  const std::optional<Size> size = SkinImageSize(name);
  return size ? Rect::At(at, *size) : Rect{};
}

}  // namespace quendar::ui
