#pragma once
// The full path of the running executable, the root of every profile file path.
#include <windows.h>

#include <filesystem>

namespace quendar::win32 {

std::filesystem::path ModulePath(HMODULE module = nullptr);

}  // namespace quendar::win32
