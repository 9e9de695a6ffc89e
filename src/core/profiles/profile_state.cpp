#include "core/profiles/profile_state.h"

#include <algorithm>

namespace quendar::profiles {

void ProfileState::ReplaceMacros(std::span<const std::uint8_t, kMacroTableSize> table) {
  std::ranges::copy(table, record.MacroTable().begin());
}

}  // namespace quendar::profiles
