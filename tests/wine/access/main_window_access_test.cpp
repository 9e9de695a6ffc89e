// The demo program's main window as a screen reader and a keyboard user meet it. The reader is this test
// process: it asks the platform for the window's client object (the interface is marshalled from the
// program's window thread), so every answer went through the window's WM_GETOBJECT. Keys are real key
// presses (SendInput) to the foreground window.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "wine/harness/accessible_reader.h"
#include "wine/harness/demo_program.h"
#include "wine/harness/host_settings.h"
#include "wine/harness/input.h"

namespace quendar::test {
namespace {

constexpr std::size_t kStage2LevelOffset = 1 + 0x07 + 1;  // flag byte, then the record's levels

TEST(MainWindowAccess, ChildrenCarryNamesRolesAndPlacesAndASectionOpensForAClick) {
  DemoProgram demo;
  ASSERT_TRUE(demo.ready());
  ASSERT_TRUE(demo.Show());
  const Reader reader(demo.mainWindow());
  ASSERT_TRUE(reader.ok()) << "no client object through WM_GETOBJECT";
  const struct {
    const wchar_t* name;
    long role;
    RECT place;
  } expected[] = {
      {L"Button Assignment", ROLE_SYSTEM_OUTLINEITEM, {20, 107, 262, 127}},
      {L"Save", ROLE_SYSTEM_PUSHBUTTON, {923, 604, 980, 634}},
      {L"Close", ROLE_SYSTEM_PUSHBUTTON, {979, 5, 994, 20}},
  };
  for (const auto& node : expected) {
    SCOPED_TRACE(node.name);
    const long child = reader.Find(node.name);
    ASSERT_NE(child, 0);
    EXPECT_EQ(reader.Role(child), node.role);
    const RECT place = reader.Location(child);
    EXPECT_TRUE(::EqualRect(&place, &node.place)) << place.left << "," << place.top << " " << place.right << ","
                                                   << place.bottom;
  }

  const long assignment = reader.Find(L"Button Assignment");
  EXPECT_NE(reader.State(assignment) & STATE_SYSTEM_COLLAPSED, 0);
  EXPECT_EQ(reader.DefaultAction(assignment), L"Expand");
  EXPECT_EQ(reader.Find(L"Button 8"), 0) << "no rows while the section is closed";
  demo.ClickMain(100, 115);
  EXPECT_TRUE(WaitFor([&] { return (reader.State(assignment) & STATE_SYSTEM_EXPANDED) != 0; }));
  EXPECT_EQ(reader.Role(reader.Find(L"Button 8")), ROLE_SYSTEM_COMBOBOX) << "the Side view's first row";
  EXPECT_EQ(demo.Exit(), 0u);
}

using MainWindowKeyboard = RestoresHostSettings;  // its Save changes the host settings

TEST_F(MainWindowKeyboard, ArrowsMoveACpiLevelAndSpaceOnSaveSendsAndStoresIt) {
  DemoProgram demo;
  ASSERT_TRUE(demo.ready());
  ASSERT_TRUE(demo.WaitForState(L"Plugged in"));
  ASSERT_TRUE(demo.Show());
  ::SetForegroundWindow(demo.mainWindow());
  ASSERT_TRUE(WaitFor([&] { return ::GetForegroundWindow() == demo.mainWindow(); }));
  const Reader reader(demo.mainWindow());
  ASSERT_TRUE(reader.ok());
  const auto profile = demo.folder() / L"config0.bin";
  const int stored = static_cast<unsigned char>(FileBytes(profile).at(kStage2LevelOffset));
  ASSERT_LE(stored, 71) << "room for three steps up";

  ASSERT_TRUE(TabTo(reader, demo.mainWindow(), L"CPI Setting"));
  PressKey(VK_SPACE);
  const long level = [&] {
    long child = 0;
    WaitFor([&] { return (child = reader.Find(L"CPI stage 2 level")) != 0; });
    return child;
  }();
  ASSERT_NE(level, 0) << "Space opened the section";
  ASSERT_TRUE(TabTo(reader, demo.mainWindow(), L"CPI stage 2 level"));
  for (int step = 0; step < 3; ++step) {
    const std::wstring before = reader.Value(level);
    PressKey(VK_UP);
    ASSERT_TRUE(WaitFor([&] { return reader.Value(level) != before; }, 5s)) << "step " << step;
  }

  ASSERT_TRUE(TabTo(reader, demo.mainWindow(), L"Save"));
  PressKey(VK_SPACE);
  EXPECT_TRUE(demo.WaitForState(L"Last download: 31 exchanges")) << demo.MouseState();
  EXPECT_TRUE(WaitFor([&] { return FileBytes(profile).at(kStage2LevelOffset) == stored + 3; }))
      << "stored " << int(FileBytes(profile).at(kStage2LevelOffset));
  EXPECT_EQ(demo.Exit(), 0u);
}

}  // namespace
}  // namespace quendar::test
