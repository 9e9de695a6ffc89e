#include "core/ui/profile_manager/profile_manager_view.h"

#include <string>

#include "core/ui/skin_manifest.h"

namespace quendar::ui::profile_manager {

ManagerHit HitTest(Point point) {
  if (kCloseButton.Contains(point)) return ManagerHit::Close;
  if (kNewButton.Contains(point)) return ManagerHit::New;
  return ManagerHit::None;
}

DrawList BuildBackground(Size dialog, const ManagerTexts& texts, Color textColor, bool closeHovered) {
  DrawList list(Rect::At({0, 0}, dialog));
  list.Image(std::string(skin::kProfileManagerDialog.name), {0, 0});
  list.Text(std::wstring(texts.title), kTitleBox, FontRole::Dialog, textColor, TextAlign::Left);
  list.Image(std::string(closeHovered ? skin::kCloseButtonOver.name : skin::kCloseButtonNormal.name),
             kCloseButton.TopLeft());
  list.Image(std::string(skin::kProfileManagerNewIcon.name), kNewIconAt);
  list.Text(std::wstring(texts.newButton), kNewTextBox, FontRole::Dialog, textColor, TextAlign::Left);
  return list;
}

DrawList BuildListItem(std::wstring_view name, Rect box, bool selected) {
  DrawList list(box);
  list.Fill(box, selected ? kSelectedItemBackColor : kItemBackColor);
  // A little room before the text, as the system's own list boxes leave.
  list.Text(std::wstring(name), Rect{box.left + 4, box.top, box.right - 2, box.bottom}, FontRole::Dialog,
            kItemTextColor, TextAlign::Left);
  return list;
}

}  // namespace quendar::ui::profile_manager
