// quendarctl export PROFILE.bin: the profile as a readable, editable JSON document on standard output
// (captions from PROFILE.ini when it is there). `import` turns it back into the same bytes.
#include <CLI/CLI.hpp>
#include <ostream>

#include "command_registry.h"
#include "core/profile_text/json_layout.h"
#include "core/profile_text/profile_json.h"
#include "profile_text_files.h"

namespace quendar::ctl {
namespace {

const CommandRegistration kExport{{
    "export",
    "Print a profile file as a readable JSON document (the reverse of import)",
    [](CLI::App& sub) -> std::function<int(CommandIo&)> {
      auto file = std::make_shared<std::string>();
      sub.add_option("file", *file, "Profile data file")->required();
      return [file](CommandIo& io) {
        const auto document = ReadProfileDocument("export", *file, io);
        if (!document) return 1;
        const profile_text::ExportResult exported = profile_text::ExportProfile(*document);
        for (const std::string& error : exported.errors) {
          io.err << "quendarctl export: " << *file << ": " << error << "\n";
        }
        if (!exported.errors.empty()) return 1;
        io.out << profile_text::LayOutJson(exported.json);
        return 0;
      };
    },
}};

}  // namespace
}  // namespace quendar::ctl
