#include "win32/app/tolvane_dlg.h"

#include <windowsx.h>

#include "core/ui/main/main_layout.h"
#include "core/device/device_change.h"
#include "core/ui/interface_language.h"
#include "win32/res/resource_ids.h"
#include "win32/app/startup_steps.h"
#include "win32/app/win32_host_services.h"
#include "win32/framework/left_press.h"
#include "win32/ui/load_png.h"
#include "win32/ui/window_scale.h"
#include "win32/macros/macro_manager_dialog.h"
#include "win32/profiles/module_path.h"
#include "win32/framework/win32_conversions.h"

namespace quendar::win32 {

namespace {

constexpr LONG_PTR kAppWindowStyleBit = WS_EX_APPWINDOW;   // 0x40000
constexpr LONG_PTR kToolWindowStyleBit = WS_EX_TOOLWINDOW;  // 0x80
}  // namespace

CTolvaneDlg::CTolvaneDlg(HINSTANCE instance, AppEnvironment environment)
    : instance_(instance), environment_(std::move(environment)) {}

CTolvaneDlg::~CTolvaneDlg() {
  if (hwnd() != nullptr) ::DestroyWindow(hwnd());
  if (bridge_) bridge_->Stop();
}

std::span<const MessageEntry<CTolvaneDlg>> CTolvaneDlg::Messages() {
  static const MessageEntry<CTolvaneDlg> table[] = {
      {WM_INITDIALOG, &CTolvaneDlg::OnInitDialog},
      {WM_CLOSE, &CTolvaneDlg::OnClose},
      {WM_DESTROY, &CTolvaneDlg::OnDestroy},
      {WM_TIMER, &CTolvaneDlg::OnTimer},
      {WM_PAINT, &CTolvaneDlg::OnPaint},
      {WM_ERASEBKGND, &CTolvaneDlg::OnEraseBackground},
      {WM_QUERYDRAGICON, &CTolvaneDlg::OnQueryDragIcon},
      {app::kTrayCallbackMessage, &CTolvaneDlg::OnTrayCallback},
      {app::kDeviceNoticeMessage, &CTolvaneDlg::OnDeviceNotice},
      {app::kShowMessagesMessage, &CTolvaneDlg::OnShowMessages},
      {app::kProfileRequestMessage, &CTolvaneDlg::OnProfileRequest},
      {WM_DEVICECHANGE, &CTolvaneDlg::OnDeviceChange},
      {WM_LBUTTONDOWN, &CTolvaneDlg::OnLeftButtonDown},
      {WM_LBUTTONDBLCLK, &CTolvaneDlg::OnLeftButtonDoubleClick},
      {WM_MOUSEMOVE, &CTolvaneDlg::OnMouseMove},
      {WM_MOUSEHOVER, &CTolvaneDlg::OnMouseHover},
      {WM_MOUSELEAVE, &CTolvaneDlg::OnMouseLeave},
      {win32::kThumbMovedMessage, &CTolvaneDlg::OnScrollThumb},
      {WM_COMMAND, &CTolvaneDlg::OnCommand},
      {kAfterInputMessage, &CTolvaneDlg::OnAfterInput},
      {WM_GETOBJECT, &CTolvaneDlg::OnGetObject},
      {kAccessibleActionMessage, &CTolvaneDlg::OnAccessibleAction},
      {kLoadImageFailedMessage, &CTolvaneDlg::OnLoadImageFailed},
      {WM_PRINTCLIENT, &CTolvaneDlg::OnPrintClient},
      {WM_SHOWWINDOW, &CTolvaneDlg::OnShowWindow},
      {WM_DPICHANGED, &CTolvaneDlg::OnDpiChanged},
      {WM_SETFOCUS, &CTolvaneDlg::OnSetFocus},
  };
  return table;
}

std::span<const CommandEntry<CTolvaneDlg>> CTolvaneDlg::Commands() {
  static const CommandEntry<CTolvaneDlg> table[] = {
      {static_cast<WORD>(app::kExitCommand), &CTolvaneDlg::OnExit},
  };
  return table;
}

namespace {

std::optional<ui::main::Key> WindowKey(WPARAM key) {
  switch (key) {
    case VK_TAB: return ::GetKeyState(VK_SHIFT) < 0 ? ui::main::Key::BackTab : ui::main::Key::Tab;
    case VK_SPACE: return ui::main::Key::Space;
    case VK_UP: return ui::main::Key::Up;
    case VK_DOWN: return ui::main::Key::Down;
    case VK_LEFT: return ui::main::Key::Left;
    case VK_RIGHT: return ui::main::Key::Right;
    default: return std::nullopt;
  }
}

}  // namespace

bool CTolvaneDlg::TakeKey(MSG& message) {
  const std::optional<ui::main::Key> key = WindowKey(message.wParam);
  if (!key || !controller_ || (message.hwnd != hwnd() && !::IsChild(hwnd(), message.hwnd))) return false;
  if (message.hwnd != hwnd()) {
    // A child that edits text keeps its keys, but Tab leads back to the window's own focus ring.
    const LRESULT wants =
        ::SendMessageW(message.hwnd, WM_GETDLGCODE, message.wParam, reinterpret_cast<LPARAM>(&message));
    if (*key != ui::main::Key::Tab && *key != ui::main::Key::BackTab &&
        (wants & (DLGC_WANTALLKEYS | DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS)) != 0)
      return false;
    ::SetFocus(hwnd());
  }
  controller_->OnKey(*key);
  RefreshCompanion();
  return true;
}

bool CTolvaneDlg::PreTranslateMessage(MSG& message) {
  // Tab, Space and the arrows move and use the window's own focus before the dialog manager sees them.
  if (message.message == WM_KEYDOWN && TakeKey(message)) return true;
  return KeepEnterAndEscapeFromDialogManager(hwnd(), message);
}

MessageResult CTolvaneDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  // The shell's restart message has no fixed number, so it cannot stand in the message table.
  if (trayIcon_.IsTaskbarCreated(message)) {
    trayIcon_.Restore();
    return 0;
  }
  return MessageTableDialog::OnMessage(message, wParam, lParam);
}

