// Language classification, the main window's text table in all three languages, and the fonts each
// window is given.
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
  for (const wchar_t* other : {L"", L"chs", L"CHS ", L" CHS", L"Chs", L"cht", L"CHT\t", L"EN", L"CHSCHT", L"CH"}) {
    EXPECT_EQ(ClassifyLanguage(other), LanguageClass::English) << "'" << std::wstring(other).size() << "'";
  }
  EXPECT_EQ(ClassifyLanguage(std::wstring_view(L"CHS\0x", 5)), LanguageClass::English);
}

TEST(SettingsSectionName, OnePerLanguage) {
  EXPECT_EQ(SettingsSectionName(LanguageClass::English), L"Setting-EN");
  EXPECT_EQ(SettingsSectionName(LanguageClass::SimplifiedChinese), L"Setting-CHS");
  EXPECT_EQ(SettingsSectionName(LanguageClass::TraditionalChinese), L"Setting-CHT");
}

TEST(TextTable, EverySlotHasATextInEveryLanguage) {
  for (LanguageClass language : kAll) {
    for (std::size_t i = 0; i < kTextSlotCount; ++i) {
      EXPECT_FALSE(Text(language, static_cast<TextSlot>(i)).empty()) << i;
    }
  }
}

TEST(TextTable, ChineseTextsAreTranslationsExceptTheSharedOnes) {
  const std::set<TextSlot> shared = {TextSlot::Load,   TextSlot::SaveProfile, TextSlot::ResetProfile,
                                     TextSlot::WindowTitle, TextSlot::WebSite, TextSlot::CpiPlus,
                                     TextSlot::CpiMinus};
  for (std::size_t i = 0; i < kTextSlotCount; ++i) {
    const auto slot = static_cast<TextSlot>(i);
    const bool same = Text(LanguageClass::English, slot) == Text(LanguageClass::SimplifiedChinese, slot) &&
                      Text(LanguageClass::English, slot) == Text(LanguageClass::TraditionalChinese, slot);
    EXPECT_EQ(same, shared.contains(slot)) << i;
  }
  EXPECT_EQ(Text(LanguageClass::English, TextSlot::WindowTitle), L"VELMARK QUENDAR 2017");
  EXPECT_NE(Text(LanguageClass::English, TextSlot::WebSite).find(L".example"), std::wstring_view::npos);
}

TEST(TextTable, TellingRows) {
  struct Row {
    TextSlot slot;
    const wchar_t *en, *chs, *cht;
  };
  const Row rows[] = {
      {TextSlot::Reset, L"Reset", L"恢复", L"恢復"},
      {TextSlot::Top, L"Top", L"正面", L"正面"},
      {TextSlot::ButtonAssignmentTitle, L"Button Assignment", L"按钮分配", L"按鈕分配"},
      {TextSlot::MacroManagerTitle, L"Macro Manager", L"宏管理器", L"宏管理器"},
      {TextSlot::MouseSpeedTitle, L"Mouse Speed", L"鼠标速度", L"滑鼠移動速度"},
      {TextSlot::MouseMButton, L"Mouse M Button", L"滚轮", L"滾輪"},
      {TextSlot::LeftTiltScroll, L"Left Title Scroll", L"左摇摆滚轮", L"左搖擺滾輪"},
      {TextSlot::Click, L"Click", L"左键", L"左鍵"},
      {TextSlot::Menu, L"Menu", L"右键", L"右鍵"},
      {TextSlot::DoubleClick, L"Double Click", L"双击", L"双击"},
      {TextSlot::MacroKey, L"Macro Key", L"宏", L"巨集"},
      {TextSlot::SingleColor, L"Single color", L"标准模式", L"標準模式"},
      {TextSlot::Pulsating, L"Pulsating", L"呼吸模式", L"呼吸模式"},
      {TextSlot::MultiColor, L"Multi-color ", L"霓虹模式", L"霓虹模式"},
      {TextSlot::LeftKeyMustBeSelected, L"Left key must be selected!", L"左键功能必须选择！", L"左鍵功能必須選擇！"},
      {TextSlot::CpiStage1, L"Switch CPI into the first stage ", L"CPI切换到第一段 ", L"CPI切換到第一段 "},
      {TextSlot::SwitchToMacroKey, L"Switch to macro key", L"切换到宏", L"切換到巨集"},
      {TextSlot::MouseNotDetected, L"The system did not detect the gaming mouse!", L"系统没有检测到游戏鼠标！",
       L"系統沒有檢測到遊戲滑鼠！"},
      {TextSlot::LightButtonTitle, L"M1-M5 Light Button ", nullptr, nullptr},
      {TextSlot::Exit, L"Exit", nullptr, nullptr},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(Text(LanguageClass::English, row.slot), row.en);
    if (row.chs) {
      EXPECT_EQ(Text(LanguageClass::SimplifiedChinese, row.slot), row.chs) << row.en;
    }
    if (row.cht) {
      EXPECT_EQ(Text(LanguageClass::TraditionalChinese, row.slot), row.cht) << row.en;
    }
  }
}

