// quendarctl apply PROFILE.bin [--simulated]: sends a profile to the mouse as the program's "Save" does,
// after the connection step the program runs when it finds the mouse. No file is written. Exits 3 with
// a one-line reason when the mouse did not take the profile.
#include <CLI/CLI.hpp>
#include <ostream>

#include "cmd_device_support.h"
#include "command_registry.h"
#include "core/device/command_set.h"
#include "core/device/profile_download.h"
#include "profile_file_reader.h"

namespace quendar::ctl {
namespace {

const CommandRegistration kApply{{
    "apply",
    "Send a profile file to the mouse",
    [](CLI::App& sub) -> std::function<int(CommandIo&)> {
      auto file = std::make_shared<std::string>();
      auto simulated = std::make_shared<bool>(false);
      sub.add_option("file", *file, "Profile data file")->required();
      sub.add_flag("--simulated", *simulated, "Talk to a simulated mouse instead of the real one");
      return [file, simulated](CommandIo& io) {
        const auto contents = ReadProfileFileFor("apply", *file, io);
        if (!contents) return 1;
        std::string error;
        ConnectedMouse mouse = ConnectMouse(*simulated, error);
        if (!mouse.link) {
          io.err << "quendarctl apply: " << error << "\n";
          return 2;
        }
        device::DeviceImage image;
        device::CommandSet commands(mouse.link->Command(), image);
        if (const device::ExchangeOutcome failed = commands.ConnectSequence()) {
          io.err << "quendarctl apply: the mouse did not take the connection step: " << device::Describe(*failed)
                 << "\n";
          return 3;
        }
        mouse.link->SetSensorType(image.sensorSettings[0]);
        const device::DownloadResult result = device::SendProfile(contents->record, commands);
        if (!result.ok()) {
          io.err << "quendarctl apply: " << *file << " did not reach the mouse: " << device::Describe(*result.failure)
                 << "\n";
          return 3;
        }
        io.out << "applied " << *file << ": " << result.exchanges << " exchanges\n";
        return 0;
      };
    },
}};

}  // namespace
}  // namespace quendar::ctl
