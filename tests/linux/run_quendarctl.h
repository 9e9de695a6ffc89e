#pragma once
// Runs quendarctl's command line in the test's process, as `quendarctl ARGS...` would.
#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

#include "command_registry.h"

namespace quendar::ctl::testing {

struct Outcome {
  int exitCode = 0;
  std::string out;
  std::string err;
};

// `outBuffer`: standard output goes there instead of into Outcome::out.
inline Outcome RunCtl(std::vector<std::string> args, std::streambuf* outBuffer = nullptr) {
  args.insert(args.begin(), "quendarctl");
  std::vector<const char*> argv;
  for (const std::string& a : args) argv.push_back(a.c_str());
  std::ostringstream out, err;
  std::ostream redirected(outBuffer);
  Outcome result;
  result.exitCode = RunCommandLine(static_cast<int>(argv.size()), argv.data(), {outBuffer ? redirected : out, err});
  result.out = out.str();
  result.err = err.str();
  return result;
}

}  // namespace quendar::ctl::testing
