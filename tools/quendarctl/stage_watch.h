#pragma once
// quendarctl watch: the CPI-stage switches of the mouse printed as they happen, until the caller's wait
// returns.
#include <functional>

#include "cmd_device_support.h"
#include "command_registry.h"

namespace quendar::ctl {

// Reads the stage settings (to print each stage's CPI), starts the event reader, then blocks in
// `waitUntilStopped`; the reader is stopped before this returns. The exit code: 0 after a clean stop,
// 3 when the mouse did not answer, 4 when a line could not be written.
int WatchStages(ConnectedMouse& mouse, CommandIo& io, const std::function<void()>& waitUntilStopped);

}  // namespace quendar::ctl
