#include "core/app/balloon.h"

#include <algorithm>

#include "core/profiles/cpi_levels.h"

namespace quendar::app {

namespace {

constexpr std::wstring_view kStageSwitchTitle = L"CPI stage switch";
constexpr std::wstring_view kWarningTitle = L"Warning";
constexpr std::uint8_t kLaserSensorType = 3;

bool IsHighSurrogate(wchar_t c) { return c >= 0xD800 && c <= 0xDBFF; }

std::wstring_view FixedListText(std::uint8_t code) {
  switch (code) {
    case 0x01: return L"250";
    case 0x02: return L"500";
    case 0x03: return L"750";
    case 0x04: return L"1000";
    case 0x05: return L"1250";
    case 0x06: return L"1500";
    case 0x07: return L"1750";
    case 0x08: return L"2000";
    case 0x25: return L"2500";
    case 0x26: return L"3000";
    case 0x27: return L"3500";
    case 0x28: return L"4000";
    default: return {};
  }
}

}  // namespace

std::wstring FitToField(std::wstring_view text, std::size_t capacity) {
  if (capacity == 0) return {};
  std::size_t length = std::min(text.size(), capacity - 1);
  if (length < text.size() && length > 0 && IsHighSurrogate(text[length - 1])) --length;
  return std::wstring(text.substr(0, length));
}

std::wstring CpiCodeText(std::uint8_t code, std::uint8_t sensorType) {
  if (sensorType != kLaserSensorType) return std::wstring(FixedListText(code));
  // Exact byte comparison: a disabled stage (bit 7 set) matches no level.
  const auto& codes = profiles::kCpiLevelCode;
  const auto found = std::find(codes.begin(), codes.end(), code);
  if (found == codes.end()) return {};
  return profiles::CpiLevelText(static_cast<int>(found - codes.begin()) + 1);
}

std::optional<BalloonRecord> StageSwitchBalloon(ui::LanguageClass language, int stage,
                                                std::optional<std::uint8_t> code, std::uint8_t sensorType) {
  const std::wstring_view stageText = ui::CpiStageText(language, stage);
  if (stageText.empty()) return std::nullopt;
  std::wstring text(stageText);
  if (code) text += CpiCodeText(*code, sensorType);
  return BalloonRecord{.text = FitToField(text, kBalloonTextCapacity),
                       .title = FitToField(kStageSwitchTitle, kBalloonTitleCapacity),
                       .timeoutMs = kStageBalloonTimeoutMs};
}

BalloonRecord NotDetectedBalloon(ui::LanguageClass language) {
  return BalloonRecord{.text = FitToField(ui::Text(language, ui::TextSlot::MouseNotDetected), kBalloonTextCapacity),
                       .title = FitToField(kWarningTitle, kBalloonTitleCapacity),
                       .timeoutMs = kNotDetectedBalloonTimeoutMs};
}

}  // namespace quendar::app
