#include "core/keys/button_code.h"

namespace quendar::keys {
namespace {

constexpr std::array<std::wstring_view, kFunctionCount> kFunctionList{
    L"Click",      L"Menu",       L"Scroll Select", L"IE Forward", L"IE Backward",
    L"Double Click", L"CPI Cycle", L"Multimedia",   L"HotKey",     L"Windows",
    L"Single Key", L"Combo Key",  L"Macro Key",     L"Button Off",
};

constexpr std::array<SubListEntry, 3> kScroll{{
    {L"Mouse M Button", 1}, {L"Left Title Scroll", 2}, {L"Right Title Scroll", 3}}};
constexpr std::array<SubListEntry, 3> kCpi{{{L"CPI +", 1}, {L"CPI -", 2}, {L"CPI Loop", 3}}};
constexpr std::array<SubListEntry, 8> kMultimedia{{
    {L"Media player", 0x83}, {L"Next Track", 0xB5}, {L"Pre Track", 0xB6}, {L"Stop", 0xB7},
    {L"Play/Pause", 0xCD}, {L"Mute", 0xE2}, {L"Volume Up", 0xE9}, {L"Volume Down", 0xEA}}};
constexpr std::array<SubListEntry, 10> kHotKey{{
    {L"New", 0x11}, {L"Cut", 0x1B}, {L"Copy", 0x06}, {L"Paste", 0x19}, {L"Save", 0x16},
    {L"Print", 0x13}, {L"Find", 0x09}, {L"Redo", 0x1C}, {L"Undo", 0x1D}, {L"Select All", 0x04}}};
constexpr std::array<SubListEntry, 7> kWindows{{
    {L"My computer", 0}, {L"Browser-Home", 1}, {L"Search", 2}, {L"Maximum", 3}, {L"Minimum", 4},
    {L"Show desktop", 5}, {L"Run", 6}}};

constexpr std::array<ButtonCode, 7> kWindowsCodes{{
    {0x03, 0x00, 0x94, 0x01},  // consumer "My Computer"
    {0x03, 0x00, 0x23, 0x02},  // consumer "AC Home"
    {0x03, 0x00, 0x21, 0x02},  // consumer "AC Search"
    {0x00, 0x04, 0x2C, 0x1B},  // Alt+Space, X
    {0x00, 0x04, 0x2C, 0x11},  // Alt+Space, N
    {0x00, 0x00, 0xE3, 0x07},  // Win, D
    {0x00, 0x00, 0xE3, 0x15},  // Win, R
}};

constexpr std::uint8_t kKindKeyboard = 0x00;
constexpr std::uint8_t kKindMouse = 0x01;
constexpr std::uint8_t kKindConsumer = 0x03;
constexpr std::uint8_t kKindCpi = 0x07;
constexpr std::uint8_t kKindMacro = 0x09;
constexpr std::uint8_t kKindDoubleClick = 0x0A;
// Consumer usage 0x0183 (media player) is the only multimedia usage above 0xFF.
constexpr std::uint8_t kMediaPlayerUsageLow = 0x83;

constexpr ButtonCode kNothing{0, 0, 0, 0};

constexpr ButtonCode MouseCode(std::uint8_t button) { return {kKindMouse, 0x00, button, 0x00}; }

}  // namespace

std::span<const std::wstring_view> FunctionList() { return kFunctionList; }
std::span<const SubListEntry> ScrollSubList() { return kScroll; }
std::span<const SubListEntry> CpiSubList() { return kCpi; }
std::span<const SubListEntry> MultimediaSubList() { return kMultimedia; }
std::span<const SubListEntry> HotKeySubList() { return kHotKey; }
std::span<const SubListEntry> WindowsSubList() { return kWindows; }

std::uint8_t SubListValueAt(std::span<const SubListEntry> list, int position) {
  if (position < 0 || static_cast<std::size_t>(position) >= list.size()) return 0;
  return list[static_cast<std::size_t>(position)].value;
}

ButtonCode EncodeButton(const ButtonAssignment& a) {
  if (a.functionType >= kFunctionCount) return kNothing;
  switch (static_cast<FunctionType>(a.functionType)) {
    case FunctionType::Click: return MouseCode(0xF0);
    case FunctionType::Menu: return MouseCode(0xF1);
    case FunctionType::ScrollSelect:
      switch (a.scrollChoice) {
        case 1: return MouseCode(0xF2);
        case 2: return MouseCode(0xF5);
        case 3: return MouseCode(0xF6);
        default: return kNothing;
      }
    case FunctionType::IeForward: return MouseCode(0xF4);
    case FunctionType::IeBackward: return MouseCode(0xF3);
    case FunctionType::DoubleClick: return {kKindDoubleClick, 0xF0, 0x1E, 0x02};
    case FunctionType::CpiCycle: return {kKindCpi, 0x00, a.cpiChoice, 0x00};
    case FunctionType::Multimedia:
      return {kKindConsumer, 0x00, a.mediaUsage,
              static_cast<std::uint8_t>(a.mediaUsage == kMediaPlayerUsageLow ? 0x01 : 0x00)};
    case FunctionType::HotKey: return {kKindKeyboard, 0x00, 0xE0, a.hotkeyLetter};
    case FunctionType::Windows:
      return a.windowsChoice < kWindowsCodes.size() ? kWindowsCodes[a.windowsChoice] : kNothing;
    case FunctionType::SingleKey: return {kKindKeyboard, 0x00, a.singleKey, 0x00};
    case FunctionType::ComboKey: return {kKindKeyboard, a.comboModifier, a.comboKey1, a.comboKey2};
    case FunctionType::MacroKey:
      return {kKindMacro, a.macroRepeatMode, static_cast<std::uint8_t>(a.macroIndex + 1), 0x00};
    case FunctionType::ButtonOff: return kNothing;
  }
  return kNothing;
}

KeyMatrix BuildKeyMatrix(std::span<const ButtonAssignment, kButtonCount> buttons) {
  KeyMatrix matrix{};
  for (int button = 0; button < kButtonCount; ++button) {
    matrix[static_cast<std::size_t>(kButtonSlot[static_cast<std::size_t>(button)])] =
        EncodeButton(buttons[static_cast<std::size_t>(button)]);
  }
  matrix[14] = MouseCode(0xF7);
  matrix[15] = MouseCode(0xF8);
  return matrix;
}

}  // namespace quendar::keys
