#pragma once
// The interface language: chosen once at start-up from the profile text file's "Lan" value, then
// consulted by every window for its texts, fonts and lists, and by the profile files for the section
// that holds the per-language button captions.
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "core/profiles/profile_texts.h"
#include "core/protocol/mouse_protocol.h"

namespace quendar::ui {

// The profile files own the classification (they pick the captions' section by it); the interface
// uses the same one.
using LanguageClass = profiles::Language;
using profiles::ClassifyLanguage;

// The section of the profile text file that holds this language's button captions.
inline std::wstring_view SettingsSectionName(LanguageClass language) { return profiles::SettingsSection(language); }

// One slot per text the main window draws or shows. The order is the table's; the first three and
// the window title read the same in every language.
enum class TextSlot : std::size_t {
  // The same in every language.
  Load, SaveProfile, ResetProfile, WindowTitle,
  // Main window frame.
  Reset, Cancel, Save, Config, Top, Side, WebSite,
  // Page titles.
  ButtonAssignmentTitle, MacroManagerTitle, SensitivityTitle, LightButtonTitle, CpiSettingTitle,
  LightingTitle, ReportRateTitle, MouseSpeedTitle, DoubleClickSpeedTitle, ScrollSpeedTitle,
  // Panels.
  On, Off, XAxis, YAxis,
  Button1, Button2, Button3, Button4, Button5, Button6, Button7, Button8, Button9, Button10, Button11,
  Button12,
  CpiPlus, CpiMinus, Slow, Fast, NumberOfRows, ScrollOneScreen, SingleColor, Pulsating, MultiColor,
  // Button functions.
  Click, Menu, ScrollSelect, IeForward, IeBackward, DoubleClick, CpiCycle, Windows, Multimedia, HotKey,
  SingleKey, ComboKey, MacroKey, ButtonOff, MouseMButton, LeftTiltScroll, RightTiltScroll,
  LeftKeyMustBeSelected,
  // Notifications.
  CpiStage1, CpiStage2, CpiStage3, CpiStage4, CpiStage5, CpiStage6, CpiStage7,
  SwitchToMacroKey, Exit, MouseNotDetected, MouseDetected,
  // Entries of the Multimedia, HotKey and Windows sub-lists, in list order.
  MediaPlayer, NextTrack, PreviousTrack, Stop, PlayPause, Mute, VolumeUp, VolumeDown,
  HotKeyNew, HotKeyCut, HotKeyCopy, HotKeyPaste, HotKeySave, HotKeyPrint, HotKeyFind, HotKeyRedo, HotKeyUndo,
  HotKeySelectAll,
  MyComputer, BrowserHome, Search, Maximum, Minimum, ShowDesktop, Run,
  // Messages of the main window.
  SettingsNotOnMouse, SettingsPartlyOnMouse, SettingsNotSaved, SettingsNotSavedNorOnMouse,
  Count
};
inline constexpr std::size_t kTextSlotCount = static_cast<std::size_t>(TextSlot::Count);
// Slots of the main window's own texts that differ by language (all but the first four).
inline constexpr std::size_t kTranslatedSlotCount = static_cast<std::size_t>(TextSlot::MouseDetected) + 1 - 4;
static_assert(kTranslatedSlotCount == 71);

using protocol::kCpiStageCount;

// The text of a slot in a language. Never empty.
std::wstring_view Text(LanguageClass language, TextSlot slot);
// "Switch CPI into the <n-th> stage " for stage 1..7; empty for any other stage.
std::wstring_view CpiStageText(LanguageClass language, int stage);
// "Button <n>" for button 1..12; empty for any other number.
std::wstring_view ButtonText(LanguageClass language, int button);

// The language of this run: the code as read, its class, and the texts that follow from it. The main
// dialog owns the one instance, sets it once at start-up from the profile text file, and hands it to
// every window and core part that shows text.
class InterfaceLanguage {
 public:
  InterfaceLanguage() = default;  // English until a code is read
  explicit InterfaceLanguage(std::wstring code);

  const std::wstring& code() const { return code_; }
  LanguageClass language() const { return language_; }
  std::wstring_view text(TextSlot slot) const { return Text(language_, slot); }
  std::wstring_view settingsSection() const { return SettingsSectionName(language_); }

 private:
  std::wstring code_;
  LanguageClass language_ = LanguageClass::English;
};

}  // namespace quendar::ui
