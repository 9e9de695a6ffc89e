#include "core/ui/panels/panel_images.h"

#include <algorithm>
#include <cstdlib>

#include "core/ui/skin_manifest.h"

namespace quendar::ui::panels {

namespace {

// The member of a family whose value is nearest to `value`; ties go to the first member listed.
int NearestMember(const skin::Family& family, int value) {
  int best = family.members.front().value;
  for (const skin::FamilyMember& member : family.members) {
    if (std::abs(member.value - value) < std::abs(best - value)) best = member.value;
  }
  return best;
}

std::string Member(const skin::Family& family, int value) {
  return skin::MemberName(family.pattern, NearestMember(family, value));
}

}  // namespace

std::string CpiStageSliderImage(int level) { return Member(skin::kCpiStageSlider, level); }
std::string SensitivitySliderImage(int value) { return Member(skin::kSensitivitySlider, value); }
std::string LightingSliderImage(int value) { return Member(skin::kLightingSlider, value); }
std::string SpeedDialImage(int level) { return Member(skin::kSpeedDial, level); }

int ReportRateHz(std::uint8_t code) {
  constexpr int kCodes[] = {1, 2, 4, 8};  // the report interval in milliseconds
  int nearest = kCodes[0];
  for (int valid : kCodes) {
    if (std::abs(valid - code) < std::abs(nearest - code)) nearest = valid;
  }
  return 1000 / nearest;
}

std::string ReportRateDialImage(std::uint8_t code) {
  return skin::MemberName(skin::kReportRateDial.pattern, ReportRateHz(code));
}

}  // namespace quendar::ui::panels
