// quendarctl keymatrix PROFILE.bin: key matrix 1 of a profile, one slot per line as 8 hex digits, byte 0
// first.
#include <CLI/CLI.hpp>
#include <ostream>

#include "cmd_device_support.h"
#include "command_registry.h"
#include "core/keys/profile_buttons.h"
#include "profile_file_reader.h"

namespace quendar::ctl {
namespace {

const CommandRegistration kKeyMatrix{{
    "keymatrix",
    "Print the sixteen button codes of key matrix 1 that a profile sends",
    [](CLI::App& sub) -> std::function<int(CommandIo&)> {
      auto file = std::make_shared<std::string>();
      sub.add_option("file", *file, "Profile data file")->required();
      return [file](CommandIo& io) {
        const auto contents = ReadProfileFileFor("keymatrix", *file, io);
        if (!contents) return 1;
        for (const keys::ButtonCode& code : keys::BuildKeyMatrix(contents->record)) {
          io.out << PackedHex(code) << "\n";
        }
        return 0;
      };
    },
}};

}  // namespace
}  // namespace quendar::ctl
