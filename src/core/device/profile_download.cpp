#include "core/device/profile_download.h"

#include <algorithm>

#include "core/keys/profile_buttons.h"
#include "core/profiles/cpi_levels.h"
#include "core/protocol/mouse_protocol.h"

namespace quendar::device {
namespace {

using profiles::ProfileRecord;
namespace field = profiles::field;

constexpr std::uint8_t kSensitivityStep = 20;

// The lighting effects the panel offers.
constexpr std::uint8_t kEffectSteady = 1;
constexpr std::uint8_t kEffectBreathing = 2;
constexpr std::uint8_t kEffectCycle = 3;
constexpr std::uint8_t kLightOn = 4;  // parameter A of index 0 that switches the light on

}  // namespace

void ApplyLighting(const ProfileRecord& record, DeviceImage& image) {
  auto& effect = image.lightingEffect;
  auto& index0 = image.lightingParameters[0];
  switch (record.LightingEffect()) {
    case kEffectSteady: {
      const std::uint8_t slider = record.LightingSlider(0);
      effect = {kEffectSteady, static_cast<std::uint8_t>(slider + 1), 2};
      index0.power = kLightOn;
      if (slider == 1) effect[0] = 0;  // the lowest brightness is "off"
      break;
    }
    case kEffectBreathing:
      effect[0] = kEffectBreathing;
      effect[1] = static_cast<std::uint8_t>(6 - record.LightingSlider(1));
      if (record.LightingVariant() == 1) {
        effect[2] = 2;
        index0.power = kLightOn;
      } else if (record.LightingVariant() == 2) {
        effect[2] = 3;
        index0.breathingLevel = 0x7D;
        index0.breathingMode = 3;
        index0.power = kLightOn;
      }
      break;
    case kEffectCycle: {
      const std::uint8_t slider = record.LightingSlider(2);
      effect[0] = kEffectCycle;
      effect[1] = slider >= 1 && slider <= 5 ? static_cast<std::uint8_t>(2 * slider) : 0;
      index0.power = kLightOn;
      break;
    }
    default:
      break;
  }
}

void ApplyCpiStages(const ProfileRecord& record, DeviceImage& image) {
  image.stageCount = protocol::kCpiStageCount;
  for (std::size_t stage = 0; stage < protocol::kCpiStageCount; ++stage) {
    std::uint8_t code = profiles::CpiLevelCode(record.CpiStageLevel(stage));
    if (record.CpiStageEnabled(stage) == 0) code |= protocol::kStageDisabledBit;
    image.stageBytes[stage] = code;
  }
}

namespace {

// The exchanges of a download in their fixed order; stops at the first failed command.
ExchangeOutcome SendProfileExchanges(const ProfileRecord& record, CommandSet& commands) {
  DeviceImage& image = commands.image();

  if (auto failed = commands.WriteReportRate(record.ReportRateCode())) return failed;

  // A failed read leaves zeros in the image: stopping here keeps them from being written back.
  if (auto failed = commands.ReadSensorSettings()) return failed;
  if (record.ButtonLightOn() == 1) {
    image.sensorSettings[3] |= kButtonLightBit;
  } else {
    image.sensorSettings[3] &= static_cast<std::uint8_t>(~kButtonLightBit);
  }
  if (auto failed = commands.WriteSensorSettings()) return failed;

  image.sensitivity = {static_cast<std::uint8_t>(record.SensitivityX() * kSensitivityStep),
                       static_cast<std::uint8_t>(record.SensitivityY() * kSensitivityStep)};
  if (auto failed = commands.WriteSensitivity()) return failed;

  if (auto failed = commands.ReadLightingEffect()) return failed;
  if (auto failed = commands.ReadLightingParameters()) return failed;
  if (auto failed = commands.ReadColourBlocks()) return failed;
  ApplyLighting(record, image);

  const auto colours = record.Field(field::kCpiColorBlock);
  std::copy(colours.begin(), colours.end(), image.colourBlocks[1].begin());
  if (auto failed = commands.WriteColourBlocks()) return failed;
  if (auto failed = commands.WriteLightingParameters()) return failed;
  if (auto failed = commands.WriteLightingEffect()) return failed;

  ApplyCpiStages(record, image);
  if (auto failed = commands.WriteCpiStages()) return failed;

  for (std::size_t k = 0; k < image.macroBlocks.size(); ++k) {
    const auto block = record.MacroBlock(k);
    std::copy(block.begin(), block.end(), image.macroBlocks[k].begin());
  }
  if (auto failed = commands.WriteMacroBlocks()) return failed;

  image.keyMatrices = {};
  image.keyMatrices[0] = keys::BuildKeyMatrix(record);
  return commands.WriteKeyMatrices();
}

}  // namespace

std::string Describe(const DownloadFailure& failure) {
  return "exchange " + std::to_string(failure.exchange) + " of " + std::to_string(kDownloadExchangeCount) + ", " +
         Describe(failure.error);
}

DownloadResult SendProfile(const ProfileRecord& record, CommandSet& commands) {
  const int before = commands.exchangesMade();
  const ExchangeOutcome outcome = SendProfileExchanges(record, commands);
  DownloadResult result{.exchanges = commands.exchangesMade() - before};
  // The failed exchange is the last one made.
  if (outcome) result.failure = DownloadFailure{result.exchanges, *outcome};
  return result;
}

DownloadResult DownloadProfile(const ProfileRecord& record, CommandSet& commands,
                               const std::function<void()>& storeProfile) {
  const DownloadResult result = SendProfile(record, commands);
  // The user's settings are kept whether or not they reached the mouse.
  if (storeProfile) storeProfile();
  return result;
}

}  // namespace quendar::device
