#include "win32/demo/simulated_mouse_window.h"

#include <cstdio>
#include <vector>

#include "core/text/hex.h"
#include "win32/device/device_notification.h"

namespace quendar::win32 {

namespace {

constexpr UINT_PTR kRefreshTimer = 1;
constexpr UINT kRefreshMs = 500;
constexpr UINT kOpenDelayMs = 100;
constexpr int kWidth = 640;
constexpr int kHeight = 430;
// Opcodes that open and close a profile download on the wire.
constexpr std::uint8_t kFirstDownloadOpcode = 0x01;
constexpr std::uint8_t kLastDownloadOpcode = 0x12;
// The wire log is cut back when it grows past this, after the last download's time was taken.
constexpr std::size_t kWireLogLimit = 20000;

std::wstring Hex(std::span<const std::uint8_t> bytes) { return text::WideHexBytes(bytes); }

std::wstring DescribeState(const sim::MouseState& state, bool plugged, const std::optional<DownloadSpan>& lastDownload) {
  std::wstring text = plugged ? L"Plugged in" : L"Unplugged";
  text += L"\r\nSensor (type, rate, option 1, option 2): " + Hex(state.sensorSettings);
  text += L"\r\nReport rate code: " + std::to_wstring(state.reportRateCode);
  text += L"\r\nStages (" + std::to_wstring(state.stageCount) + L"): " + Hex(state.stageBytes);
  text += L"\r\nCurrent stage: " + std::to_wstring(state.currentStage);
  text += L"\r\nLighting effect: " + Hex(state.lightingEffect);
  text += L"\r\nLighting parameters: " + Hex(state.lightingParameters[0]) + L" / " + Hex(state.lightingParameters[1]);
  text += L"\r\nSensitivity X, Y: " + Hex(state.sensitivity);
  text += L"\r\nColours 0: " + Hex(std::span(state.colourBlocks[0]).first(12));
  text += L"\r\n           " + Hex(std::span(state.colourBlocks[0]).subspan(12));
  text += L"\r\nColours 1: " + Hex(std::span(state.colourBlocks[1]).first(12));
  text += L"\r\n           " + Hex(std::span(state.colourBlocks[1]).subspan(12));
  text += L"\r\nKey matrix 1: " + Hex(std::span(state.keyMatrices[0]).first(16)) + L" ...";
  text += L"\r\nMacro blocks (first 8 bytes):";
  for (const auto& block : state.macroBlocks) text += L" | " + Hex(std::span(block).first(8));
  text += L"\r\nLast download: ";
  if (lastDownload) {
    wchar_t figures[96];
    std::swprintf(figures, 96, L" exchanges, %.1f ms, ended at %lld us",
                  static_cast<double>(lastDownload->duration.count()) / 1000.0,
                  static_cast<long long>(lastDownload->end.count()));
    text += std::to_wstring(lastDownload->packets) + figures;
  } else {
    text += L"none";
  }
  return text;
}

// The host pointer settings as this process now sees them: what the last apply left.
std::wstring DescribeHostSettings() {
  int mouse[3] = {};
  int speed = 0;
  UINT wheelLines = 0;
  ::SystemParametersInfoW(SPI_GETMOUSE, 0, mouse, 0);
  ::SystemParametersInfoW(SPI_GETMOUSESPEED, 0, &speed, 0);
  ::SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &wheelLines, 0);
  wchar_t text[160];
  std::swprintf(text, 160, L"\r\nHost acceleration, speed, wheel lines, double-click: %d %d %d, %d, %u, %u", mouse[0],
                mouse[1], mouse[2], speed, wheelLines, ::GetDoubleClickTime());
  return text;
}

}  // namespace

