#pragma once
// The fonts a window draws its texts with, by role. The table does not own the fonts.
#include <windows.h>

#include <array>

#include "core/ui/display_scale.h"
#include "core/ui/draw/draw_list.h"
#include "core/ui/language_fonts.h"
#include "win32/framework/unique_handle.h"

namespace quendar::win32 {

// The font at the height of `scale` (the font's own height is in the skin's logical pixels).
UniqueFont CreateFontFromSpec(const ui::FontSpec& font, ui::DisplayScale scale = {});

class FontTable {
 public:
  void Set(ui::FontRole role, HFONT font) { fonts_[Index(role)] = font; }
  // The role's font; a role the window never set falls back to any font it did set, then to the
  // platform's GUI font.
  HFONT Get(ui::FontRole role) const;

 private:
  static std::size_t Index(ui::FontRole role) { return static_cast<std::size_t>(role); }
  std::array<HFONT, 4> fonts_{};
};

}  // namespace quendar::win32
