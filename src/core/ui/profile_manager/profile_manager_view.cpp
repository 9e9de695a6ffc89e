#include "core/ui/profile_manager/profile_manager_view.h"

#include <string>

#include "core/ui/skin_manifest.h"

namespace quendar::ui::profile_manager {

ManagerHit HitTest(Point point) {
  if (kCloseButton.Contains(point)) return ManagerHit::Close;
  if (kNewButton.Contains(point)) return ManagerHit::New;
  return ManagerHit::None;
}

std::vector<ImageButton> ManagerButtons() {
  return {{kCloseButtonId, kCloseButton, std::string(skin::kCloseButtonNormal.name),
           std::string(skin::kCloseButtonOver.name), L""}};
}

DialogParts ManagerParts(const ManagerTexts& texts) {
  DialogParts parts;
  parts.nodes.push_back(
      access::MakeNode(kDialogPartNodes, std::wstring(texts.newButton), access::Role::PushButton, kNewButton));
  parts.controls = {{kListBoxId, std::wstring(texts.title)}};
  return parts;
}

void AppendTexts(DrawList& list, const ManagerTexts& texts, Color textColor) {
  list.Text(std::wstring(texts.title), kTitleBox, FontRole::Dialog, textColor, TextAlign::Left);
  list.Image(std::string(skin::kProfileManagerNewIcon.name), kNewIconAt);
  list.Text(std::wstring(texts.newButton), kNewTextBox, FontRole::Dialog, textColor, TextAlign::Left);
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
