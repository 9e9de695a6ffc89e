#include "win32/app/tolvane_dlg.h"

#include "win32/app/resource_ids.h"

namespace quendar::win32 {

namespace {
constexpr LONG_PTR kAppWindowStyleBit = WS_EX_APPWINDOW;   // 0x40000
constexpr LONG_PTR kToolWindowStyleBit = WS_EX_TOOLWINDOW;  // 0x80
}  // namespace

CTolvaneDlg::CTolvaneDlg(HINSTANCE instance, AppEnvironment environment)
    : instance_(instance), environment_(environment) {}

CTolvaneDlg::~CTolvaneDlg() = default;

std::span<const MessageEntry<CTolvaneDlg>> CTolvaneDlg::Messages() {
  static const MessageEntry<CTolvaneDlg> table[] = {
      {WM_INITDIALOG, &CTolvaneDlg::OnInitDialog},
      {WM_CLOSE, &CTolvaneDlg::OnClose},
      {WM_DESTROY, &CTolvaneDlg::OnDestroy},
      {WM_TIMER, &CTolvaneDlg::OnTimer},
      {WM_PAINT, &CTolvaneDlg::OnPaint},
      {WM_QUERYDRAGICON, &CTolvaneDlg::OnQueryDragIcon},
  };
  return table;
}

std::span<const CommandEntry<CTolvaneDlg>> CTolvaneDlg::Commands() {
  static const CommandEntry<CTolvaneDlg> table[] = {
      {static_cast<WORD>(app::kExitCommand), &CTolvaneDlg::OnExit},
  };
  return table;
}

bool CTolvaneDlg::PreTranslateMessage(MSG& message) {
  // Enter and Escape never end a skinned window: swallow them before the dialog manager turns them
  // into IDOK / IDCANCEL.
  if (message.message == WM_KEYDOWN && (message.wParam == VK_RETURN || message.wParam == VK_ESCAPE)) {
    return message.hwnd == hwnd() || ::IsChild(hwnd(), message.hwnd);
  }
  return false;
}

MessageResult CTolvaneDlg::OnInitDialog(WPARAM, LPARAM) {
  return Initialize() ? TRUE : FALSE;
}

bool CTolvaneDlg::Initialize() {
  // 1. Single instance: a second process ends here, before any window is shown. An access-denied
  //    answer means the mutex exists under another security context: also "already running".
  instanceMutex_.reset(::CreateMutexW(nullptr, FALSE, app::kSingleInstanceMutexName));
  const DWORD mutexError = ::GetLastError();
  if (mutexError == ERROR_ALREADY_EXISTS || mutexError == ERROR_ACCESS_DENIED) ::ExitProcess(0);

  // 2-3. Title (the frameless template has no caption; the title is the tooltip), icons, and a tool
  //      window: no task-bar button.
  ::SetWindowTextW(hwnd(), app::kWindowTitle);
  LoadIcons();
  BecomeToolWindow();

  // 15. The notification-area icon, with the window title as tooltip.
  trayIcon_.Add(hwnd(), app::kTrayCallbackMessage, smallIcon_, app::kWindowTitle);
  return true;
}

void CTolvaneDlg::LoadIcons() {
  auto load = [this](int cx, int cy) {
    return static_cast<HICON>(::LoadImageW(instance_, MAKEINTRESOURCEW(IDI_APPLICATION_ICON), IMAGE_ICON,
                                           cx, cy, LR_SHARED));
  };
  bigIcon_ = load(::GetSystemMetrics(SM_CXICON), ::GetSystemMetrics(SM_CYICON));
  smallIcon_ = load(::GetSystemMetrics(SM_CXSMICON), ::GetSystemMetrics(SM_CYSMICON));
  ::SendMessageW(hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_));
  ::SendMessageW(hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_));
}

void CTolvaneDlg::BecomeToolWindow() {
  LONG_PTR style = ::GetWindowLongPtrW(hwnd(), GWL_EXSTYLE);
  style = (style & ~kAppWindowStyleBit) | kToolWindowStyleBit;
  ::SetWindowLongPtrW(hwnd(), GWL_EXSTYLE, style);
}

void CTolvaneDlg::StartTimer(app::AppTimer timer, unsigned milliseconds) {
  ::SetTimer(hwnd(), static_cast<UINT_PTR>(timer), milliseconds, nullptr);
}

void CTolvaneDlg::RestoreArrowCursor() {
  HCURSOR arrow = ::LoadCursorW(nullptr, IDC_ARROW);
  ::SetClassLongPtrW(hwnd(), GCLP_HCURSOR, reinterpret_cast<LONG_PTR>(arrow));
  ::SetCursor(arrow);
}

void CTolvaneDlg::ReleaseExternalResources() {
  trayIcon_.Remove();
}

MessageResult CTolvaneDlg::OnClose(WPARAM, LPARAM) {
  ::ShowWindow(hwnd(), SW_HIDE);  // the program lives on in the notification area
  return 0;
}

void CTolvaneDlg::OnExit() {
  ReleaseExternalResources();
  ::DestroyWindow(hwnd());  // ends the modal loop; the application returns exit code 0
}

MessageResult CTolvaneDlg::OnDestroy(WPARAM, LPARAM) {
  ReleaseExternalResources();
  return std::nullopt;
}

MessageResult CTolvaneDlg::OnTimer(WPARAM timerId, LPARAM) {
  ::KillTimer(hwnd(), timerId);  // all timers are one-shot
  switch (static_cast<app::AppTimer>(timerId)) {
    case app::AppTimer::ApplyDebounce:
      applyDebounce_ = false;
      break;
    case app::AppTimer::ResetWaitCursor:
    case app::AppTimer::ApplyWaitCursor:
      RestoreArrowCursor();
      break;
  }
  return 0;
}

MessageResult CTolvaneDlg::OnPaint(WPARAM, LPARAM) {
  if (!::IsIconic(hwnd())) return std::nullopt;
  PAINTSTRUCT paint;
  HDC dc = ::BeginPaint(hwnd(), &paint);
  ::SendMessageW(hwnd(), WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  RECT client;
  ::GetClientRect(hwnd(), &client);
  const int x = (client.right - ::GetSystemMetrics(SM_CXICON) + 1) / 2;
  const int y = (client.bottom - ::GetSystemMetrics(SM_CYICON) + 1) / 2;
  ::DrawIcon(dc, x, y, bigIcon_);
  ::EndPaint(hwnd(), &paint);
  return 0;
}

MessageResult CTolvaneDlg::OnQueryDragIcon(WPARAM, LPARAM) {
  return reinterpret_cast<INT_PTR>(smallIcon_);
}

}  // namespace quendar::win32
