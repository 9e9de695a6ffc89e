// The yardstick for the program's start-up and memory: a bare GDI+ window of the main window's size that
// does the platform work every such program does before its first frame (common controls, GDI+, an
// enumeration of the HID interfaces, a notification icon) and nothing of ours. Started with "--serve" by
// bench_main_window_figures; without it, it only says so and ends.
#include <windows.h>
#include <commctrl.h>
#include <gdiplus.h>
#include <setupapi.h>
extern "C" {
#include <hidsdi.h>
}
#include <shellapi.h>

#include <cstdio>
#include <cwchar>

namespace {

constexpr int kWidth = 1000;
constexpr int kHeight = 640;
constexpr UINT kTrayMessage = WM_USER + 1;

int CountHidInterfaces() {
  GUID hid{};
  ::HidD_GetHidGuid(&hid);
  HDEVINFO set = ::SetupDiGetClassDevsW(&hid, nullptr, nullptr, DIGCF_PRESENT | DIGCF_DEVICEINTERFACE);
  if (set == INVALID_HANDLE_VALUE) return 0;
  int count = 0;
  SP_DEVICE_INTERFACE_DATA data{};
  data.cbSize = sizeof(data);
  while (::SetupDiEnumDeviceInterfaces(set, nullptr, &hid, static_cast<DWORD>(count), &data)) ++count;
  ::SetupDiDestroyDeviceInfoList(set);
  return count;
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      return TRUE;
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = ::BeginPaint(window, &paint);
      {
        Gdiplus::Graphics graphics(dc);
        graphics.Clear(Gdiplus::Color(255, 12, 34, 56));
      }
      ::EndPaint(window, &paint);
      return 0;
    }
    case WM_CLOSE:
      ::DestroyWindow(window);
      return 0;
    case WM_DESTROY:
      ::PostQuitMessage(0);
      return 0;
    default:
      return ::DefWindowProcW(window, message, wParam, lParam);
  }
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2 || std::wcscmp(argv[1], L"--serve") != 0) {
    std::printf("bare_window: the yardstick of bench_main_window_figures (it starts this with --serve)\n");
    return 0;
  }
  INITCOMMONCONTROLSEX controls{sizeof(controls), 0xFF};
  ::InitCommonControlsEx(&controls);
  Gdiplus::GdiplusStartupInput input;
  ULONG_PTR token = 0;
  Gdiplus::GdiplusStartup(&token, &input, nullptr);
  CountHidInterfaces();

  HINSTANCE instance = ::GetModuleHandleW(nullptr);
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  windowClass.lpszClassName = L"QuendarBareWindow";
  ::RegisterClassExW(&windowClass);
  const int x = (::GetSystemMetrics(SM_CXSCREEN) - kWidth) / 2;
  const int y = (::GetSystemMetrics(SM_CYSCREEN) - kHeight) / 2;
  HWND window = ::CreateWindowExW(WS_EX_TOOLWINDOW, windowClass.lpszClassName, L"Bare window", WS_POPUP | WS_VISIBLE,
                                  x, y, kWidth, kHeight, nullptr, nullptr, instance, nullptr);

  NOTIFYICONDATAW icon{};
  icon.cbSize = sizeof(icon);
  icon.hWnd = window;
  icon.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  icon.uCallbackMessage = kTrayMessage;
  icon.hIcon = ::LoadIconW(nullptr, IDI_APPLICATION);
  std::wcscpy(icon.szTip, L"Bare window");
  ::Shell_NotifyIconW(NIM_ADD, &icon);

  MSG message;
  while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
  }
  ::Shell_NotifyIconW(NIM_DELETE, &icon);
  Gdiplus::GdiplusShutdown(token);
  return 0;
}
