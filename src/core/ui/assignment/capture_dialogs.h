#pragma once
// The two key capture dialogs and the macro assignment dialog as plain state: what a key seen by the
// keyboard hook, a press on the background or a list choice does, and whether OK may end the dialog.
// The Win32 dialogs hold one of these, show its state and report their input to it.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "core/keys/scan_code_names.h"
#include "core/ui/assignment/captions.h"
#include "core/ui/geometry.h"
#include "core/ui/interface_language.h"
#include "core/ui/skin_manifest.h"

namespace quendar::ui::assignment {

// Client rectangles shared by the three dialogs.
// Every place below is taken from the skin manifest's list of what each background holds (the skin is
// drawn around the same rectangles), so the art and the layout cannot drift apart.
inline constexpr Rect kCloseRect = skin::detail::kMacroKeyDialogHolds[0];
inline constexpr Rect kOkRect = skin::detail::kMacroKeyDialogHolds[1];
inline constexpr Rect kCancelRect = skin::detail::kMacroKeyDialogHolds[2];

// What a left-button press on a dialog's background asks for.
enum class PressResult { Nothing, Ok, Cancel, Drag };

// OK refused: the message to show (caption "Warning"); the dialog stays open.
struct Refusal {
  std::wstring text;
  friend bool operator==(const Refusal&, const Refusal&) = default;
};
template <typename Choice>
using Confirmation = std::variant<Choice, Refusal>;

class SingleKeyCapture {
 public:
  static constexpr Rect kPromptRect = skin::detail::kSingleKeyDialogHolds[4];
  static constexpr Rect kKeyNameRect = skin::detail::kSingleKeyDialogHolds[3];

  // A key-down or key-up the hook saw: the last key touched wins. A scan code no key of the name table
  // sends leaves the name as it was.
  void OnKey(keys::ScanCode scan);
  const std::wstring& keyName() const { return keyName_; }

  // OK, Cancel and the close button; a press anywhere else drags the dialog.
  PressResult OnPress(Point point) const;

  // An empty name is accepted (the button then does nothing); a key the mouse cannot send is refused.
  Confirmation<SingleKeyChoice> Confirm(LanguageClass language) const;

 private:
  std::wstring keyName_;
};

class ComboKeyCapture {
 public:
  static constexpr int kModifierListId = 515;
  static constexpr int kKey1BoxId = 516;
  static constexpr int kKey2BoxId = 517;
  static constexpr Rect kModifierBoxRect = skin::detail::kComboKeyDialogHolds[3];
  // The box without its arrow.
  static constexpr Rect kModifierTextRect{kModifierBoxRect.left, kModifierBoxRect.top, kModifierBoxRect.right - 16,
                                          kModifierBoxRect.bottom};
  static constexpr Rect kModifierListRect = skin::detail::kComboKeyDialogHolds[4];
  static constexpr Rect kKey1Rect = skin::detail::kComboKeyDialogHolds[5];
  static constexpr Rect kKey2Rect = skin::detail::kComboKeyDialogHolds[6];

  // Which edit box has the keyboard focus when a key arrives.
  enum class Field { None, Key1, Key2 };

  // A key the hook saw goes to the focused key box; with neither focused it changes nothing.
  void OnKey(keys::ScanCode scan, Field focused);

  // Opens or closes the modifier list (a press in its box), closes it on a press elsewhere; then OK,
  // Cancel and the close button.
  PressResult OnPress(Point point);
  // A click on modifier list entry `item` (0..7); the list closes.
  void ChooseModifier(int item);

  bool modifierListOpen() const { return listOpen_; }
  const ComboKeyChoice& names() const { return names_; }

  // Refused when a captured key converts to nothing the mouse can send.
  Confirmation<ComboKeyChoice> Confirm(LanguageClass language) const;

 private:
  ComboKeyChoice names_;
  bool listOpen_ = false;
};

// The modifier list's entries, in list order.
std::vector<std::wstring_view> ModifierListTexts();

class MacroAssignment {
 public:
  static constexpr int kMacroListId = 593;
  static constexpr Rect kLabelRect = skin::detail::kMacroKeyDialogHolds[3];
  static constexpr Rect kMacroBoxClickRect = skin::detail::kMacroKeyDialogHolds[4];
  // The box without its arrow.
  static constexpr Rect kMacroBoxRect{kMacroBoxClickRect.left, kMacroBoxClickRect.top, kMacroBoxClickRect.right - 15,
                                      kMacroBoxClickRect.bottom};
  static constexpr Rect kMacroListRect = skin::detail::kMacroKeyDialogHolds[5];
  static constexpr std::array<Rect, 3> kTickRects{
      {skin::detail::kMacroKeyDialogHolds[6], skin::detail::kMacroKeyDialogHolds[7], skin::detail::kMacroKeyDialogHolds[8]}};
  static constexpr std::array<Rect, 3> kModeTextRects{
      {skin::detail::kMacroKeyDialogHolds[9], skin::detail::kMacroKeyDialogHolds[10], skin::detail::kMacroKeyDialogHolds[11]}};
  static constexpr int kRepeatModeCount = 3;
  // Only the first twelve macros of the store reach the mouse.
  static constexpr std::size_t kMaxMacros = 12;
  static constexpr int kWheelLines = 3;

  // `storeNames`: the macro names in store order, as the macro manager lists them.
  explicit MacroAssignment(std::vector<std::wstring> storeNames);

  const std::vector<std::wstring>& offered() const { return offered_; }
  bool listOpen() const { return listOpen_; }
  std::optional<std::size_t> chosen() const { return chosen_; }
  std::wstring_view chosenName() const;
  std::uint8_t repeatMode() const { return repeatMode_; }

  // A press on the background, tested in this order: outside an open list and its box closes the list;
  // OK; Cancel and close; the box opens or closes the list; a tick box sets the repeat mode.
  PressResult OnPress(Point point);
  // A selection or double click in the open list.
  void Choose(int item);
  // The list's first visible line after one wheel turn (`delta` < 0 is a turn towards the user).
  int ScrolledTopLine(int topLine, int delta) const;

  // Refused without a chosen macro (also when the store holds none).
  Confirmation<MacroChoice> Confirm(LanguageClass language) const;

 private:
  std::vector<std::wstring> offered_;
  bool listOpen_ = false;
  std::optional<std::size_t> chosen_;
  std::uint8_t repeatMode_ = 0;
};

}  // namespace quendar::ui::assignment
