#pragma once
// Which skin image shows a stored value. Profiles are loaded without range checks, so a value outside the
// range the panels write is shown as the nearest value that has an image (never a missing file) and the
// stored byte is kept until the user clicks.
#include <cstdint>
#include <string>

namespace quendar::ui::panels {

std::string CpiStageSliderImage(int level);    // levels 1..74
std::string SensitivitySliderImage(int value);  // values 1..11
std::string LightingSliderImage(int value);     // values 1..6
std::string SpeedDialImage(int level);          // levels 1..12

// The rate in Hz the report-rate dial shows for a stored code: 1000 / code for 1, 2, 4 and 8; any other
// code (0 included) shows the rate of the nearest of these codes, a tie going to the faster rate.
int ReportRateHz(std::uint8_t code);
std::string ReportRateDialImage(std::uint8_t code);

}  // namespace quendar::ui::panels