MessageResult CTolvaneDlg::OnInitDialog(WPARAM, LPARAM) {
  return Initialize() ? TRUE : FALSE;
}

bool CTolvaneDlg::Initialize() {
  // Single instance: a second process ends here, before any window is shown. An access-denied
  // answer means the mutex exists under another security context: also "already running".
  instanceMutex_.reset(::CreateMutexW(nullptr, FALSE, app::kSingleInstanceMutexName));
  const DWORD mutexError = ::GetLastError();
  if (mutexError == ERROR_ALREADY_EXISTS || mutexError == ERROR_ACCESS_DENIED) ::ExitProcess(0);

  // Title (the frameless template has no caption; the title is the tooltip), icons, a tool window
  // without a task-bar button, and the handle the reader's notices go to.
  window_ = hwnd();
  ::SetWindowTextW(window_, app::kWindowTitle);
  LoadIcons();
  BecomeToolWindow();

  hostServices_ = std::make_unique<Win32HostServices>(window_);
  CreateDeviceLink();
  controller_ = std::make_unique<MainWindowController>(window_, *session_, language_, ReportedPlatformVersion());
  CreateProfilesUi();
  bridge_ = std::make_unique<ReaderBridge>(window_, app::kDeviceNoticeMessage,
                                           ReaderBridge::WindowWork{[this] { Hide(); }, [this] { RunConnectionSteps(); }});
  if (environment_.createCompanion) companion_ = environment_.createCompanion(instance_, window_);

  StartupSteps steps({window_, smallIcon_, *link_, *bridge_, *session_, *controller_, trayIcon_, language_});
  startupComplete_ = app::RunStartupSequence(steps, *session_, *this, language_);
  RefreshCompanion();
  WireMacroManager();
  return startupComplete_;
}