TEST(TextTable, StageAndButtonTextsByNumber) {
  const wchar_t* ordinals[] = {L"first", L"second", L"third", L"fourth", L"fifth", L"sixth", L"seventh"};
  for (int stage = 1; stage <= 7; ++stage) {
    EXPECT_EQ(CpiStageText(LanguageClass::English, stage),
              std::wstring(L"Switch CPI into the ") + ordinals[stage - 1] + L" stage ");
    for (LanguageClass language : kAll) EXPECT_TRUE(CpiStageText(language, stage).ends_with(L' '));
  }
  EXPECT_TRUE(CpiStageText(LanguageClass::English, 0).empty());
  EXPECT_TRUE(CpiStageText(LanguageClass::English, 8).empty());
  EXPECT_EQ(ButtonText(LanguageClass::English, 12), L"Button 12");
  EXPECT_TRUE(ButtonText(LanguageClass::English, 13).empty());
}

TEST(InterfaceLanguage, KeepsTheCodeAsReadAndTheProcessValueChangesOnlyWhenApplied) {
  InterfaceLanguage lower(L"cht");
  EXPECT_EQ(lower.code(), L"cht");
  EXPECT_EQ(lower.language(), LanguageClass::English);
  ApplyLanguage(L"CHT");
  EXPECT_EQ(CurrentLanguage().text(TextSlot::Exit), Text(LanguageClass::TraditionalChinese, TextSlot::Exit));
  ApplyLanguage(L"");
  EXPECT_EQ(CurrentLanguage().settingsSection(), L"Setting-EN");
}

TEST(MainWindowFonts, ByLanguageAndPlatformVersion) {
  const PlatformVersion win7{6, 1}, win8{6, 2}, win10{10, 0};
  auto chs8 = MainWindowFontsFor(LanguageClass::SimplifiedChinese, win8);
  EXPECT_EQ(chs8.label, (FontSpec{L"黑体", 13, 400}));
  EXPECT_EQ(chs8.title, (FontSpec{L"黑体", 18, 700}));
  EXPECT_EQ(MainWindowFontsFor(LanguageClass::SimplifiedChinese, win7).label, (FontSpec{L"宋体", 13, 400}));
  EXPECT_EQ(MainWindowFontsFor(LanguageClass::SimplifiedChinese, win10).title, (FontSpec{L"宋体", 18, 700}));
  EXPECT_EQ(MainWindowFontsFor(LanguageClass::TraditionalChinese, win8).label, (FontSpec{L"黑体", 14, 400}));
  auto en = MainWindowFontsFor(LanguageClass::English, win7);
  EXPECT_EQ(en.label, (FontSpec{L"Segoe UI", 15, 300}));
  EXPECT_EQ(en.title, (FontSpec{L"Tahoma", 18, 700}));
  for (LanguageClass language : kAll) {
    auto fonts = MainWindowFontsFor(language, win8);
    EXPECT_EQ(fonts.arial, (FontSpec{L"Arial", 13, 0}));
    EXPECT_EQ(fonts.label.charset, 0);
    EXPECT_EQ(fonts.title.pitchAndFamily, 32);
  }
}

TEST(DialogFonts, ChineseSharedEnglishPerDialog) {
  const PlatformVersion win7{6, 1}, win8{6, 2};
  EXPECT_EQ(DialogFontFor(DialogKind::Help, LanguageClass::SimplifiedChinese, win8), (FontSpec{L"黑体", 13, 400}));
  EXPECT_EQ(DialogFontFor(DialogKind::MacroKey, LanguageClass::SimplifiedChinese, win7), (FontSpec{L"宋体", 13, 400}));
  EXPECT_EQ(DialogFontFor(DialogKind::ProfileManager, LanguageClass::TraditionalChinese, win7),
            (FontSpec{L"黑体", 14, 400}));
  EXPECT_EQ(DialogFontFor(DialogKind::SingleKeyCapture, LanguageClass::English, win7), (FontSpec{L"Segoe UI", 15, 400}));
  EXPECT_EQ(DialogFontFor(DialogKind::ComboKeyCapture, LanguageClass::English, win7), (FontSpec{L"Arial", 14, 400}));
  EXPECT_EQ(DialogFontFor(DialogKind::MacroManager, LanguageClass::English, win7), (FontSpec{L"Segoe UI", 15, 700}));
  EXPECT_EQ(DialogFontFor(DialogKind::ProfileManager, LanguageClass::English, win7), (FontSpec{L"Arial", 14, 400}));
}

}  // namespace
}  // namespace quendar::ui
