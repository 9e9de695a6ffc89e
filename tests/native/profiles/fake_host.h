#pragma once
// Host services with scripted dialog answers and a log of the message boxes shown.
#include <deque>
#include <stdexcept>
#include <optional>
#include <string>
#include <vector>

#include "core/app/host_services.h"

namespace quendar::testing {

struct ShownMessage {
  std::wstring text;
  std::wstring caption;
};

class FakeHost : public app::HostServices {
 public:
  void ShowMessage(std::wstring_view text, std::wstring_view caption) override {
    messages.push_back({std::wstring(text), std::wstring(caption)});
  }
  std::optional<std::filesystem::path> ChooseFileToOpen(const app::FileDialogOptions& options) override {
    return Answer(options);
  }
  std::optional<std::filesystem::path> ChooseFileToSave(const app::FileDialogOptions& options) override {
    return Answer(options);
  }

  bool Confirm(std::wstring_view text, std::wstring_view caption) override {
    questions.push_back({std::wstring(text), std::wstring(caption)});
    if (confirmations.empty()) throw std::logic_error("unexpected question");
    const bool yes = confirmations.front();
    confirmations.pop_front();
    return yes;
  }

  std::vector<ShownMessage> messages;
  std::vector<ShownMessage> questions;
  std::deque<bool> confirmations;  // the user's answers, in order
  std::deque<std::optional<std::filesystem::path>> answers;  // nullopt = the user cancels
  std::vector<app::FileDialogOptions> dialogs;

 private:
  std::optional<std::filesystem::path> Answer(const app::FileDialogOptions& options) {
    dialogs.push_back(options);
    if (answers.empty()) return std::nullopt;
    auto answer = answers.front();
    answers.pop_front();
    return answer;
  }
};

}  // namespace quendar::testing
