// quendarctl as a user runs it on Linux: the device commands with hidapi replaced by a fake over the
// simulated mouse, and the file commands (paths in any letters, a failing standard output).
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <mutex>
#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

#include "cmd_device_support.h"
#include "command_registry.h"
#include "core/device/command_set.h"
#include "core/device/profile_download.h"
#include "core/ini/ini_store.h"
#include "core/profiles/profile_data_file.h"
#include "fake_hidapi.h"
#include "native/device/sim_machine.h"
#include "native/device/wait_until.h"
#include "native/ini/temp_folder.h"
#include "platform/platform_file_system.h"
#include "stage_watch.h"

namespace quendar::ctl {
namespace {

using ::testing::HasSubstr;
using linux_hid::testing::FakeHidapiMachine;
using quendar::testing::ReadBytes;
using quendar::testing::WriteBytes;

struct Outcome { int exitCode = 0; std::string out; std::string err; };

// Runs `quendarctl ARGS...` in the test's process; `outBuffer` takes standard output instead of `out`.
Outcome RunCtl(std::vector<std::string> args, std::streambuf* outBuffer = nullptr) {
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

const std::filesystem::path kRuntime = QUENDAR_RUNTIME_DIR;
const std::string kProfile = (kRuntime / "config0.bin").string();

// The reports of a conversation as `trace` prints them; pauses are the pacer's, not the wire's.
std::vector<std::string> WireLines(const sim::SimulatedMouse& mouse) {
  std::vector<std::string> lines;
  for (const sim::WireEntry& entry : mouse.WireLog()) {
    if (entry.kind != sim::WireKind::Wait && entry.kind != sim::WireKind::EventIn) lines.push_back(WireLine(entry));
  }
  return lines;
}

TEST(QuendarctlHidraw, ApplyPutsTheSameExchangesOnTheWireAsTheWindowsPath) {
  // What apply does on the simulated platform of the Windows tests; `trace --mouse` prints this wire.
  device::testing::SimMachine windows;
  ASSERT_TRUE(windows.link.DiscoverDevice());
  device::DeviceImage image;
  device::CommandSet commands(windows.link.Command(), image);
  ASSERT_FALSE(commands.ConnectSequence());
  platform::PlatformFileSystem disk;
  const auto profile = profiles::ReadDataFile(disk, kProfile);
  ASSERT_EQ(profile.status, profiles::DataFileStatus::Loaded);
  ASSERT_EQ(device::SendProfile(profile.contents.record, commands).exchanges, 31);

  FakeHidapiMachine machine(sim::SimulatedMouse::Create());
  const Outcome apply = RunCtl({"apply", kProfile});
  ASSERT_EQ(apply.exitCode, 0) << apply.err;
  EXPECT_THAT(apply.out, HasSubstr(": 31 exchanges"));
  EXPECT_EQ(WireLines(machine.Mouse()), WireLines(*windows.mouse));
  EXPECT_EQ(machine.Mouse().State(), windows.mouse->State());
}

TEST(QuendarctlHidraw, AMouseThatCannotBeOpenedNamesTheUdevRuleAndItsInstallCommand) {
  FakeHidapiMachine machine(sim::SimulatedMouse::Create(), EACCES);
  const Outcome info = RunCtl({"info"});
  EXPECT_EQ(info.exitCode, 2);
  EXPECT_THAT(info.err, HasSubstr("failed (system error 13); the mouse is connected but this user may not open it"));
  EXPECT_THAT(info.err, HasSubstr(kUdevRuleName));
  EXPECT_THAT(info.err, HasSubstr(kUdevInstallCommand));
}

// An output stream the reader thread writes to while the test waits for a line.
class WatchedOutput : public std::stringbuf {
 public:
  bool WaitFor(const std::string& text) {
    return device::testing::WaitUntil([&] { std::lock_guard lock(mutex_); return text_.find(text) != std::string::npos; });
  }

 protected:
  int sync() override { std::lock_guard lock(mutex_); text_ = str(); return 0; }

 private:
  std::mutex mutex_;
  std::string text_;
};

TEST(QuendarctlHidrawReader, WatchPrintsTheStageTheMouseSwitchedToWithItsCpi) {
  FakeHidapiMachine machine(sim::SimulatedMouse::Create());
  std::string error;
  ConnectedMouse mouse = ConnectMouse(false, error);
  ASSERT_TRUE(mouse.link) << error;

  WatchedOutput buffer;
  std::ostream out(&buffer);
  std::ostringstream err;
  CommandIo io{out, err};
  bool printed = false;
  const int exitCode = WatchStages(mouse, io, [&] {
    // The factory stages: stage 3 is 1500 CPI.
    EXPECT_EQ(machine.Mouse().PressCpiButton(), 3);
    printed = buffer.WaitFor("stage 3: 1500 CPI\n");
  });
  EXPECT_EQ(exitCode, 0) << err.str();
  EXPECT_TRUE(printed) << buffer.str();
}

std::string Utf8(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

TEST(QuendarctlFiles, ExportThenImportRebuildsTheFileAndItsCaptionsUnderAnyNameAndRefusesABadDocument) {
  const quendar::testing::TempFolder folder;
  const std::filesystem::path bin = folder / std::filesystem::path(u8"профиль é.bin");
  std::filesystem::copy_file(kRuntime / "config1.bin", bin);
  std::filesystem::copy_file(kRuntime / "str1.ini", folder / std::filesystem::path(u8"профиль é.ini"));

  const Outcome exported = RunCtl({"export", Utf8(bin)});
  ASSERT_EQ(exported.exitCode, 0) << exported.err;
  const std::filesystem::path json = folder / "profile.json";
  WriteBytes(json, exported.out);
  const std::filesystem::path rebuilt = folder / std::filesystem::path(u8"новый.bin");
  const Outcome imported = RunCtl({"import", Utf8(json), "-o", Utf8(rebuilt)});
  ASSERT_EQ(imported.exitCode, 0) << imported.err;

  EXPECT_EQ(ReadBytes(rebuilt), ReadBytes(bin));
  platform::PlatformFileSystem disk;
  EXPECT_EQ(ini::ReadString(disk, folder / std::filesystem::path(u8"новый.ini"), L"Setting-EN", L"Item3"),
            L"Mouse M Button");

  // A refused document writes nothing and names the fault.
  WriteBytes(json, R"({"reportRateHz": 333})");
  const Outcome refused = RunCtl({"import", Utf8(json), "-o", Utf8(folder / "out.bin"), "--from", Utf8(bin)});
  EXPECT_EQ(refused.exitCode, 1);
  EXPECT_THAT(refused.err, HasSubstr("/reportRateHz: 333 is not a report rate; allowed: 1000, 500, 250 or 125"));
  EXPECT_FALSE(std::filesystem::exists(folder / "out.bin"));
}

// A standard output whose every write fails, as a full disk or a closed pipe.
class FailingOutput : public std::streambuf {
 protected:
  int_type overflow(int_type) override { return traits_type::eof(); }
};

TEST(QuendarctlFiles, AFailedWriteToStandardOutputIsAFailure) {
  FailingOutput output;
  const Outcome shown = RunCtl({"show", Utf8(kRuntime / "config0.bin")}, &output);
  EXPECT_EQ(shown.exitCode, 4);
  EXPECT_THAT(shown.err, HasSubstr("quendarctl show: writing to standard output failed"));
}

}  // namespace
}  // namespace quendar::ctl
