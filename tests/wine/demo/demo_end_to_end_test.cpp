// The program on the simulated mouse, end to end: starting with the mouse absent, the mouse's CPI button,
// unplugging and plugging it back, and "Save" with the files it writes, the host settings it changes
// (restored afterwards) and the failures it reports.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <tuple>

#include "core/app/balloon.h"
#include "core/ui/interface_language.h"
#include "wine/harness/demo_program.h"
#include "wine/harness/host_settings.h"

namespace quendar::test {
namespace {

constexpr int kPressCpiButton = 101;
constexpr int kUnplug = 102;
constexpr int kPlug = 103;
constexpr int kFailNextSave = 104;
constexpr int kSaveX = 950, kSaveY = 620;
constexpr std::size_t kSensitivityXOffset = 1 + 0x3D;  // flag byte, then the record
constexpr std::size_t kPointerSpeedOffset = 1 + 0x38;

std::wstring ExpectedStageBalloon(const DemoProgram& demo, int stage) {
  const int sensorType = demo.StateByte(L"Sensor", 0);
  const int code = demo.StateByte(L"Stages", stage - 1);
  return L"CPI stage switch | " + std::wstring(ui::CpiStageText(ui::LanguageClass::English, stage)) +
         app::CpiCodeText(static_cast<std::uint8_t>(code), static_cast<std::uint8_t>(sensorType)) +
         L"  [flags 0x17, icon 1, 5000 ms]";
}

using DemoSave = RestoresHostSettings;
using DemoMouse = RestoresHostSettings;  // "Save" after a replug

// Started without the mouse, the reader waits for the first arrival; then each press of the mouse's CPI
// button becomes the stage balloon. An unplug warns, and the arrival after it does not reload the profile:
// what the program holds (it may be edits made while the mouse was away, which Save could not send) goes
// out with the next "Save" and is what gets stored.
TEST_F(DemoMouse, ArrivalsConnectTheReaderTellsStagesAndAReplugKeepsWhatTheProgramHolds) {
  DemoProgram demo(L"/unplugged");
  ASSERT_TRUE(demo.ready());
  EXPECT_TRUE(demo.WaitForState(L"Unplugged"));
  EXPECT_TRUE(demo.Show());
  const std::wstring absent = L"Warning | The system did not detect the gaming mouse!  [flags 0x17, icon 1, 100 ms]";
  EXPECT_TRUE(demo.WaitForBalloon(absent));

  demo.Click(kPlug);
  ASSERT_TRUE(demo.WaitForState(L"Plugged in"));
  EXPECT_TRUE(WaitFor([&] { return (demo.StateByte(L"Sensor", 3) & 0x40) != 0; })) << "the arrival connected";
  for (int press = 0; press < 2; ++press) {
    const int before = demo.StateByte(L"Current stage", 0);
    demo.Click(kPressCpiButton);
    ASSERT_TRUE(WaitFor([&] { return demo.StateByte(L"Current stage", 0) != before; }));
    const int stage = demo.StateByte(L"Current stage", 0);
    EXPECT_TRUE(WaitFor([&] { return demo.LastBalloon() == L"Last balloon: " + ExpectedStageBalloon(demo, stage); }))
        << "stage " << stage << ": " << demo.LastBalloon();
  }

  demo.Click(kUnplug);
  EXPECT_TRUE(demo.WaitForState(L"Unplugged"));
  EXPECT_TRUE(demo.WaitForBalloon(absent));
  const auto profile = demo.folder() / L"config0.bin";
  auto bytes = FileBytes(profile);
  ASSERT_EQ(bytes.size(), 1840u);
  const char sensitivity = bytes[kSensitivityXOffset];
  bytes[kSensitivityXOffset] = static_cast<char>(sensitivity == 3 ? 4 : 3);
  WriteFileBytes(profile, bytes);
  demo.Click(kPlug);
  ASSERT_TRUE(demo.WaitForState(L"Plugged in"));
  demo.ClickMain(kSaveX, kSaveY);
  EXPECT_TRUE(WaitFor([&] { return demo.StateByte(L"Sensitivity X, Y", 0) != -1 &&
                                   FileBytes(profile)[kSensitivityXOffset] == sensitivity; }));
  EXPECT_EQ(demo.Exit(), 0u);
}

TEST_F(DemoSave, SendsTheProfileWritesTheFilesAndChangesTheHostSettings) {
  DemoProgram demo;
  ASSERT_TRUE(demo.ready());
  ASSERT_TRUE(demo.WaitForState(L"Plugged in"));
  // The connection marks the mouse as driven by the program (bit 6 of sensor option 2).
  EXPECT_TRUE(WaitFor([&] { return (demo.StateByte(L"Sensor", 3) & 0x40) != 0; }));
  const auto profile = demo.folder() / L"config0.bin";
  auto bytes = FileBytes(profile);
  ASSERT_EQ(bytes.size(), 1840u);
  // Values that differ from what the platform holds now, so the change is seen.
  bytes[kPointerSpeedOffset] = 8;
  bytes[1 + 0x37] = 0;                                          // lines, not screens
  bytes[1 + 0x39] = static_cast<char>(original_.wheelLines == 7 ? 5 : 7);
  bytes[1 + 0x3A] = static_cast<char>(original_.doubleClickTime == 550 ? 3 : 6);  // 760 or 550 ms
  bytes[1 + 0x36] = original_.mouse[2] == 1 ? 0 : 1;
  bytes[0] = 0;
  WriteFileBytes(profile, bytes);
  // The program reads the changed file when it is next shown after a "Cancel".
  demo.ClickMain(880, 620);
  ASSERT_TRUE(demo.Show());

  demo.ClickMain(kSaveX, kSaveY);
  ASSERT_TRUE(demo.WaitForState(L"Last download: 31 exchanges")) << demo.MouseState();
  const auto saved = FileBytes(profile);
  ASSERT_EQ(saved.size(), 1840u);
  EXPECT_EQ(saved[0], 1) << "a saved profile's flag";
  EXPECT_TRUE(std::equal(saved.begin() + 1, saved.end(), bytes.begin() + 1)) << "the record as loaded";

  const int lines = bytes[1 + 0x39];
  const int doubleClick = 900 - (bytes[1 + 0x3A] - 1) * 70;
  const std::wstring acceleration = bytes[1 + 0x36] == 1 ? L"6 10 1" : L"0 0 0";
  // The speed travels in the pointer parameter, as Windows defines it; Wine reads it from the other
  // one, so the speed the program reads back is not checked here (the exact call is checked natively).
  const std::wstring label = L"Host acceleration, speed, wheel lines, double-click: ";
  EXPECT_TRUE(demo.WaitForState(label + acceleration + L", ")) << demo.MouseState();
  const std::wstring linesAndClick = L", " + std::to_wstring(lines) + L", " + std::to_wstring(doubleClick);
  EXPECT_TRUE(WaitFor([&] { return demo.MouseState().ends_with(linesAndClick); })) << demo.MouseState();
  EXPECT_EQ(demo.Exit(), 0u);
}

// A Save that reaches the mouse only part way says so and still stores the files; as the message advises,
// a later Save (once the debounce period is over) sends everything.
TEST_F(DemoSave, APartWaySaveSaysSoStoresTheFilesAndALaterSaveSendsEverything) {
  DemoProgram demo;
  ASSERT_TRUE(demo.ready());
  ASSERT_TRUE(demo.WaitForState(L"Plugged in"));
  ASSERT_TRUE(demo.Show());
  const auto profile = demo.folder() / L"config0.bin";
  ASSERT_EQ(FileBytes(profile).at(0), 0) << "an installed profile, never saved";
  demo.Click(kFailNextSave);
  demo.ClickMain(kSaveX, kSaveY);
  HWND box = nullptr;
  ASSERT_TRUE(WaitFor([&] {
    return (box = FindMessageBox(demo.process(),
                                 L"Only part of the settings reached the mouse: it now holds some of the new settings "
                                 L"and some of the old. Click Save to send them all again.")) != nullptr;
  }));
  EXPECT_EQ(FileBytes(profile).at(0), 1) << "the files are stored all the same";
  ASSERT_TRUE(Dismiss(box));
  // Presses within the debounce period are ignored; the first one after it sends the whole profile.
  int polls = 0;
  EXPECT_TRUE(WaitFor([&] {
    if (polls++ % 10 == 0) demo.ClickMain(kSaveX, kSaveY);
    return demo.MouseState().find(L"Last download: 31 exchanges") != std::wstring::npos;
  })) << demo.MouseState();
  EXPECT_EQ(demo.Exit(), 0u);
}

// Another program holds the profile's caption file open without sharing (a scanner, a sync client):
// Save still reaches the mouse, says the settings were not saved, names the file, and the file keeps
// every section it had.
TEST_F(DemoSave, ACaptionFileHeldByAnotherProgramIsLeftWholeAndTheUserIsTold) {
  DemoProgram demo;
  ASSERT_TRUE(demo.ready());
  ASSERT_TRUE(demo.WaitForState(L"Plugged in"));
  ASSERT_TRUE(demo.Show());
  const auto texts = demo.folder() / L"str0.ini";
  const std::string before = FileBytes(texts);
  win32::UniqueFileHandle held(::CreateFileW(texts.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
  ASSERT_NE(held.get(), INVALID_HANDLE_VALUE);
  demo.ClickMain(kSaveX, kSaveY);
  // The outcome and the file's own message, each in its box, in whichever order the window shows them.
  const std::wstring outcome = L"The settings reached the mouse but were not saved.";
  const std::wstring details = texts.wstring() + L"\" exists but could not be read";
  bool sawOutcome = false, sawDetails = false;
  ASSERT_TRUE(WaitFor([&] {
    for (const auto& [wanted, whole, seen] : {std::tuple{&outcome, true, &sawOutcome}, {&details, false, &sawDetails}}) {
      // Answered without waiting: a box shown over the other ends only after the one it opened over.
      if (HWND box = FindMessageBox(demo.process(), *wanted, whole)) *seen = ::PostMessageW(box, WM_COMMAND, IDOK, 0);
    }
    return sawOutcome && sawDetails;
  })) << "outcome shown: " << sawOutcome << ", file named: " << sawDetails;
  held.reset();
  EXPECT_EQ(FileBytes(texts), before);
  EXPECT_EQ(FileBytes(demo.folder() / L"config0.bin").at(0), 1) << "the data file took the settings";
  EXPECT_EQ(demo.Exit(), 0u);
}

}  // namespace
}  // namespace quendar::test
