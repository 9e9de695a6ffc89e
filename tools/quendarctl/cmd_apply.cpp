// quendarctl apply PROFILE.bin [--simulated]: sends a profile to the mouse as the program's "Save" does,
// after the connection step the program runs when it finds the mouse. No file is written.
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
        mouse.link->SetSensorType(commands.ConnectSequence());
        device::SendProfile(contents->record, commands);
        io.out << "applied " << *file << ": " << device::kDownloadExchangeCount << " exchanges\n";
        return 0;
      };
    },
}};

}  // namespace
}  // namespace quendar::ctl
