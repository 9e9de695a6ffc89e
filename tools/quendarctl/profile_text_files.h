#pragma once
// The files of export and import: a profile data file with the English captions of its companion text
// file (NAME.ini beside NAME.bin, as the program's own export writes it).
#include <filesystem>
#include <optional>
#include <string>

#include "command_registry.h"
#include "core/profile_text/profile_json.h"

namespace quendar::ctl {

std::filesystem::path CompanionTextFile(const std::filesystem::path& dataFile);

// The data file and its captions (empty when it has no text file). A text file that exists but cannot
// be read is an error, reported as "quendarctl <command>: ...".
std::optional<profile_text::ProfileDocument> ReadProfileDocument(const char* command, const std::string& pathUtf8,
                                                                 CommandIo& io);

}  // namespace quendar::ctl
