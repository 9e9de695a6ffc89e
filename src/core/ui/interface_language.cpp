#include "core/ui/interface_language.h"

#include <utility>

#include "core/text/translated.h"

namespace quendar::ui {

namespace {

struct SlotTexts {
  TextSlot slot;  // checked against the position at compile time
  text::Translated texts;
};

constexpr const wchar_t* kWindowTitleText = L"VELMARK QUENDAR 2017";
// The maker's site, on a domain reserved for examples: it must never lead anywhere real.
constexpr const wchar_t* kWebSiteText = L"http://www.velmark.example.com";

constexpr SlotTexts kTable[] = {
    {TextSlot::Load, L"LOAD", L"LOAD", L"LOAD"},
    {TextSlot::SaveProfile, L"SAVE", L"SAVE", L"SAVE"},
    {TextSlot::ResetProfile, L"RESET", L"RESET", L"RESET"},
    {TextSlot::WindowTitle, kWindowTitleText, kWindowTitleText, kWindowTitleText},

    {TextSlot::Reset, L"Reset", L"恢复", L"恢復"},
    {TextSlot::Cancel, text::kCancelCaption},
    {TextSlot::Save, L"Save", L"保存", L"儲存"},
    {TextSlot::Config, L"Config", L"配置", L"設定"},
    {TextSlot::Top, L"Top", L"正面", L"正面"},
    {TextSlot::Side, L"Side", L"侧面", L"側面"},
    {TextSlot::WebSite, kWebSiteText, kWebSiteText, kWebSiteText},

    {TextSlot::ButtonAssignmentTitle, L"Button Assignment", L"按钮分配", L"按鈕分配"},
    {TextSlot::MacroManagerTitle, L"Macro Manager", L"宏管理器", L"宏管理器"},
    {TextSlot::SensitivityTitle, L"X/Y Sensitivity Setting", L"X/Y灵敏度设置", L"X/Y靈敏度設定"},
    {TextSlot::LightButtonTitle, L"M1-M5 Light Button ", L"M1-M5灯光按钮", L"M1-M5燈光按鈕"},
    {TextSlot::CpiSettingTitle, L"CPI Setting", L"CPI设置", L"CPI設定"},
    {TextSlot::LightingTitle, L"Lighting", L"灯光", L"燈光"},
    {TextSlot::ReportRateTitle, L"USB Report Rate", L"USB回报率", L"USB回報率"},
    {TextSlot::MouseSpeedTitle, L"Mouse Speed", L"鼠标速度", L"滑鼠移動速度"},
    {TextSlot::DoubleClickSpeedTitle, L"Double Click Speed", L"双击速度", L"滑鼠雙擊速度"},
    {TextSlot::ScrollSpeedTitle, L"Scroll Speed", L"滚轮速度", L"滾輪速度"},

    {TextSlot::On, L"ON", L"开", L"開"},
    {TextSlot::Off, L"OFF", L"关", L"關"},
    {TextSlot::XAxis, L"X axis", L"X轴", L"X軸"},
    {TextSlot::YAxis, L"Y axis", L"Y轴", L"Y軸"},
    {TextSlot::Button1, L"Button 1", L"按钮1", L"按鈕1"},
    {TextSlot::Button2, L"Button 2", L"按钮2", L"按鈕2"},
    {TextSlot::Button3, L"Button 3", L"按钮3", L"按鈕3"},
    {TextSlot::Button4, L"Button 4", L"按钮4", L"按鈕4"},
    {TextSlot::Button5, L"Button 5", L"按钮5", L"按鈕5"},
    {TextSlot::Button6, L"Button 6", L"按钮6", L"按鈕6"},
    {TextSlot::Button7, L"Button 7", L"按钮7", L"按鈕7"},
    {TextSlot::Button8, L"Button 8", L"按钮8", L"按鈕8"},
    {TextSlot::Button9, L"Button 9", L"按钮9", L"按鈕9"},
    {TextSlot::Button10, L"Button 10", L"按钮10", L"按鈕10"},
    {TextSlot::Button11, L"Button 11", L"按钮11", L"按鈕11"},
    {TextSlot::Button12, L"Button 12", L"按钮12", L"按鈕12"},
    {TextSlot::CpiPlus, L"CPI +", L"CPI +", L"CPI +"},
    {TextSlot::CpiMinus, L"CPI -", L"CPI -", L"CPI -"},
    {TextSlot::Slow, L"Slow", L"慢", L"慢"},
    {TextSlot::Fast, L"Fast", L"快", L"快"},
    {TextSlot::NumberOfRows, L"The number of rows", L"滚动行数", L"捲動行數"},
    {TextSlot::ScrollOneScreen, L"Scroll one screen", L"一次滚动一个屏幕", L"一次捲動一個畫面"},
    {TextSlot::SingleColor, L"Single color", L"标准模式", L"標準模式"},
    {TextSlot::Pulsating, L"Pulsating", L"呼吸模式", L"呼吸模式"},
    {TextSlot::MultiColor, L"Multi-color ", L"霓虹模式", L"霓虹模式"},

    {TextSlot::Click, L"Click", L"左键", L"左鍵"},
    {TextSlot::Menu, L"Menu", L"右键", L"右鍵"},
    {TextSlot::ScrollSelect, L"Scroll Select", L"滚轮选择", L"滾輪選擇"},
    {TextSlot::IeForward, L"IE Forward", L"前进", L"前進"},
    {TextSlot::IeBackward, L"IE Backward", L"后退", L"後退"},
    // The traditional text is written in simplified characters: the product shows it that way.
    {TextSlot::DoubleClick, L"Double Click", L"双击", L"双击"},
    {TextSlot::CpiCycle, L"CPI Cycle", L"CPI循环", L"CPI循環"},
    {TextSlot::Windows, L"Windows", L"系统功能", L"系統功能"},
    {TextSlot::Multimedia, L"Multimedia", L"多媒体", L"多媒體"},
    {TextSlot::HotKey, L"HotKey", L"快捷键", L"快速鍵"},
    {TextSlot::SingleKey, L"Single Key", L"单键", L"單鍵"},
    {TextSlot::ComboKey, L"Combo Key", L"组合键", L"組合鍵"},
    {TextSlot::MacroKey, L"Macro Key", L"宏", L"巨集"},
    {TextSlot::ButtonOff, L"Button Off", L"禁用", L"停用"},
    {TextSlot::MouseMButton, L"Mouse M Button", L"滚轮", L"滾輪"},
    {TextSlot::LeftTiltScroll, L"Left Title Scroll", L"左摇摆滚轮", L"左搖擺滾輪"},
    {TextSlot::RightTiltScroll, L"Right Title Scroll", L"右摇摆滚轮", L"右搖擺滾輪"},
    {TextSlot::LeftKeyMustBeSelected, L"Left key must be selected!", L"左键功能必须选择！", L"左鍵功能必須選擇！"},

    {TextSlot::CpiStage1, L"Switch CPI into the first stage ", L"CPI切换到第一段 ", L"CPI切換到第一段 "},
    {TextSlot::CpiStage2, L"Switch CPI into the second stage ", L"CPI切换到第二段 ", L"CPI切換到第二段 "},
    {TextSlot::CpiStage3, L"Switch CPI into the third stage ", L"CPI切换到第三段 ", L"CPI切換到第三段 "},
    {TextSlot::CpiStage4, L"Switch CPI into the fourth stage ", L"CPI切换到第四段 ", L"CPI切換到第四段 "},
    {TextSlot::CpiStage5, L"Switch CPI into the fifth stage ", L"CPI切换到第五段 ", L"CPI切換到第五段 "},
    {TextSlot::CpiStage6, L"Switch CPI into the sixth stage ", L"CPI切换到第六段 ", L"CPI切換到第六段 "},
    {TextSlot::CpiStage7, L"Switch CPI into the seventh stage ", L"CPI切换到第七段 ", L"CPI切換到第七段 "},
    {TextSlot::SwitchToMacroKey, L"Switch to macro key", L"切换到宏", L"切換到巨集"},
    {TextSlot::Exit, L"Exit", L"退出", L"結束"},
    {TextSlot::MouseNotDetected, L"The system did not detect the gaming mouse!", L"系统没有检测到游戏鼠标！",
     L"系統沒有檢測到遊戲滑鼠！"},
    {TextSlot::MouseDetected, L"The system detect the gaming mouse.", L"系统检测到游戏鼠标。",
     L"系統檢測到遊戲滑鼠。"},

    {TextSlot::MediaPlayer, L"Media player", L"媒体播放器", L"媒體播放器"},
    {TextSlot::NextTrack, L"Next Track", L"下一曲", L"下一首"},
    {TextSlot::PreviousTrack, L"Pre Track", L"上一曲", L"上一首"},
    {TextSlot::Stop, L"Stop", L"停止", L"停止"},
    {TextSlot::PlayPause, L"Play/Pause", L"播放/暂停", L"播放/暫停"},
    {TextSlot::Mute, L"Mute", L"静音", L"靜音"},
    {TextSlot::VolumeUp, L"Volume Up", L"音量增加", L"音量增加"},
    {TextSlot::VolumeDown, L"Volume Down", L"音量减小", L"音量減小"},
    {TextSlot::HotKeyNew, L"New", L"新建", L"新增"},
    {TextSlot::HotKeyCut, L"Cut", L"剪切", L"剪下"},
    {TextSlot::HotKeyCopy, L"Copy", L"复制", L"複製"},
    {TextSlot::HotKeyPaste, L"Paste", L"粘贴", L"貼上"},
    {TextSlot::HotKeySave, L"Save", L"保存", L"儲存"},
    {TextSlot::HotKeyPrint, L"Print", L"打印", L"列印"},
    {TextSlot::HotKeyFind, L"Find", L"查找", L"尋找"},
    {TextSlot::HotKeyRedo, L"Redo", L"重做", L"取消復原"},
    {TextSlot::HotKeyUndo, L"Undo", L"撤销", L"復原"},
    {TextSlot::HotKeySelectAll, L"Select All", L"全选", L"全選"},
    {TextSlot::MyComputer, L"My computer", L"我的电脑", L"我的電腦"},
    {TextSlot::BrowserHome, L"Browser-Home", L"浏览器主页", L"瀏覽器首頁"},
    {TextSlot::Search, L"Search", L"搜索", L"搜尋"},
    {TextSlot::Maximum, L"Maximum", L"最大化", L"最大化"},
    {TextSlot::Minimum, L"Minimum", L"最小化", L"最小化"},
    {TextSlot::ShowDesktop, L"Show desktop", L"显示桌面", L"顯示桌面"},
    {TextSlot::Run, L"Run", L"运行", L"執行"},

    {TextSlot::SettingsNotOnMouse, L"The settings were saved but did not reach the mouse.",
     L"设置已保存，但未能写入鼠标。", L"設定已儲存，但未能寫入滑鼠。"},
    {TextSlot::SettingsPartlyOnMouse,
     L"Only part of the settings reached the mouse: it now holds some of the new settings and some of the old. "
     L"Click Save to send them all again.",
     L"只有部分设置写入了鼠标：鼠标现在同时保存着部分新设置和部分旧设置。请再次点击保存，重新发送全部设置。",
     L"只有部分設定寫入了滑鼠：滑鼠現在同時保存著部分新設定和部分舊設定。請再次按下儲存，重新傳送全部設定。"},
    {TextSlot::SettingsNotSaved, L"The settings reached the mouse but were not saved.",
     L"设置已写入鼠标，但未能保存。", L"設定已寫入滑鼠，但未能儲存。"},
    {TextSlot::SettingsNotSavedNorOnMouse, L"The settings were not saved and did not reach the mouse.",
     L"设置未能保存，也未能写入鼠标。", L"設定未能儲存，也未能寫入滑鼠。"},
};

constexpr bool TableFollowsSlotOrder() {
  if (std::size(kTable) != kTextSlotCount) return false;
  for (std::size_t i = 0; i < std::size(kTable); ++i) {
    if (static_cast<std::size_t>(kTable[i].slot) != i) return false;
  }
  return true;
}
static_assert(TableFollowsSlotOrder(), "one row per text slot, in slot order");

constexpr TextSlot Offset(TextSlot first, int steps) {
  return static_cast<TextSlot>(static_cast<std::size_t>(first) + static_cast<std::size_t>(steps));
}

}  // namespace

std::wstring_view Text(LanguageClass language, TextSlot slot) {
  const auto index = static_cast<std::size_t>(slot);
  if (index >= kTextSlotCount) return {};
  return kTable[index].texts.In(language);
}

std::wstring_view CpiStageText(LanguageClass language, int stage) {
  if (stage < 1 || stage > kCpiStageCount) return {};
  return Text(language, Offset(TextSlot::CpiStage1, stage - 1));
}

std::wstring_view ButtonText(LanguageClass language, int button) {
  if (button < 1 || button > 12) return {};
  return Text(language, Offset(TextSlot::Button1, button - 1));
}

InterfaceLanguage::InterfaceLanguage(std::wstring code)
    : code_(std::move(code)), language_(ClassifyLanguage(code_)) {}

}  // namespace quendar::ui
