#include "core/profiles/cpi_levels.h"

namespace quendar::profiles {

std::wstring CpiLevelText(int level) { return std::to_wstring(CpiLevelValue(level)); }

}  // namespace quendar::profiles
