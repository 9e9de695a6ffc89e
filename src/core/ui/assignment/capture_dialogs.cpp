#include "core/ui/assignment/capture_dialogs.h"

#include <algorithm>

#include "core/keys/key_names.h"
#include "core/ui/assignment/dialog_texts.h"

namespace quendar::ui::assignment {

namespace {

PressResult DialogButtons(Point point) {
  if (kOkRect.Contains(point)) return PressResult::Ok;
  if (kCancelRect.Contains(point) || kCloseRect.Contains(point)) return PressResult::Cancel;
  return PressResult::Nothing;
}

// A named key the mouse has no usage for (F13, Break, ...) would make a button that does nothing.
std::optional<Refusal> RefuseDeadKey(LanguageClass language, const std::wstring& name) {
  if (name.empty() || keys::KeyNameToUsage(name) != 0) return std::nullopt;
  return Refusal{DeadKeyWarning(language, name)};
}

}  // namespace

void SingleKeyCapture::OnKey(keys::ScanCode scan) {
  if (auto name = keys::KeyNameForScanCode(scan); !name.empty()) keyName_ = name;
}

PressResult SingleKeyCapture::OnPress(Point point) const {
  const PressResult result = DialogButtons(point);
  return result == PressResult::Nothing ? PressResult::Drag : result;
}

Confirmation<SingleKeyChoice> SingleKeyCapture::Confirm(LanguageClass language) const {
  if (auto refusal = RefuseDeadKey(language, keyName_)) return *refusal;
  return SingleKeyChoice{keyName_};
}

std::vector<std::wstring_view> ModifierListTexts() {
  std::vector<std::wstring_view> texts;
  for (const auto& entry : keys::ModifierTable()) texts.push_back(entry.name);
  return texts;
}

void ComboKeyCapture::OnKey(keys::ScanCode scan, Field focused) {
  const auto name = keys::KeyNameForScanCode(scan);
  if (name.empty()) return;
  if (focused == Field::Key1) names_.key1 = name;
  if (focused == Field::Key2) names_.key2 = name;
}

PressResult ComboKeyCapture::OnPress(Point point) {
  if (kModifierBoxRect.Contains(point)) {
    listOpen_ = !listOpen_;
    return PressResult::Nothing;
  }
  listOpen_ = false;
  return DialogButtons(point);
}

void ComboKeyCapture::ChooseModifier(int item) {
  const auto table = keys::ModifierTable();
  if (item >= 0 && static_cast<std::size_t>(item) < table.size()) {
    names_.modifier = table[static_cast<std::size_t>(item)].name;
  }
  listOpen_ = false;
}

Confirmation<ComboKeyChoice> ComboKeyCapture::Confirm(LanguageClass language) const {
  for (const std::wstring* key : {&names_.key1, &names_.key2}) {
    if (auto refusal = RefuseDeadKey(language, *key)) return *refusal;
  }
  return names_;
}

MacroAssignment::MacroAssignment(std::vector<std::wstring> storeNames) : offered_(std::move(storeNames)) {
  if (offered_.size() > kMaxMacros) offered_.resize(kMaxMacros);
}

std::wstring_view MacroAssignment::chosenName() const {
  return chosen_ ? std::wstring_view(offered_[*chosen_]) : std::wstring_view();
}

PressResult MacroAssignment::OnPress(Point point) {
  const bool inBox = kMacroBoxClickRect.Contains(point);
  if (listOpen_ && !inBox && !kMacroListRect.Contains(point)) listOpen_ = false;
  if (const PressResult result = DialogButtons(point); result != PressResult::Nothing) return result;
  if (inBox) {
    listOpen_ = !listOpen_;
    return PressResult::Nothing;
  }
  for (int mode = 0; mode < kRepeatModeCount; ++mode) {
    if (kTickRects[static_cast<std::size_t>(mode)].Contains(point)) repeatMode_ = static_cast<std::uint8_t>(mode);
  }
  return PressResult::Nothing;
}

void MacroAssignment::Choose(int item) {
  if (item >= 0 && static_cast<std::size_t>(item) < offered_.size()) chosen_ = static_cast<std::size_t>(item);
  listOpen_ = false;
}

int MacroAssignment::ScrolledTopLine(int topLine, int delta) const {
  if (delta == 0) return topLine;
  const int last = std::max(0, static_cast<int>(offered_.size()) - 1);
  return std::clamp(topLine + (delta < 0 ? kWheelLines : -kWheelLines), 0, last);
}

Confirmation<MacroChoice> MacroAssignment::Confirm(LanguageClass language) const {
  if (offered_.empty()) return Refusal{std::wstring(EmptyMacroStoreWarning(language))};
  if (!chosen_) return Refusal{std::wstring(NoMacroChosenWarning(language))};
  return MacroChoice{static_cast<std::uint8_t>(*chosen_), offered_[*chosen_], repeatMode_};
}

}  // namespace quendar::ui::assignment
