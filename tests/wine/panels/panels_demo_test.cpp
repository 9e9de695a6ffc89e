// The settings panels in the demo program, driven by clicks: what "Save" then sends to the simulated mouse,
// writes to the profile file and sets on the host (put back afterwards).
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "wine/harness/demo_program.h"
#include "wine/harness/host_settings.h"
#include "wine/harness/input.h"
#include "wine/harness/screen.h"

namespace quendar::test {
namespace {

constexpr int kColourBox1 = 71;
constexpr int kNumberBox = 121;

// Title rows of the right column while every section above is collapsed.
constexpr int kTitleX = 800;
constexpr int kCpiTitleY = 42, kReportRateTitleY = 92, kMouseSpeedTitleY = 117, kScrollTitleY = 167;

using DemoPanels = RestoresHostSettings;

TEST_F(DemoPanels, ClickedSettingsReachTheMouseTheFileAndTheHost) {
  DemoProgram demo;
  ASSERT_TRUE(demo.ready());
  ASSERT_TRUE(demo.WaitForState(L"Plugged in"));
  HWND main = demo.mainWindow();
  ASSERT_TRUE(demo.Show());

  demo.ClickMain(kTitleX, kCpiTitleY);
  ASSERT_TRUE(WaitFor([&] { return ::GetDlgItem(main, kColourBox1) != nullptr; })) << "the colour boxes";
  demo.ClickMain(744, 268);  // stage 1's colour box: the press reaches the window, the colour dialog opens
  HWND dialog = WaitForTopWindow(L"Color", demo.process().pid());
  ASSERT_NE(dialog, nullptr);
  ::PostMessageW(::GetDlgItem(dialog, IDCANCEL), BM_CLICK, 0, 0);
  ASSERT_TRUE(WaitFor([&] { return !::IsWindow(dialog); }));

  demo.ClickMain(749, 150);  // stage 1 slider: level trunc((213 - 150 - 2) / 2 + 2) = 32
  demo.ClickMain(781, 254);  // stage 2 switch: off
  demo.ClickMain(kTitleX, kCpiTitleY);
  ASSERT_TRUE(WaitFor([&] { return ::GetDlgItem(main, kColourBox1) == nullptr; })) << "collapsing removes them";

  demo.ClickMain(kTitleX, kReportRateTitleY);
  demo.ClickMain(855 - 30, 171 - 30);  // upper left of the dial: 125 Hz
  demo.ClickMain(kTitleX, kReportRateTitleY);
  demo.ClickMain(kTitleX, kMouseSpeedTitleY);
  demo.ClickMain(855, 218 - 50);  // straight above the centre: level 7
  demo.ClickMain(kTitleX, kMouseSpeedTitleY);

  demo.ClickMain(kTitleX, kScrollTitleY);
  HWND lines = nullptr;
  ASSERT_TRUE(WaitFor([&] { return (lines = ::GetDlgItem(main, kNumberBox)) != nullptr; }));
  ::SendMessageW(lines, EM_SETSEL, 0, -1);
  ::PostMessageW(lines, WM_CHAR, L'4', 1);  // typed over the whole text
  demo.ClickMain(924 + 5, 177 + 17);        // the up arrow: 5
  demo.ClickMain(950, 620);                 // "Save"
  ASSERT_TRUE(demo.WaitForState(L"Last download: 31 exchanges"));

  EXPECT_EQ(demo.StateByte(L"Stages", 0), 32);
  EXPECT_EQ(demo.StateByte(L"Stages", 1), 0x80 | 7) << "stage 2 keeps its level and is switched off";
  EXPECT_EQ(demo.StateByte(L"Report rate code", 0), 8);
  EXPECT_TRUE(demo.MouseState().find(L"Colours 1: FF 00 00 00 FF 00") != std::wstring::npos) << "Cancel kept the colour";
  // The default profile's double-click level 7: 900 - 6 * 70 ms.
  EXPECT_TRUE(WaitFor([&] { return demo.MouseState().ends_with(L", 5, 480"); })) << "five wheel lines on the host";

  const auto saved = FileBytes(demo.folder() / L"config0.bin");
  ASSERT_EQ(saved.size(), 1840u);
  EXPECT_EQ(saved[1 + 0x38], 7) << "pointer speed level";
  EXPECT_EQ(saved[1 + 0x39], 5) << "scroll lines";
  EXPECT_EQ(saved[1 + 0x37], 0) << "lines, not screens";
  wchar_t shown[8] = {};
  ::SendMessageW(lines, WM_GETTEXT, 8, reinterpret_cast<LPARAM>(shown));
  EXPECT_EQ(std::wstring(shown), L"5") << "the arrow writes into the number box";
  EXPECT_EQ(demo.Exit(), 0u);
}

// Real double clicks count once on a section title and on a stage switch; the colour dialog opens after
// the press that asked for it, so that press's window drag is over before the dialog's loop runs, and
// the chosen colour reaches the stage.
TEST_F(DemoPanels, DoubleClicksCountOnceAndTheColourDialogWaitsForItsPress) {
  DemoProgram demo;
  ASSERT_TRUE(demo.ready());
  ASSERT_TRUE(demo.WaitForState(L"Plugged in"));
  HWND main = demo.mainWindow();
  ASSERT_TRUE(demo.Show());
  ::SetForegroundWindow(main);
  RECT before{};
  ::GetWindowRect(main, &before);

  DoubleClickAt(main, {kTitleX, kCpiTitleY});
  DoubleClickAt(main, {781, 254});  // stage 2 switch
  ClickAt(main, 744, 268);        // stage 1's colour box, after both double clicks are handled
  HWND dialog = WaitForTopWindow(L"Color", demo.process().pid());
  ASSERT_NE(dialog, nullptr) << "the real press went through the colour box to the main window";
  EXPECT_NE(::GetDlgItem(main, kColourBox1), nullptr) << "the double click left the CPI section open";
  constexpr int kRedField = 706, kGreenField = 707, kBlueField = 708;  // the system dialog's fields
  ::SendMessageW(::GetDlgItem(dialog, kRedField), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"18"));
  ::SendMessageW(::GetDlgItem(dialog, kGreenField), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"52"));
  ::SendMessageW(::GetDlgItem(dialog, kBlueField), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"86"));
  ::PostMessageW(::GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
  ASSERT_TRUE(WaitFor([&] { return !::IsWindow(dialog); }));
  EXPECT_TRUE(WaitFor([&] { return ScreenPixels(main, {744, 268, 745, 269})[0] == 0x123456; })) << "the box shows it";

  // A drag started once the button is up would follow the pointer and swallow the next click.
  PointAt(main, 600, 480);
  ClickAt(main, kTitleX, kCpiTitleY);
  ASSERT_TRUE(WaitFor([&] { return ::GetDlgItem(main, kColourBox1) == nullptr; })) << "the click closed CPI";
  RECT after{};
  ::GetWindowRect(main, &after);
  EXPECT_TRUE(::EqualRect(&before, &after)) << "the window stayed where it was";

  demo.ClickMain(950, 620);  // "Save"
  ASSERT_TRUE(demo.WaitForState(L"Last download: 31 exchanges"));
  EXPECT_EQ(demo.StateByte(L"Stages", 1), 0x80 | 7) << "stage 2 switched off once";
  EXPECT_NE(demo.MouseState().find(L"Colours 1: 12 34 56"), std::wstring::npos) << demo.MouseState();
  EXPECT_EQ(demo.Exit(), 0u);
}

}  // namespace
}  // namespace quendar::test
