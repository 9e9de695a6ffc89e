#include "profile_text_files.h"

#include <ostream>

#include "core/ini/ini_document.h"
#include "core/ini/ini_store.h"
#include "core/ini/text_encoding.h"
#include "platform/platform_file_system.h"
#include "profile_file_reader.h"

namespace quendar::ctl {

std::filesystem::path CompanionTextFile(const std::filesystem::path& dataFile) {
  return std::filesystem::path(dataFile).replace_extension(".ini");
}

std::optional<profile_text::ProfileDocument> ReadProfileDocument(const char* command, const std::string& pathUtf8,
                                                                 CommandIo& io) {
  const auto contents = ReadProfileFileFor(command, pathUtf8, io);
  if (!contents) return std::nullopt;
  profile_text::ProfileDocument document{*contents, {}};
  const std::filesystem::path text = CompanionTextFile(PathFromUtf8(pathUtf8));
  platform::PlatformFileSystem disk;
  const ini::IniDocument ini = ini::IniDocument::Load(disk, text);
  if (ini.readFailure()) {
    io.err << "quendarctl " << command << ": cannot read the captions file '" << text.string()
           << "': " << ini::ToUtf8(disk.DescribeError(ini.readFailure()->systemError)) << "\n";
    return std::nullopt;
  }
  const std::wstring_view section = profiles::SettingsSection(profiles::Language::English);
  for (std::size_t b = 0; b < profiles::kButtonCount; ++b) {
    document.captions[b] = ini.Get(section, profiles::CaptionKey(b), ini::kValueBufferChars);
  }
  return document;
}

}  // namespace quendar::ctl
