// Which language the stored code selects.
#include "core/ui/interface_language.h"

#include <gtest/gtest.h>

namespace quendar::ui {
namespace {

TEST(ClassifyLanguage, OnlyTheExactCodesAreChinese) {
  EXPECT_EQ(ClassifyLanguage(L"CHS"), LanguageClass::SimplifiedChinese);
  EXPECT_EQ(ClassifyLanguage(L"CHT"), LanguageClass::TraditionalChinese);
  for (const wchar_t* other : {L"", L"chs", L"CHS ", L" CHS", L"Cht", L"CHT\t", L"EN", L"CH"}) {
    EXPECT_EQ(ClassifyLanguage(other), LanguageClass::English) << std::wstring(other).size();
  }
  EXPECT_EQ(ClassifyLanguage(std::wstring_view(L"CHS\0x", 5)), LanguageClass::English);
  EXPECT_EQ(InterfaceLanguage(L"cht").settingsSection(), L"Setting-EN");
}

}  // namespace
}  // namespace quendar::ui