SimulatedMouseWindow::SimulatedMouseWindow(HINSTANCE instance, HWND mainWindow,
                                           std::shared_ptr<sim::SimulatedMouse> mouse)
    : instance_(instance), mainWindow_(mainWindow), mouse_(std::move(mouse)) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.lpfnWndProc = &WindowProc;
  windowClass.hInstance = instance_;
  windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = kSimulatedMouseWindowClass;
  ::RegisterClassExW(&windowClass);  // fails harmlessly when already registered

  mouse_->SetNoticeSink(
      [this](std::uint32_t eventCode, const std::wstring& path) { ForwardDeviceNotice(eventCode, path); });
  // The window opens a moment after the main window's first frame: a timer's message comes only when no
  // paint is pending, and the pause lets the thread go idle first, which is when Wine puts a painted
  // frame on the screen. The main window does not wait for a second top-level window's creation. The
  // timer's identifier is this object, the one the callback opens the window of.
  if (::SetTimer(mainWindow_, OpenTimerId(), kOpenDelayMs, &OpenAfterFirstFrame) == 0) Open();
}

UINT_PTR SimulatedMouseWindow::OpenTimerId() const { return reinterpret_cast<UINT_PTR>(this); }

void CALLBACK SimulatedMouseWindow::OpenAfterFirstFrame(HWND mainWindow, UINT, UINT_PTR id, DWORD) {
  ::KillTimer(mainWindow, id);
  reinterpret_cast<SimulatedMouseWindow*>(id)->Open();
}

void SimulatedMouseWindow::Open() {
  if (window_ != nullptr) return;
  window_ = ::CreateWindowExW(0, kSimulatedMouseWindowClass, L"Simulated mouse",
                              WS_OVERLAPPED | WS_CAPTION | WS_MINIMIZEBOX | WS_VISIBLE, 20, 20, kWidth, kHeight,
                              nullptr, nullptr, instance_, this);
  if (window_ == nullptr) return;
  CreateControls();
  ::SetTimer(window_, kRefreshTimer, kRefreshMs, nullptr);
  Refresh();
}

SimulatedMouseWindow::~SimulatedMouseWindow() {
  ::KillTimer(mainWindow_, OpenTimerId());
  mouse_->SetNoticeSink({});
  if (window_ != nullptr) {
    ::SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    ::DestroyWindow(window_);
  }
}

void SimulatedMouseWindow::CreateControls() {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  if (::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) {
    font_.reset(::CreateFontIndirectW(&metrics.lfMessageFont));
  }
  auto add = [this](const wchar_t* cls, const wchar_t* text, DWORD style, int x, int y, int w, int h, int id) {
    HWND control = ::CreateWindowExW(0, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, window_,
                                     reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance_, nullptr);
    if (font_) ::SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
    return control;
  };
  add(L"BUTTON", L"Press CPI button", BS_PUSHBUTTON, 10, 10, 140, 28, kPressCpiButtonControl);
  add(L"BUTTON", L"Unplug", BS_PUSHBUTTON, 160, 10, 90, 28, kUnplugControl);
  add(L"BUTTON", L"Plug in", BS_PUSHBUTTON, 260, 10, 90, 28, kPlugControl);
  add(L"BUTTON", L"Fail the next Save", BS_PUSHBUTTON, 360, 10, 140, 28, kFailNextSaveControl);
  stateView_ = add(L"EDIT", L"", ES_MULTILINE | ES_READONLY | WS_BORDER | WS_VSCROLL, 10, 48, kWidth - 36, 290,
                   kStateViewControl);
  lastBalloon_ = add(L"STATIC", lastBalloonText_.c_str(), SS_LEFT, 10, 346, kWidth - 36, 40, kLastBalloonControl);
}

LRESULT CALLBACK SimulatedMouseWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
    ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<SimulatedMouseWindow*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (self == nullptr) return ::DefWindowProcW(hwnd, message, wParam, lParam);
  if (self->window_ == nullptr) self->window_ = hwnd;
  return self->OnMessage(message, wParam, lParam);
}

