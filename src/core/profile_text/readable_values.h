#pragma once
// The readable words and numbers of the profile document, each with the byte it stands for, shared by
// export and import so that both speak the same vocabulary.
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace quendar::profile_text {

struct NamedByte {
  std::string_view name;
  std::uint8_t value;
};

inline constexpr std::array<NamedByte, 4> kReportRates{{{"1000", 1}, {"500", 2}, {"250", 4}, {"125", 8}}};
inline constexpr std::array<NamedByte, 3> kLightingEffects{{{"Single color", 1}, {"Pulsating", 2}, {"Multi-color", 3}}};
inline constexpr std::array<NamedByte, 3> kRepeatModes{{{"count", 0}, {"until-button", 1}, {"while-held", 2}}};

inline constexpr const char* kFormat = "quendar-profile-1";
inline constexpr int kLightingLevelMin = 1, kLightingLevelMax = 6;
inline constexpr int kSensitivityMin = 1, kSensitivityMax = 11;
inline constexpr int kSpeedMin = 1, kSpeedMax = 12;
inline constexpr int kScrollLinesMin = 1, kScrollLinesMax = 100;
inline constexpr int kProfileNumberMax = 5;

std::optional<std::string_view> NameOf(std::span<const NamedByte> table, std::uint8_t value);
std::optional<std::uint8_t> ValueOf(std::span<const NamedByte> table, std::string_view name);
// "'a', 'b' or 'c'", for messages.
std::string AllowedNames(std::span<const NamedByte> table);

// "#RRGGBB" (uppercase on export, either case on import).
std::string ColourText(std::uint8_t red, std::uint8_t green, std::uint8_t blue);
std::optional<std::array<std::uint8_t, 3>> ParseColour(std::string_view text);

}  // namespace quendar::profile_text
