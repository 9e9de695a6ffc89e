#include "stage_watch.h"

#include <algorithm>
#include <mutex>
#include <ostream>

#include "core/device/command_set.h"
#include "core/device/input_report_thread.h"
#include "core/profiles/cpi_levels.h"
#include "core/protocol/mouse_protocol.h"

namespace quendar::ctl {
namespace {

// The CPI a stage byte selects; 0 for a code outside the level table.
unsigned CpiOfStageByte(std::uint8_t stageByte) {
  const std::uint8_t code = stageByte & static_cast<std::uint8_t>(~protocol::kStageDisabledBit);
  const auto at = std::find(profiles::kCpiLevelCode.begin(), profiles::kCpiLevelCode.end(), code);
  if (at == profiles::kCpiLevelCode.end()) return 0;
  return profiles::kCpiLevelValue[static_cast<std::size_t>(at - profiles::kCpiLevelCode.begin())];
}

// Prints each switch from the reader thread; the stream is only touched under the lock.
class StagePrinter final : public device::DeviceHost {
 public:
  StagePrinter(std::ostream& out, const device::DeviceImage& image) : out_(out), image_(image) {}

  void OnStageSwitched(std::uint8_t stage) override {
    std::lock_guard lock(mutex_);
    out_ << "stage " << int(stage);
    if (stage >= 1 && stage <= image_.stageBytes.size()) out_ << ": " << CpiOfStageByte(image_.stageBytes[stage - 1]) << " CPI";
    out_ << std::endl;
    if (!out_) writeFailed_ = true;
  }
  void OnMouseNotDetected() override {}
  void HideWindow() override {}
  void RunConnectionSteps() override {}

  bool WriteFailed() const {
    std::lock_guard lock(mutex_);
    return writeFailed_;
  }

 private:
  std::ostream& out_;
  const device::DeviceImage& image_;
  mutable std::mutex mutex_;
  bool writeFailed_ = false;
};

}  // namespace

int WatchStages(ConnectedMouse& mouse, CommandIo& io, const std::function<void()>& waitUntilStopped) {
  device::DeviceImage image;
  device::CommandSet commands(mouse.link->Command(), image);
  if (const device::ExchangeOutcome failed = commands.ReadCpiStages()) {
    io.err << "quendarctl watch: the mouse did not answer: " << device::Describe(*failed) << "\n";
    return 3;
  }
  if (!mouse.link->HasReaderEvent()) {
    io.err << "quendarctl watch: the event reader could not be set up\n";
    return 3;
  }
  StagePrinter printer(io.out, image);
  {
    device::InputReportThread reader(*mouse.link, printer);
    mouse.link->ReleaseReader();
    waitUntilStopped();
  }
  if (printer.WriteFailed()) {
    io.err << "quendarctl watch: writing to standard output failed\n";
    return 4;
  }
  return 0;
}

}  // namespace quendar::ctl
