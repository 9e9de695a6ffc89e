#pragma once
// The host pointer settings as the platform holds them, to put back what a test's "Save" changed. (Wine
// keeps them per process once read: the program's own view is checked through its "Simulated mouse"
// window.)
#include <gtest/gtest.h>
#include <windows.h>

#include <array>

namespace quendar::test {

struct HostSettings {
  std::array<int, 3> mouse{};
  int speed = 0;
  UINT wheelLines = 0;
  UINT doubleClickTime = 0;

  static HostSettings Read() {
    HostSettings s;
    ::SystemParametersInfoW(SPI_GETMOUSE, 0, s.mouse.data(), 0);
    ::SystemParametersInfoW(SPI_GETMOUSESPEED, 0, &s.speed, 0);
    ::SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &s.wheelLines, 0);
    s.doubleClickTime = ::GetDoubleClickTime();
    return s;
  }
  void Restore() const {
    std::array<int, 3> triple = mouse;
    const UINT flags = SPIF_UPDATEINIFILE | SPIF_SENDCHANGE;
    ::SystemParametersInfoW(SPI_SETMOUSE, 0, triple.data(), flags);
    ::SystemParametersInfoW(SPI_SETMOUSESPEED, 0, reinterpret_cast<void*>(static_cast<INT_PTR>(speed)), flags);
    ::SystemParametersInfoW(SPI_SETWHEELSCROLLLINES, wheelLines, nullptr, flags);
    ::SystemParametersInfoW(SPI_SETDOUBLECLICKTIME, doubleClickTime, nullptr, SPIF_UPDATEINIFILE | SPIF_SENDCHANGE);
  }
};

// A test whose "Save" changes the host settings: they are put back afterwards.
class RestoresHostSettings : public ::testing::Test {
 protected:
  void SetUp() override { original_ = HostSettings::Read(); }
  void TearDown() override { original_.Restore(); }
  HostSettings original_;
};

}  // namespace quendar::test
