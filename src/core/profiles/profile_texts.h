#pragma once
// The texts stored with a profile: the twelve button captions of the interface language and the skin
// keys that come with the installed files.
#include <array>
#include <string>
#include <string_view>

#include "core/profiles/profile_record.h"
#include "core/text/translated.h"

namespace quendar::profiles {

using ButtonCaptions = std::array<std::wstring, kButtonCount>;

using Language = text::Language;

// "CHS" and "CHT" by exact comparison; anything else is English.
Language ClassifyLanguage(std::wstring_view code);

// "Setting-EN", "Setting-CHS", "Setting-CHT": the section holding the captions of a language.
std::wstring_view SettingsSection(Language language);

// The captions of the installed default button functions, shown until a profile is first saved.
ButtonCaptions DefaultCaptions(Language language);

struct SkinKeys {
  std::wstring path;     // skin folder name below Skins
  std::wstring rColor, gColor, bColor;
  std::array<std::wstring, 4> point;  // SensitivityX_Y, SensitivityY_Y, Sensitivity_Y, MouseSpeed_Y
};

struct TextColor {
  unsigned char red = 0, green = 0, blue = 0;
};
// Decimal components; a missing or non-numeric value counts as 0.
TextColor SkinTextColorFrom(const SkinKeys& keys);

inline constexpr std::wstring_view kSkinsSection = L"Skins";
inline constexpr std::wstring_view kPointSection = L"Point";
inline constexpr std::array<std::wstring_view, 4> kPointKeys{L"SensitivityX_Y", L"SensitivityY_Y", L"Sensitivity_Y",
                                                             L"MouseSpeed_Y"};

// "Item1".."Item12" (button index 0..11).
std::wstring CaptionKey(std::size_t button);

}  // namespace quendar::profiles
