// Which language the stored code selects, and that every text the windows look up exists.
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

// A missing entry shows as a blank caption; a number outside the table must give nothing, not a neighbour.
TEST(TextTable, EveryLanguageHasEveryTextAndNumbersOutsideTheTablesGiveNone) {
  for (LanguageClass language :
       {LanguageClass::English, LanguageClass::SimplifiedChinese, LanguageClass::TraditionalChinese}) {
    for (std::size_t i = 0; i < kTextSlotCount; ++i) EXPECT_FALSE(Text(language, static_cast<TextSlot>(i)).empty()) << i;
    for (int stage = 1; stage <= 7; ++stage) EXPECT_FALSE(CpiStageText(language, stage).empty()) << stage;
    EXPECT_TRUE(CpiStageText(language, 0).empty());
    EXPECT_TRUE(CpiStageText(language, 8).empty());
    EXPECT_TRUE(ButtonText(language, 13).empty());
  }
}

}  // namespace
}  // namespace quendar::ui
