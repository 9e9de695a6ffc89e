#include "core/ui/panels/settings_panels.h"

#include <memory>

#include "core/ui/panels/cpi_panel.h"
#include "core/ui/panels/left_panels.h"
#include "core/ui/panels/right_panels.h"
#include "core/ui/panels/scroll_speed_panel.h"

namespace quendar::ui::panels {

void AttachSettingsPanels(main::PanelSet& panels, profiles::ProfileRecord& record, main::PanelPlatform& platform) {
  using main::PanelSlot;
  panels.Attach(PanelSlot::Sensitivity, std::make_unique<SensitivityPanel>(record));
  panels.Attach(PanelSlot::LightButton, std::make_unique<LightButtonPanel>(record));
  panels.Attach(PanelSlot::Cpi, std::make_unique<CpiPanel>(record, platform));
  panels.Attach(PanelSlot::Lighting, std::make_unique<LightingPanel>(record));
  panels.Attach(PanelSlot::ReportRate, std::make_unique<ReportRatePanel>(record));
  panels.Attach(PanelSlot::MouseSpeed, std::make_unique<SpeedPanel>(record, profiles::field::kPointerSpeed));
  panels.Attach(PanelSlot::DoubleClickSpeed,
                std::make_unique<SpeedPanel>(record, profiles::field::kDoubleClickSpeed));
  panels.Attach(PanelSlot::ScrollSpeed, std::make_unique<ScrollSpeedPanel>(record, platform));
}

}  // namespace quendar::ui::panels
