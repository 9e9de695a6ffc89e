#include "command_registry.h"

#include <CLI/CLI.hpp>
#include <exception>
#include <ostream>

namespace quendar::ctl {

std::vector<CommandInfo>& RegisteredCommands() {
  static std::vector<CommandInfo> commands;
  return commands;
}

namespace {

constexpr int kOutputFailed = 4;

// A command never ends the process by an exception, and its exit code tells whether its output
// reached standard output.
int RunChecked(const std::string& name, const std::function<int(CommandIo&)>& run, CommandIo& io) {
  int code = 0;
  try {
    code = run(io);
  } catch (const std::exception& e) {
    io.err << "quendarctl " << name << ": " << e.what() << "\n";
    return 1;
  }
  io.out.flush();
  if (!io.out) {
    io.err << "quendarctl " << name << ": writing to standard output failed\n";
    return code == 0 ? kOutputFailed : code;
  }
  return code;
}

}  // namespace

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
    if (sub->parsed()) return RunChecked(sub->get_name(), run, io);
  }
  return 1;
}

}  // namespace quendar::ctl
