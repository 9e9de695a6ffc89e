#pragma once
// Puts every settings panel into its section of the main window.
#include "core/profiles/profile_record.h"
#include "core/ui/main/panel.h"

namespace quendar::ui::panels {

// The panels edit `record` in place and use `platform` for their child controls and the colour dialog;
// both must outlive `panels`.
void AttachSettingsPanels(main::PanelSet& panels, profiles::ProfileRecord& record, main::PanelPlatform& platform);

}  // namespace quendar::ui::panels
