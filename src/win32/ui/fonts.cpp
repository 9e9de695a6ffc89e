#include "win32/ui/fonts.h"

#include <string>

namespace quendar::win32 {

UniqueFont CreateFontFromSpec(const ui::FontSpec& font, ui::DisplayScale scale) {
  const std::wstring face(font.face);
  return UniqueFont(::CreateFontW(scale.ToDevice(font.height), 0, 0, 0, font.weight, FALSE, FALSE, FALSE,
                                  static_cast<DWORD>(font.charset), OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                  DEFAULT_QUALITY, static_cast<DWORD>(font.pitchAndFamily), face.c_str()));
}

HFONT FontTable::Get(ui::FontRole role) const {
  if (HFONT font = fonts_[Index(role)]) return font;
  for (HFONT font : fonts_) {
    if (font != nullptr) return font;
  }
  return static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
}

}  // namespace quendar::win32
