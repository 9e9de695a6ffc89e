#include "core/ui/display_scale.h"

namespace quendar::ui {

std::string ScaledImageName(std::string_view name, int scale) {
  std::string scaled(name);
  if (scale <= 1) return scaled;
  // The suffix goes before the extension, so the file keeps its type ("a.b/c" has none: it goes last).
  const std::size_t slash = scaled.find_last_of("/\\");
  std::size_t dot = scaled.rfind('.');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) dot = scaled.size();
  scaled.insert(dot, "@" + std::to_string(scale) + "x");
  return scaled;
}

}  // namespace quendar::ui
