#pragma once
// Which missing images a window has already told the user about: one message per image and window, so a
// missing file cannot bring up a box on every paint.
#include <set>
#include <string>
#include <string_view>

namespace quendar::ui {

inline constexpr std::wstring_view kLoadImageFailedText = L"LoadPng---Load image failed.";

class MissingImageNotices {
 public:
  // True the first time an image is reported: the window shows the message for it then.
  bool FirstReport(std::string_view name) { return reported_.emplace(name).second; }

 private:
  std::set<std::string, std::less<>> reported_;
};

}  // namespace quendar::ui
