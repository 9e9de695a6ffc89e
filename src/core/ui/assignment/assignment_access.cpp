#include "core/ui/assignment/assignment_access.h"

#include <string>
#include <utility>

#include "core/ui/assignment/assignment_menus.h"
#include "core/ui/assignment/dialog_texts.h"
#include "core/ui/panels/panel_access.h"

namespace quendar::ui::assignment {

namespace {

access::Node DropDown(std::wstring name, Rect box, bool open, std::wstring value) {
  access::Node node = access::MakeNode(kDialogPartNodes, std::move(name), access::Role::ComboBox, box,
                                       open ? access::Action::Collapse : access::Action::Expand);
  node.state.expanded = open;
  node.state.collapsed = !open;
  node.value = std::move(value);
  return node;
}

}  // namespace

std::vector<ImageButton> AssignmentDialogButtons(CaptureDialog dialog, LanguageClass language) {
  constexpr const char* kNormal = "/MacroManagement/button-new-normal.png";
  constexpr const char* kOver = "/MacroManagement/button-new-over.png";
  return {
      {kOkButtonId, kOkRect, kNormal, kOver, std::wstring(OkText(dialog, language))},
      {kCancelButtonId, kCancelRect, kNormal, kOver, std::wstring(CancelText(language))},
      {kCloseButtonId, kCloseRect, "/button-close-normal.png", "/button-close-over.png", L""},
  };
}

DialogParts MacroAssignmentParts(const MacroAssignment& assignment, LanguageClass language) {
  DialogParts parts;
  parts.nodes.push_back(DropDown(std::wstring(MacroSelectLabel(language)), MacroAssignment::kMacroBoxClickRect,
                                 assignment.listOpen(), std::wstring(assignment.chosenName())));
  for (int mode = 0; mode < MacroAssignment::kRepeatModeCount; ++mode) {
    const auto at = static_cast<std::size_t>(mode);
    const Rect tick = MacroAssignment::kTickRects[at];
    const Rect place = tick.Union(MacroAssignment::kModeTextRects[at]);
    access::Node radio = panels::Radio(kDialogPartNodes + 1 + mode, RepeatModeText(language, mode), place,
                                       mode == assignment.repeatMode());
    radio.press = tick.Centre();
    parts.nodes.push_back(std::move(radio));
  }
  parts.controls = {{MacroAssignment::kMacroListId, std::wstring(MacroSelectLabel(language))}};
  return parts;
}

DialogParts ComboKeyParts(const ComboKeyCapture& capture, LanguageClass language) {
  DialogParts parts;
  parts.nodes.push_back(DropDown(access::NameText(language, access::Name::ModifierKey),
                                 ComboKeyCapture::kModifierBoxRect, capture.modifierListOpen(),
                                 capture.names().modifier));
  parts.controls = {{ComboKeyCapture::kModifierListId, access::NameText(language, access::Name::ModifierKey)},
                    {ComboKeyCapture::kKey1BoxId, access::NameText(language, access::Name::FirstKey)},
                    {ComboKeyCapture::kKey2BoxId, access::NameText(language, access::Name::SecondKey)}};
  return parts;
}

}  // namespace quendar::ui::assignment
