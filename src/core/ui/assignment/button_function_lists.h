#pragma once
// The Button Assignment panel's popup lists as the main window sees them: the menus' model carried out
// through a small platform port (list boxes, the warning box, the three dialogs). A commit that needs a
// dialog answers RunOwedDialog; the dialog runs when the main view is asked to run it.
#include <optional>
#include <string_view>
#include <vector>

#include "core/ui/assignment/assignment_menus.h"
#include "core/ui/main/panel.h"

namespace quendar::ui::assignment {

// Child ids of the popup lists: the function list, then the sub-lists in SubListKind order.
inline constexpr int kFunctionListId = 1300;
int ListId(PopupList list);
std::optional<PopupList> ListForId(int id);

// The list-box notifications that commit an entry (the platform's "selection changed" and "double click").
inline constexpr int kListSelectionChanged = 1;
inline constexpr int kListDoubleClicked = 2;

class AssignmentPlatform {
 public:
  virtual ~AssignmentPlatform() = default;
  // Creates the popup list (replacing one of the same kind) with these entries, nothing selected.
  virtual void OpenList(PopupList list, const Rect& rect, const std::vector<std::wstring>& items) = 0;
  virtual void CloseList(PopupList list) = 0;
  virtual void SelectItem(PopupList list, int item) = 0;
  // The list's selection, -1 for none.
  virtual int SelectedItem(PopupList list) const = 0;
  virtual void ShowWarning(std::wstring_view text, std::wstring_view caption) = 0;
  // The dialogs run modally; nullopt when the user cancels.
  virtual std::optional<SingleKeyChoice> RunSingleKeyDialog(LanguageClass language) = 0;
  virtual std::optional<ComboKeyChoice> RunComboKeyDialog(LanguageClass language) = 0;
  virtual std::optional<MacroChoice> RunMacroKeyDialog(LanguageClass language) = 0;
};

class ButtonFunctionLists final : public main::FunctionLists {
 public:
  ButtonFunctionLists(AssignmentTarget target, AssignmentPlatform& platform) : target_(target), platform_(platform) {}

  bool IsOpen(int button) const override { return menus_.openButton() == button; }
  void Toggle(int button, Rect list, main::Effects& out) override;
  void Close(int button) override;
  void CloseAll() override;
  bool OnListNotice(int id, int code, main::Effects& out) override;
  void RunOwedDialog(main::Effects& out) override;

  // The pointer moved onto `item` of `list`; `itemRect` is that entry inside the list.
  void OnListHover(PopupList list, int item, const Rect& itemRect);

  // The language is settled once the profile's text file has been read.
  void SetLanguage(LanguageClass language) { target_.language = language; }

  const AssignmentMenus& menus() const { return menus_; }

 private:
  void Carry(const MenuEffects& effects, main::Effects& out);

  AssignmentTarget target_;
  AssignmentPlatform& platform_;
  AssignmentMenus menus_;
  std::optional<RunDialog> owedDialog_;  // asked for by a commit, run after its notice
};

}  // namespace quendar::ui::assignment
