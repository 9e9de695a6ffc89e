#include "command_registry.h"

#include <CLI/CLI.hpp>
#include <ostream>

namespace quendar::ctl {

std::vector<CommandInfo>& RegisteredCommands() {
  static std::vector<CommandInfo> commands;
  return commands;
}

int RunCommandLine(int argc, const char* const* argv, CommandIo io) {
  CLI::App app{"Companion of the QUENDAR 2017 mouse utility: inspects profile files", "quendarctl"};
  app.require_subcommand(1);
  // Paths beginning with "/" are paths here, also on Windows, never options.
  app.allow_windows_style_options(false);
  std::vector<std::pair<CLI::App*, std::function<int(CommandIo&)>>> runners;
  for (const CommandInfo& command : RegisteredCommands()) {
    CLI::App* sub = app.add_subcommand(command.name, command.summary);
    runners.emplace_back(sub, command.attach(*sub));
  }
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    return app.exit(e, io.out, io.err);
  }
  for (auto& [sub, run] : runners) {
    if (sub->parsed()) return run(io);
  }
  return 1;
}

}  // namespace quendar::ctl
