// quendarctl's file commands as a user runs them: paths in any letters, a standard output that fails,
// and a profile through export and import.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <streambuf>

#include "run_quendarctl.h"
#include "core/ini/ini_store.h"
#include "native/ini/temp_folder.h"
#include "platform/platform_file_system.h"

namespace quendar::ctl {
namespace {

using ::testing::HasSubstr;
using quendar::testing::ReadBytes;
using quendar::testing::WriteBytes;
using testing::Outcome;
using testing::RunCtl;

const std::filesystem::path kRuntime = QUENDAR_RUNTIME_DIR;

std::string Utf8(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

TEST(QuendarctlFiles, ExportThenImportRebuildsTheFileAndItsCaptionsUnderAnyName) {
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
}

TEST(QuendarctlFiles, ARefusedDocumentWritesNothingAndNamesEachFault) {
  const quendar::testing::TempFolder folder;
  WriteBytes(folder / "bad.json", R"({"reportRateHz": 333})");
  const Outcome imported = RunCtl({"import", Utf8(folder / "bad.json"), "-o", Utf8(folder / "out.bin"), "--from",
                                Utf8(kRuntime / "config0.bin")});
  EXPECT_EQ(imported.exitCode, 1);
  EXPECT_THAT(imported.err, HasSubstr("/reportRateHz: 333 is not a report rate; allowed: 1000, 500, 250 or 125"));
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
