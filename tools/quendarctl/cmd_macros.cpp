// quendarctl macros STORE.ini: the twelve 128-byte macro blocks a macro store encodes to, one block per
// line as 256 hex digits.
#include <CLI/CLI.hpp>
#include <filesystem>
#include <fstream>
#include <ostream>

#include "cmd_device_support.h"
#include "command_registry.h"
#include "core/ini/text_encoding.h"
#include "core/macros/macro_store.h"
#include "profile_file_reader.h"

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
        // The store reads an unreadable file as an empty one: that would print twelve empty blocks.
        if (!std::ifstream(path, std::ios::binary)) {
          io.err << "quendarctl macros: cannot read '" << *file << "'\n";
          return 1;
        }
        const macros::BuiltMacroTable built = macros::MacroStore(path).BuildMacroTable();
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
