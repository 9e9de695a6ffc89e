#include "win32/ui/fonts.h"

#include <string>

namespace quendar::win32 {

namespace {

UniqueFont CreateFontAt(const ui::FontSpec& font, int height, int width) {
  const std::wstring face(font.face);
  return UniqueFont(::CreateFontW(height, width, 0, 0, font.weight, FALSE, FALSE, FALSE,
                                  static_cast<DWORD>(font.charset), OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                  DEFAULT_QUALITY, static_cast<DWORD>(font.pitchAndFamily), face.c_str()));
}

// The font's average character width at the skin's own size.
int AverageWidth(const UniqueFont& font) {
  const WindowDc screen(nullptr);
  if (!screen || !font) return 0;
  ScopedSelectObject selected(screen.get(), font.get());
  TEXTMETRICW metrics{};
  return ::GetTextMetricsW(screen.get(), &metrics) ? static_cast<int>(metrics.tmAveCharWidth) : 0;
}

}  // namespace

UniqueFont CreateFontFromSpec(const ui::FontSpec& font, ui::DisplayScale scale) {
  UniqueFont unscaled = CreateFontAt(font, font.height, 0);
  if (scale.unity()) return unscaled;
  // Small sizes are hinted narrower than large ones: without a width of its own a scaled text would be
  // relatively wider than at 100 % and no longer fit the boxes the skin gives it.
  const int width = AverageWidth(unscaled);
  return CreateFontAt(font, scale.ToDevice(font.height), width > 0 ? scale.ToDevice(width) : 0);
}

HFONT FontTable::Get(ui::FontRole role) const {
  if (HFONT font = fonts_[Index(role)]) return font;
  for (HFONT font : fonts_) {
    if (font != nullptr) return font;
  }
  return static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
}

}  // namespace quendar::win32