LRESULT SimulatedMouseWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if (HIWORD(wParam) == BN_CLICKED) OnCommand(LOWORD(wParam));
      return 0;
    case WM_TIMER:
      if (wParam == kRefreshTimer) Refresh();
      return 0;
    case WM_CLOSE:
      return 0;  // lives as long as the program
    case WM_NCDESTROY:
      window_ = nullptr;
      break;
    default:
      break;
  }
  return ::DefWindowProcW(window_, message, wParam, lParam);
}

void SimulatedMouseWindow::OnCommand(int control) {
  switch (control) {
    case kPressCpiButtonControl:
      // The event report reaches the program's reader thread, as a real press would.
      if (mouse_->Plugged()) mouse_->PressCpiButton();
      break;
    case kUnplugControl:
      if (mouse_->Plugged()) mouse_->Unplug();
      break;
    case kPlugControl:
      if (!mouse_->Plugged()) mouse_->Plug();
      break;
    case kFailNextSaveControl:
      // The mouse rejects the packet of the download's 17th exchange (the second macro block).
      mouse_->InjectFault(sim::Fault::RejectedPacket, 1, 16);
      break;
    default:
      return;
  }
  Refresh();
}

void SimulatedMouseWindow::ForwardDeviceNotice(std::uint32_t eventCode, const std::wstring& path) {
  // The notice the platform would broadcast, delivered to the main window the same way.
  SendDeviceChange(mainWindow_, eventCode, path);
}

void SimulatedMouseWindow::OnBalloonShown(const app::BalloonRecord& balloon) {
  wchar_t details[96];
  std::swprintf(details, 96, L"  [flags 0x%02X, icon %u, %u ms]", balloon.iconFlags, balloon.infoIcon,
                balloon.timeoutMs);
  lastBalloonText_ = L"Last balloon: " + balloon.title + L" | " + balloon.text + details;
  if (lastBalloon_ != nullptr) ::SetWindowTextW(lastBalloon_, lastBalloonText_.c_str());
}

void SimulatedMouseWindow::UpdateDownloadDuration() {
  const std::vector<sim::WireEntry> log = mouse_->WireLog();
  std::optional<std::size_t> start;       // the report-rate packet that opens the latest download
  std::optional<std::size_t> completeStart, lastMatrix;
  for (std::size_t i = 0; i < log.size(); ++i) {
    if (log[i].kind != sim::WireKind::FeatureOut || log[i].Payload().empty()) continue;
    const std::uint8_t opcode = log[i].Payload()[0];
    if (opcode == kFirstDownloadOpcode) {
      start = i;
    } else if (opcode == kLastDownloadOpcode && start) {
      completeStart = start;
      lastMatrix = i;
    }
  }
  if (completeStart && lastMatrix) {
    // The download ends with the chunks and the pause that follow its last matrix packet.
    std::size_t end = *lastMatrix;
    while (end + 1 < log.size() && log[end + 1].kind != sim::WireKind::FeatureOut) ++end;
    const auto& last = log[end];
    DownloadSpan span{0, last.at + last.pause - log[*completeStart].at, last.at + last.pause};
    for (std::size_t i = *completeStart; i <= end; ++i) span.packets += log[i].kind == sim::WireKind::FeatureOut;
    lastDownload_ = span;
  }
  if (log.size() > kWireLogLimit) mouse_->ClearWireLog();
}

void SimulatedMouseWindow::Refresh() {
  if (stateView_ == nullptr) return;
  UpdateDownloadDuration();
  const std::wstring text =
      DescribeState(mouse_->State(), mouse_->Plugged(), lastDownload_) + DescribeHostSettings();
  std::vector<wchar_t> shown(static_cast<std::size_t>(::GetWindowTextLengthW(stateView_)) + 1);
  ::GetWindowTextW(stateView_, shown.data(), static_cast<int>(shown.size()));
  if (text != shown.data()) ::SetWindowTextW(stateView_, text.c_str());
}

}  // namespace quendar::win32
