#include "wine/profiles_ui/screen_capture.h"

#include <gdiplus.h>

#include <cstdlib>
#include <filesystem>

#include "win32/framework/gdiplus_session.h"
#include "win32/framework/unique_handle.h"

namespace quendar::test {

namespace {

// The PNG encoder every GDI+ carries.
constexpr CLSID kPngEncoder = {0x557CF406, 0x1A04, 0x11D3, {0x9A, 0x73, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E}};

}  // namespace

std::wstring SaveWindowScreenshot(HWND window, const std::wstring& name) {
  const wchar_t* folder = _wgetenv(L"QUENDAR_SCREENSHOT_DIR");
  RECT area{};
  if (folder == nullptr || *folder == L'\0' || !::GetWindowRect(window, &area)) return {};
  // Every pending paint of the window and its children happens before the picture is taken.
  ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  const int width = area.right - area.left;
  const int height = area.bottom - area.top;

  win32::GdiplusSession gdiplus;
  win32::WindowDc screen(nullptr);
  win32::UniqueMemoryDc memory(::CreateCompatibleDC(screen.get()));
  win32::UniqueBitmap bitmap(::CreateCompatibleBitmap(screen.get(), width, height));
  {
    win32::ScopedSelectObject select(memory.get(), bitmap.get());
    ::BitBlt(memory.get(), 0, 0, width, height, screen.get(), area.left, area.top, SRCCOPY);
  }
  const std::filesystem::path path = std::filesystem::path(folder) / (name + L".png");
  Gdiplus::Bitmap picture(bitmap.get(), nullptr);
  return picture.Save(path.c_str(), &kPngEncoder, nullptr) == Gdiplus::Ok ? path.wstring() : std::wstring();
}

}  // namespace quendar::test
