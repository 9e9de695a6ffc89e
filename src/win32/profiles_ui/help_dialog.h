#pragma once
// The help panel: a small bordered child of the main window, against its right edge, with the maker's
// web address and the version. The main window opens and closes it; its own buttons close it too.
#include <windows.h>

#include <functional>

#include "win32/ui/skinned_dialog.h"

namespace quendar::win32 {

struct HelpDialogContext {
  HWND mainWindow = nullptr;
  std::function<void()> onClosed;  // the window is gone, whichever way it was closed
  // Opens the web address; the platform's "open" verb when empty.
  std::function<void(std::wstring_view)> openAddress;
};

class HelpDialog final : public SkinnedTableDialog<HelpDialog> {
 public:
  HelpDialog(Skin& skin, HelpDialogContext context);
  static std::span<const MessageEntry<HelpDialog>> Messages();

  bool Open(HINSTANCE instance);
  bool IsOpen() const { return hwnd() != nullptr; }

 private:
  static SkinnedDialogLayout Layout(const Skin& skin);

  void AppendTexts(ui::DrawList& list) override;
  ui::DialogParts DescribeParts() override;
  bool MovesFocusRing() const override { return true; }
  void OnImageButton(int id) override;
  void OnPress(ui::Point point) override;
  MessageResult OnDestroy(WPARAM, LPARAM);

  void PlaceInMainWindow();

  HelpDialogContext context_;
};

// The platform's "open" verb on an address, in a normal window.
void OpenWebAddress(HWND owner, std::wstring_view address);

}  // namespace quendar::win32
