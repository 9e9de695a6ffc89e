#pragma once
// The platform's side of the host pointer settings and their warnings.
#include <windows.h>

#include "core/app/host_pointer_settings.h"

namespace quendar::win32 {

class Win32SystemParameters final : public app::SystemParametersPort {
 public:
  bool Apply(const app::SystemParameterCall& call) override;
};

// "Warning" message boxes with an OK button, owned by the main window.
class WarningBoxes final : public app::WarningPort {
 public:
  explicit WarningBoxes(const HWND& owner) : owner_(owner) {}
  void Warn(std::wstring_view text) override;

 private:
  const HWND& owner_;  // the main window's handle, which exists only once the dialog is created
};

}  // namespace quendar::win32
