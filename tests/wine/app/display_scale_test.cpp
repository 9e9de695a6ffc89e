// The demo program at 100, 150 and 200 % display scaling (the system's "LogPixels"): the window keeps its
// physical size, a real click lands where the scaled picture shows the button, the screen shows the skin's
// double-size drawings at 200 %, a dialog opens at its scaled size with its controls inside it, and a
// window moved to a monitor of another scale follows it.
#include <gtest/gtest.h>

#include <windows.h>

#include <optional>

#include "core/ui/display_scale.h"
#include "core/ui/macro_manager/macro_manager_layout.h"
#include "core/ui/main/main_layout.h"
#include "core/ui/skin_manifest.h"
#include "win32/framework/gdiplus_session.h"
#include "wine/harness/demo_program.h"
#include "wine/harness/input.h"
#include "wine/harness/screen.h"

namespace quendar::test {
namespace {

namespace region = ui::main::region;
namespace mm = ui::macro_manager;
namespace skin = ui::skin;

// Sets the system's dots per inch for the programs started while it lives; the old values come back after.
class ScopedLogPixels {
 public:
  explicit ScopedLogPixels(int dpi) {
    for (Key& key : keys_) {
      DWORD size = sizeof(DWORD);
      DWORD value = 0;
      if (::RegGetValueW(key.root, key.path, L"LogPixels", RRF_RT_REG_DWORD, nullptr, &value, &size) == ERROR_SUCCESS)
        key.old = value;
      Write(key, static_cast<DWORD>(dpi));
    }
  }
  ~ScopedLogPixels() {
    for (const Key& key : keys_) {
      if (key.old) {
        Write(key, *key.old);
      } else {
        ::RegDeleteKeyValueW(key.root, key.path, L"LogPixels");
      }
    }
  }
  ScopedLogPixels(const ScopedLogPixels&) = delete;
  ScopedLogPixels& operator=(const ScopedLogPixels&) = delete;

 private:
  struct Key {
    HKEY root;
    const wchar_t* path;
    std::optional<DWORD> old;
  };
  static void Write(const Key& key, DWORD value) {
    ::RegSetKeyValueW(key.root, key.path, L"LogPixels", REG_DWORD, &value, sizeof(value));
  }
  Key keys_[2] = {{HKEY_CURRENT_USER, L"Control Panel\\Desktop", std::nullopt},
                  {HKEY_LOCAL_MACHINE, L"System\\CurrentControlSet\\Hardware Profiles\\Current\\Software\\Fonts",
                   std::nullopt}};
};

// This thread reads other windows in their own device pixels, not in pixels the platform scaled for it.
void ReadDevicePixels() {
  using SetContext = HANDLE(WINAPI*)(HANDLE);
  const auto set = reinterpret_cast<SetContext>(
      reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"user32.dll"), "SetThreadDpiAwarenessContext")));
  const auto perMonitorAwareV2 = reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-4));
  if (set != nullptr) set(perMonitorAwareV2);
}

ui::Size ClientSize(HWND window) {
  RECT client{};
  ::GetClientRect(window, &client);
  return {client.right, client.bottom};
}

ui::Rect ChildRect(HWND parent, HWND child) {
  RECT r{};
  ::GetWindowRect(child, &r);
  ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
  return {r.left, r.top, r.right, r.bottom};
}

class DemoAtScale : public ::testing::TestWithParam<int> {
 protected:
  void SetUp() override { ReadDevicePixels(); }

  std::wstring Skin(std::string_view name) const {
    const std::wstring folder = (demo_->folder() / L"Skins" / L"Default").wstring();
    return folder + std::wstring(name.begin(), name.end());
  }

  // Whether the screen shows the device rectangle `area` of the main window as the images composed at
  // their device places would (within the blend's rounding).
  bool Shows(const ui::Rect& area, std::initializer_list<std::pair<std::string, ui::Point>> images) {
    Canvas expected(area.Width(), area.Height());
    for (const auto& [name, at] : images) {
      if (!ComposeReference(expected, Skin(name), {at.x - area.left, at.y - area.top}, {0, 0, area.Width(), area.Height()}))
        return false;
    }
    lastDifference_ = LargestChannelDifference(expected, ScreenPixels(demo_->mainWindow(), area).data());
    return lastDifference_ <= 2;
  }

  const int dpi_ = GetParam();
  const ui::DisplayScale scale_{dpi_};
  win32::GdiplusSession gdiplus_;
  ScopedLogPixels logPixels_{dpi_};
  std::optional<DemoProgram> demo_{std::in_place};
  int lastDifference_ = 0;
};

