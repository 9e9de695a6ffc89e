// quendarctl import PROFILE.json -o OUT.bin [--from BASE.bin]: builds a profile file from its JSON
// document, and OUT.ini beside it with the buttons' captions. Nothing is written unless every value
// of the document is valid.
#include <CLI/CLI.hpp>
#include <fstream>
#include <ostream>

#include "command_registry.h"
#include "core/ini/ini_store.h"
#include "core/profile_text/profile_json.h"
#include "core/profiles/profile_data_file.h"
#include "core/ini/text_encoding.h"
#include "platform/platform_file_system.h"
#include "profile_file_reader.h"
#include "profile_text_files.h"

namespace quendar::ctl {
namespace {

int Import(const std::string& jsonFile, const std::string& outFile, const std::string& baseFile, CommandIo& io) {
  std::ifstream in(PathFromUtf8(jsonFile), std::ios::binary);
  if (!in) {
    io.err << "quendarctl import: cannot read '" << jsonFile << "'\n";
    return 1;
  }
  nlohmann::ordered_json json = nlohmann::ordered_json::parse(in, nullptr, false);
  if (json.is_discarded()) {
    io.err << "quendarctl import: '" << jsonFile << "' is not valid JSON\n";
    return 1;
  }
  std::optional<profile_text::ProfileDocument> base;
  if (!baseFile.empty()) {
    base = ReadProfileDocument("import", baseFile, io);
    if (!base) return 1;
  }
  const profile_text::ImportResult imported = profile_text::ImportProfile(json, base);
  for (const std::string& error : imported.errors) io.err << "quendarctl import: " << jsonFile << error << "\n";
  if (!imported.document) return 1;

  const std::filesystem::path out = PathFromUtf8(outFile);
  const profile_text::ProfileDocument& document = *imported.document;
  platform::PlatformFileSystem disk;
  if (const files::WriteResult written =
          profiles::WriteDataFile(disk, out, document.contents.firstRunFlag, document.contents.record);
      written.failed()) {
    io.err << "quendarctl import: cannot write '" << outFile
           << "': " << ini::ToUtf8(disk.DescribeError(written.failure().systemError)) << "\n";
    return 1;
  }
  std::array<ini::KeyValue, profiles::kButtonCount> captions;
  for (std::size_t b = 0; b < profiles::kButtonCount; ++b) captions[b] = {profiles::CaptionKey(b), document.captions[b]};
  const std::filesystem::path text = CompanionTextFile(out);
  if (const files::WriteResult written =
          ini::WriteStrings(disk, text, profiles::SettingsSection(profiles::Language::English), captions);
      written.failed()) {
    io.err << "quendarctl import: wrote '" << outFile << "' but cannot write its captions file '" << text.string()
           << "': " << ini::ToUtf8(disk.DescribeError(written.failure().systemError)) << "\n";
    return 1;
  }
  io.out << "wrote " << outFile << " and " << text.string() << "\n";
  return 0;
}

const CommandRegistration kImport{{
    "import",
    "Build a profile file (and its captions file) from a JSON document made by export",
    [](CLI::App& sub) -> std::function<int(CommandIo&)> {
      auto file = std::make_shared<std::string>();
      auto out = std::make_shared<std::string>();
      auto from = std::make_shared<std::string>();
      sub.add_option("file", *file, "JSON document")->required();
      sub.add_option("-o,--output", *out, "Profile data file to write")->required();
      sub.add_option("--from", *from, "Profile file whose values fill in what the document leaves out");
      return [file, out, from](CommandIo& io) { return Import(*file, *out, *from, io); };
    },
}};

}  // namespace
}  // namespace quendar::ctl
