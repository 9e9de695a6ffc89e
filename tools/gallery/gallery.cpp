// Takes the gallery's pictures of the demo program: each scene starts the demo in a language, drives it as
// a user would, and saves what the screen shows of a window once its picture has stopped changing.
// Usage: quendar_gallery <folder>   (QUENDAR_DEMO_EXE names the demo build)
#include <windows.h>
#include <gdiplus.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "core/ui/assignment/button_function_lists.h"
#include "win32/framework/gdiplus_session.h"
#include "wine/harness/demo_program.h"
#include "wine/harness/input.h"
#include "wine/harness/screen.h"

namespace quendar::gallery {
namespace {

using namespace test;
namespace ua = ui::assignment;

// The PNG encoder every GDI+ carries.
constexpr CLSID kPngEncoder = {0x557CF406, 0x1A04, 0x11D3, {0x9A, 0x73, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E}};
constexpr int kFunctionList = ua::kFunctionListId;
constexpr int kMultimediaList = ua::kFunctionListId + static_cast<int>(ua::PopupList::Multimedia);
constexpr int kModifierList = 515, kKey1Box = 516;
constexpr int kBoxX = 185;
constexpr int RowY(int row) { return 162 + 20 * row; }
constexpr int kTitleX = 800;

class Gallery {
 public:
  explicit Gallery(std::filesystem::path folder) : folder_(std::move(folder)) {}
  int failures() const { return failures_; }

  // Saves the client area of `window` as <folder>/<name>.png once it has looked the same for a while (a
  // blinking caret never does: then the last look after the deadline).
  void Take(HWND window, const std::wstring& name) {
    RECT client{};
    ::GetClientRect(window, &client);
    const ui::Rect area{0, 0, client.right, client.bottom};
    std::vector<std::uint32_t> last;
    int still = 0;
    WaitFor([&] {
      std::vector<std::uint32_t> now = ScreenPixels(window, area);
      still = now == last ? still + 1 : 0;
      last = std::move(now);
      return still >= 60;
    }, 5s);
    Gdiplus::Bitmap picture(area.Width(), area.Height(), area.Width() * 4, PixelFormat32bppRGB,
                            reinterpret_cast<BYTE*>(last.data()));
    const std::filesystem::path path = folder_ / (name + L".png");
    Check(picture.Save(path.c_str(), &kPngEncoder, nullptr) == Gdiplus::Ok, name);
  }
  bool Check(bool ok, const std::wstring& what) {
    if (!ok) ++failures_, std::fwprintf(stderr, L"gallery: %ls failed\n", what.c_str());
    return ok;
  }

  // Both views, sections open on both sides with the pointer on Button 3's box, simplified Chinese.
  void MainWindow() {
    for (const std::wstring code : {L"", L"CHS"}) {
      DemoProgram demo({}, DemoProgram::InLanguage(code));
      if (!Check(demo.ready() && demo.Show(), L"the demo")) return;
      const HWND main = demo.mainWindow();
      if (!code.empty()) {
        PointAt(main, 950, 620);  // resting on Save
        Take(main, L"main-chinese");
      } else {
        PointAt(main, 600, 480);
        Take(main, L"main-side");
        ClickAt(main, 530, 540);  // "Top"
        PointAt(main, 600, 480);
        Take(main, L"main-top");
        for (const POINT at : {POINT{468, 540}, {100, 185}, {140, 117}, {800, 42}, {800, 299}, {530, 540}}) {
          ClickAt(main, at.x, at.y);  // Side; X/Y, Button Assignment; CPI, Lighting; Top
        }
        PointAt(main, kBoxX, RowY(2));
        Take(main, L"main-sections");
      }
      demo.Exit();
    }
  }

