#pragma once
// Reads a profile data file for the commands, with an error text for the user instead of a silent
// refusal.
#include <filesystem>
#include <optional>
#include <string>

#include "command_registry.h"
#include "core/profiles/profile_data_file.h"

namespace quendar::ctl {

struct ProfileFileRead {
  std::optional<profiles::DataFileContents> contents;
  std::string error;
};

// A command-line argument (UTF-8) as a path, whatever the locale.
std::filesystem::path PathFromUtf8(const std::string& text);

// `pathUtf8` as given on the command line.
ProfileFileRead ReadProfileFile(const std::string& pathUtf8);

// The same for one command: a failure is reported on stderr as "quendarctl <command>: <error>".
std::optional<profiles::DataFileContents> ReadProfileFileFor(const char* command, const std::string& pathUtf8,
                                                            CommandIo& io);

}  // namespace quendar::ctl
