#pragma once
// CMacroDialog: binds one of the store's first twelve macros with a repeat mode to a button.
#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/ui/assignment/assignment_access.h"
#include "core/ui/assignment/capture_dialogs.h"
#include "win32/assignment/popup_list_box.h"
#include "win32/ui/skinned_dialog.h"

namespace quendar::win32 {

inline constexpr int kMacroListId = ui::assignment::MacroAssignment::kMacroListId;

class CMacroDialog final : public SkinnedTableDialog<CMacroDialog> {
 public:
  // `macroNames`: the store's macros in store order.
  CMacroDialog(Skin& skin, ui::LanguageClass language, std::vector<std::wstring> macroNames);
  static std::span<const MessageEntry<CMacroDialog>> Messages();
  static std::span<const NotificationEntry<CMacroDialog>> Notifications();

  const std::optional<ui::assignment::MacroChoice>& choice() const { return choice_; }

 private:
  void AppendTexts(ui::DrawList& list) override;
  ui::DialogParts DescribeParts() override { return ui::assignment::MacroAssignmentParts(assignment_, language_); }
  MessageResult OnLeftButtonDown(WPARAM, LPARAM point);
  MessageResult OnLeftButtonDoubleClick(WPARAM, LPARAM point);
  MessageResult OnMouseWheel(WPARAM wheel, LPARAM);
  MessageResult OnDestroy(WPARAM, LPARAM);
  void OnMacroChosen(HWND);
  void OnLeftPress(LPARAM lParam);
  void SyncList();

  ui::LanguageClass language_;
  ui::assignment::MacroAssignment assignment_;
  std::unique_ptr<PopupListBox> list_;
  std::optional<ui::assignment::MacroChoice> choice_;
};

}  // namespace quendar::win32
