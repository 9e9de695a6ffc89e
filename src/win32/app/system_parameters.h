#pragma once
// The platform's side of the host pointer settings and their warnings.
#include <windows.h>

#include <functional>
#include <string>

#include "core/app/host_pointer_settings.h"

namespace quendar::win32 {

class Win32SystemParameters final : public app::SystemParametersPort {
 public:
  bool Apply(const app::SystemParameterCall& call) override;
};

// "Warning" message boxes owed to the user: a warning met in the middle of Save or Reset is recorded and
// shown once that operation is over, never from inside it.
class OwedWarnings final : public app::WarningPort {
 public:
  using Owe = std::function<void(std::wstring text, std::wstring caption)>;
  explicit OwedWarnings(Owe owe) : owe_(std::move(owe)) {}
  void Warn(std::wstring_view text) override { owe_(std::wstring(text), L"Warning"); }

 private:
  Owe owe_;
};

}  // namespace quendar::win32
