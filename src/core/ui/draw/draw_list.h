#pragma once
// What a window shows, as data: views in the core build a draw list from their state, the shell's painter
// renders it into one back buffer. Nothing here knows about device contexts.
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "core/ui/geometry.h"

namespace quendar::ui {

struct Color {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
  friend constexpr bool operator==(const Color&, const Color&) = default;
};

// Which of the window's fonts a text uses. The main window has three; a dialog has its own one.
enum class FontRole { Label, Title, Arial, Dialog };

enum class TextAlign { Left, Center, Right };

// A skin image ("/main.png", appended to the skin folder as it is), drawn at its own size with its per-pixel
// alpha. A missing image leaves its area as it was.
struct ImageOp {
  std::string name;
  Point at;
  friend bool operator==(const ImageOp&, const ImageOp&) = default;
};

// One line of text, vertically centred in its box, on a transparent background; `wrap` breaks it into
// lines from the top of the box instead.
struct TextOp {
  std::wstring text;
  Rect box;
  FontRole font = FontRole::Label;
  Color color;
  TextAlign align = TextAlign::Center;
  bool wrap = false;
  friend bool operator==(const TextOp&, const TextOp&) = default;
};

struct FillOp {
  Rect box;
  Color color;
  friend bool operator==(const FillOp&, const FillOp&) = default;
};

// Later operations draw only inside `box` (and the list's area) until the matching PopClipOp.
struct ClipOp {
  Rect box;
  friend bool operator==(const ClipOp&, const ClipOp&) = default;
};
struct PopClipOp {
  friend bool operator==(const PopClipOp&, const PopClipOp&) = default;
};

using DrawOp = std::variant<ImageOp, TextOp, FillOp, ClipOp, PopClipOp>;

// The operations of one paint, in order, and the client area they repaint: the whole window for a full
// paint, one region for a partial repaint. The painter shows exactly `area` and nothing outside it.
class DrawList {
 public:
  DrawList() = default;
  explicit DrawList(Rect area) : area_(area) {}

  Rect area() const { return area_; }
  const std::vector<DrawOp>& ops() const { return ops_; }
  bool empty() const { return ops_.empty(); }

  DrawList& Image(std::string name, Point at) {
    ops_.emplace_back(ImageOp{std::move(name), at});
    return *this;
  }
  DrawList& Text(std::wstring text, Rect box, FontRole font, Color color, TextAlign align = TextAlign::Center) {
    ops_.emplace_back(TextOp{std::move(text), box, font, color, align, false});
    return *this;
  }
  DrawList& WrappedText(std::wstring text, Rect box, FontRole font, Color color, TextAlign align = TextAlign::Left) {
    ops_.emplace_back(TextOp{std::move(text), box, font, color, align, true});
    return *this;
  }
  DrawList& Fill(Rect box, Color color) {
    ops_.emplace_back(FillOp{box, color});
    return *this;
  }
  DrawList& PushClip(Rect box) {
    ops_.emplace_back(ClipOp{box});
    return *this;
  }
  DrawList& PopClip() {
    ops_.emplace_back(PopClipOp{});
    return *this;
  }
  // Appends another list's operations; the area grows to hold both.
  DrawList& Append(const DrawList& other) {
    ops_.insert(ops_.end(), other.ops_.begin(), other.ops_.end());
    area_ = area_.Union(other.area_);
    return *this;
  }

  friend bool operator==(const DrawList&, const DrawList&) = default;

 private:
  Rect area_;
  std::vector<DrawOp> ops_;
};

}  // namespace quendar::ui
