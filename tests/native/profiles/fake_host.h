#pragma once
// Host services with scripted file-dialog answers and a log of the message boxes shown; a dialog or a
// question nobody scripted fails the test.
#include <gtest/gtest.h>

#include <deque>
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
  std::optional<std::filesystem::path> ChooseFileToOpen(const app::FileDialogOptions&) override { return Answer(); }
  std::optional<std::filesystem::path> ChooseFileToSave(const app::FileDialogOptions&) override { return Answer(); }
  bool Confirm(std::wstring_view text, std::wstring_view) override {
    ADD_FAILURE() << "unexpected question: " << ::testing::PrintToString(std::wstring(text));
    return false;
  }

  std::vector<ShownMessage> messages;
  std::deque<std::optional<std::filesystem::path>> answers;  // nullopt = the user cancels

 private:
  std::optional<std::filesystem::path> Answer() {
    if (answers.empty()) return ADD_FAILURE() << "unexpected file dialog", std::nullopt;
    auto answer = answers.front();
    answers.pop_front();
    return answer;
  }
};

}  // namespace quendar::testing
