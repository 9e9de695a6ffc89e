#pragma once
// The commands of quendarctl. A command file defines one CommandRegistration at namespace scope; main
// attaches every registered command as a subcommand.
#include <functional>
#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

namespace CLI {
class App;
}

namespace quendar::ctl {

struct CommandIo {
  std::ostream& out;
  std::ostream& err;
};

// Adds the command's options to its subcommand and returns what runs it (the process exit code).
using CommandAttach = std::function<std::function<int(CommandIo&)>(CLI::App& subcommand)>;

struct CommandInfo {
  std::string name;
  std::string summary;
  CommandAttach attach;
};

std::vector<CommandInfo>& RegisteredCommands();

struct CommandRegistration {
  explicit CommandRegistration(CommandInfo command) { RegisteredCommands().push_back(std::move(command)); }
};

// Parses the arguments and runs the chosen command; the exit code of the process.
int RunCommandLine(int argc, const char* const* argv, CommandIo io);

}  // namespace quendar::ctl