void CTolvaneDlg::CreateProfilesUi() {
  // The profile manager and the help panel draw from the main window's skin; their closing clears the
  // main view's flags ("Config" opens one manager, the help button toggles).
  ProfilesUi::Callbacks callbacks;
  callbacks.managerClosed = [this] {
    if (controller_) controller_->ProfileManagerClosed();
  };
  callbacks.helpClosed = [this] {
    if (controller_) controller_->HelpClosed();
  };
  profilesUi_ = std::make_unique<ProfilesUi>(instance_, window_, controller_->skin(), fileSystem_,
                                             session_->files().paths().listPath,
                                             session_->state().currentProfileIndex, std::move(callbacks));
  MainWindowDialogs dialogs;
  dialogs.openHelp = [this] {
    if (!profilesUi_->OpenHelp()) controller_->HelpClosed();
  };
  dialogs.closeHelp = [this] { profilesUi_->CloseHelp(); };
  dialogs.hide = [this] { Hide(); };
  dialogs.openProfileManager = [this] {
    if (!profilesUi_->OpenProfileManager()) controller_->ProfileManagerClosed();
  };
  controller_->SetDialogs(std::move(dialogs));
}

void CTolvaneDlg::WireMacroManager() {
  controller_->SetMacroManager([this] {
    RunMacroManager(instance_, window_, controller_->skin(), macroSession_, fileSystem_,
                    session_->files().paths().macroStorePath, session_->state().record);
  });
}

