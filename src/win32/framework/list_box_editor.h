#pragma once
// CLBEditorWnd: the in-place editor of a list box item, shared by the profile manager and the macro
// manager. An edit control lies over the item (grown by one pixel on every side) with the list box's
// font and the item's text, holding the mouse capture and the focus. Tab, Enter (where the owner lets
// it through), a press outside the editor and the loss of focus commit; Escape cancels. The edit ends
// once; the editor then posts `notifyMessage` to its owner, which takes the end with TakeEnd() and
// decides what it means by its EditTarget (see ui::ListEditEnd).
//
// Use:
//   editor_ = ListBoxEditor::Begin(listBox, index, ui::EditTarget::ProfileName, hwnd(), kEditEndedMessage);
//   ... on kEditEndedMessage:
//   if (auto end = editor_ ? editor_->TakeEnd() : std::nullopt) { editor_.reset(); Apply(*end); }
#include <windows.h>

#include <memory>
#include <optional>
#include <utility>

#include "core/ui/list_edit.h"

namespace quendar::win32 {

class ListBoxEditor {
 public:
  // Nothing when `index` is not an item of the list box or the edit control could not be created.
  static std::unique_ptr<ListBoxEditor> Begin(HWND listBox, int index, ui::EditTarget target, HWND owner,
                                              UINT notifyMessage);
  // Closes an editor that is still open without telling the owner.
  ~ListBoxEditor();
  ListBoxEditor(const ListBoxEditor&) = delete;
  ListBoxEditor& operator=(const ListBoxEditor&) = delete;

  HWND hwnd() const { return edit_; }
  bool open() const { return edit_ != nullptr; }
  ui::EditTarget target() const { return session_.target(); }

  // Ends the edit as Tab (commit) or Escape (cancel) would; nothing after the first end.
  void End(bool commit);
  // The end, once the edit has ended; each end is handed out once.
  std::optional<ui::ListEditEnd> TakeEnd() { return std::exchange(end_, std::nullopt); }

 private:
  struct Key {};

 public:
  ListBoxEditor(Key, int index, ui::EditTarget target, HWND owner, UINT notifyMessage);

 private:
  static LRESULT CALLBACK EditProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                   DWORD_PTR self);
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void Close(bool notify);

  ui::ListItemEdit session_;
  HWND edit_ = nullptr;
  HWND owner_;
  UINT notifyMessage_;
  std::optional<ui::ListEditEnd> end_;
};

}  // namespace quendar::win32
