#pragma once
// A program folder holding the installed default files, with the profile state and files over it; the
// file system with faults the test switches on; host services with scripted file-dialog answers.
#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "core/app/host_services.h"
#include "core/files/file_system.h"
#include "core/ini/ini_document.h"
#include "core/ini/ini_store.h"
#include "core/profiles/file_problem_texts.h"
#include "core/profiles/profile_data_file.h"
#include "core/profiles/profile_files.h"
#include "core/profiles/profile_list.h"
#include "native/ini/temp_folder.h"
#include "platform/platform_file_system.h"

namespace quendar::testing {

inline void CopyInstalledFiles(const TempFolder& folder) {
  for (const auto& entry : std::filesystem::directory_iterator(QUENDAR_RUNTIME_DIR)) {
    if (entry.is_regular_file()) std::filesystem::copy_file(entry.path(), folder / entry.path().filename());
  }
}

// The machine's file system with a fault armed by the test: a refused read, a refused temporary file, a
// full disk part-way through the write, or a refused final replace, for every file or for files of one
// name. A fault that fires leaves the disk exactly as the platform would.
enum class Fault { None, RefuseRead, RefuseCreate, DiskFull, RefuseReplace, RefuseRename };

class FaultyFileSystem final : public files::FileSystem {
 public:
  // Arms `fault` for files whose name is `fileName` (all files when empty).
  void Arm(Fault fault, std::wstring fileName = {}) {
    fault_ = fault;
    fileName_ = std::move(fileName);
    fired_ = 0;
    failingReplace_ = -1;
  }
  // Arms a full disk for the `n`th replacement from now (0 first) only.
  void ArmNthReplace(int n) {
    Arm(Fault::None);
    failingReplace_ = n;
  }
  int faultsFired() const { return fired_; }

  files::ReadResult Read(const std::filesystem::path& file) override {
    if (Fires(Fault::RefuseRead, file) && real_.Exists(file)) {
      return {files::ReadResult::Status::Unreadable, {}, files::FileFailure{files::FileStep::Read, file, EBUSY}};
    }
    return real_.Read(file);
  }
  files::WriteResult Replace(const std::filesystem::path& file, std::span<const unsigned char> bytes) override {
    if (failingReplace_ >= 0 && failingReplace_-- == 0) {
      ++fired_;
      return files::FileFailure{files::FileStep::Write, file, ENOSPC};
    }
    if (Fires(Fault::RefuseCreate, file)) return files::FileFailure{files::FileStep::CreateTemporary, file, EACCES};
    if (Fires(Fault::DiskFull, file)) return files::FileFailure{files::FileStep::Write, file, ENOSPC};
    if (Fires(Fault::RefuseReplace, file)) return files::FileFailure{files::FileStep::Replace, file, EBUSY};
    return real_.Replace(file, bytes);
  }
  files::WriteResult Rename(const std::filesystem::path& from, const std::filesystem::path& to) override {
    if (Fires(Fault::RefuseRename, from)) return files::FileFailure{files::FileStep::Rename, from, EBUSY};
    return real_.Rename(from, to);
  }
  files::WriteResult Remove(const std::filesystem::path& file) override { return real_.Remove(file); }
  bool Exists(const std::filesystem::path& file) override { return real_.Exists(file); }
  std::vector<std::filesystem::path> ListFiles(const std::filesystem::path& dir) override { return real_.ListFiles(dir); }
  std::wstring DescribeError(int systemError) override { return L"platform error " + std::to_wstring(systemError); }

 private:
  bool Fires(Fault fault, const std::filesystem::path& file) {
    if (fault_ != fault || (!fileName_.empty() && file.filename().wstring() != fileName_)) return false;
    ++fired_;
    return true;
  }

  platform::PlatformFileSystem real_;
  Fault fault_ = Fault::None;
  std::wstring fileName_;
  int fired_ = 0;
  int failingReplace_ = -1;
};

// A dialog or a question nobody scripted fails the test.
struct ShownMessage { std::wstring text; std::wstring caption; };

class FakeHost : public app::HostServices {
 public:
  void ShowMessage(std::wstring_view text, std::wstring_view caption) override {
    messages.push_back({std::wstring(text), std::wstring(caption)});
  }
  std::optional<std::filesystem::path> ChooseFileToOpen(const app::FileDialogOptions&) override { return Answer(); }
  std::optional<std::filesystem::path> ChooseFileToSave(const app::FileDialogOptions&) override { return Answer(); }
  bool Confirm(std::wstring_view text, std::wstring_view) override {
    ADD_FAILURE() << "unexpected question: " << ::testing::PrintToString(std::wstring(text));
    return false;
  }

  std::vector<ShownMessage> messages;
  std::deque<std::optional<std::filesystem::path>> answers;  // nullopt = the user cancels

 private:
  std::optional<std::filesystem::path> Answer() {
    if (answers.empty()) return ADD_FAILURE() << "unexpected file dialog", std::nullopt;
    auto answer = answers.front();
    answers.pop_front();
    return answer;
  }
};

inline constexpr wchar_t kTitle[] = L"VELMARK QUENDAR 2017";

class ProfileFolderTest : public ::testing::Test {
 protected:
  ProfileFolderTest() { CopyInstalledFiles(folder); }

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
