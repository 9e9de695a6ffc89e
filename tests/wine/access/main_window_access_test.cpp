// The demo program's main window as a screen reader and a keyboard user meet it. The reader is this test
// process: it asks the platform for the window's client object (the interface is marshalled from the
// program's window thread), so every answer went through the window's WM_GETOBJECT. Keys are real key
// presses (SendInput) to the foreground window.
#include <gtest/gtest.h>
#include <windows.h>
#include <oleacc.h>

#include <string>

#include "wine/harness/demo_program.h"
#include "wine/harness/input.h"
#include "wine/harness/host_settings.h"
#include "win32/framework/com_ptr.h"
#include "win32/framework/system_library.h"

namespace quendar::test {
namespace {

constexpr std::size_t kStage2LevelOffset = 1 + 0x07 + 1;  // flag byte, then the record's levels

// The program's client object, read as a screen reader reads it.
class Reader {
 public:
  explicit Reader(HWND window) : window_(window), oleacc_(win32::LoadFromSystemFolder(L"oleacc.dll")) {
    decltype(&::AccessibleObjectFromWindow) fromWindow = nullptr;
    if (!oleacc_.valid() || !win32::BindExport(oleacc_.get(), "AccessibleObjectFromWindow", fromWindow)) return;
    // The header's interface id: MinGW's import library spells it wrong.
    fromWindow(window, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
               reinterpret_cast<void**>(client_.put()));
  }
  bool ok() const { return static_cast<bool>(client_); }

  long Count() const {
    long count = 0;
    client_->get_accChildCount(&count);
    return count;
  }
  std::wstring Name(long child) const { return Text(&IAccessible::get_accName, child); }
  std::wstring Value(long child) const { return Text(&IAccessible::get_accValue, child); }
  std::wstring DefaultAction(long child) const { return Text(&IAccessible::get_accDefaultAction, child); }
  long Role(long child) const { return Long(&IAccessible::get_accRole, child); }
  long State(long child) const { return Long(&IAccessible::get_accState, child); }
  // In client pixels.
  RECT Location(long child) const {
    long left = 0, top = 0, width = 0, height = 0;
    client_->accLocation(&left, &top, &width, &height, Child(child));
    POINT origin{0, 0};
    ::ClientToScreen(window_, &origin);
    return {left - origin.x, top - origin.y, left - origin.x + width, top - origin.y + height};
  }
  // The child id of the first child with `name`, or 0.
  long Find(const std::wstring& name) const {
    for (long child = 1, n = Count(); child <= n; ++child)
      if (Name(child) == name) return child;
    return 0;
  }
  long Focus() const {
    VARIANT focus;
    ::VariantInit(&focus);
    client_->get_accFocus(&focus);
    return focus.vt == VT_I4 ? focus.lVal : -1;
  }

 private:
  static VARIANT Child(long child) {
    VARIANT v;
    ::VariantInit(&v);
    v.vt = VT_I4;
    v.lVal = child;
    return v;
  }
  std::wstring Text(HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, BSTR*), long child) const {
    BSTR text = nullptr;
    if ((client_.get()->*get)(Child(child), &text) != S_OK || text == nullptr) return {};
    std::wstring result(text, ::SysStringLen(text));
    ::SysFreeString(text);
    return result;
  }
  long Long(HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, VARIANT*), long child) const {
    VARIANT out;
    ::VariantInit(&out);
    if ((client_.get()->*get)(Child(child), &out) != S_OK || out.vt != VT_I4) return -1;
    return out.lVal;
  }

  HWND window_;
  win32::ComApartment apartment_;
  win32::UniqueLibrary oleacc_;
  win32::ComPtr<IAccessible> client_;
};

// Presses Tab until the node named `name` has the focus; each press is waited for.
bool TabTo(const Reader& reader, const std::wstring& name) {
  for (long round = 0, n = reader.Count(); round <= n; ++round) {
    const long before = reader.Focus();
    PressKey(VK_TAB);
    if (!WaitFor([&] { return reader.Focus() != before; }, 5s)) return false;
    if (reader.Name(reader.Focus()) == name) return true;
  }
  return false;
}

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

  ASSERT_TRUE(TabTo(reader, L"CPI Setting"));
  PressKey(VK_SPACE);
  const long level = [&] {
    long child = 0;
    WaitFor([&] { return (child = reader.Find(L"CPI stage 2 level")) != 0; });
    return child;
  }();
  ASSERT_NE(level, 0) << "Space opened the section";
  ASSERT_TRUE(TabTo(reader, L"CPI stage 2 level"));
  for (int step = 0; step < 3; ++step) {
    const std::wstring before = reader.Value(level);
    PressKey(VK_UP);
    ASSERT_TRUE(WaitFor([&] { return reader.Value(level) != before; }, 5s)) << "step " << step;
  }

  ASSERT_TRUE(TabTo(reader, L"Save"));
  PressKey(VK_SPACE);
  EXPECT_TRUE(demo.WaitForState(L"Last download: 31 exchanges")) << demo.MouseState();
  EXPECT_TRUE(WaitFor([&] { return FileBytes(profile).at(kStage2LevelOffset) == stored + 3; }))
      << "stored " << int(FileBytes(profile).at(kStage2LevelOffset));
  EXPECT_EQ(demo.Exit(), 0u);
}

}  // namespace
}  // namespace quendar::test
