// quendarctl's device commands over the Linux backend, with hidapi replaced by a fake over the simulated
// mouse: the wire must be what the Windows path puts on it, and the failures must say what to do.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

#include "cmd_device_support.h"
#include "core/device/command_set.h"
#include "core/device/profile_download.h"
#include "core/profiles/profile_data_file.h"
#include "platform/platform_file_system.h"
#include "sim/sim_hid_backend.h"
#include "fake_hidapi.h"
#include "run_quendarctl.h"
#include "stage_watch.h"

namespace quendar::linux_hid::testing {
namespace {

const std::string kProfile = std::string(QUENDAR_RUNTIME_DIR) + "/config0.bin";

// The reports of a conversation as `trace` prints them; pauses are the pacer's, not the wire's.
std::vector<std::string> WireLines(const sim::SimulatedMouse& mouse) {
  std::vector<std::string> lines;
  for (const sim::WireEntry& entry : mouse.WireLog()) {
    if (entry.kind != sim::WireKind::Wait && entry.kind != sim::WireKind::EventIn) lines.push_back(ctl::WireLine(entry));
  }
  return lines;
}

TEST(QuendarctlHidraw, ApplyPutsTheSameExchangesOnTheWireAsTheWindowsPath) {
  // What apply does, on the simulated platform the Windows program's tests run on.
  auto windowsMouse = sim::SimulatedMouse::Create();
  {
    sim::SimHidBackend backend(windowsMouse);
    device::DeviceLink link(backend);
    ASSERT_TRUE(link.DiscoverDevice());
    device::DeviceImage image;
    device::CommandSet commands(link.Command(), image);
    ASSERT_FALSE(commands.ConnectSequence());
    platform::PlatformFileSystem disk;
    const auto profile = profiles::ReadDataFile(disk, kProfile);
    ASSERT_EQ(profile.status, profiles::DataFileStatus::Loaded);
    ASSERT_EQ(device::SendProfile(profile.contents.record, commands).exchanges, 31);
  }

  FakeHidapiMachine machine(sim::SimulatedMouse::Create());
  const ctl::testing::Outcome apply = ctl::testing::RunCtl({"apply", kProfile});
  ASSERT_EQ(apply.exitCode, 0) << apply.err;
  EXPECT_THAT(apply.out, ::testing::HasSubstr(": 31 exchanges"));
  EXPECT_EQ(WireLines(machine.Mouse()), WireLines(*windowsMouse));
  EXPECT_EQ(machine.Mouse().State(), windowsMouse->State());
}

TEST(QuendarctlHidraw, TraceOnTheMousePrintsTheSimulatedTraceByteForByte) {
  const ctl::testing::Outcome simulated = ctl::testing::RunCtl({"trace", kProfile});
  ASSERT_EQ(simulated.exitCode, 0) << simulated.err;
  FakeHidapiMachine machine(sim::SimulatedMouse::Create());
  const ctl::testing::Outcome onMouse = ctl::testing::RunCtl({"trace", "--mouse", kProfile});
  ASSERT_EQ(onMouse.exitCode, 0) << onMouse.err;
  EXPECT_EQ(onMouse.out, simulated.out);
}

TEST(QuendarctlHidraw, AMouseThatCannotBeOpenedNamesTheUdevRuleAndItsInstallCommand) {
  FakeHidapiMachine machine(sim::SimulatedMouse::Create(), EACCES);
  const ctl::testing::Outcome info = ctl::testing::RunCtl({"info"});
  EXPECT_EQ(info.exitCode, 2);
  EXPECT_THAT(info.err, ::testing::HasSubstr("failed (system error 13); the mouse is connected but this user may not open it"));
  EXPECT_THAT(info.err, ::testing::HasSubstr(ctl::kUdevRuleName));
  EXPECT_THAT(info.err, ::testing::HasSubstr(ctl::kUdevInstallCommand));
}

// An output stream the reader thread writes to while the test waits for a line.
class WatchedOutput : public std::stringbuf {
 public:
  bool WaitFor(const std::string& text) {
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, std::chrono::seconds(5), [&] { return text_.find(text) != std::string::npos; });
  }

 protected:
  int sync() override {
    {
      std::lock_guard lock(mutex_);
      text_ = str();
    }
    changed_.notify_all();
    return 0;
  }

 private:
  std::mutex mutex_;
  std::condition_variable changed_;
  std::string text_;
};

TEST(QuendarctlHidrawReader, WatchPrintsTheStageTheMouseSwitchedToWithItsCpi) {
  FakeHidapiMachine machine(sim::SimulatedMouse::Create());
  std::string error;
  ctl::ConnectedMouse mouse = ctl::ConnectMouse(false, error);
  ASSERT_TRUE(mouse.link) << error;

  WatchedOutput buffer;
  std::ostream out(&buffer);
  std::ostringstream err;
  ctl::CommandIo io{out, err};
  bool printed = false;
  const int exitCode = ctl::WatchStages(mouse, io, [&] {
    // The factory stages: stage 3 is 1500 CPI.
    EXPECT_EQ(machine.Mouse().PressCpiButton(), 3);
    printed = buffer.WaitFor("stage 3: 1500 CPI\n");
  });
  EXPECT_EQ(exitCode, 0) << err.str();
  EXPECT_TRUE(printed) << buffer.str();
}

}  // namespace
}  // namespace quendar::linux_hid::testing
