// Language classification, the main window's text table, and the fonts each window is given.
#include "core/ui/interface_language.h"

#include <gtest/gtest.h>

#include <set>

#include "core/ui/language_fonts.h"

namespace quendar::ui {
namespace {

constexpr LanguageClass kAll[] = {LanguageClass::English, LanguageClass::SimplifiedChinese,
                                  LanguageClass::TraditionalChinese};

TEST(ClassifyLanguage, OnlyTheExactCodesAreChinese) {
  EXPECT_EQ(ClassifyLanguage(L"CHS"), LanguageClass::SimplifiedChinese);
  EXPECT_EQ(ClassifyLanguage(L"CHT"), LanguageClass::TraditionalChinese);
  for (const wchar_t* other : {L"", L"chs", L"CHS ", L" CHS", L"Cht", L"CHT\t", L"EN", L"CH"}) {
    EXPECT_EQ(ClassifyLanguage(other), LanguageClass::English) << std::wstring(other).size();
  }
  EXPECT_EQ(ClassifyLanguage(std::wstring_view(L"CHS\0x", 5)), LanguageClass::English);
  EXPECT_EQ(SettingsSectionName(LanguageClass::TraditionalChinese), L"Setting-CHT");
  EXPECT_EQ(InterfaceLanguage(L"cht").settingsSection(), L"Setting-EN");
}

TEST(TextTable, EverySlotIsTranslatedExceptTheSharedOnes) {
  const std::set<TextSlot> shared = {TextSlot::Load,    TextSlot::SaveProfile, TextSlot::ResetProfile,
                                     TextSlot::WindowTitle, TextSlot::WebSite, TextSlot::CpiPlus,
                                     TextSlot::CpiMinus};
  for (std::size_t i = 0; i < kTextSlotCount; ++i) {
    const auto slot = static_cast<TextSlot>(i);
    for (LanguageClass language : kAll) EXPECT_FALSE(Text(language, slot).empty()) << i;
    const bool same = Text(LanguageClass::English, slot) == Text(LanguageClass::SimplifiedChinese, slot) &&
                      Text(LanguageClass::English, slot) == Text(LanguageClass::TraditionalChinese, slot);
    EXPECT_EQ(same, shared.contains(slot)) << i;
  }
  EXPECT_EQ(Text(LanguageClass::TraditionalChinese, TextSlot::DoubleClick), L"双击");
  EXPECT_EQ(Text(LanguageClass::TraditionalChinese, TextSlot::MouseSpeedTitle), L"滑鼠移動速度");
}

TEST(TextTable, StageTextsByNumberKeepTheirTrailingBlank) {
  EXPECT_EQ(CpiStageText(LanguageClass::English, 7), L"Switch CPI into the seventh stage ");
  EXPECT_EQ(CpiStageText(LanguageClass::SimplifiedChinese, 1), L"CPI切换到第一段 ");
  for (LanguageClass language : kAll) {
    for (int stage = 1; stage <= 7; ++stage) EXPECT_TRUE(CpiStageText(language, stage).ends_with(L' '));
    EXPECT_TRUE(CpiStageText(language, 0).empty());
    EXPECT_TRUE(CpiStageText(language, 8).empty());
  }
  EXPECT_EQ(ButtonText(LanguageClass::English, 12), L"Button 12");
  EXPECT_TRUE(ButtonText(LanguageClass::English, 13).empty());
}

TEST(Fonts, ByLanguageAndPlatformVersion) {
  const PlatformVersion win7{6, 1}, win8{6, 2}, win10{10, 0};
  EXPECT_EQ(MainWindowFontsFor(LanguageClass::SimplifiedChinese, win8).label, (FontSpec{L"黑体", 13, 400}));
  EXPECT_EQ(MainWindowFontsFor(LanguageClass::SimplifiedChinese, win7).title, (FontSpec{L"宋体", 18, 700}));
  EXPECT_EQ(MainWindowFontsFor(LanguageClass::SimplifiedChinese, win10).label.face, L"宋体");
  EXPECT_EQ(MainWindowFontsFor(LanguageClass::TraditionalChinese, win7).label, (FontSpec{L"黑体", 14, 400}));
  EXPECT_EQ(MainWindowFontsFor(LanguageClass::English, win8).label, (FontSpec{L"Segoe UI", 15, 300}));
  for (LanguageClass language : kAll) {
    EXPECT_EQ(MainWindowFontsFor(language, win8).arial, (FontSpec{L"Arial", 13, 0, 0, 32}));
  }
  EXPECT_EQ(DialogFontFor(DialogKind::Help, LanguageClass::SimplifiedChinese, win8), (FontSpec{L"黑体", 13, 400}));
  EXPECT_EQ(DialogFontFor(DialogKind::MacroManager, LanguageClass::English, win7), (FontSpec{L"Segoe UI", 15, 700}));
  EXPECT_EQ(DialogFontFor(DialogKind::ComboKeyCapture, LanguageClass::English, win7), (FontSpec{L"Arial", 14, 400}));
}

}  // namespace
}  // namespace quendar::ui
