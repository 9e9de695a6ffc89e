#include "core/ui/draw/image_button_hover.h"

#include "core/ui/draw/hit_test.h"

namespace quendar::ui {

std::vector<bool>& DialogHotFlags::For(DialogKind kind, std::size_t buttons) {
  std::vector<bool>& flags = flags_.at(static_cast<std::size_t>(kind));
  if (flags.size() < buttons) flags.resize(buttons, false);
  return flags;
}

void ImageButtonHover::RestoreAllBut(std::optional<std::size_t> keep, HoverStep& step) {
  for (std::size_t i = 0; i < buttons_.size(); ++i) {
    if (i == keep || !hot(i)) continue;
    (*hot_)[i] = false;
    step.restore.push_back(i);
  }
}

HoverStep ImageButtonHover::MouseMove(Point pointer) {
  HoverStep step;
  if (HitIndex(buttons_, pointer)) {
    step.requestHover = true;
  } else {
    RestoreAllBut(std::nullopt, step);
  }
  return step;
}

HoverStep ImageButtonHover::Hover(Point pointer) {
  HoverStep step;
  const std::optional<std::size_t> under = HitIndex(buttons_, pointer);
  RestoreAllBut(under, step);
  // Lit again even when the flag is already set: another dialog of the kind may have set it, and this
  // window still shows the normal image.
  if (under) {
    (*hot_)[*under] = true;
    step.light = under;
  }
  return step;
}

HoverStep ImageButtonHover::Leave() {
  HoverStep step;
  RestoreAllBut(std::nullopt, step);
  return step;
}

}  // namespace quendar::ui
