#pragma once
// The commit rules of the in-place list editor, shared by the profile manager and the macro manager.
// The editor only collects the text; its owner decides what a commit means, by what it edits.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quendar::ui {

// What an open editor works on. The values are the ones the owners have always used.
enum class EditTarget : std::uint8_t { None = 0, ProfileName = 1, DelayItem = 2, MacroName = 3 };

// How an edit ended: the item it was opened on and the text typed, or a cancel.
struct ListEditEnd {
  std::size_t index = 0;
  EditTarget target = EditTarget::None;
  bool commit = false;
  std::wstring text;
  friend bool operator==(const ListEditEnd&, const ListEditEnd&) = default;
};

// One edit of one item. It ends once: Tab, a click outside, the loss of focus and the editor's own
// destruction can all ask to end it, and only the first is answered.
class ListItemEdit {
 public:
  ListItemEdit(std::size_t index, EditTarget target) : index_(index), target_(target) {}

  std::size_t index() const { return index_; }
  EditTarget target() const { return target_; }
  bool ended() const { return ended_; }

  std::optional<ListEditEnd> End(bool commit, std::wstring text);

 private:
  std::size_t index_;
  EditTarget target_;
  bool ended_ = false;
};

// The largest delay a typed delay item may hold, in milliseconds.
inline constexpr long kMaxEditedDelayMs = 6553500;

// The delay item a typed text stands for: it must hold "ms" and, without blanks and "ms", be a decimal
// number; larger numbers are held at the limit. Nothing for any other text (the edit is dropped).
std::optional<std::wstring> DelayItemFromEdit(std::wstring_view text);

}  // namespace quendar::ui
