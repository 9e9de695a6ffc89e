#include "win32/assignment/win32_assignment_platform.h"

#include <string>

#include "win32/assignment/combo_key_dialog.h"
#include "win32/assignment/macro_key_dialog.h"
#include "win32/assignment/single_key_dialog.h"

namespace quendar::win32 {

namespace ua = ui::assignment;

namespace {

static_assert(ua::kListSelectionChanged == LBN_SELCHANGE && ua::kListDoubleClicked == LBN_DBLCLK);

constexpr COLORREF kListText = RGB(250, 250, 250);
constexpr COLORREF kListBackground = RGB(80, 0, 0);

constexpr wchar_t kNoticeClass[] = L"QuendarAssignmentNotices";
constexpr UINT kShowWarningMessage = WM_APP + 1;

}  // namespace

Win32AssignmentPlatform::Win32AssignmentPlatform(HWND mainWindow, Skin& skin, MacroNames macroNames)
    : mainWindow_(mainWindow), skin_(skin), macroNames_(std::move(macroNames)) {
  WNDCLASSEXW cls{};
  cls.cbSize = sizeof(cls);
  cls.lpfnWndProc = NoticeProc;
  cls.hInstance = instance();
  cls.lpszClassName = kNoticeClass;
  if (::RegisterClassExW(&cls) == 0 && ::GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
    lastError_ = AssignmentPlatformError{"RegisterClassExW(notices)", ::GetLastError()};
    return;
  }
  noticeWindow_.reset(
      ::CreateWindowExW(0, kNoticeClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance(), this));
  if (!noticeWindow_) lastError_ = AssignmentPlatformError{"CreateWindowExW(notices)", ::GetLastError()};
}

LRESULT CALLBACK Win32AssignmentPlatform::NoticeProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<Win32AssignmentPlatform*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
  if (message == kShowWarningMessage && self != nullptr) {
    self->ShowPendingWarning();
    return 0;
  }
  return ::DefWindowProcW(window, message, wParam, lParam);
}

HINSTANCE Win32AssignmentPlatform::instance() const {
  return reinterpret_cast<HINSTANCE>(::GetWindowLongPtrW(mainWindow_, GWLP_HINSTANCE));
}

void Win32AssignmentPlatform::OpenList(ua::PopupList list, const ui::Rect& rect, const std::vector<std::wstring>& items) {
  auto& slot = lists_[Index(list)];
  slot.reset();
  DWORD error = 0;
  slot = PopupListBox::Create(mainWindow_, ua::ListId(list), scale_.ToDevice(rect),
                              {listFont_, kListText, kListBackground}, items, error);
  if (!slot) {
    lastError_ = AssignmentPlatformError{"CreateWindowExW(popup list)", error};
    return;
  }
  slot->SetHoverHandler([this, list](int item, const ui::Rect& itemRect) {
    if (hoverSink_) hoverSink_(list, item, scale_.CoveringLogical(itemRect));
  });
}

void Win32AssignmentPlatform::CloseList(ua::PopupList list) { lists_[Index(list)].reset(); }

void Win32AssignmentPlatform::SelectItem(ua::PopupList list, int item) {
  if (const auto& box = lists_[Index(list)]) box->Select(item);
}

int Win32AssignmentPlatform::SelectedItem(ua::PopupList list) const {
  const auto& box = lists_[Index(list)];
  return box ? box->selected() : -1;
}

HWND Win32AssignmentPlatform::listWindow(ua::PopupList list) const {
  const auto& box = lists_[Index(list)];
  return box ? box->list() : nullptr;
}

void Win32AssignmentPlatform::ShowWarning(std::wstring_view text, std::wstring_view caption) {
  warnings_.push_back({std::wstring(text), std::wstring(caption)});
  if (!noticeWindow_ || !::PostMessageW(noticeWindow_.get(), kShowWarningMessage, 0, 0)) ShowPendingWarning();
}

void Win32AssignmentPlatform::ShowPendingWarning() {
  if (warnings_.empty()) return;
  const Warning warning = std::move(warnings_.front());
  warnings_.pop_front();
  ::MessageBoxW(mainWindow_, warning.text.c_str(), warning.caption.c_str(), MB_OK);
}

std::optional<ua::SingleKeyChoice> Win32AssignmentPlatform::RunSingleKeyDialog(ui::LanguageClass language) {
  CSingleDialog dialog(skin_, language);
  if (dialog.RunModal(instance(), mainWindow_) != IDOK) return std::nullopt;
  return dialog.choice();
}

std::optional<ua::ComboKeyChoice> Win32AssignmentPlatform::RunComboKeyDialog(ui::LanguageClass language) {
  CComboDialog dialog(skin_, language);
  if (dialog.RunModal(instance(), mainWindow_) != IDOK) return std::nullopt;
  return dialog.choice();
}

std::optional<ua::MacroChoice> Win32AssignmentPlatform::RunMacroKeyDialog(ui::LanguageClass language) {
  CMacroDialog dialog(skin_, language, macroNames_ ? macroNames_() : std::vector<std::wstring>{});
  if (dialog.RunModal(instance(), mainWindow_) != IDOK) return std::nullopt;
  return dialog.choice();
}

}  // namespace quendar::win32
