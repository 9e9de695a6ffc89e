#include "core/device/profile_download.h"

#include <algorithm>

#include "core/keys/profile_buttons.h"
#include "core/profiles/cpi_levels.h"

namespace quendar::device {
namespace {

using profiles::ProfileRecord;
namespace field = profiles::field;

constexpr std::uint8_t kSensitivityStep = 20;
constexpr std::uint8_t kMouseStageCount = 7;

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
      index0.a = kLightOn;
      if (slider == 1) effect[0] = 0;  // the lowest brightness is "off"
      break;
    }
    case kEffectBreathing:
      effect[0] = kEffectBreathing;
      effect[1] = static_cast<std::uint8_t>(6 - record.LightingSlider(1));
      if (record.LightingVariant() == 1) {
        effect[2] = 2;
        index0.a = kLightOn;
      } else if (record.LightingVariant() == 2) {
        effect[2] = 3;
        index0.b = 0x7D;
        index0.c = 3;
        index0.a = kLightOn;
      }
      break;
    case kEffectCycle: {
      const std::uint8_t slider = record.LightingSlider(2);
      effect[0] = kEffectCycle;
      effect[1] = slider >= 1 && slider <= 5 ? static_cast<std::uint8_t>(2 * slider) : 0;
      index0.a = kLightOn;
      break;
    }
    default:
      break;
  }
}

void ApplyCpiStages(const ProfileRecord& record, DeviceImage& image) {
  image.stageCount = kMouseStageCount;
  for (std::size_t stage = 0; stage < kMouseStageCount; ++stage) {
    std::uint8_t code = profiles::CpiLevelCode(record.CpiStageLevel(stage));
    if (record.CpiStageEnabled(stage) == 0) code |= kStageDisabledBit;
    image.stageBytes[stage] = code;
  }
}

void SendProfile(const ProfileRecord& record, CommandSet& commands) {
  DeviceImage& image = commands.image();

  commands.WriteReportRate(record.ReportRateCode());

  commands.ReadSensorSettings();
  if (record.ButtonLightOn() == 1) {
    image.sensorSettings[3] |= kButtonLightBit;
  } else {
    image.sensorSettings[3] &= static_cast<std::uint8_t>(~kButtonLightBit);
  }
  commands.WriteSensorSettings();

  image.sensitivity = {static_cast<std::uint8_t>(record.SensitivityX() * kSensitivityStep),
                       static_cast<std::uint8_t>(record.SensitivityY() * kSensitivityStep)};
  commands.WriteSensitivity();

  commands.ReadLightingEffect();
  commands.ReadLightingParameters();
  commands.ReadColourBlocks();
  ApplyLighting(record, image);

  const auto colours = record.Field(field::kCpiColorBlock);
  std::copy(colours.begin(), colours.end(), image.colourBlocks[1].begin());
  commands.WriteColourBlocks();
  commands.WriteLightingParameters();
  commands.WriteLightingEffect();

  ApplyCpiStages(record, image);
  commands.WriteCpiStages();

  for (std::size_t k = 0; k < image.macroBlocks.size(); ++k) {
    const auto block = record.MacroBlock(k);
    std::copy(block.begin(), block.end(), image.macroBlocks[k].begin());
  }
  commands.WriteMacroBlocks();

  image.keyMatrices = {};
  image.keyMatrices[0] = keys::BuildKeyMatrix(record);
  commands.WriteKeyMatrices();
}

void DownloadProfile(const ProfileRecord& record, CommandSet& commands, const std::function<void()>& storeProfile) {
  SendProfile(record, commands);
  if (storeProfile) storeProfile();
}

}  // namespace quendar::device
