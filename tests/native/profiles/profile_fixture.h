#pragma once
// A program folder holding the installed default files, with the profile state and files over it.
#include <gtest/gtest.h>

#include <algorithm>

#include <string>
#include <vector>

#include "core/ini/ini_document.h"
#include "core/ini/ini_store.h"
#include "core/profiles/profile_data_file.h"
#include "core/profiles/profile_files.h"
#include "core/profiles/profile_list.h"
#include "native/ini/temp_folder.h"
#include "core/profiles/file_problem_texts.h"
#include "native/files/faulty_file_system.h"
#include "native/profiles/fake_host.h"

namespace quendar::testing {

inline constexpr wchar_t kTitle[] = L"VELMARK QUENDAR 2017";

class ProfileFolderTest : public ::testing::Test {
 protected:
  ProfileFolderTest() {
    for (const auto& entry : std::filesystem::directory_iterator(QUENDAR_RUNTIME_DIR)) {
      if (entry.is_regular_file()) std::filesystem::copy_file(entry.path(), folder / entry.path().filename());
    }
  }

  std::filesystem::path ModulePath() const { return folder / L"QUENDAR 2017.exe"; }

  void SetList(const std::vector<std::wstring>& names, const std::wstring& current, const std::wstring& count = L"") {
    ini::IniDocument doc = ini::IniDocument::Load(disk, folder / "str.ini");
    doc.RemoveSection(profiles::kProfileSection);
    doc.Set(profiles::kProfileSection, profiles::kCurrentNameKey, current);
    doc.Set(profiles::kProfileSection, profiles::kItemCountKey, count.empty() ? std::to_wstring(names.size()) : count);
    for (std::size_t i = 0; i < names.size(); ++i) doc.Set(profiles::kProfileSection, profiles::ProfileItemKey(i), names[i]);
    ASSERT_FALSE(doc.Save(disk, folder / "str.ini").failed());
  }

  // A data file whose record is all `fill` (ProfileNumber included), with the given flag.
  void MakeDataFile(const std::filesystem::path& file, std::uint8_t fill, std::uint8_t flag = 0) {
    profiles::ProfileRecord record;
    std::ranges::fill(record.bytes(), fill);
    ASSERT_FALSE(profiles::WriteDataFile(disk, file, flag, record).failed());
  }

  profiles::DataFileContents DataFile(const std::filesystem::path& file) {
    const auto read = profiles::ReadDataFile(disk, file);
    EXPECT_EQ(read.status, profiles::DataFileStatus::Loaded) << file;
    return read.contents;
  }

  // The messages the operations so far owe the user, as the application shows them.
  const std::vector<ShownMessage>& Shown() {
    for (const profiles::FileProblem& problem : files.TakeProblems()) {
      const profiles::ProblemMessage message = profiles::MessageFor(
          problem, profiles::Language::English, kTitle, [this](int error) { return disk.DescribeError(error); });
      shown_.push_back({message.text, message.caption});
    }
    return shown_;
  }

  TempFolder folder;
  FaultyFileSystem disk;
  profiles::ProfileState state;
  profiles::ProfileFiles files{state, disk, ModulePath()};

 private:
  std::vector<ShownMessage> shown_;
};

}  // namespace quendar::testing
