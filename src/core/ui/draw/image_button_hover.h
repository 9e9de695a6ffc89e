#pragma once
// The pointed-at image button of a skinned dialog. The pointer entering a button asks for a hover
// notice (the platform sends it after a short rest, 10 ms); the notice lights the button under the
// pointer and puts back any other lit one; moving off every button or leaving the window puts back
// all lit buttons. The lit ("hot") flags belong to the dialog kind, so every instance of that dialog
// sees the same flags.
#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <vector>

#include "core/ui/geometry.h"
#include "core/ui/language_fonts.h"

namespace quendar::ui {

inline constexpr unsigned kImageButtonHoverMilliseconds = 10;

// What the window does after an input: ask for the hover notice, repaint buttons lit or put back.
struct HoverStep {
  bool requestHover = false;
  std::optional<std::size_t> light;
  std::vector<std::size_t> restore;
  friend bool operator==(const HoverStep&, const HoverStep&) = default;
};

// One set of hot flags per dialog kind. The program keeps one of these and hands it to every dialog.
class DialogHotFlags {
 public:
  // The kind's flags, grown to at least `buttons` entries.
  std::vector<bool>& For(DialogKind kind, std::size_t buttons);

 private:
  static constexpr std::size_t kKinds = static_cast<std::size_t>(DialogKind::Help) + 1;
  std::array<std::vector<bool>, kKinds> flags_;
};

class ImageButtonHover {
 public:
  // `hot` outlives this object and holds at least one flag per button.
  ImageButtonHover(std::span<const Rect> buttons, std::vector<bool>& hot) : buttons_(buttons), hot_(&hot) {}

  HoverStep MouseMove(Point pointer);
  HoverStep Hover(Point pointer);
  HoverStep Leave();

  bool hot(std::size_t button) const { return button < hot_->size() && (*hot_)[button]; }

 private:
  // Puts back every lit button except `keep`.
  void RestoreAllBut(std::optional<std::size_t> keep, HoverStep& step);

  std::span<const Rect> buttons_;
  std::vector<bool>* hot_;
};

}  // namespace quendar::ui
