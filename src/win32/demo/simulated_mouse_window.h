#pragma once
// The demo build's "Simulated mouse" window: buttons that press the mouse's CPI button, unplug it and
// plug it back, and a live view of what the mouse holds and of the balloons the program showed. It is
// how a user without the mouse, and every end-to-end test, drives the program.
#include <windows.h>

#include <chrono>
#include <memory>
#include <optional>
#include <string>

#include "sim/simulated_mouse.h"
#include "win32/app/app_environment.h"
#include "win32/framework/unique_handle.h"

namespace quendar::win32 {

// Control identifiers, also used by the end-to-end tests.
enum SimulatedMouseControl : int {
  kPressCpiButtonControl = 101,
  kUnplugControl = 102,
  kPlugControl = 103,
  kFailNextSaveControl = 104,
  kStateViewControl = 110,
  kLastBalloonControl = 111,
};
inline constexpr const wchar_t* kSimulatedMouseWindowClass = L"QuendarSimulatedMouse";

// The latest complete profile download on the wire: its exchanges, how long it took from its first packet
// to the end of its last pause, and when it ended on the monotonic clock the pacer also reads (the
// benchmark compares that with the moment it pressed "Save").
struct DownloadSpan {
  int packets = 0;
  std::chrono::microseconds duration{0};
  std::chrono::microseconds end{0};
};

class SimulatedMouseWindow final : public AppCompanion {
 public:
  // Routes the mouse's arrival and removal notices to `mainWindow`; the window itself opens beside it
  // once its first frame is painted.
  SimulatedMouseWindow(HINSTANCE instance, HWND mainWindow, std::shared_ptr<sim::SimulatedMouse> mouse);
  ~SimulatedMouseWindow() override;
  SimulatedMouseWindow(const SimulatedMouseWindow&) = delete;
  SimulatedMouseWindow& operator=(const SimulatedMouseWindow&) = delete;

  void OnBalloonShown(const app::BalloonRecord& balloon) override;
  void Refresh() override;

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  static void CALLBACK OpenAfterFirstFrame(HWND mainWindow, UINT message, UINT_PTR id, DWORD time);
  UINT_PTR OpenTimerId() const;
  void Open();
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void CreateControls();
  void OnCommand(int control);
  void ForwardDeviceNotice(std::uint32_t eventCode, const std::wstring& path);
  // The wall time of the last complete profile download on the wire, if any.
  void UpdateDownloadDuration();

  HINSTANCE instance_;
  HWND mainWindow_;
  std::shared_ptr<sim::SimulatedMouse> mouse_;
  HWND window_ = nullptr;
  HWND stateView_ = nullptr;
  HWND lastBalloon_ = nullptr;
  UniqueFont font_;
  std::optional<DownloadSpan> lastDownload_;
  std::wstring lastBalloonText_ = L"Last balloon: none";
};

}  // namespace quendar::win32
