// The macro manager in the program on the simulated mouse: "Macro Manager" opens it, a macro recorded
// from real keystrokes with delays goes into the profile on OK, and "Save" sends it to the mouse in the
// block of the button bound to it. (The button is bound through the profile file, as the assignment
// menus would store it.)
#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <iterator>
#include <vector>

#include "core/macros/macro_store.h"
#include "core/ui/macro_manager/macro_manager_layout.h"
#include "wine/demo/demo_program.h"

namespace quendar::test {
namespace {

namespace mm = ui::macro_manager;

constexpr int kMacroManagerX = 141, kMacroManagerY = 151;  // the left column's "Macro Manager" title
constexpr int kCancelX = 880, kCancelY = 620;
constexpr int kSaveX = 950, kSaveY = 620;
constexpr std::size_t kRecord = 1;  // the flag byte comes first in a profile file
constexpr std::size_t kButton3 = 2;
constexpr std::uint8_t kMacroKeyFunction = 12;

std::vector<std::uint8_t> ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

void WriteBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc)
      .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

void Click(HWND window, const ui::Rect& rect) {
  const LPARAM at = MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
  ::PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, at);
  ::PostMessageW(window, WM_LBUTTONUP, 0, at);
}

void Key(WORD virtualKey, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = virtualKey;
  input.ki.wScan = static_cast<WORD>(::MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  ::SendInput(1, &input, sizeof(input));
}

std::wstring Hex(const std::vector<std::uint8_t>& bytes) {
  std::wstring text;
  for (std::uint8_t b : bytes) {
    wchar_t cell[4];
    std::swprintf(cell, 4, L"%02X", b);
    text += (text.empty() ? L"" : L" ") + std::wstring(cell);
  }
  return text;
}

TEST(DemoMacroManager, RecordedMacroReachesTheMouseOnSave) {
  DemoProgram demo;
  ASSERT_TRUE(demo.ready());
  ASSERT_TRUE(demo.WaitForState(L"Plugged in"));
  const auto store = demo.folder() / L"record.ini";
  const std::size_t position = macros::MacroStore(store).ListMacroNames().size();  // where New puts it
  ASSERT_LT(position, 12u);

  // Button 3 runs the macro at that position, once.
  const auto profile = demo.folder() / L"config0.bin";
  auto bytes = ReadBytes(profile);
  ASSERT_EQ(bytes.size(), 1840u);
  bytes[kRecord + 0x3F + kButton3] = kMacroKeyFunction;
  bytes[kRecord + 0x117 + kButton3] = static_cast<std::uint8_t>(position);
  bytes[kRecord + 0x123 + kButton3] = 1;
  WriteBytes(profile, bytes);
  demo.ClickMain(kCancelX, kCancelY);  // Cancel reloads the changed file when the window comes back
  ::PostMessageW(demo.mainWindow(), WM_USER + 1, 0, WM_LBUTTONUP);

  demo.ClickMain(kMacroManagerX, kMacroManagerY);
  HWND dialog = nullptr;
  HWND macroList = nullptr;
  ASSERT_TRUE(WaitFor([&] {
    dialog = ::FindWindowW(L"#32770", L"Macro Manager");
    macroList = dialog ? ::GetDlgItem(dialog, mm::kMacroListId) : nullptr;
    return macroList != nullptr && ::SendMessageW(macroList, LB_GETCOUNT, 0, 0) == LRESULT(position);
  }));
  const HWND sequence = ::GetDlgItem(dialog, mm::kSequenceListId);
  Click(dialog, mm::kNewRect);
  ASSERT_TRUE(WaitFor([&] { return ::SendMessageW(macroList, LB_GETCOUNT, 0, 0) == LRESULT(position + 1); }));
  // The delay tick box stays as the first macro of the bundled store left it: set.
  Click(dialog, mm::kRecordRect);
  ASSERT_TRUE(WaitFor([&] { return ::IsWindow(dialog) && ::GetWindowTextLengthW(dialog) > 20; }));
  ::SetForegroundWindow(dialog);
  ASSERT_TRUE(WaitFor([&] { return ::GetForegroundWindow() == dialog; }));
  Key('A', false);
  ::Sleep(60);
  Key('A', true);
  ASSERT_TRUE(WaitFor([&] { return ::SendMessageW(sequence, LB_GETCOUNT, 0, 0) == 3; }));
  Click(dialog, mm::kRecordRect);
  Click(dialog, mm::kOkRect);
  ASSERT_TRUE(WaitFor([&] { return !::IsWindow(dialog); }));

  const macros::LoadedMacro recorded = macros::MacroStore(store).LoadMacro(L"Macro_" + std::to_wstring(position));
  ASSERT_EQ(recorded.items.size(), 3u);
  EXPECT_EQ(recorded.items[0], L"A   Dn");
  EXPECT_EQ(recorded.items[2], L"A   Up");
  const long delay = std::wcstol(recorded.items[1].c_str(), nullptr, 10);
  ASSERT_GT(delay, 0);
  ASSERT_LE(delay, 1270);
  // Loop count 1, the press with the recorded delay, the release with none after it.
  const std::vector<std::uint8_t> block{0x00, 0x01, static_cast<std::uint8_t>(delay / 10), 0x04, 0x80, 0x04, 0x00, 0x00};

  demo.ClickMain(kSaveX, kSaveY);
  ASSERT_TRUE(demo.WaitForState(L"Last download: 31 exchanges"));
  const std::wstring state = demo.MouseState();
  const auto blocks = state.find(L"Macro blocks (first 8 bytes):");
  ASSERT_NE(blocks, std::wstring::npos);
  const std::wstring line = state.substr(blocks, state.find(L"\r\n", blocks) - blocks);
  std::size_t at = line.find(L" | ");
  for (std::size_t k = 0; k < position && at != std::wstring::npos; ++k) at = line.find(L" | ", at + 1);
  ASSERT_NE(at, std::wstring::npos);
  EXPECT_EQ(line.substr(at, 3 + 23), L" | " + Hex(block)) << "block " << position;
  // Button 3's key-matrix slot (slot 1) holds the macro code: kind 9, repeat mode, macro number + 1.
  const std::vector<std::uint8_t> code{0x09, 0x01, static_cast<std::uint8_t>(position + 1), 0x00};
  const auto matrix = state.find(L"Key matrix 1: ");
  ASSERT_NE(matrix, std::wstring::npos);
  EXPECT_EQ(state.substr(matrix + 14 + 12, 11), Hex(code));

  const auto saved = ReadBytes(profile);
  ASSERT_EQ(saved.size(), 1840u);
  EXPECT_TRUE(std::equal(block.begin(), block.end(), saved.begin() + kRecord + 303 + 128 * position));
  EXPECT_EQ(demo.Exit(), 0u);
}

}  // namespace
}  // namespace quendar::test
