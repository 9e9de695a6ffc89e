#pragma once
// A popup list: a plain bordered, single-column list box in its own colours whose item under the pointer
// becomes the selection as the pointer moves. It sits in a small host window of the list's size, so that
// the colours and notifications are its own business and no parent window needs to know about it; the
// host posts the list's selection and double-click notifications on to the parent under the list's id.
// Enter and Escape reach neither the list nor the parent.
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/ui/geometry.h"
#include "win32/framework/unique_handle.h"

namespace quendar::win32 {

struct PopupListLook {
  HFONT font = nullptr;  // not owned
  COLORREF text = RGB(255, 255, 255);
  COLORREF background = RGB(0, 0, 0);
};

class PopupListBox {
 public:
  // The pointer moved onto `item`; `itemRect` is the entry inside the list.
  using HoverHandler = std::function<void(int item, const ui::Rect& itemRect)>;

  // Creates the list at `rect` (the parent's client pixels) with these entries and nothing selected.
  // Nullptr when the platform refuses; `error` then holds its error code.
  static std::unique_ptr<PopupListBox> Create(HWND parent, int id, const ui::Rect& rect, const PopupListLook& look,
                                              const std::vector<std::wstring>& items, DWORD& error);
  ~PopupListBox();
  PopupListBox(const PopupListBox&) = delete;
  PopupListBox& operator=(const PopupListBox&) = delete;

  // Called after the list has selected the hovered entry.
  void SetHoverHandler(HoverHandler handler) { onHover_ = std::move(handler); }
  // Wheel turns over the list go to this window instead of scrolling the list by the system's amount.
  void SetWheelTarget(HWND target) { wheelTarget_ = target; }

  HWND list() const { return list_; }
  int selected() const;
  void Select(int item);
  int topLine() const;
  void SetTopLine(int line);

 private:
  PopupListBox(const PopupListLook& look) : look_(look) {}
  static LRESULT CALLBACK HostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK ListProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnListMessage(UINT message, WPARAM wParam, LPARAM lParam);

  PopupListLook look_;
  UniqueBrush brush_;
  UniqueCallbackWindow host_;
  HWND list_ = nullptr;
  WNDPROC listProc_ = nullptr;
  int id_ = 0;
  int hovered_ = -1;
  HoverHandler onHover_;
  HWND wheelTarget_ = nullptr;
};

}  // namespace quendar::win32
