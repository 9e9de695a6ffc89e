// quendarctl trace PROFILE.bin: the download of a profile against a fresh simulated mouse, every report
// of its 31 exchanges as it crossed the wire, and every pause. Nothing is stored.
#include <CLI/CLI.hpp>
#include <algorithm>
#include <ostream>

#include "cmd_device_support.h"
#include "command_registry.h"
#include "core/device/command_set.h"
#include "core/device/profile_download.h"
#include "profile_file_reader.h"
#include "sim/sim_hid_backend.h"
#include "sim/simulated_mouse.h"

namespace quendar::ctl {
namespace {

const CommandRegistration kTrace{{
    "trace",
    "Print every report and pause of a profile download on a fresh simulated mouse",
    [](CLI::App& sub) -> std::function<int(CommandIo&)> {
      auto file = std::make_shared<std::string>();
      sub.add_option("file", *file, "Profile data file")->required();
      return [file](CommandIo& io) {
        const auto contents = ReadProfileFileFor("trace", *file, io);
        if (!contents) return 1;
        auto mouse = sim::SimulatedMouse::Create();
        sim::SimHidBackend backend(mouse);
        device::DeviceLink link(backend);
        if (!link.DiscoverDevice()) {
          io.err << "quendarctl trace: the simulated mouse was not found\n";
          return 2;
        }
        mouse->ClearWireLog();
        device::DeviceImage image;
        device::CommandSet commands(link.Command(), image);
        const device::DownloadResult result = device::SendProfile(contents->record, commands);
        for (const sim::WireEntry& entry : mouse->WireLog()) {
          if (entry.kind == sim::WireKind::EventIn) continue;
          io.out << WireLine(entry) << "\n";
        }
        if (!result.ok()) {
          io.err << "quendarctl trace: " << device::Describe(*result.failure) << "\n";
          return 3;
        }
        return 0;
      };
    },
}};

}  // namespace
}  // namespace quendar::ctl
