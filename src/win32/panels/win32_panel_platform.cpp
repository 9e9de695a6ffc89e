#include "win32/panels/win32_panel_platform.h"

#include <commdlg.h>

#include "core/ui/panels/scroll_speed_panel.h"
#include "win32/framework/common_dialogs.h"
#include "win32/framework/win32_conversions.h"

namespace quendar::win32 {

namespace {

static_assert(ui::panels::kEditChangedNotice == EN_CHANGE);

constexpr wchar_t kColourBoxClass[] = L"QuendarColourBox";

// A colour box shows one solid colour (kept in the window's user data) and is transparent to the mouse,
// so that a press on it reaches the main window beneath and the panel decides what it means.
LRESULT CALLBACK ColourBoxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_NCHITTEST:
      return HTTRANSPARENT;
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      PAINTSTRUCT paint;
      if (HDC dc = ::BeginPaint(window, &paint)) {
        const auto colour = static_cast<COLORREF>(::GetWindowLongPtrW(window, GWLP_USERDATA));
        UniqueBrush brush(::CreateSolidBrush(colour));
        RECT client;
        ::GetClientRect(window, &client);
        if (brush) ::FillRect(dc, &client, brush.get());
        ::EndPaint(window, &paint);
      }
      return 0;
    }
    default:
      return ::DefWindowProcW(window, message, wParam, lParam);
  }
}

bool RegisterColourBoxClass(HINSTANCE instance) {
  WNDCLASSEXW cls{};
  cls.cbSize = sizeof(cls);
  cls.lpfnWndProc = ColourBoxProc;
  cls.hInstance = instance;
  cls.lpszClassName = kColourBoxClass;
  cls.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  return ::RegisterClassExW(&cls) != 0 || ::GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

// The number box uses the main window's font for values: 13-pixel Arial.
HFONT CreateNumberFont(ui::DisplayScale scale) {
  return ::CreateFontW(scale.ToDevice(-13), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, VARIABLE_PITCH | FF_SWISS, L"Arial");
}

}  // namespace

Win32PanelPlatform::Win32PanelPlatform(HWND parent) : parent_(parent), numberFont_(CreateNumberFont(scale_)) {}

void Win32PanelPlatform::SetScale(ui::DisplayScale scale) {
  if (scale == scale_) return;
  scale_ = scale;
  numberFont_.reset(CreateNumberFont(scale_));
  for (auto& [id, child] : children_) {
    const ui::Rect device = scale_.ToDevice(child.box);
    ::SetWindowPos(child.window.get(), nullptr, device.left, device.top, device.Width(), device.Height(),
                   SWP_NOZORDER | SWP_NOACTIVATE);
    // Colour boxes ignore the font.
    if (numberFont_) ::SendMessageW(child.window.get(), WM_SETFONT, reinterpret_cast<WPARAM>(numberFont_.get()), TRUE);
  }
}

Win32PanelPlatform::~Win32PanelPlatform() = default;

void Win32PanelPlatform::Fail(const char* operation) { lastError_ = PanelPlatformError{operation, ::GetLastError()}; }

HWND Win32PanelPlatform::child(int id) const {
  auto it = children_.find(id);
  return it == children_.end() ? nullptr : it->second.window.get();
}

void Win32PanelPlatform::ShowChild(const ui::main::ChildControl& control) {
  DestroyChild(control.id);
  HWND window = control.kind == ui::main::ChildKind::ColourBox ? CreateColourBox(control) : CreateNumberBox(control);
  if (window) children_.emplace(control.id, Child{UniqueChildWindow(window), control.box});
}

HWND Win32PanelPlatform::CreateColourBox(const ui::main::ChildControl& control) {
  const auto instance = reinterpret_cast<HINSTANCE>(::GetWindowLongPtrW(parent_, GWLP_HINSTANCE));
  if (!RegisterColourBoxClass(instance)) {
    Fail("RegisterClassExW(colour box)");
    return nullptr;
  }
  const ui::Rect r = scale_.ToDevice(control.box);
  HWND box = ::CreateWindowExW(0, kColourBoxClass, L"", WS_CHILD | WS_VISIBLE | WS_DISABLED, r.left, r.top,
                               r.Width(), r.Height(), parent_,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.id)), instance, nullptr);
  if (!box) {
    Fail("CreateWindowExW(colour box)");
    return nullptr;
  }
  ::SetWindowLongPtrW(box, GWLP_USERDATA, static_cast<LONG_PTR>(ToColorRef(control.colour)));
  ::InvalidateRect(box, nullptr, TRUE);
  return box;
}

HWND Win32PanelPlatform::CreateNumberBox(const ui::main::ChildControl& control) {
  const auto instance = reinterpret_cast<HINSTANCE>(::GetWindowLongPtrW(parent_, GWLP_HINSTANCE));
  const ui::Rect r = scale_.ToDevice(control.box);
  DWORD style = WS_CHILD | WS_VISIBLE | ES_CENTER | ES_AUTOHSCROLL;
  if (!control.enabled) style |= WS_DISABLED;
  HWND edit = ::CreateWindowExW(0, L"EDIT", control.text.c_str(), style, r.left, r.top, r.Width(), r.Height(),
                                parent_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.id)), instance,
                                nullptr);
  if (!edit) {
    Fail("CreateWindowExW(number box)");
    return nullptr;
  }
  if (numberFont_) ::SendMessageW(edit, WM_SETFONT, reinterpret_cast<WPARAM>(numberFont_.get()), FALSE);
  return edit;
}

void Win32PanelPlatform::DestroyChild(int id) { children_.erase(id); }

std::wstring Win32PanelPlatform::ChildText(int id) const {
  HWND window = child(id);
  if (!window) return {};
  std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(::GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

void Win32PanelPlatform::SetChildText(int id, std::wstring_view text) {
  HWND window = child(id);
  if (!window) return;
  // The edit control tells its parent of the change (EN_CHANGE) before this returns.
  if (!::SetWindowTextW(window, std::wstring(text).c_str())) Fail("SetWindowTextW(number box)");
}

void Win32PanelPlatform::EnableChild(int id, bool enabled) {
  if (HWND window = child(id)) ::EnableWindow(window, enabled ? TRUE : FALSE);
}

std::optional<ui::Color> Win32PanelPlatform::ChooseColour() {
  CHOOSECOLORW dialog{};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = parent_;
  dialog.lpCustColors = customColours_.data();
  DWORD error = 0;
  if (!ShowColourDialog(dialog, error)) {
    // Zero is the user's Cancel; anything else is the dialog's own failure.
    if (error != 0) lastError_ = PanelPlatformError{"ChooseColorW", error};
    return std::nullopt;
  }
  return ui::Color{GetRValue(dialog.rgbResult), GetGValue(dialog.rgbResult), GetBValue(dialog.rgbResult)};
}

}  // namespace quendar::win32
