// The skinned dialogs as a screen reader and a keyboard user meet them in the demo program: the macro
// manager (a modal dialog with its own loop) and the profile manager (a panel inside the main window, whose
// keys come through the main window's loop). The reader is this test process; keys are real key presses.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "core/ui/macro_manager/macro_manager_layout.h"
#include "core/ui/profile_manager/profile_manager_view.h"
#include "wine/harness/accessible_reader.h"
#include "wine/harness/demo_program.h"
#include "wine/harness/input.h"

namespace quendar::test {
namespace {

namespace mm = ui::macro_manager;
namespace pm = ui::profile_manager;

constexpr POINT kMacroManagerTitle{141, 151};  // sections closed
constexpr POINT kConfigButton{54, 619};

LRESULT Count(HWND list) { return ::SendMessageW(list, LB_GETCOUNT, 0, 0); }

struct Part {
  const wchar_t* name;
  long role;
  ui::Rect place;
};

void ExpectParts(const Reader& reader, std::initializer_list<Part> parts) {
  for (const Part& part : parts) {
    SCOPED_TRACE(part.name);
    const long child = reader.Find(part.name);
    ASSERT_NE(child, 0);
    EXPECT_EQ(reader.Role(child), part.role);
    const RECT place = reader.Location(child);
    EXPECT_EQ((ui::Rect{place.left, place.top, place.right, place.bottom}), part.place);
  }
}

// Gives the keyboard to `window` (the foreground window of the demo) and waits until it has it.
bool Foreground(HWND window) {
  ::SetForegroundWindow(window);
  return WaitFor([&] { return ::GetForegroundWindow() == window; });
}

TEST(DialogAccess, MacroManagerSaysItsPartsAndNewWorksFromTheReaderAndFromTheKeys) {
  DemoProgram demo;
  ASSERT_TRUE(demo.ready());
  ASSERT_TRUE(demo.Show());
  demo.ClickMain(kMacroManagerTitle.x, kMacroManagerTitle.y);
  HWND dialog = nullptr;
  ASSERT_TRUE(WaitFor([&] { return (dialog = ::FindWindowW(L"#32770", L"Macro Manager")) != nullptr; }));
  const Reader reader(dialog);  // answered once the dialog's initialisation is over
  ASSERT_TRUE(reader.ok()) << "no client object through WM_GETOBJECT";
  ExpectParts(reader, {{L"Close", ROLE_SYSTEM_PUSHBUTTON, mm::kCloseRect},
                       {L"New", ROLE_SYSTEM_PUSHBUTTON, mm::kNewRect},
                       {L"Start Recording", ROLE_SYSTEM_PUSHBUTTON, mm::kRecordRect},
                       {L"Macro Manager", ROLE_SYSTEM_STATICTEXT, mm::kTitleRect}});
  const HWND macros = ::GetDlgItem(dialog, mm::kMacroListId);
  EXPECT_EQ(Reader(macros).Name(CHILDID_SELF), L"Select Macro") << "the list is named by its drawn label";

  const LRESULT before = Count(macros);
  const long newButton = reader.Find(L"New");
  EXPECT_EQ(reader.DefaultAction(newButton), L"Press");
  EXPECT_EQ(reader.DoDefaultAction(newButton), S_OK);
  EXPECT_TRUE(WaitFor([&] { return Count(macros) == before + 1; })) << "the reader's action is New's click";

  ASSERT_TRUE(Foreground(dialog));
  ASSERT_TRUE(TabTo(reader, dialog, L"New"));
  PressKey(VK_SPACE);
  EXPECT_TRUE(WaitFor([&] { return Count(macros) == before + 2; })) << "Space on New is its click";
  EXPECT_NE(reader.State(reader.Focus()) & STATE_SYSTEM_FOCUSED, 0);

  EXPECT_EQ(reader.DoDefaultAction(reader.Find(L"Cancel")), S_OK);
  EXPECT_TRUE(WaitFor([&] { return !::IsWindow(dialog); }));
  EXPECT_EQ(demo.Exit(), 0u);
}

TEST(DialogAccess, ProfileManagerTakesTheKeyboardAndSpaceOnCloseClosesIt) {
  DemoProgram demo;
  ASSERT_TRUE(demo.ready());
  ASSERT_TRUE(demo.Show());
  ASSERT_TRUE(Foreground(demo.mainWindow()));
  demo.ClickMain(kConfigButton.x, kConfigButton.y);
  HWND manager = nullptr;
  ASSERT_TRUE(WaitFor([&] {
    return (manager = ::FindWindowExW(demo.mainWindow(), nullptr, L"#32770", L"Configuration")) != nullptr;
  }));
  const Reader reader(manager);
  ASSERT_TRUE(reader.ok());
  ExpectParts(reader, {{L"Close", ROLE_SYSTEM_PUSHBUTTON, pm::kCloseButton},
                       {L"New", ROLE_SYSTEM_PUSHBUTTON, pm::kNewButton}});
  const HWND list = ::GetDlgItem(manager, pm::kListBoxId);
  EXPECT_EQ(Reader(list).Name(CHILDID_SELF), L"Configuration");

  // The bundled list is full, so New would only warn: Tab walks past the list to it and on round to Close.
  ASSERT_TRUE(TabTo(reader, manager, L"New"));
  ASSERT_TRUE(TabTo(reader, manager, L"Close"));
  PressKey(VK_SPACE);
  EXPECT_TRUE(WaitFor([&] { return !::IsWindow(manager); }));
  // The keyboard is back on the main window: Tab moves its focus ring.
  EXPECT_TRUE(WaitFor([&] { return KeyboardFocus(demo.mainWindow()) == demo.mainWindow(); }));
  const Reader main(demo.mainWindow());
  const long before = main.Focus();
  PressKey(VK_TAB);
  EXPECT_TRUE(WaitFor([&] { return main.Focus() != before; })) << "Tab after the manager closed";
  EXPECT_EQ(demo.Exit(), 0u);
}

}  // namespace
}  // namespace quendar::test