void CTolvaneDlg::CreateDeviceLink() {
  // Every build supplies its HID stack: the platform's or the simulated mouse's.
  hidBackend_ = environment_.hidBackend;
  link_ = std::make_unique<device::DeviceLink>(*hidBackend_);
  session_ = std::make_unique<app::AppSession>(
      app::AppSession::Dependencies{*link_, fileSystem_, *hostServices_, *this, systemParameters_, warnings_, language_,
                                    [this] { ::PostMessageW(window_, app::kShowMessagesMessage, 0, 0); }},
      ModulePath());
  // Only one copy runs, so a temporary file beside the program is what a killed save left behind.
  session_->RemoveStaleTemporaryFiles();
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

// --- The window as the core sees it -----------------------------------------------------------

void CTolvaneDlg::ShowWaitCursor() {
  HCURSOR wait = ::LoadCursorW(nullptr, IDC_WAIT);
  ::SetClassLongPtrW(hwnd(), GCLP_HCURSOR, reinterpret_cast<LONG_PTR>(wait));
  ::SetCursor(wait);
}

void CTolvaneDlg::RestoreArrowCursor() {
  HCURSOR arrow = ::LoadCursorW(nullptr, IDC_ARROW);
  ::SetClassLongPtrW(hwnd(), GCLP_HCURSOR, reinterpret_cast<LONG_PTR>(arrow));
  ::SetCursor(arrow);
}

void CTolvaneDlg::StartTimer(app::AppTimer timer, unsigned milliseconds) {
  ::SetTimer(hwnd(), static_cast<UINT_PTR>(timer), milliseconds, nullptr);
}

void CTolvaneDlg::ClosePopupLists() { controller_->ClosePopupLists(); }

void CTolvaneDlg::DrawMainPage() { controller_->DrawMainPage(); }

void CTolvaneDlg::RedrawCurrentPage() { controller_->RedrawCurrentPage(); }

void CTolvaneDlg::Hide() {
  if (!startupComplete_) return ExitInsteadOfHiding();
  ::ShowWindow(hwnd(), SW_HIDE);
}

void CTolvaneDlg::ExitInsteadOfHiding() {
  // Posted: a caller in the middle of an operation finishes before the window goes.
  ::PostMessageW(hwnd(), WM_COMMAND, app::kExitCommand, 0);
}

void CTolvaneDlg::ShowInForeground() {
  ::SetForegroundWindow(hwnd());
  ::ShowWindow(hwnd(), SW_SHOW);
}

void CTolvaneDlg::ShowTrayMenu(std::wstring_view exitText) {
  TrayIcon::TrackExitMenu(hwnd(), exitText, app::kExitCommand);
}

void CTolvaneDlg::ShowBalloon(const app::BalloonRecord& balloon) {
  trayIcon_.ShowBalloon(balloon);
  if (companion_) companion_->OnBalloonShown(balloon);
}

void CTolvaneDlg::SendDeviceNotice(unsigned code, std::intptr_t argument) {
  bridge_->SendDeviceNotice(code, argument);
}

void CTolvaneDlg::RunConnectionSteps() {
  session_->RunConnectionSteps();
  RedrawCurrentPage();
}

void CTolvaneDlg::RefreshCompanion() {
  if (companion_) companion_->Refresh();
}

// --- Messages -----------------------------------------------------------------------------------

MessageResult CTolvaneDlg::OnTrayCallback(WPARAM, LPARAM lParam) {
  session_->tray().OnTrayCallback(static_cast<unsigned>(lParam));
  return 0;
}

MessageResult CTolvaneDlg::OnDeviceNotice(WPARAM code, LPARAM argument) {
  session_->tray().OnDeviceNotice(static_cast<unsigned>(code), static_cast<std::intptr_t>(argument));
  RefreshCompanion();
  return 0;
}

MessageResult CTolvaneDlg::OnShowMessages(WPARAM, LPARAM) {
  for (const app::UserMessage& message : warnings_.Take()) {
    hostServices_->ShowMessage(message.text, message.caption);
  }
  for (const app::UserMessage& message : session_->messages().Take()) {
    hostServices_->ShowMessage(message.text, message.caption);
  }
  return 0;
}

MessageResult CTolvaneDlg::OnProfileRequest(WPARAM request, LPARAM slot) {
  switch (session_->OnProfileRequest(static_cast<unsigned>(request), static_cast<std::intptr_t>(slot))) {
    case app::PageUpdate::CloseListsAndRedraw:
      ClosePopupLists();
      RedrawCurrentPage();
      break;
    case app::PageUpdate::Redraw:
      RedrawCurrentPage();
      break;
    case app::PageUpdate::None:
      break;
  }
  return 0;
}

MessageResult CTolvaneDlg::OnDeviceChange(WPARAM eventCode, LPARAM lParam) {
  const std::optional<device::DeviceChangeNotice> notice = ReadDeviceChangeNotice(lParam);
  device::OnDeviceChange(*link_, *bridge_, static_cast<std::uint32_t>(eventCode), notice ? &*notice : nullptr);
  RefreshCompanion();
  return TRUE;
}

MessageResult CTolvaneDlg::OnLeftButtonDown(WPARAM, LPARAM lParam) {
  controller_->OnPress(PointOf(lParam));
  RefreshCompanion();
  return 0;
}

MessageResult CTolvaneDlg::OnLeftButtonDoubleClick(WPARAM wParam, LPARAM lParam) {
  // Everything drawn on the main window is a surface control; its list boxes and thumb are windows of
  // their own.
  if (!IsLeftPress(WM_LBUTTONDBLCLK, ui::ClickTarget::Surface)) return 0;
  return OnLeftButtonDown(wParam, lParam);
}

MessageResult CTolvaneDlg::OnMouseMove(WPARAM, LPARAM lParam) {
  controller_->OnMove(PointOf(lParam));
  return 0;
}

MessageResult CTolvaneDlg::OnMouseHover(WPARAM, LPARAM lParam) {
  controller_->OnHover(PointOf(lParam));
  return 0;
}

MessageResult CTolvaneDlg::OnMouseLeave(WPARAM, LPARAM) {
  controller_->OnLeave();
  return 0;
}

MessageResult CTolvaneDlg::OnScrollThumb(WPARAM top, LPARAM from) {
  // Only the thumb's own report (second parameter 0) moves the page.
  if (from != 0) return std::nullopt;
  controller_->OnThumbMoved(static_cast<int>(top));
  return 0;
}

MessageResult CTolvaneDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (lParam != 0 && controller_ && controller_->OnChildCommand(wParam, lParam)) return 0;
  // The dialog manager's Enter / Escape and stray IDOK / IDCANCEL never end the main window.
  if (lParam == 0 && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) return 0;
  return std::nullopt;
}

