#pragma once
// The popup lists of the Button Assignment panel: which are open, what opening, pointing and choosing do to
// them, and how a choice lands in the button's assignment and caption. The shell turns the effects into
// list boxes, repaints, message boxes and dialogs, and reports each dialog's end back here.
#include <array>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "core/profiles/profile_record.h"
#include "core/profiles/profile_texts.h"
#include "core/ui/assignment/captions.h"
#include "core/ui/assignment/function_lists.h"

namespace quendar::ui::assignment {

// A button's function list, or one of the five sub-lists.
enum class PopupList { Function, ScrollSelect, CpiCycle, Multimedia, HotKey, Windows };
PopupList ListOf(SubListKind kind);

inline constexpr std::wstring_view kWarningCaption = L"Warning";

struct OpenList {
  PopupList list;
  int button;  // 1..12: the button whose function list this is or hangs from
  Rect rect;   // window client coordinates
  std::vector<std::wstring> items;
  friend bool operator==(const OpenList&, const OpenList&) = default;
};
struct CloseList {
  PopupList list;
  friend bool operator==(const CloseList&, const CloseList&) = default;
};
struct SelectItem {
  PopupList list;
  int item;
  friend bool operator==(const SelectItem&, const SelectItem&) = default;
};
struct ShowWarning {
  std::wstring text;
  std::wstring caption;
  friend bool operator==(const ShowWarning&, const ShowWarning&) = default;
};
// The mouse picture with this button's overlay lit.
struct HighlightButton {
  int button;
  friend bool operator==(const HighlightButton&, const HighlightButton&) = default;
};
// Leave: the look just after a choice from the function list, kept until the pointer moves away from the
// row (the row's hover flag is set with it).
enum class DropdownLook { Normal, Leave };
// The button's dropdown box with its current caption.
struct RepaintDropdown {
  int button;
  DropdownLook look;
  friend bool operator==(const RepaintDropdown&, const RepaintDropdown&) = default;
};
enum class AssignmentDialog { SingleKey, ComboKey, MacroKey };
// Run the dialog modally, then report its end with FinishDialog.
struct RunDialog {
  AssignmentDialog dialog;
  int button;
  friend bool operator==(const RunDialog&, const RunDialog&) = default;
};

using MenuEffect = std::variant<OpenList, CloseList, SelectItem, ShowWarning, HighlightButton, RepaintDropdown, RunDialog>;
using MenuEffects = std::vector<MenuEffect>;

using DialogChoice = std::variant<SingleKeyChoice, ComboKeyChoice, MacroChoice>;

// What the menus edit: the current profile's record and the captions shown with it.
struct AssignmentTarget {
  profiles::ProfileRecord& record;
  profiles::ButtonCaptions& captions;
  LanguageClass language;
};

class AssignmentMenus {
 public:
  // Buttons are numbered 1..12 as the user sees them.
  std::optional<int> openButton() const { return openButton_; }
  bool IsOpen(SubListKind kind) const { return subOpen_[Index(kind)]; }
  Rect functionListRect() const { return listRect_; }

  // A click on a button's dropdown box; `listRect` is where the main window places the button's list.
  MenuEffects ToggleFunctionList(int button, const Rect& listRect, const AssignmentTarget& target);

  // The pointer moved onto `item` of an open list; `itemRect` is that item inside the list.
  MenuEffects HoverList(PopupList list, int item, const Rect& itemRect, LanguageClass language);

  // A click or double click on an entry of `button`'s function list; no item (-1) does nothing.
  MenuEffects CommitFunction(int button, int item, const AssignmentTarget& target);

  // A click or double click on a sub-list entry; it commits to the button whose function list is open.
  MenuEffects CommitSubChoice(SubListKind kind, int item, const AssignmentTarget& target);

  // The dialog started by CommitFunction ended: a choice on OK, nothing on Cancel. Cancelling leaves the
  // button's function, parameters and caption as they were.
  MenuEffects FinishDialog(int button, const std::optional<DialogChoice>& choice, const AssignmentTarget& target);

  // Closes the button's function list (if it is the open one) and every sub-list.
  MenuEffects CloseButtonList(int button);
  // Closes every list this panel has open.
  MenuEffects CloseAllLists();

 private:
  static std::size_t Index(SubListKind kind) { return static_cast<std::size_t>(kind); }
  void CloseSubLists(MenuEffects& effects);
  void CloseFunctionList(MenuEffects& effects);

  std::optional<int> openButton_;
  Rect listRect_;
  std::array<bool, kSubListKinds.size()> subOpen_{};
};

}  // namespace quendar::ui::assignment