  // Button 3's lists, the single-key and combination dialogs, and the caption the combination leaves.
  void Assignment() {
    for (const auto& [code, suffix] : {std::pair{L"", L"-en"}, {L"CHS", L"-zh"}}) {
      DemoProgram demo({}, DemoProgram::InLanguage(code));
      if (!Check(demo.ready() && demo.Show(), L"the demo")) return;
      const HWND main = demo.mainWindow();
      ::SetForegroundWindow(main);
      ClickAt(main, 140, 117);  // Button Assignment
      ClickAt(main, 530, 540);  // Top
      ClickAt(main, kBoxX, RowY(2));
      const HWND functions = WaitForPopupList(main, kFunctionList);
      if (!Check(functions != nullptr, L"the function list")) return;
      const POINT multimedia = ListEntry(functions, 7);
      PointAt(functions, multimedia.x, multimedia.y);
      Check(WaitForPopupList(main, kMultimediaList) != nullptr, L"the sub-list");
      Take(main, std::wstring(L"assignment-lists") + suffix);
      ClickAt(main, 600, 480);  // closes the lists
      WaitFor([&] { return PopupList(main, kFunctionList) == nullptr; });

      const HWND single = Choose(demo, 3, 10, L"Single Key");
      if (!Check(single != nullptr, L"the single-key dialog")) return;
      ::SetForegroundWindow(single);
      PressKey(VK_F5);
      Take(single, std::wstring(L"single-key") + suffix);
      ::PostMessageW(single, WM_CLOSE, 0, 0);
      WaitFor([&] { return !::IsWindow(single); });

      const HWND combo = Choose(demo, 4, 11, L"Combo Key");
      if (!Check(combo != nullptr, L"the combination dialog")) return;
      ClickAt(combo, 60, 76);
      if (const HWND modifiers = WaitForPopupList(combo, kModifierList)) ClickEntry(modifiers, 1);
      WaitFor([&] { return PopupList(combo, kModifierList) == nullptr; });
      ClickAt(::GetDlgItem(combo, kKey1Box), 5, 5);
      PressKey('A');
      ClickAt(::GetDlgItem(combo, kKey1Box + 1), 5, 5);
      PressKey(VK_F5);
      Take(combo, std::wstring(L"combo-key") + suffix);
      ClickAt(combo, 260, 260);  // OK
      WaitFor([&] { return !::IsWindow(combo); });
      PointAt(main, 600, 480);
      if (code[0] == L'\0') Take(main, L"assignment-caption-en");
      demo.Exit();
    }
  }

  // Every panel open, in English and traditional Chinese.
  void Panels() {
    for (const auto& [code, suffix] : {std::pair{L"", L""}, {L"CHT", L"-cht"}}) {
      DemoProgram demo({}, DemoProgram::InLanguage(code));
      if (!Check(demo.ready() && demo.Show(), L"the demo")) return;
      const HWND main = demo.mainWindow();
      // X/Y sensitivity, the light button below it, CPI, Lighting below the open CPI panel.
      for (const POINT at : {POINT{100, 185}, {100, 366}, {kTitleX, 42}, {kTitleX, 299}}) demo.ClickMain(at.x, at.y);
      Take(main, std::wstring(L"panels-cpi-lighting-left") + suffix);
      if (*suffix != L'\0') {
        demo.Exit();
        continue;
      }
      // CPI closes; Lighting, Report Rate, Mouse Speed and Double Click Speed open below each other.
      for (const int y : {42, 67, 92, 255, 390}) demo.ClickMain(kTitleX, y);
      Take(main, L"panels-rate-speeds");
      for (const int y : {92, 117, 142, 167}) demo.ClickMain(kTitleX, y);  // three close, Scroll opens
      Take(main, L"panels-scroll");
      demo.Exit();
    }
  }

  // The profile manager and the help panel, in English and simplified Chinese.
  void ProfilesAndHelp() {
    for (const auto& [code, suffix] : {std::pair{L"", L"-en"}, {L"CHS", L"-chs"}}) {
      DemoProgram demo({}, DemoProgram::InLanguage(code));
      if (!Check(demo.ready() && demo.Show(), L"the demo")) return;
      const HWND main = demo.mainWindow();
      demo.ClickMain(54, 619);  // Config
      HWND manager = nullptr;
      WaitFor([&] { return (manager = ::FindWindowExW(main, nullptr, L"#32770", nullptr)) != nullptr; });
      Take(main, std::wstring(L"profile-manager") + suffix);
      PostClick(manager, POINT{247, 15});  // close
      WaitFor([&] { return !::IsWindow(manager); });
      demo.ClickMain(944, 12);  // Help
      WaitFor([&] { return ::FindWindowExW(main, nullptr, L"#32770", nullptr) != nullptr; });
      Take(main, std::wstring(L"help") + suffix);
      demo.Exit();
    }
  }

 private:
  // Opens `row`'s function list and clicks its entry `item`, which opens the dialog titled `title`.
  static HWND Choose(DemoProgram& demo, int row, int item, const wchar_t* title) {
    ClickAt(demo.mainWindow(), kBoxX, RowY(row));
    const HWND functions = WaitForPopupList(demo.mainWindow(), kFunctionList);
    if (functions == nullptr) return nullptr;
    ClickEntry(functions, item);
    return WaitForTopWindow(title, demo.process().pid());
  }

  std::filesystem::path folder_;
  int failures_ = 0;
};

}  // namespace
}  // namespace quendar::gallery

int wmain(int argc, wchar_t** argv) {
  if (argc != 2) {
    std::fwprintf(stderr, L"usage: quendar_gallery <folder>\n");
    return 2;
  }
  quendar::win32::GdiplusSession gdiplus;
  quendar::gallery::Gallery gallery(argv[1]);
  gallery.MainWindow();
  gallery.Assignment();
  gallery.Panels();
  gallery.ProfilesAndHelp();
  return gallery.failures() == 0 ? 0 : 1;
}
