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
bool WaitForSaves(int fd, int count) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  for (char byte; count > 0; --count) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - std::chrono::steady_clock::now());
    pollfd p{fd, POLLIN, 0};
    if (left.count() <= 0 || poll(&p, 1, static_cast<int>(left.count())) <= 0 || read(fd, &byte, 1) != 1) return false;
  }
  return true;
}

// Alternates the profile data file and an INI text file; each run kills a process that saves one of
// them in a loop, at a different point of a save, then checks that the file is whole, then the next
// start's clean-up removes what the killed saves left.
TEST(CrashSafety, AKilledSaveLeavesTheOldOrTheNewFile) {
  testing::TempFolder folder;
  platform::PlatformFileSystem disk;
  const auto data = folder / "config0.bin", text = folder / "str0.ini";
  const ProfileRecord a = Filled(0xAA), b = Filled(0xBB);
  const std::vector<ini::KeyValue> captions[] = {{{L"Item1", L"alpha"}, {L"Item2", L"one"}},
                                                 {{L"Item1", L"beta"}, {L"Item2", L"two"}}};
  ASSERT_FALSE(WriteDataFile(disk, data, 1, a).failed());
  ASSERT_FALSE(ini::WriteString(disk, text, L"Skins", L"Path", L"Default").failed());
  ASSERT_FALSE(ini::WriteStrings(disk, text, L"Setting-EN", captions[0]).failed());

  for (int run = 0; run < 1000; ++run) {
    SCOPED_TRACE(run);
    const bool dataRun = run % 2 == 0;
    int pipeFds[2];
    ASSERT_EQ(pipe(pipeFds), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      close(pipeFds[0]);
      for (unsigned n = 0;; ++n) {
        const bool failed = dataRun ? WriteDataFile(disk, data, 1, n % 2 ? a : b).failed()
                                    : ini::WriteStrings(disk, text, L"Setting-EN", captions[n % 2]).failed();
        const char done = 1;
        if (failed || write(pipeFds[1], &done, 1) != 1) _exit(3);
      }
    }
    close(pipeFds[1]);
    const bool saving = WaitForSaves(pipeFds[0], 1 + run % 3);
    // Spread the kill over the phases of the next save: none, a little, more of it.
    for (const auto end = std::chrono::steady_clock::now() + std::chrono::microseconds((run * 37) % 400);
         std::chrono::steady_clock::now() < end;) {
    }
    kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
    close(pipeFds[0]);
    ASSERT_TRUE(saving && WIFSIGNALED(status)) << "the saving process did not run or failed";

    if (dataRun) {
      const DataFileRead read = ReadDataFile(disk, data);
      ASSERT_EQ(read.status, DataFileStatus::Loaded);
      ASSERT_TRUE(read.contents.record == a || read.contents.record == b) << "torn data file";
    } else {
      const ini::IniDocument doc = ini::IniDocument::Load(disk, text);
      const std::wstring pair = doc.Get(L"Setting-EN", L"Item1", 1024) + L"/" + doc.Get(L"Setting-EN", L"Item2", 1024);
      ASSERT_TRUE(pair == L"alpha/one" || pair == L"beta/two") << "torn text file";
      ASSERT_EQ(doc.Get(L"Skins", L"Path", 1024), L"Default") << "lost key";
    }
  }
  // Killed saves leave at most their temporary files, never under a target's name, and the next start
  // removes exactly those.
  const std::filesystem::path other = folder / "config0.bin.tmp-notes.txt";
  testing::WriteBytes(other, "not ours");
  EXPECT_TRUE(files::RemoveStaleTemporaryFiles(disk, std::vector<std::filesystem::path>{data, text}).empty());
  std::vector<std::filesystem::path> left;
  for (const auto& entry : std::filesystem::directory_iterator(folder.path())) left.push_back(entry.path());
  std::ranges::sort(left);
  EXPECT_EQ(left, (std::vector<std::filesystem::path>{data, other, text}));
}

}  // namespace
}  // namespace quendar::profiles
#endif
