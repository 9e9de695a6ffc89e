#pragma once
// CComboDialog: captures a modifier (from its list) and up to two keys (each pressed while its box has
// the focus) for the "Combo Key" function.
#include <windows.h>

#include <memory>
#include <optional>

#include "core/ui/assignment/assignment_access.h"
#include "core/ui/assignment/capture_dialogs.h"
#include "win32/assignment/popup_list_box.h"
#include "win32/framework/keyboard_hook.h"
#include "win32/ui/skinned_dialog.h"

namespace quendar::win32 {

inline constexpr int kModifierListId = ui::assignment::ComboKeyCapture::kModifierListId;
inline constexpr int kKey1BoxId = ui::assignment::ComboKeyCapture::kKey1BoxId;
inline constexpr int kKey2BoxId = ui::assignment::ComboKeyCapture::kKey2BoxId;

class CComboDialog final : public SkinnedTableDialog<CComboDialog> {
 public:
  CComboDialog(Skin& skin, ui::LanguageClass language);
  static std::span<const MessageEntry<CComboDialog>> Messages();
  static std::span<const NotificationEntry<CComboDialog>> Notifications();

  const std::optional<ui::assignment::ComboKeyChoice>& choice() const { return choice_; }

 private:
  void OnSkinnedInit() override;
  void AppendTexts(ui::DrawList& list) override;
  ui::DialogParts DescribeParts() override { return ui::assignment::ComboKeyParts(capture_, language_); }
  MessageResult OnKeyMessage(WPARAM, LPARAM keystrokeFlags);
  MessageResult OnHookFailed(WPARAM error, LPARAM);
  MessageResult OnLeftButtonDown(WPARAM, LPARAM point);
  MessageResult OnLeftButtonDoubleClick(WPARAM, LPARAM point);
  MessageResult OnBoxColour(WPARAM dc, LPARAM);
  MessageResult OnDestroy(WPARAM, LPARAM);
  void OnModifierChosen(HWND);
  void OnKey(LPARAM keystrokeFlags);
  void OnLeftPress(LPARAM lParam);
  // Creates or removes the modifier list as the capture's state says; the key boxes hide under it.
  void SyncModifierList();

  ui::LanguageClass language_;
  ui::assignment::ComboKeyCapture capture_;
  std::unique_ptr<KeyboardHook> hook_;
  std::unique_ptr<PopupListBox> modifierList_;
  HWND key1_ = nullptr;
  HWND key2_ = nullptr;
  UniqueBrush boxBrush_;
  std::optional<ui::assignment::ComboKeyChoice> choice_;
};

}  // namespace quendar::win32
