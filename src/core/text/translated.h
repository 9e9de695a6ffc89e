#pragma once
// The interface languages, and the one shape of a translated text: every table of the interface's texts
// holds its rows as Translated, or a record of its texts per language picked with ForLanguage.
#include <string_view>

namespace quendar::text {

enum class Language { English, SimplifiedChinese, TraditionalChinese };

struct Translated {
  std::wstring_view english, simplified, traditional;

  constexpr std::wstring_view In(Language language) const {
    switch (language) {
      case Language::SimplifiedChinese: return simplified;
      case Language::TraditionalChinese: return traditional;
      case Language::English: break;
    }
    return english;
  }
};

template <class Texts>
constexpr const Texts& ForLanguage(Language language, const Texts& english, const Texts& simplified,
                                   const Texts& traditional) {
  switch (language) {
    case Language::SimplifiedChinese: return simplified;
    case Language::TraditionalChinese: return traditional;
    case Language::English: break;
  }
  return english;
}

// The command captions the dialogs share. The single-key dialog and the help panel spell their English
// "Ok"; the combination-key dialog and the macro manager spell it "OK".
inline constexpr Translated kOkCaption{L"Ok", L"确定", L"確定"};
inline constexpr Translated kOkCapitalCaption{L"OK", L"确定", L"確定"};
inline constexpr Translated kCancelCaption{L"Cancel", L"取消", L"取消"};

}  // namespace quendar::text
