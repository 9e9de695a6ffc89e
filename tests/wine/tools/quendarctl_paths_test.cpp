// quendarctl.exe on Windows takes a path that begins with "/" (the current drive's root) as a path,
// not as a Windows-style option.
#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>

#include "wine/harness/program.h"

namespace quendar::test {
namespace {

namespace fs = std::filesystem;

struct RunResult {
  DWORD exitCode = STILL_ACTIVE;
  std::string output;  // stdout and stderr
};

// Runs the command line in `folder` with its output in a file there.
RunResult RunCapturing(std::wstring commandLine, const fs::path& folder) {
  const fs::path outputFile = folder / L"output.txt";
  SECURITY_ATTRIBUTES inherit{sizeof(inherit), nullptr, TRUE};
  win32::UniqueFileHandle output(::CreateFileW(outputFile.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit,
                                               CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  RunResult run;
  if (!output.valid()) return run;
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = output.get();
  startup.hStdError = output.get();
  PROCESS_INFORMATION info{};
  if (!::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, folder.c_str(), &startup,
                        &info)) {
    return run;
  }
  win32::UniqueKernelHandle process(info.hProcess);
  ::CloseHandle(info.hThread);
  if (::WaitForSingleObject(process.get(), 60000) == WAIT_OBJECT_0) ::GetExitCodeProcess(process.get(), &run.exitCode);
  output.reset();
  std::ifstream in(outputFile, std::ios::binary);
  run.output.assign(std::istreambuf_iterator<char>(in), {});
  return run;
}

TEST(QuendarctlOnWindows, TraceTakesAPathFromTheDriveRoot) {
  // A folder below the current drive's root: under Wine "/tmp/..." names the same file whether it is
  // taken from the drive's root or as the host's own path.
  const fs::path folder =
      fs::current_path().root_path() / L"tmp" / (L"quendarctl_" + std::to_wstring(::GetCurrentProcessId()));
  fs::create_directories(folder);
  fs::copy_file(fs::path(QUENDAR_RUNTIME_DIR) / "config0.bin", folder / "config0.bin",
                fs::copy_options::overwrite_existing);
  // "Z:\tmp\...\config0.bin" as "/tmp/.../config0.bin": the same file, from the current drive's root.
  std::wstring rooted = (folder / "config0.bin").relative_path().wstring().insert(0, L"/");
  std::replace(rooted.begin(), rooted.end(), L'\\', L'/');
  ASSERT_EQ(rooted.front(), L'/');

  const std::string exe = QUENDARCTL_EXE;
  const RunResult run = RunCapturing(L"\"" + std::wstring(exe.begin(), exe.end()) + L"\" trace " + rooted, folder);
  EXPECT_EQ(run.exitCode, 0u) << run.output;
  EXPECT_EQ(run.output.rfind("F> 01 ", 0), 0u) << run.output.substr(0, 200);
  std::error_code ignored;
  fs::remove_all(folder, ignored);
}

}  // namespace
}  // namespace quendar::test