MessageResult CTolvaneDlg::OnAfterInput(WPARAM, LPARAM) {
  if (controller_) controller_->RunOwedModals();
  RefreshCompanion();
  return 0;
}

MessageResult CTolvaneDlg::OnGetObject(WPARAM wParam, LPARAM lParam) {
  return controller_ ? controller_->OnGetObject(wParam, lParam) : 0;
}

MessageResult CTolvaneDlg::OnAccessibleAction(WPARAM id, LPARAM) {
  if (controller_) controller_->OnAccessibleAction(static_cast<int>(id));
  RefreshCompanion();
  return 0;
}

MessageResult CTolvaneDlg::OnLoadImageFailed(WPARAM, LPARAM) {
  ShowLoadImageFailed(hwnd());
  return 0;
}

MessageResult CTolvaneDlg::OnPrintClient(WPARAM dc, LPARAM) {
  if (controller_) controller_->PrintClient(reinterpret_cast<HDC>(dc));
  return 0;
}

MessageResult CTolvaneDlg::OnShowWindow(WPARAM shown, LPARAM) {
  if (!shown && controller_) controller_->ReleaseWhileHidden();
  return std::nullopt;  // the dialog manager's own handling goes on
}

MessageResult CTolvaneDlg::OnDpiChanged(WPARAM dpi, LPARAM suggested) {
  if (controller_) controller_->OnDpiChanged(ScaleOfDpiChange(dpi), reinterpret_cast<const RECT*>(suggested));
  return 0;
}

MessageResult CTolvaneDlg::OnSetFocus(WPARAM, LPARAM) {
  // The window's own focus ring takes the keyboard: the dialog manager would hand it on to the first
  // child (the scroll thumb, which a reload replaces), and then no window would have it.
  return 0;
}

MessageResult CTolvaneDlg::OnClose(WPARAM, LPARAM) {
  Hide();  // the program lives on in the notification area, if it got there
  return 0;
}

void CTolvaneDlg::ReleaseExternalResources() {
  if (link_) link_->MarkAbsent();  // closes the command and event interfaces
  trayIcon_.Remove();
}

void CTolvaneDlg::OnExit() {
  ReleaseExternalResources();
  ::DestroyWindow(hwnd());  // ends the modal loop; the application returns exit code 0
}

MessageResult CTolvaneDlg::OnDestroy(WPARAM, LPARAM) {
  ReleaseExternalResources();
  companion_.reset();
  return std::nullopt;
}

MessageResult CTolvaneDlg::OnTimer(WPARAM timerId, LPARAM) {
  ::KillTimer(hwnd(), timerId);  // all timers are one-shot
  switch (static_cast<app::AppTimer>(timerId)) {
    case app::AppTimer::ApplyDebounce:
    case app::AppTimer::ResetWaitCursor:
    case app::AppTimer::ApplyWaitCursor:
      controller_->OnApplyTimer(static_cast<app::AppTimer>(timerId));
      break;
    default:
      return std::nullopt;
  }
  return 0;
}

MessageResult CTolvaneDlg::OnEraseBackground(WPARAM, LPARAM) {
  if (::IsIconic(hwnd())) return std::nullopt;
  return TRUE;  // the paint covers every pixel
}

MessageResult CTolvaneDlg::OnPaint(WPARAM, LPARAM) {
  PaintScope paint(hwnd());
  if (!::IsIconic(hwnd())) {
    if (controller_) controller_->OnPaint(paint.dc(), paint.invalid());
    return 0;
  }
  ::SendMessageW(hwnd(), WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(paint.dc()), 0);
  RECT client;
  ::GetClientRect(hwnd(), &client);
  const int x = (client.right - ::GetSystemMetrics(SM_CXICON) + 1) / 2;
  const int y = (client.bottom - ::GetSystemMetrics(SM_CYICON) + 1) / 2;
  ::DrawIcon(paint.dc(), x, y, bigIcon_);
  return 0;
}

MessageResult CTolvaneDlg::OnQueryDragIcon(WPARAM, LPARAM) {
  return reinterpret_cast<INT_PTR>(smallIcon_);
}

}  // namespace quendar::win32
