#pragma once
// Between the main window's messages and the portable main view: pointer messages become the view's
// events, and the view's effects become paints, commands and platform calls. Owns what the window shows
// with (the skin's decoded images, the fonts) and what lives inside it (the section panels, the popup
// function lists, the scroll thumb).
#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/app/app_session.h"
#include "core/ui/display_scale.h"
#include "core/ui/interface_language.h"
#include "core/ui/language_fonts.h"
#include "core/ui/main/main_view.h"
#include "core/ui/assignment/button_function_lists.h"
#include "core/ui/main/panel.h"
#include "win32/framework/accessible_window.h"
#include "win32/framework/com_ptr.h"
#include "win32/framework/unique_handle.h"
#include "win32/ui/fonts.h"
#include "win32/ui/scroll_thumb.h"
#include "win32/ui/skin.h"

namespace quendar::win32 {

class Win32PanelPlatform;

// Posted to the main window when an input asked for a modal window (the colour dialog, the macro
// manager, a key capture or macro choice dialog): their own message loops run only once that input's
// handling is over, never inside it.
inline constexpr UINT kAfterInputMessage = WM_APP + 0x2B1;
// Posted by a screen reader's default action on a node (wParam: the node's id).
inline constexpr UINT kAccessibleActionMessage = WM_APP + 0x2B2;
class Win32AssignmentPlatform;

// Windows the main window starts but other parts own. An empty hook does nothing.
struct MainWindowDialogs {
  std::function<void()> openHelp;
  std::function<void()> closeHelp;
  std::function<void()> openProfileManager;
  // Modal; returns once the dialog has ended (its OK has already updated the record).
  std::function<void()> runMacroManager;
  // The window's own hide rule: after a start-up that stopped early there is no tray icon to bring it
  // back, so hiding ends the program.
  std::function<void()> hide;
};

class MainWindowController {
 public:
  MainWindowController(HWND window, app::AppSession& session, const ui::InterfaceLanguage& language,
                       ui::PlatformVersion platform);
  ~MainWindowController();
  MainWindowController(const MainWindowController&) = delete;
  MainWindowController& operator=(const MainWindowController&) = delete;

  // Start-up: the skin folder (returns whether "/main.png" is there; the window takes its size), the text
  // colour, the fonts.
  bool LoadSkin(const std::wstring& folder);
  void SetTextColor(ui::Color color);
  void CreateFonts(const ui::MainWindowFonts& fonts);
  void SetDialogs(MainWindowDialogs dialogs) { dialogs_ = std::move(dialogs); }
  void SetMacroManager(std::function<void()> run) { dialogs_.runMacroManager = std::move(run); }

  // Messages. Points and rectangles arrive in the window's device pixels; the view works in the skin's
  // logical pixels, and this is where the two meet.
  void OnPaint(HDC dc, const RECT& invalid);
  // WM_PRINTCLIENT: the whole client area into `dc` (what the scroll thumb shows under its edges).
  void PrintClient(HDC dc);
  void OnPress(ui::Point point);
  void OnMove(ui::Point point);
  void OnHover(ui::Point point);
  void OnLeave();
  // `top` in logical pixels (the thumb maps its own).
  void OnThumbMoved(int top);
  // WM_DPICHANGED: the window moved to a monitor of another scale; `suggested` is the platform's new
  // window rectangle (null: the window keeps its place).
  void OnDpiChanged(ui::DisplayScale scale, const RECT* suggested);
  // A child control's WM_COMMAND; false when no panel or list owns it.
  bool OnChildCommand(WPARAM wParam, LPARAM lParam);
  // kAfterInputMessage: the modal windows the last input asked for, now that it is fully handled.
  void RunOwedModals();
  // Keyboard: Tab, Shift+Tab, Space and the arrows.
  void OnKey(ui::main::Key key);
  // WM_GETOBJECT: the client area's accessible object for screen readers.
  LRESULT OnGetObject(WPARAM wParam, LPARAM lParam);
  // kAccessibleActionMessage.
  void OnAccessibleAction(int id);

  // What the application core asks for.
  void DrawMainPage();
  void RedrawCurrentPage();
  void ClosePopupLists();
  // The window went to the notification area: the decoded images go (the first paint after showing
  // decodes again) and the process's pages are offered back to the system.
  void ReleaseWhileHidden();
  // The apply's one-shot timers: the debounce period and the wait cursor.
  void OnApplyTimer(app::AppTimer timer);
  bool mainPageDrawn() const { return view_.state().mainPageDrawn; }
  // Windows this one opened report that they closed.
  void HelpClosed() { view_.HelpClosed(); }
  void ProfileManagerClosed() { view_.ProfileManagerClosed(); }

  Skin& skin() { return skin_; }
  ui::DisplayScale scale() const { return scale_; }
  const ui::main::MainView& view() const { return view_; }

 private:
  void LetSaveThroughWhenIdle();
  void MakeFonts();
  ui::Point Logical(ui::Point device) const { return scale_.ToLogical(device); }
  void Carry(const ui::main::Effects& effects);
  void Run(ui::main::Command command);
  void Repaint(const ui::Rect& area);
  void PaintNow(HDC dc, const ui::Rect& area);
  void RefreshContent();
  void RequestPointerNotices();
  void PlaceThumb(const ui::Rect& box);
  void AttachFunctionLists();
  // Carries out an input's effects; then asks for the modal windows they owe.
  void CarryInput(const ui::main::Effects& effects);
  // An input that may change what screen readers are told: `event` runs the view's event and returns its
  // effects; the changes are announced when a reader asked for the window or the input was a key.
  template <class Event>
  void Handle(Event event, bool keyboard = false);
  void OweModal(std::function<void()> run);
  void ChooseColour(int target);

  HWND window_;
  app::AppSession& session_;
  const ui::InterfaceLanguage& language_;
  Skin skin_;
  ui::DisplayScale scale_;
  ui::Size logicalClient_;
  ui::MainWindowFonts fontSpecs_;
  FontTable fonts_;
  UniqueFont labelFont_;
  UniqueFont titleFont_;
  UniqueFont arialFont_;

  std::unique_ptr<Win32PanelPlatform> panelPlatform_;
  ui::main::PanelSet panels_;
  std::unique_ptr<Win32AssignmentPlatform> assignmentPlatform_;
  std::unique_ptr<ui::assignment::ButtonFunctionLists> functionLists_;
  ui::main::MainView view_;
  MainWindowDialogs dialogs_;
  std::vector<std::function<void()>> owedModals_;
  bool owedPosted_ = false;
  std::unique_ptr<ScrollThumb> thumb_;
  bool trackingPointer_ = false;
  bool backgroundMissing_ = false;
  // Screen readers: COM on the window's thread from the first request, and the object they were given.
  std::optional<ComApartment> apartment_;
  ComPtr<AccessibleWindow> accessible_;
};

}  // namespace quendar::win32
