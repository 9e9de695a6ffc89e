// quendarctl watch [--simulated]: prints each switch of the mouse's CPI stage with its CPI until
// interrupted (Ctrl+C). POSIX only: the interrupt is taken with sigwait, so no handler and no flag is
// shared with the reader thread.
#ifndef _WIN32
#include <CLI/CLI.hpp>
#include <signal.h>
#include <ostream>

#include "cmd_device_support.h"
#include "command_registry.h"
#include "stage_watch.h"

namespace quendar::ctl {
namespace {

// SIGINT and SIGTERM blocked in this thread and every thread started while it lives, so that they stay
// pending for Wait instead of ending the process.
class BlockedInterrupts {
 public:
  BlockedInterrupts() {
    sigemptyset(&set_);
    sigaddset(&set_, SIGINT);
    sigaddset(&set_, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &set_, &previous_);
  }
  ~BlockedInterrupts() { pthread_sigmask(SIG_SETMASK, &previous_, nullptr); }
  BlockedInterrupts(const BlockedInterrupts&) = delete;
  BlockedInterrupts& operator=(const BlockedInterrupts&) = delete;

  void Wait() const {
    int signal = 0;
    sigwait(&set_, &signal);
  }

 private:
  sigset_t set_{};
  sigset_t previous_{};
};

const CommandRegistration kWatch{{
    "watch",
    "Print each CPI-stage switch of the mouse with its CPI until interrupted (Ctrl+C)",
    [](CLI::App& sub) -> std::function<int(CommandIo&)> {
      auto simulated = std::make_shared<bool>(false);
      sub.add_flag("--simulated", *simulated, "Talk to a simulated mouse instead of the real one");
      return [simulated](CommandIo& io) {
        // Before any thread exists: the backend's and the reader's threads inherit the mask.
        const BlockedInterrupts interrupts;
        std::string error;
        ConnectedMouse mouse = ConnectMouse(*simulated, error);
        if (!mouse.link) {
          io.err << "quendarctl watch: " << error << "\n";
          return 2;
        }
        io.err << "watching the CPI button; Ctrl+C stops\n";
        return WatchStages(mouse, io, [&] { interrupts.Wait(); });
      };
    },
}};

}  // namespace
}  // namespace quendar::ctl
#endif
