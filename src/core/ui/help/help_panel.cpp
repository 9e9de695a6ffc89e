#include "core/ui/help/help_panel.h"

#include <algorithm>
#include <string>
#include <utility>

#include "core/text/translated.h"
#include "core/ui/skin_manifest.h"

namespace quendar::ui::help {

std::wstring_view WebAddress() { return Text(LanguageClass::English, TextSlot::WebSite); }

std::wstring_view OkCaption(LanguageClass language) { return text::kOkCaption.In(language); }

std::wstring_view CancelCaption(LanguageClass language) { return text::kCancelCaption.In(language); }

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

std::vector<ImageButton> HelpButtons(LanguageClass language) {
  const std::string normal(skin::kDialogButtonNormal.name);
  const std::string over(skin::kDialogButtonOver.name);
  return {
      {kOkButtonId, kOkButton, normal, over, std::wstring(OkCaption(language))},
      {kCancelButtonId, kCancelButton, normal, over, std::wstring(CancelCaption(language))},
      {kCloseButtonId, kCloseButton, std::string(skin::kCloseButtonNormal.name),
       std::string(skin::kCloseButtonOver.name), L""},
  };
}

DialogParts HelpParts(LanguageClass language) {
  access::Node link = access::MakeNode(kDialogPartNodes, access::NameText(language, access::Name::WebSite),
                                       access::Role::Link, kAddressBox);
  link.value = std::wstring(WebAddress());
  DialogParts parts;
  parts.nodes.push_back(std::move(link));
  return parts;
}

void AppendTexts(DrawList& list) {
  list.Text(std::wstring(WebAddress()), kAddressBox, FontRole::Dialog, kTextColor);
  list.Text(std::wstring(kVersionText), kVersionBox, FontRole::Dialog, kTextColor);
}

}  // namespace quendar::ui::help
