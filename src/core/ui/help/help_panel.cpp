#include "core/ui/help/help_panel.h"

#include <algorithm>
#include <string>

#include "core/ui/skin_manifest.h"

namespace quendar::ui::help {

std::wstring_view WebAddress() { return Text(LanguageClass::English, TextSlot::WebSite); }

std::wstring_view OkCaption(LanguageClass language) {
  switch (language) {
    case LanguageClass::SimplifiedChinese:
      return L"确定";
    case LanguageClass::TraditionalChinese:
      return L"確定";
    case LanguageClass::English:
      break;
  }
  return L"Ok";
}

std::wstring_view CancelCaption(LanguageClass language) {
  return language == LanguageClass::English ? L"Cancel" : L"取消";
}

Point Placement(Size mainClient, Size panel) {
  return {std::max(0, mainClient.width - panel.width - kRightMargin), kTopMargin};
}

HelpHit HitTest(Point point) {
  if (kAddressBox.Contains(point)) return HelpHit::Address;
  if (kOkButton.Contains(point)) return HelpHit::Ok;
  if (kCancelButton.Contains(point)) return HelpHit::Cancel;
  if (kCloseButton.Contains(point)) return HelpHit::Close;
  return HelpHit::None;
}

HelpAction ActionFor(HelpHit hit) {
  switch (hit) {
    case HelpHit::Address:
      return HelpAction::OpenAddress;
    case HelpHit::Ok:
    case HelpHit::Cancel:
    case HelpHit::Close:
      return HelpAction::Close;
    case HelpHit::None:
      break;
  }
  return HelpAction::None;
}

DrawList BuildPanel(Size panel) {
  DrawList list(Rect::At({0, 0}, panel));
  list.Image(std::string(skin::kHelpDialog.name), {0, 0});
  list.Text(std::wstring(WebAddress()), kAddressBox, FontRole::Dialog, kTextColor);
  list.Text(std::wstring(kVersionText), kVersionBox, FontRole::Dialog, kTextColor);
  return list;
}

DrawList BuildButton(HelpHit button, bool hovered, LanguageClass language) {
  switch (button) {
    case HelpHit::Ok:
    case HelpHit::Cancel: {
      const Rect box = button == HelpHit::Ok ? kOkButton : kCancelButton;
      DrawList list(box);
      list.Image(std::string(hovered ? skin::kDialogButtonOver.name : skin::kDialogButtonNormal.name), box.TopLeft());
      const std::wstring_view caption = button == HelpHit::Ok ? OkCaption(language) : CancelCaption(language);
      list.Text(std::wstring(caption), box, FontRole::Dialog, kTextColor);
      return list;
    }
    case HelpHit::Close: {
      DrawList list(kCloseButton);
      list.Image(std::string(hovered ? skin::kCloseButtonOver.name : skin::kCloseButtonNormal.name),
                 kCloseButton.TopLeft());
      return list;
    }
    case HelpHit::Address:
    case HelpHit::None:
      break;
  }
  return {};
}

}  // namespace quendar::ui::help
