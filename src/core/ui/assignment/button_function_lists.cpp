#include "core/ui/assignment/button_function_lists.h"

#include <utility>

namespace quendar::ui::assignment {

int ListId(PopupList list) { return kFunctionListId + static_cast<int>(list); }

std::optional<PopupList> ListForId(int id) {
  const int offset = id - kFunctionListId;
  if (offset < 0 || offset > static_cast<int>(PopupList::Windows)) return std::nullopt;
  return static_cast<PopupList>(offset);
}

namespace {

std::optional<SubListKind> SubListOf(PopupList list) {
  for (SubListKind kind : kSubListKinds) {
    if (ListOf(kind) == list) return kind;
  }
  return std::nullopt;
}

template <typename Choice>
std::optional<DialogChoice> Widen(std::optional<Choice> choice) {
  if (!choice) return std::nullopt;
  return DialogChoice{std::move(*choice)};
}

}  // namespace

void ButtonFunctionLists::Toggle(int button, Rect list, main::Effects& out) {
  Carry(menus_.ToggleFunctionList(button, list, target_), out);
}

void ButtonFunctionLists::Close(int button) {
  main::Effects ignored;
  Carry(menus_.CloseButtonList(button), ignored);
}

void ButtonFunctionLists::CloseAll() {
  main::Effects ignored;
  Carry(menus_.CloseAllLists(), ignored);
}

bool ButtonFunctionLists::OnListNotice(int id, int code, main::Effects& out) {
  const std::optional<PopupList> list = ListForId(id);
  if (!list) return false;
  if (code != kListSelectionChanged && code != kListDoubleClicked) return true;
  const int item = platform_.SelectedItem(*list);
  if (const auto kind = SubListOf(*list)) {
    Carry(menus_.CommitSubChoice(*kind, item, target_), out);
  } else if (const auto button = menus_.openButton()) {
    Carry(menus_.CommitFunction(*button, item, target_), out);
  }
  return true;
}

void ButtonFunctionLists::OnListHover(PopupList list, int item, const Rect& itemRect) {
  main::Effects ignored;
  Carry(menus_.HoverList(list, item, itemRect, target_.language), ignored);
}

void ButtonFunctionLists::Carry(const MenuEffects& effects, main::Effects& out) {
  for (const MenuEffect& effect : effects) {
    if (const auto* open = std::get_if<OpenList>(&effect)) {
      platform_.OpenList(open->list, open->rect, open->items);
    } else if (const auto* close = std::get_if<CloseList>(&effect)) {
      platform_.CloseList(close->list);
    } else if (const auto* select = std::get_if<SelectItem>(&effect)) {
      platform_.SelectItem(select->list, select->item);
    } else if (const auto* warning = std::get_if<ShowWarning>(&effect)) {
      platform_.ShowWarning(warning->text, warning->caption);
    } else if (const auto* highlight = std::get_if<HighlightButton>(&effect)) {
      out.push_back(main::HighlightButton{highlight->button});
    } else if (const auto* repaint = std::get_if<RepaintDropdown>(&effect)) {
      out.push_back(main::ShowDropdown{repaint->button, repaint->look == DropdownLook::Leave
                                                            ? main::DropdownLook::Committed
                                                            : main::DropdownLook::Normal});
    } else if (const auto* run = std::get_if<RunDialog>(&effect)) {
      // The list is closed and the menus are settled; the dialog's own message loop runs only once the
      // list's notice is fully handled.
      owedDialog_ = *run;
      out.push_back(main::RunOwedDialog{});
    }
  }
}

void ButtonFunctionLists::RunOwedDialog(main::Effects& out) {
  if (!owedDialog_) return;
  const RunDialog run = *std::exchange(owedDialog_, std::nullopt);
  std::optional<DialogChoice> choice;
  switch (run.dialog) {
    case AssignmentDialog::SingleKey: choice = Widen(platform_.RunSingleKeyDialog(target_.language)); break;
    case AssignmentDialog::ComboKey: choice = Widen(platform_.RunComboKeyDialog(target_.language)); break;
    case AssignmentDialog::MacroKey: choice = Widen(platform_.RunMacroKeyDialog(target_.language)); break;
  }
  Carry(menus_.FinishDialog(run.button, choice, target_), out);
}

}  // namespace quendar::ui::assignment
