// The colour and file dialogs come from comdlg32 loaded on use: the functions are found and their own
// failures reach the caller (a structure of the wrong size is refused before any window shows).
#include <gtest/gtest.h>

#include "win32/framework/common_dialogs.h"

namespace quendar::win32 {
namespace {

TEST(CommonDialogs, AreLoadedOnUseAndReportTheDialogsOwnErrors) {
  CHOOSECOLORW colour{};  // lStructSize 0
  OPENFILENAMEW file{};
  DWORD error = 0;
  EXPECT_FALSE(ShowColourDialog(colour, error));  // Wine refuses it without naming a reason
  EXPECT_FALSE(ShowOpenFileDialog(file, error));
  EXPECT_EQ(error, static_cast<DWORD>(CDERR_STRUCTSIZE));
  EXPECT_FALSE(ShowSaveFileDialog(file, error));
  EXPECT_EQ(error, static_cast<DWORD>(CDERR_STRUCTSIZE));
  EXPECT_EQ(::GetModuleHandleW(L"comdlg32.dll"), nullptr) << "released again after use";
}

}  // namespace
}  // namespace quendar::win32
