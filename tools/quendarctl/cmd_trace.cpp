// quendarctl trace PROFILE.bin [--mouse]: the download of a profile, every report of its 31 exchanges
// as it crossed the wire, and every pause. On a fresh simulated mouse nothing is stored; with --mouse the
// real mouse receives the profile (without the connection step apply runs first).
#include <CLI/CLI.hpp>
#include <algorithm>
#include <ostream>

#include "cmd_device_support.h"
#include "command_registry.h"
#include "core/device/command_set.h"
#include "core/device/profile_download.h"
#include "profile_file_reader.h"
#include "wire_recorder.h"

namespace quendar::ctl {
namespace {

const CommandRegistration kTrace{{
    "trace",
    "Print every report and pause of a profile download (on a fresh simulated mouse, or --mouse)",
    [](CLI::App& sub) -> std::function<int(CommandIo&)> {
      auto file = std::make_shared<std::string>();
      auto onMouse = std::make_shared<bool>(false);
      sub.add_option("file", *file, "Profile data file")->required();
      sub.add_flag("--mouse", *onMouse, "Download to the real mouse (it keeps the profile) and print its wire");
      return [file, onMouse](CommandIo& io) {
        const auto contents = ReadProfileFileFor("trace", *file, io);
        if (!contents) return 1;
        std::string error;
        ConnectedMouse mouse = ConnectMouse(!*onMouse, error);
        if (!mouse.link) {
          io.err << "quendarctl trace: " << error << "\n";
          return 2;
        }
        const device::CommandEndpoint command = mouse.link->Command();
        WireRecorder recorder(*command.channel, *command.pacer);
        device::DeviceImage image;
        device::CommandSet commands(device::CommandEndpoint{&recorder, command.lengths, &recorder, command.timeout},
                                    image);
        const device::DownloadResult result = device::SendProfile(contents->record, commands);
        for (const sim::WireEntry& entry : recorder.Entries()) io.out << WireLine(entry) << "\n";
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
