#pragma once
// The balloons of the notification icon: the CPI stage the mouse switched to, and the mouse that
// is not detected.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/ui/interface_language.h"

namespace quendar::app {

// The icon record's fixed text fields, in characters including the terminating NUL.
inline constexpr std::size_t kBalloonTextCapacity = 256;
inline constexpr std::size_t kBalloonTitleCapacity = 64;

inline constexpr unsigned kBalloonIconFlags = 0x17;  // message + icon + tip + balloon
inline constexpr unsigned kBalloonInfoIcon = 1;      // "information"
inline constexpr unsigned kStageBalloonTimeoutMs = 5000;
inline constexpr unsigned kNotDetectedBalloonTimeoutMs = 100;

struct BalloonRecord {
  std::wstring text;   // at most kBalloonTextCapacity - 1 characters
  std::wstring title;  // at most kBalloonTitleCapacity - 1 characters
  unsigned iconFlags = kBalloonIconFlags;
  unsigned infoIcon = kBalloonInfoIcon;
  unsigned timeoutMs = 0;

  friend bool operator==(const BalloonRecord&, const BalloonRecord&) = default;
};

// Cuts a text to what a field of `capacity` characters (NUL included) holds, never between the two
// halves of a surrogate pair.
std::wstring FitToField(std::wstring_view text, std::size_t capacity);

// The value text of a stage code read from the mouse: with sensor type 3 the level table's text of
// the level whose code it is, otherwise the fixed list of the older sensors; empty when unknown.
std::wstring CpiCodeText(std::uint8_t code, std::uint8_t sensorType);

// The stage-switch balloon; none for a stage outside 1..7. Without a code (the stages could not be
// read back) it names the stage alone.
std::optional<BalloonRecord> StageSwitchBalloon(ui::LanguageClass language, int stage,
                                                std::optional<std::uint8_t> code, std::uint8_t sensorType);
BalloonRecord NotDetectedBalloon(ui::LanguageClass language);

}  // namespace quendar::app
