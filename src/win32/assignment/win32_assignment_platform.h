#pragma once
// The platform side of the button assignment: the popup function lists and sub-lists on the main window,
// the warning box and the three dialogs.
#include <windows.h>

#include <array>
#include <deque>
#include <functional>
#include <memory>
#include <string>

#include "core/ui/display_scale.h"
#include "core/ui/assignment/button_function_lists.h"
#include "win32/assignment/popup_list_box.h"
#include "win32/framework/unique_handle.h"
#include "win32/ui/skin.h"

namespace quendar::win32 {

// What a platform call of the lists could not do.
struct AssignmentPlatformError {
  const char* operation = "";
  DWORD error = 0;
};

class Win32AssignmentPlatform final : public ui::assignment::AssignmentPlatform {
 public:
  using HoverSink = std::function<void(ui::assignment::PopupList list, int item, const ui::Rect& itemRect)>;

  using MacroNames = std::function<std::vector<std::wstring>()>;

  // `mainWindow` owns the lists; `macroNames` lists the store's macros when the macro dialog opens.
  Win32AssignmentPlatform(HWND mainWindow, Skin& skin, MacroNames macroNames);
  Win32AssignmentPlatform(const Win32AssignmentPlatform&) = delete;
  Win32AssignmentPlatform& operator=(const Win32AssignmentPlatform&) = delete;

  // Where pointer movements over the lists go (the function lists' OnListHover).
  void SetHoverSink(HoverSink sink) { hoverSink_ = std::move(sink); }
  // The main window's label font, which the lists speak in (not owned).
  void SetListFont(HFONT font) { listFont_ = font; }
  // The main window's display scale: lists open at the device pixels of their logical place.
  void SetScale(ui::DisplayScale scale) { scale_ = scale; }

  void OpenList(ui::assignment::PopupList list, const ui::Rect& rect, const std::vector<std::wstring>& items) override;
  void CloseList(ui::assignment::PopupList list) override;
  void SelectItem(ui::assignment::PopupList list, int item) override;
  int SelectedItem(ui::assignment::PopupList list) const override;
  void ShowWarning(std::wstring_view text, std::wstring_view caption) override;
  std::optional<ui::assignment::SingleKeyChoice> RunSingleKeyDialog(ui::LanguageClass language) override;
  std::optional<ui::assignment::ComboKeyChoice> RunComboKeyDialog(ui::LanguageClass language) override;
  std::optional<ui::assignment::MacroChoice> RunMacroKeyDialog(ui::LanguageClass language) override;

  HWND listWindow(ui::assignment::PopupList list) const;
  const std::optional<AssignmentPlatformError>& lastError() const { return lastError_; }

 private:
  static std::size_t Index(ui::assignment::PopupList list) { return static_cast<std::size_t>(list); }
  static LRESULT CALLBACK NoticeProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  HINSTANCE instance() const;
  void ShowPendingWarning();

  struct Warning {
    std::wstring text;
    std::wstring caption;
  };

  HWND mainWindow_;
  Skin& skin_;
  MacroNames macroNames_;
  HFONT listFont_ = nullptr;
  ui::DisplayScale scale_;
  std::array<std::unique_ptr<PopupListBox>, 6> lists_;
  HoverSink hoverSink_;
  // Warnings wait here until the main window's current event is over: a message box is never shown in
  // the middle of the main view's handling of a press.
  UniqueCallbackWindow noticeWindow_;
  std::deque<Warning> warnings_;
  std::optional<AssignmentPlatformError> lastError_;
};

}  // namespace quendar::win32
