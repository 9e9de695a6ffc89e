#include "core/ui/draw/skinned_dialog_view.h"

#include <algorithm>

namespace quendar::ui {

DrawList BuildSkinnedDialogList(const SkinnedDialogLook& look, const std::vector<ImageButton>& buttons,
                                const std::vector<bool>& hot, Rect area) {
  DrawList list(area);
  if (look.backgroundLoaded) {
    list.Image(look.background, {0, 0});
  } else {
    list.Fill(Rect::At({0, 0}, look.client), kMissingBackgroundFill);
  }
  for (std::size_t i = 0; i < buttons.size(); ++i) {
    const ImageButton& button = buttons[i];
    if (!button.rect.Intersects(area)) continue;
    const bool lit = i < hot.size() && hot[i];
    list.Image(lit ? button.over : button.normal, button.rect.TopLeft());
    if (!button.caption.empty()) list.Text(button.caption, button.rect, FontRole::Dialog, look.textColor);
  }
  return list;
}

Size FallbackDialogSize(const std::vector<ImageButton>& buttons, Size minimum) {
  constexpr int kMargin = 8;
  Size size = minimum;
  for (const ImageButton& button : buttons) {
    size.width = std::max(size.width, button.rect.right + kMargin);
    size.height = std::max(size.height, button.rect.bottom + kMargin);
  }
  return size;
}

}  // namespace quendar::ui