TEST_P(DemoAtScale, WindowClickPicturesAndDialogFollowTheScale) {
  ASSERT_TRUE(demo_->ready());
  ASSERT_TRUE(demo_->WaitForState(L"Plugged in"));
  ASSERT_TRUE(demo_->Show());
  HWND window = demo_->mainWindow();
  EXPECT_EQ(ClientSize(window), scale_.ToDevice(ui::Size{region::kWindow.Width(), region::kWindow.Height()}));

  // A real click at the scaled place of "Top": the picture changes to the top view.
  const ui::Rect picture = scale_.ToDevice(ui::Rect::At({361, 48}, skin::kMouseTopPicture.size));
  const std::vector<std::uint32_t> side = ScreenPixels(window, picture);
  const POINT top = Centre(scale_.ToDevice(region::kTopView));
  ClickAt(window, top.x, top.y);
  EXPECT_TRUE(WaitFor([&] { return ScreenPixels(window, picture) != side; })) << "the Top view is not shown";

  if (scale_.ImageScale() == 2 && scale_.dpi() == 2 * ui::kBaseDpi) {
    // At exactly 200 % the screen shows the skin's double-size drawings pixel for pixel.
    const ui::Point origin = scale_.ToDevice(ui::Point{361, 48});
    EXPECT_TRUE(WaitFor([&] {
      return Shows(picture, {{ui::ScaledImageName(skin::kMouseTopPicture.name, 2), origin}});
    })) << lastDifference_;
    const ui::Rect save = scale_.ToDevice(region::kSave);
    const ui::Rect band{save.left, save.top, save.right, save.top + 12};  // above the caption
    EXPECT_TRUE(Shows(band, {{ui::ScaledImageName(skin::kMainBackground.name, 2), {0, 0}},
                             {ui::ScaledImageName(skin::kSaveButtonNormal.name, 2), save.TopLeft()}}))
        << lastDifference_;
  }

  // The macro manager opens at its scaled size with its lists and field where the layout puts them.
  const POINT title = Centre(scale_.ToDevice(ui::Rect::At({141, 151}, {1, 1})));
  demo_->ClickMain(title.x, title.y);
  HWND dialog = nullptr;
  ASSERT_TRUE(WaitFor([&] { return (dialog = ::FindWindowW(L"#32770", L"Macro Manager")) != nullptr; }));
  const std::pair<int, ui::Rect> controls[] = {{mm::kMacroListId, mm::kMacroListRect},
                                               {mm::kSequenceListId, mm::kSequenceListRect},
                                               {mm::kLoopTimesFieldId, mm::kLoopTimesFieldRect}};
  ASSERT_TRUE(WaitFor([&] {
    for (const auto& [id, rect] : controls)
      if (::GetDlgItem(dialog, id) == nullptr) return false;
    return true;
  }));
  const ui::Size client = ClientSize(dialog);
  EXPECT_EQ(client, scale_.ToDevice(skin::kMacroManagerDialog.size)) << "the background's size, scaled";
  for (const auto& [id, rect] : controls) {
    // A list box keeps whole lines: it may end above its place's bottom, never below it.
    const ui::Rect placed = ChildRect(dialog, ::GetDlgItem(dialog, id));
    const ui::Rect expected = scale_.ToDevice(rect);
    EXPECT_EQ(placed.TopLeft(), expected.TopLeft()) << id;
    EXPECT_EQ(placed.right, expected.right) << id;
    EXPECT_LE(placed.bottom, expected.bottom) << id;
    EXPECT_GT(placed.Height(), expected.Height() * 3 / 4) << id;
  }
  ::PostMessageW(dialog, WM_CLOSE, 0, 0);
  ASSERT_TRUE(WaitFor([&] { return !::IsWindow(dialog); }));

  if (dpi_ == ui::kBaseDpi) {
    // Moved to a monitor of twice the scale (no suggested rectangle: it keeps its place): the window takes
    // the new size and a click at the new place of "Side" brings the side view back.
    const ui::DisplayScale doubled(2 * ui::kBaseDpi);
    ::SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(doubled.dpi(), doubled.dpi()), 0);
    ::UpdateWindow(window);  // the top view drawn at the new scale, before the click
    EXPECT_EQ(ClientSize(window), doubled.ToDevice(ui::Size{region::kWindow.Width(), region::kWindow.Height()}));
    const ui::Rect doubledPicture = doubled.ToDevice(ui::Rect::At({361, 48}, skin::kMouseTopPicture.size));
    const std::vector<std::uint32_t> before = ScreenPixels(window, doubledPicture);
    const POINT sideButton = Centre(doubled.ToDevice(region::kSideView));
    demo_->ClickMain(sideButton.x, sideButton.y);
    EXPECT_TRUE(WaitFor([&] { return ScreenPixels(window, doubledPicture) != before; })) << "the Side view is not shown";
  }
  EXPECT_EQ(demo_->Exit(), 0u);
}

INSTANTIATE_TEST_SUITE_P(Dpi, DemoAtScale, ::testing::Values(96, 144, 192),
                         [](const auto& info) { return std::to_string(info.param); });

}  // namespace
}  // namespace quendar::test
