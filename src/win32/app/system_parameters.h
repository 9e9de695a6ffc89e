#pragma once
// The platform's side of the host pointer settings and their warnings.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "core/app/host_pointer_settings.h"
#include "core/app/user_messages.h"

namespace quendar::win32 {

class Win32SystemParameters final : public app::SystemParametersPort {
 public:
  bool Apply(const app::SystemParameterCall& call) override;
};

// "Warning" message boxes owed to the user: a warning met in the middle of Save or Reset is recorded and
// shown once that operation is over, never from inside it. The window shows them before the operation's
// other owed messages: a warning says what the outcome means, the file messages after it the details.
class OwedWarnings final : public app::WarningPort {
 public:
  // `pending` runs when a warning arrives and none was waiting (see UserMessages).
  explicit OwedWarnings(std::function<void()> pending) : owed_(std::move(pending)) {}
  void Warn(std::wstring_view text) override { owed_.Add({std::wstring(text), L"Warning"}); }
  std::vector<app::UserMessage> Take() { return owed_.Take(); }

 private:
  app::UserMessages owed_;
};

}  // namespace quendar::win32
