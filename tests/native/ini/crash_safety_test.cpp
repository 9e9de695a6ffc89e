// A save killed at any moment must leave a complete old or new file. Runs where processes can be
// forked and killed.
#ifndef _WIN32
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>

#include "core/profiles/profile_data_file.h"
#include "native/ini/temp_folder.h"

namespace quendar::profiles {
namespace {

ProfileRecord Filled(std::uint8_t value) {
  ProfileRecord record;
  std::ranges::fill(record.bytes(), value);
  return record;
}

// Waits for `count` bytes from the saving child; false when the deadline passes first.
bool WaitForSaves(int fd, int count, std::chrono::milliseconds deadline) {
  const auto end = std::chrono::steady_clock::now() + deadline;
  while (count > 0) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - std::chrono::steady_clock::now());
    if (left.count() <= 0) return false;
    pollfd p{fd, POLLIN, 0};
    if (poll(&p, 1, static_cast<int>(left.count())) <= 0) return false;
    char buffer[64];
    const ssize_t n = read(fd, buffer, std::min<ssize_t>(count, sizeof buffer));
    if (n <= 0) return false;
    count -= static_cast<int>(n);
  }
  return true;
}

TEST(CrashSafety, AKilledSaveLeavesTheOldOrTheNewFile) {
  testing::TempFolder folder;
  const auto target = folder / "config0.bin";
  const ProfileRecord a = Filled(0xAA), b = Filled(0xBB);
  ASSERT_TRUE(WriteDataFile(target, 1, a).ok);

  constexpr int kRuns = 120;
  for (int run = 0; run < kRuns; ++run) {
    int pipeFds[2];
    ASSERT_EQ(pipe(pipeFds), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      close(pipeFds[0]);
      for (unsigned n = 0;; ++n) {
        if (!WriteDataFile(target, 1, n % 2 ? a : b).ok) _exit(3);
        const char done = 1;
        if (write(pipeFds[1], &done, 1) != 1) _exit(4);
      }
    }
    close(pipeFds[1]);
    const bool saving = WaitForSaves(pipeFds[0], 1 + run % 3, std::chrono::seconds(10));
    // Spread the kill over the phases of the next save: none, a little, more of it.
    const auto spin = std::chrono::microseconds((run * 37) % 400);
    for (const auto start = std::chrono::steady_clock::now(); std::chrono::steady_clock::now() - start < spin;) {
    }
    kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
    close(pipeFds[0]);
    ASSERT_TRUE(saving) << "the saving process did not run, run " << run;
    ASSERT_TRUE(WIFSIGNALED(status)) << "the saving process failed, run " << run;

    const DataFileRead read = ReadDataFile(target);
    ASSERT_EQ(read.status, DataFileStatus::Loaded) << "run " << run;
    ASSERT_EQ(read.contents.firstRunFlag, 1);
    ASSERT_TRUE(read.contents.record == a || read.contents.record == b) << "torn file, run " << run;
  }
  // Killed saves leave at most their temporary files, never under the target's name.
  for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
    if (entry.path() != target) EXPECT_NE(entry.path().filename().wstring().find(L".tmp-"), std::wstring::npos);
  }
}

}  // namespace
}  // namespace quendar::profiles
#endif
