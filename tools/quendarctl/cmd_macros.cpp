// quendarctl macros STORE.ini: the twelve 128-byte macro blocks a macro store encodes to, one block per
// line as 256 hex digits.
#include <CLI/CLI.hpp>
#include <filesystem>
#include <ostream>

#include "cmd_device_support.h"
#include "command_registry.h"
#include "core/ini/text_encoding.h"
#include "core/macros/macro_store.h"
#include "profile_file_reader.h"
#include "platform/platform_file_system.h"

namespace quendar::ctl {
namespace {

const CommandRegistration kMacros{{
    "macros",
    "Print the twelve macro blocks a macro store (record.ini) encodes to",
    [](CLI::App& sub) -> std::function<int(CommandIo&)> {
      auto file = std::make_shared<std::string>();
      sub.add_option("file", *file, "Macro store file")->required();
      return [file](CommandIo& io) {
        const std::filesystem::path path = PathFromUtf8(*file);
        std::error_code ec;
        if (!std::filesystem::is_regular_file(path, ec)) {
          io.err << "quendarctl macros: cannot open '" << *file << "': no such file\n";
          return 1;
        }
        // A store that exists but cannot be read must not print as twelve empty blocks.
        platform::PlatformFileSystem disk;
        const files::ReadResult read = disk.Read(path);
        if (!read.read()) {
          io.err << "quendarctl macros: cannot read '" << *file << "': "
                 << ini::ToUtf8(disk.DescribeError(read.failure ? read.failure->systemError : 0)) << "\n";
          return 1;
        }
        const macros::BuiltMacroTable built = macros::MacroStore(disk, path).BuildMacroTable();
        for (std::size_t k = 0; k < macros::kMacroCount; ++k) {
          io.out << PackedHex(std::span(built.table).subspan(k * macros::kMacroBlockSize, macros::kMacroBlockSize))
                 << "\n";
        }
        for (const auto& name : built.cutMacros) {
          io.err << "quendarctl macros: macro '" << ini::ToUtf8(name)
                 << "' does not fit its 128-byte block; the events that did not fit were left out\n";
        }
        return 0;
      };
    },
}};

}  // namespace
}  // namespace quendar::ctl
