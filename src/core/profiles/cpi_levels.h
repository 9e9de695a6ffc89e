#pragma once
// CPI levels 1..74 of a stage: the value the user sees and the code the device receives.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace quendar::profiles {

inline constexpr int kCpiLevelCount = 74;
inline constexpr int kCpiFineLevels = 49;  // levels 1..49 step by 100, the rest by 200

namespace detail {
constexpr std::array<std::uint16_t, kCpiLevelCount> MakeCpiValues() {
  std::array<std::uint16_t, kCpiLevelCount> values{};
  for (int level = 1; level <= kCpiLevelCount; ++level)
    values[level - 1] = static_cast<std::uint16_t>(level <= kCpiFineLevels ? 100 * (level + 1)
                                                                           : 5000 + 200 * (level - kCpiFineLevels));
  return values;
}
constexpr std::array<std::uint8_t, kCpiLevelCount> MakeCpiCodes() {
  std::array<std::uint8_t, kCpiLevelCount> codes{};
  for (int level = 1; level <= kCpiLevelCount; ++level)
    codes[level - 1] = static_cast<std::uint8_t>(level <= kCpiFineLevels ? level : level + 39);
  return codes;
}
}  // namespace detail

// Indexed by level - 1.
inline constexpr std::array<std::uint16_t, kCpiLevelCount> kCpiLevelValue = detail::MakeCpiValues();
inline constexpr std::array<std::uint8_t, kCpiLevelCount> kCpiLevelCode = detail::MakeCpiCodes();

static_assert(kCpiLevelValue[48] == 5000 && kCpiLevelValue[49] == 5200 && kCpiLevelValue[73] == 10000);
static_assert(kCpiLevelCode[48] == 49 && kCpiLevelCode[49] == 89 && kCpiLevelCode[73] == 113);

// A stored level outside 1..74 (files are loaded without range checks) is clamped into the table
// instead of indexing outside it.
constexpr int ClampCpiLevel(int level) { return level < 1 ? 1 : (level > kCpiLevelCount ? kCpiLevelCount : level); }
constexpr std::uint16_t CpiLevelValue(int level) { return kCpiLevelValue[ClampCpiLevel(level) - 1]; }
constexpr std::uint8_t CpiLevelCode(int level) { return kCpiLevelCode[ClampCpiLevel(level) - 1]; }
std::wstring CpiLevelText(int level);  // "5000"

}  // namespace quendar::profiles
