#include "core/ui/assignment/assignment_menus.h"

#include "core/keys/profile_buttons.h"

namespace quendar::ui::assignment {

using keys::FunctionType;

PopupList ListOf(SubListKind kind) {
  switch (kind) {
    case SubListKind::ScrollSelect: return PopupList::ScrollSelect;
    case SubListKind::CpiCycle: return PopupList::CpiCycle;
    case SubListKind::Multimedia: return PopupList::Multimedia;
    case SubListKind::HotKey: return PopupList::HotKey;
    case SubListKind::Windows: return PopupList::Windows;
  }
  return PopupList::Function;
}

namespace {

bool ValidButton(int button) { return button >= 1 && button <= keys::kButtonCount; }
// The record's index of a button number.
std::size_t At(int button) { return static_cast<std::size_t>(button - 1); }

template <typename Texts>
std::vector<std::wstring> Owned(const Texts& texts) {
  return {texts.begin(), texts.end()};
}

// The one "Click" button may not be opened: at least one button must keep the left click.
bool IsOnlyClickButton(const profiles::ProfileRecord& record, int button) {
  constexpr auto kClick = static_cast<std::uint8_t>(FunctionType::Click);
  if (record.FunctionType(At(button)) != kClick) return false;
  for (int other = 1; other <= keys::kButtonCount; ++other) {
    if (other != button && record.FunctionType(At(other)) == kClick) return false;
  }
  return true;
}

// The parameter a sub-list entry stores; entries are always inside their list here.
void StoreSubChoice(keys::ButtonAssignment& button, SubListKind kind, int item) {
  button.functionType = static_cast<std::uint8_t>(FunctionOfSubList(kind));
  switch (kind) {
    case SubListKind::ScrollSelect: button.scrollChoice = keys::SubListValueAt(keys::ScrollSubList(), item); break;
    case SubListKind::CpiCycle: button.cpiChoice = keys::SubListValueAt(keys::CpiSubList(), item); break;
    case SubListKind::Multimedia: button.mediaUsage = keys::SubListValueAt(keys::MultimediaSubList(), item); break;
    case SubListKind::HotKey: button.hotkeyLetter = keys::SubListValueAt(keys::HotKeySubList(), item); break;
    case SubListKind::Windows: button.windowsChoice = keys::SubListValueAt(keys::WindowsSubList(), item); break;
  }
}

}  // namespace

void AssignmentMenus::CloseSubLists(MenuEffects& effects) {
  for (SubListKind kind : kSubListKinds) {
    if (!subOpen_[Index(kind)]) continue;
    subOpen_[Index(kind)] = false;
    effects.push_back(CloseList{ListOf(kind)});
  }
}

void AssignmentMenus::CloseFunctionList(MenuEffects& effects) {
  CloseSubLists(effects);
  if (!openButton_) return;
  openButton_.reset();
  listRect_ = {};
  effects.push_back(CloseList{PopupList::Function});
}

MenuEffects AssignmentMenus::ToggleFunctionList(int button, const Rect& listRect, const AssignmentTarget& target) {
  MenuEffects effects;
  if (!ValidButton(button)) return effects;
  if (openButton_ == button) {
    CloseFunctionList(effects);
    return effects;
  }
  CloseFunctionList(effects);
  if (IsOnlyClickButton(target.record, button)) {
    effects.push_back(
        ShowWarning{std::wstring(Text(target.language, TextSlot::LeftKeyMustBeSelected)), std::wstring(kWarningCaption)});
    return effects;
  }
  openButton_ = button;
  listRect_ = listRect;
  effects.push_back(OpenList{PopupList::Function, button, listRect_, Owned(FunctionListTexts(target.language))});
  effects.push_back(HighlightButton{button});
  return effects;
}

MenuEffects AssignmentMenus::HoverList(PopupList list, int item, const Rect& itemRect, LanguageClass language) {
  MenuEffects effects;
  if (item < 0) return effects;
  const bool isFunctionList = list == PopupList::Function;
  if (isFunctionList && !openButton_) return effects;
  effects.push_back(SelectItem{list, item});
  if (!isFunctionList) return effects;
  // The sub-list of the entry under the pointer stays open; every other one closes.
  const std::optional<SubListKind> hovered = SubListOfEntry(item);
  for (SubListKind kind : kSubListKinds) {
    const bool wanted = hovered == kind;
    bool& open = subOpen_[Index(kind)];
    if (wanted && !open) {
      open = true;
      effects.push_back(OpenList{ListOf(kind), *openButton_, SubListRect(kind, listRect_, itemRect),
                                 Owned(SubListTexts(language, kind))});
    } else if (!wanted && open) {
      open = false;
      effects.push_back(CloseList{ListOf(kind)});
    }
  }
  return effects;
}

MenuEffects AssignmentMenus::CommitFunction(int button, int item, const AssignmentTarget& target) {
  MenuEffects effects;
  if (openButton_ != button || item < 0 || item >= keys::kFunctionCount) return effects;
  if (SubListOfEntry(item)) return effects;  // only the sub-list commits these
  CloseFunctionList(effects);
  const auto type = static_cast<FunctionType>(item);
  switch (type) {
    case FunctionType::SingleKey:
      effects.push_back(RunDialog{AssignmentDialog::SingleKey, button});
      return effects;
    case FunctionType::ComboKey:
      effects.push_back(RunDialog{AssignmentDialog::ComboKey, button});
      return effects;
    case FunctionType::MacroKey:
      effects.push_back(RunDialog{AssignmentDialog::MacroKey, button});
      return effects;
    default:
      break;
  }
  target.record.FunctionType(At(button)) = static_cast<std::uint8_t>(item);
  target.captions[At(button)] = FunctionLabel(target.language, type);
  effects.push_back(RepaintDropdown{button, DropdownLook::Leave});
  return effects;
}

MenuEffects AssignmentMenus::CommitSubChoice(SubListKind kind, int item, const AssignmentTarget& target) {
  MenuEffects effects;
  if (!openButton_) return effects;
  const auto texts = SubListTexts(target.language, kind);
  if (item < 0 || static_cast<std::size_t>(item) >= texts.size()) return effects;
  const int button = *openButton_;
  CloseFunctionList(effects);
  auto assignment = keys::ButtonAssignments(target.record)[At(button)];
  StoreSubChoice(assignment, kind, item);
  keys::StoreButtonAssignment(target.record, At(button), assignment);
  target.captions[At(button)] = texts[static_cast<std::size_t>(item)];
  effects.push_back(RepaintDropdown{button, DropdownLook::Normal});
  return effects;
}

MenuEffects AssignmentMenus::FinishDialog(int button, const std::optional<DialogChoice>& choice,
                                          const AssignmentTarget& target) {
  MenuEffects effects;
  if (!ValidButton(button)) return effects;
  if (choice) {
    auto assignment = keys::ButtonAssignments(target.record)[At(button)];
    std::visit(
        [&](const auto& made) {
          StoreChoice(assignment, made);
          using T = std::decay_t<decltype(made)>;
          if constexpr (std::is_same_v<T, SingleKeyChoice>) {
            target.captions[At(button)] = SingleKeyCaption(target.language, made.key);
          } else if constexpr (std::is_same_v<T, ComboKeyChoice>) {
            target.captions[At(button)] = ComboKeyCaption(target.language, made);
          } else {
            target.captions[At(button)] = MacroKeyCaption(target.language, made.name);
          }
        },
        *choice);
    keys::StoreButtonAssignment(target.record, At(button), assignment);
  }
  effects.push_back(RepaintDropdown{button, DropdownLook::Leave});
  return effects;
}

MenuEffects AssignmentMenus::CloseButtonList(int button) {
  MenuEffects effects;
  if (openButton_ == button) {
    CloseFunctionList(effects);
  } else {
    CloseSubLists(effects);
  }
  return effects;
}

MenuEffects AssignmentMenus::CloseAllLists() {
  MenuEffects effects;
  CloseFunctionList(effects);
  return effects;
}

}  // namespace quendar::ui::assignment
