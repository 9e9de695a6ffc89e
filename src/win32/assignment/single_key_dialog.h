#pragma once
// CSingleDialog: captures one key for the "Single Key" function. The key's name comes from the project's
// scan-code names through a thread keyboard hook; the dialog shows it in its white box.
#include <windows.h>

#include <memory>
#include <optional>

#include "core/ui/assignment/capture_dialogs.h"
#include "win32/framework/keyboard_hook.h"
#include "win32/ui/skinned_dialog.h"

namespace quendar::win32 {

class CSingleDialog final : public SkinnedTableDialog<CSingleDialog> {
 public:
  CSingleDialog(Skin& skin, ui::LanguageClass language);
  static std::span<const MessageEntry<CSingleDialog>> Messages();

  // The captured key once the dialog ended with OK.
  const std::optional<ui::assignment::SingleKeyChoice>& choice() const { return choice_; }

 private:
  void OnSkinnedInit() override;
  void AppendTexts(ui::DrawList& list) override;
  MessageResult OnKeyMessage(WPARAM, LPARAM keystrokeFlags);
  MessageResult OnHookFailed(WPARAM error, LPARAM);
  MessageResult OnLeftButtonDown(WPARAM, LPARAM point);
  MessageResult OnLeftButtonDoubleClick(WPARAM, LPARAM point);
  MessageResult OnDestroy(WPARAM, LPARAM);
  bool PreTranslateMessage(MSG& message) override;
  void OnLeftPress(LPARAM lParam);
  void Finish(ui::assignment::PressResult result);

  ui::LanguageClass language_;
  ui::assignment::SingleKeyCapture capture_;
  std::unique_ptr<KeyboardHook> hook_;
  std::optional<ui::assignment::SingleKeyChoice> choice_;
};

}  // namespace quendar::win32
