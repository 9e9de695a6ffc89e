// Drawing figures under Wine (printed, nothing asserted): a full 1000 x 640 frame of about 65 skin images,
// the repaint of one image button with its caption, and what the image cache holds for the default skin.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "core/ui/draw/draw_list.h"
#include "core/ui/skin_manifest.h"
#include "win32/framework/gdiplus_session.h"
#include "win32/framework/window.h"
#include "win32/ui/painter.h"

namespace {

using namespace quendar;
using Clock = std::chrono::steady_clock;

std::wstring SkinFolder() {
  const std::string folder = std::string(QUENDAR_RUNTIME_DIR) + "/Skins/" + std::string(ui::skin::kSkinFolder);
  return {folder.begin(), folder.end()};
}

// A main-window frame of 65 images: the background, four panel backgrounds and sixty 130 x 16 dropdown
// boxes (the shape of the busiest page), with a title.
ui::DrawList MainFrame() {
  ui::DrawList list(ui::Rect::At({0, 0}, ui::skin::kMainWindow));
  list.Image("/main.png", {0, 0});
  const char* panels[] = {"/ButtonAssignment/BK_ButtonAssignment.png", "/XYSensitivity/BK_XYSensSetting.png",
                          "/DPISetting/BK_DPISetting.png", "/Lighting/BK_Lighting.png"};
  for (int i = 0; i < 4; ++i) list.Image(panels[i], {i < 2 ? 20 : 734, i % 2 == 0 ? 127 : 360});
  const char* boxes[] = {"/ButtonAssignment/DropdownBox-normal.png", "/ButtonAssignment/DropdownBox-over.png",
                         "/ButtonAssignment/DropdownBox-leave.png"};
  for (int i = 0; i < 60; ++i) list.Image(boxes[i % 3], {120 + (i / 20) * 230, 40 + (i % 20) * 20});
  list.Text(L"Button Assignment", {734, 32, 976, 52}, ui::FontRole::Label, {235, 235, 235});
  return list;
}

constexpr ui::Rect kSaveButton{923, 604, 980, 634};

ui::DrawList ButtonRepaint() {
  ui::DrawList list(kSaveButton);
  list.Image("/main.png", {0, 0})
      .Image(std::string(ui::skin::kSaveButtonOver.name), kSaveButton.TopLeft())
      .Text(L"Save", kSaveButton, ui::FontRole::Label, {235, 235, 235});
  return list;
}

class FrameWindow : public win32::Window {
 protected:
  win32::MessageResult OnMessage(UINT message, WPARAM, LPARAM) override {
    if (message == WM_ERASEBKGND) return TRUE;
    if (message == WM_PAINT && painter != nullptr) {
      win32::PaintScope paint(hwnd());
      painter->Paint(paint.dc(), MainFrame());
      return 0;
    }
    return std::nullopt;
  }

 public:
  win32::Painter* painter = nullptr;
};

struct Figures {
  double best = 0;  // what it costs when nothing else competes for the machine
  double median = 0;
  double worst = 0;
};

template <class F>
Figures Time(int runs, F&& paint) {
  std::vector<double> ms;
  for (int i = 0; i < runs; ++i) {
    const auto start = Clock::now();
    paint();
    ::GdiFlush();
    ms.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
  }
  std::sort(ms.begin(), ms.end());
  return {ms.front(), ms[ms.size() / 2], ms.back()};
}

void PumpFor(std::chrono::milliseconds time) {
  const auto end = Clock::now() + time;
  while (Clock::now() < end) {
    MSG message;
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      ::TranslateMessage(&message);
      ::DispatchMessageW(&message);
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
}

}  // namespace

int wmain() {
  win32::GdiplusSession gdiplus;
  win32::ImageCache images(SkinFolder());
  win32::UniqueFont labelFont(::CreateFontW(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Arial"));
  win32::FontTable fonts;
  fonts.Set(ui::FontRole::Label, labelFont.get());
  win32::Painter painter(images, fonts);

  FrameWindow window;
  if (window.CreatePopup(nullptr, {0, 0, 1000, 640}, WS_POPUP | WS_VISIBLE, 0, L"Frame") == nullptr) {
    std::printf("cannot create the window (error %lu)\n", ::GetLastError());
    return 1;
  }
  PumpFor(std::chrono::milliseconds(300));
  win32::WindowDc dc(window.hwnd());
  const ui::DrawList frame = MainFrame();

  // The first paint decodes the frame's images.
  const auto coldStart = Clock::now();
  painter.Paint(dc.get(), frame);
  const double cold = std::chrono::duration<double, std::milli>(Clock::now() - coldStart).count();
  window.painter = &painter;  // from now on the window's own paints show the frame too
  const std::size_t frameBytes = images.bytesHeld();
  const std::size_t frameImages = images.imagesHeld();
  const Figures full = Time(200, [&] { painter.Paint(dc.get(), frame); });
  const ui::DrawList button = ButtonRepaint();
  const Figures one = Time(2000, [&] { painter.Paint(dc.get(), button); });

  std::printf("full frame, %zu images, 1000 x 640 to the window: median %.2f ms, worst %.2f ms, best %.2f ms"
              " (first, decoding: %.1f ms)\n", frame.ops().size() - 1, full.median, full.worst, full.best, cold);
  std::printf("one image button with its caption (57 x 30): median %.3f ms, worst %.3f ms, best %.3f ms\n", one.median,
              one.worst, one.best);

  std::printf("image cache after the frame: %zu images, %.2f MB\n", frameImages,
              static_cast<double>(frameBytes) / (1024.0 * 1024.0));
  // Every image of the default skin decoded, as after a session that opened every page and dialog.
  for (const ui::skin::Image* image : ui::skin::kImages) images.Find(image->name);
  for (const ui::skin::Family* family : ui::skin::kFamilies) {
    for (const ui::skin::FamilyMember& member : family->members) images.Find(ui::skin::MemberName(family->pattern, member.value));
  }
  std::printf("image cache for the whole default skin: %zu images, %.2f MB of premultiplied pixels (%zu decodes)\n",
              images.imagesHeld(), static_cast<double>(images.bytesHeld()) / (1024.0 * 1024.0), images.decodes());

  return 0;
}
