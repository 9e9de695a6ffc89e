// A save killed at any moment must leave a complete old or new file. Runs where processes can be
// forked and killed.
#ifndef _WIN32
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <vector>

#include "core/files/file_system.h"
#include "core/ini/ini_document.h"
#include "core/ini/ini_store.h"
#include "core/profiles/profile_data_file.h"
#include "native/ini/temp_folder.h"
#include "platform/platform_file_system.h"

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

// Alternates the profile data file and an INI text file; each run kills a process that saves one of
// them in a loop, at a different point of a save, then checks that the file is whole, then the next
// start's clean-up removes what the killed saves left.
TEST(CrashSafety, AKilledSaveLeavesTheOldOrTheNewFile) {
  testing::TempFolder folder;
  platform::PlatformFileSystem disk;
  const auto data = folder / "config0.bin";
  const auto text = folder / "str0.ini";
  const ProfileRecord a = Filled(0xAA), b = Filled(0xBB);
  ASSERT_FALSE(WriteDataFile(disk, data, 1, a).failed());
  const std::vector<ini::KeyValue> captionsA{{L"Item1", L"alpha"}, {L"Item2", L"one"}};
  const std::vector<ini::KeyValue> captionsB{{L"Item1", L"beta"}, {L"Item2", L"two"}};
  ASSERT_FALSE(ini::WriteString(disk, text, L"Skins", L"Path", L"Default").failed());
  ASSERT_FALSE(ini::WriteStrings(disk, text, L"Setting-EN", captionsA).failed());

  constexpr int kRuns = 1000;
  for (int run = 0; run < kRuns; ++run) {
    const bool dataRun = run % 2 == 0;
    int pipeFds[2];
    ASSERT_EQ(pipe(pipeFds), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      close(pipeFds[0]);
      for (unsigned n = 0;; ++n) {
        const bool failed = dataRun ? WriteDataFile(disk, data, 1, n % 2 ? a : b).failed()
                                    : ini::WriteStrings(disk, text, L"Setting-EN", n % 2 ? captionsA : captionsB).failed();
        if (failed) _exit(3);
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

    if (dataRun) {
      const DataFileRead read = ReadDataFile(disk, data);
      ASSERT_EQ(read.status, DataFileStatus::Loaded) << "run " << run;
      ASSERT_TRUE(read.contents.record == a || read.contents.record == b) << "torn data file, run " << run;
    } else {
      const ini::IniDocument doc = ini::IniDocument::Load(disk, text);
      const std::wstring first = doc.Get(L"Setting-EN", L"Item1", 1024), second = doc.Get(L"Setting-EN", L"Item2", 1024);
      ASSERT_TRUE((first == L"alpha" && second == L"one") || (first == L"beta" && second == L"two"))
          << "torn text file, run " << run;
      ASSERT_EQ(doc.Get(L"Skins", L"Path", 1024), L"Default") << "lost key, run " << run;
    }
  }
  // Killed saves leave at most their temporary files, never under a target's name, and the next start
  // removes exactly those.
  const std::filesystem::path other = folder / "config0.bin.tmp-notes.txt";
  testing::WriteBytes(other, "not ours");
  const std::vector<std::filesystem::path> targets{data, text};
  EXPECT_TRUE(files::RemoveStaleTemporaryFiles(disk, targets).empty());
  std::vector<std::filesystem::path> left;
  for (const auto& entry : std::filesystem::directory_iterator(folder.path())) left.push_back(entry.path());
  std::ranges::sort(left);
  EXPECT_EQ(left, (std::vector<std::filesystem::path>{data, other, text}));
}

}  // namespace
}  // namespace quendar::profiles
#endif
