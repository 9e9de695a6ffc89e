#pragma once
// The platform side of the settings panels: their child controls on the main window (the CPI colour
// boxes and the scroll-lines number box) and the system colour dialog.
#include <windows.h>

#include <array>
#include <map>
#include <optional>
#include <string>

#include "core/ui/display_scale.h"
#include "core/ui/main/panel.h"
#include "win32/framework/unique_handle.h"

namespace quendar::win32 {

using UniqueChildWindow = UniqueWindow;

// What a platform call of the panels could not do; the window may show or log it.
struct PanelPlatformError {
  const char* operation = "";
  DWORD error = 0;
};

class Win32PanelPlatform final : public ui::main::PanelPlatform {
 public:
  // `parent` is the main window; the children are destroyed with this object at the latest.
  explicit Win32PanelPlatform(HWND parent);
  ~Win32PanelPlatform() override;
  Win32PanelPlatform(const Win32PanelPlatform&) = delete;
  Win32PanelPlatform& operator=(const Win32PanelPlatform&) = delete;

  void ShowChild(const ui::main::ChildControl& control) override;
  void DestroyChild(int id) override;
  std::wstring ChildText(int id) const override;
  void SetChildText(int id, std::wstring_view text) override;
  void EnableChild(int id, bool enabled) override;
  // The system colour dialog, modal, owned by the main window, no preset colour. Nullopt when cancelled.
  // Only ever called once the input that asked for it is handled.
  std::optional<ui::Color> ChooseColour();

  // The main window's display scale: the children move and resize to their places' device pixels.
  void SetScale(ui::DisplayScale scale);

  HWND child(int id) const;
  // The last call that failed, if any.
  const std::optional<PanelPlatformError>& lastError() const { return lastError_; }

 private:
  HWND CreateColourBox(const ui::main::ChildControl& control);
  HWND CreateNumberBox(const ui::main::ChildControl& control);
  void Fail(const char* operation);

  struct Child {
    UniqueChildWindow window;
    ui::Rect box;  // logical
  };

  HWND parent_;
  ui::DisplayScale scale_;
  std::map<int, Child> children_;
  UniqueFont numberFont_;
  // The colour dialog's sixteen custom colours, kept for the window's life as the dialog expects.
  std::array<COLORREF, 16> customColours_{};
  std::optional<PanelPlatformError> lastError_;
};

}  // namespace quendar::win32
