// The platform calls behind the host pointer settings and the notification icon, made for real.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "core/app/balloon.h"
#include "core/profiles/host_settings.h"
#include "win32/app/system_parameters.h"
#include "win32/app/tray_icon.h"

namespace quendar::win32 {
namespace {

class HostPointerSettingsOnThePlatform : public ::testing::Test {
 protected:
  void SetUp() override {
    ::SystemParametersInfoW(SPI_GETMOUSE, 0, mouse_.data(), 0);
    ::SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &wheelLines_, 0);
    doubleClick_ = ::GetDoubleClickTime();
  }
  void TearDown() override {
    const UINT flags = SPIF_UPDATEINIFILE | SPIF_SENDCHANGE;
    ::SystemParametersInfoW(SPI_SETMOUSE, 0, mouse_.data(), flags);
    ::SystemParametersInfoW(SPI_SETWHEELSCROLLLINES, wheelLines_, nullptr, flags);
    ::SystemParametersInfoW(SPI_SETDOUBLECLICKTIME, doubleClick_, nullptr, flags);
  }

  std::array<int, 3> mouse_{};
  UINT wheelLines_ = 0;
  UINT doubleClick_ = 0;
};

TEST_F(HostPointerSettingsOnThePlatform, EachCallTakesItsValueWhereThePlatformLooksForIt) {
  profiles::HostPointerSettings settings{.pointerSpeed = 8,
                                         .doubleClickTimeMs = 620,
                                         .wheel = {.onePagePerNotch = true, .lines = 5},
                                         .acceleration = {6, 10, 1}};
  Win32SystemParameters platform;
  class NoWarnings final : public app::WarningPort {
   public:
    void Warn(std::wstring_view text) override { ADD_FAILURE() << "refused: " << std::string(text.begin(), text.end()); }
  } warnings;
  EXPECT_EQ(app::ApplyHostPointerSettings(settings, platform, warnings), 0);

  std::array<int, 3> mouse{};
  UINT wheel = 0;
  ::SystemParametersInfoW(SPI_GETMOUSE, 0, mouse.data(), 0);
  ::SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &wheel, 0);
  EXPECT_EQ(mouse, (std::array<int, 3>{6, 10, 1}));
  EXPECT_EQ(wheel, WHEEL_PAGESCROLL);
  EXPECT_EQ(::GetDoubleClickTime(), 620u);

  settings.wheel.onePagePerNotch = false;
  settings.acceleration = {0, 0, 0};
  EXPECT_EQ(app::ApplyHostPointerSettings(settings, platform, warnings), 0);
  ::SystemParametersInfoW(SPI_GETMOUSE, 0, mouse.data(), 0);
  ::SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &wheel, 0);
  EXPECT_EQ(mouse, (std::array<int, 3>{0, 0, 0}));
  EXPECT_EQ(wheel, 5u);
}

TEST(TrayIconOnThePlatform, AddShowsBalloonsOfAnyLengthAndRemoves) {
  HWND owner = ::CreateWindowExW(0, L"STATIC", L"tray owner", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(owner, nullptr);
  {
    TrayIcon icon;
    ASSERT_TRUE(icon.Add(owner, WM_USER + 1, ::LoadIconW(nullptr, IDI_APPLICATION), std::wstring(200, L't')));
    app::BalloonRecord balloon{.text = std::wstring(1000, L'x'), .title = std::wstring(200, L'y'), .timeoutMs = 100};
    EXPECT_TRUE(icon.ShowBalloon(balloon));
    EXPECT_TRUE(icon.ShowBalloon(app::NotDetectedBalloon(ui::LanguageClass::SimplifiedChinese)));
    icon.Remove();
    EXPECT_FALSE(icon.added());
  }
  ::DestroyWindow(owner);
}

}  // namespace
}  // namespace quendar::win32
