#include "win32/ui/scroll_thumb.h"

#include <windowsx.h>

#include "win32/framework/left_press.h"
#include "win32/ui/gdiplus_pixels.h"

#include <algorithm>

namespace quendar::win32 {

namespace {

// The straight-alpha image over opaque background pixels, `offset` pixels down and right.
void Compose(std::span<ui::Argb> target, ui::Size size, const std::vector<ui::Argb>& image, ui::Size imageSize,
             const ui::ColorMatrix* matrix, int offset) {
  for (int y = 0; y < size.height; ++y) {
    for (int x = 0; x < size.width; ++x) {
      const int ix = x - offset;
      const int iy = y - offset;
      if (ix < 0 || iy < 0 || ix >= imageSize.width || iy >= imageSize.height) continue;
      ui::Argb source = image[static_cast<std::size_t>(iy) * imageSize.width + ix];
      if (matrix != nullptr) source = ui::ApplyColorMatrix(*matrix, source);
      source = ui::Premultiply(source);
      ui::Argb& below = target[static_cast<std::size_t>(y) * size.width + x];
      const unsigned keep = 255 - ui::AlphaOf(source);
      auto mix = [&](std::uint8_t s, std::uint8_t b) {
        return static_cast<std::uint8_t>(std::min(255u, s + (b * keep + 127) / 255));
      };
      below = ui::MakeArgb(255, mix(ui::RedOf(source), ui::RedOf(below)), mix(ui::GreenOf(source), ui::GreenOf(below)),
                           mix(ui::BlueOf(source), ui::BlueOf(below)));
    }
  }
}

}  // namespace

ScrollThumb::~ScrollThumb() { Destroy(); }

std::optional<ImageLoadError> ScrollThumb::Create(HWND parent, const ui::Rect& rect, ui::DisplayScale scale,
                                                  HMODULE resources, int id) {
  ResourceImage resource;
  if (auto failed = resource.Load(resources, kThumbImageResource, L"PNG")) return failed;
  image_ = resource.Pixels(imageSize_);
  if (image_.empty()) return ImageLoadError{"Bitmap::LockBits", 0};
  scale_ = scale;
  if (!scale_.unity()) {
    // The double-size drawing, brought to this scale; without it the 1x image enlarged.
    ResourceImage larger;
    const ResourceImage& source = larger.Load(resources, kThumbDoubleImageResource, L"PNG") ? resource : larger;
    const ui::Size device = scale_.ToDevice(imageSize_);
    std::unique_ptr<Gdiplus::Bitmap> resampled = Resampled(*source.bitmap(), device);
    if (!resampled) return ImageLoadError{"Graphics::DrawImage", 0};
    image_ = StraightPixels(*resampled, imageSize_);
    if (image_.empty()) return ImageLoadError{"Bitmap::LockBits", 0};
  }
  initial_ = scale_.ToDevice(rect);
  if (CreateChild(parent, initial_, id, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS) == nullptr) {
    return ImageLoadError{"CreateWindowEx", ::GetLastError()};
  }
  return std::nullopt;
}

ui::Rect ScrollThumb::rectInParent() const {
  RECT r{};
  if (hwnd() == nullptr || !::GetWindowRect(hwnd(), &r)) return {};
  ::MapWindowPoints(nullptr, ::GetParent(hwnd()), reinterpret_cast<POINT*>(&r), 2);
  return {r.left, r.top, r.right, r.bottom};
}

void ScrollThumb::MoveToInitial() {
  if (hwnd() == nullptr) return;
  ::SetWindowPos(hwnd(), nullptr, initial_.left, initial_.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void ScrollThumb::Enable(bool enabled) {
  if (hwnd() != nullptr) ::EnableWindow(hwnd(), enabled ? TRUE : FALSE);
}

void ScrollThumb::RefreshBackground() {
  built_ = false;
  if (hwnd() != nullptr) ::InvalidateRect(hwnd(), nullptr, FALSE);
}

void ScrollThumb::BuildRenderings() {
  const ui::Rect where = rectInParent();
  const ui::Size size{where.Width(), where.Height()};
  Dib32 background(size);
  if (!background.valid()) return;
  {
    // What the parent shows under the thumb, drawn by the parent in its own coordinates.
    UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
    ScopedSelectObject select(dc.get(), background.handle());
    ::SetWindowOrgEx(dc.get(), where.left, where.top, nullptr);
    ::SendMessageW(::GetParent(hwnd()), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc.get()), PRF_CLIENT | PRF_ERASEBKGND);
    ::GdiFlush();
  }
  struct Recipe {
    Rendering rendering;
    const ui::ColorMatrix* matrix;
    int offset;
  };
  // Both sets come from the same resource image.
  const Recipe recipes[] = {
      {Rendering::Standard, nullptr, 0},          {Rendering::StandardPressed, nullptr, 0},
      {Rendering::StandardHover, &ui::kHoverMatrix, 0}, {Rendering::Alternate, nullptr, 0},
      {Rendering::AlternatePressed, nullptr, scale_.ToDevice(1)},  {Rendering::AlternateHover, &ui::kHoverMatrix, 0},
      {Rendering::Disabled, &ui::kGreyMatrix, 0},
  };
  for (const Recipe& recipe : recipes) {
    Dib32 rendering(size);
    if (!rendering.valid()) return;
    std::copy(background.pixels().begin(), background.pixels().end(), rendering.pixels().begin());
    Compose(rendering.pixels(), size, image_, imageSize_, recipe.matrix, recipe.offset);
    renderings_[static_cast<std::size_t>(recipe.rendering)] = std::move(rendering);
  }
  renderings_[static_cast<std::size_t>(Rendering::Background)] = std::move(background);
  built_ = true;
}

ScrollThumb::Rendering ScrollThumb::Choose() const {
  if (!::IsWindowEnabled(hwnd())) return Rendering::Disabled;
  if (pressed_) return alternate_ ? Rendering::AlternatePressed : Rendering::StandardPressed;
  if (hovering_) return alternate_ ? Rendering::AlternateHover : Rendering::StandardHover;
  return alternate_ ? Rendering::Alternate : Rendering::Standard;
}

void ScrollThumb::Paint() {
  PaintScope paint(hwnd());
  if (paint.dc() == nullptr) return;
  if (!built_) BuildRenderings();
  shown_ = Choose();
  const Dib32& rendering = renderings_[static_cast<std::size_t>(shown_)];
  if (!rendering.valid()) return;
  UniqueMemoryDc source(::CreateCompatibleDC(paint.dc()));
  ScopedSelectObject select(source.get(), rendering.handle());
  ::BitBlt(paint.dc(), 0, 0, rendering.size().width, rendering.size().height, source.get(), 0, 0, SRCCOPY);
}

void ScrollThumb::Press(LPARAM lParam) {
  POINT screen{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  ::ClientToScreen(hwnd(), &screen);
  ::SetCapture(hwnd());
  // One switch per press (a repaint while held does not switch again).
  if (toggle_) alternate_ = !alternate_;
  pressed_ = true;
  drag_.Press(scale_.ToLogical(ui::Point{screen.x, screen.y}));
  ::InvalidateRect(hwnd(), nullptr, FALSE);
}

void ScrollThumb::Drag(LPARAM lParam) {
  if (!drag_.dragging()) return;
  POINT screen{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  ::ClientToScreen(hwnd(), &screen);
  // The track is the skin's: the drag rule works in logical pixels.
  const ui::Rect where = rectInParent();
  const std::optional<int> top = drag_.Move(scale_.ToLogical(ui::Point{screen.x, screen.y}), scale_.CoveringLogical(where));
  if (!top) return;
  ::SetWindowPos(hwnd(), nullptr, where.left, scale_.ToDevice(*top), 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  ::PostMessageW(::GetParent(hwnd()), kThumbMovedMessage, static_cast<WPARAM>(*top), 0);
}

void ScrollThumb::EndDrag() {
  if (!pressed_ && !drag_.dragging()) return;
  drag_.Release();
  pressed_ = false;
  ::InvalidateRect(hwnd(), nullptr, FALSE);
}

std::span<const MessageEntry<ScrollThumb>> ScrollThumb::Messages() {
  static const MessageEntry<ScrollThumb> table[] = {
      {WM_ERASEBKGND, &ScrollThumb::OnEraseBackground},
      {WM_PAINT, &ScrollThumb::OnPaint},
      {WM_LBUTTONDOWN, &ScrollThumb::OnLeftButtonDown},
      {WM_LBUTTONDBLCLK, &ScrollThumb::OnLeftButtonDoubleClick},
      {WM_MOUSEMOVE, &ScrollThumb::OnMouseMove},
      {WM_LBUTTONUP, &ScrollThumb::OnLeftButtonUp},
      {WM_CAPTURECHANGED, &ScrollThumb::OnCaptureChanged},
      {WM_MOUSEHOVER, &ScrollThumb::OnMouseHover},
      {WM_MOUSELEAVE, &ScrollThumb::OnMouseLeave},
      {WM_ENABLE, &ScrollThumb::OnEnable},
  };
  return table;
}

MessageResult ScrollThumb::OnPaint(WPARAM, LPARAM) {
  Paint();
  return 0;
}

MessageResult ScrollThumb::OnLeftButtonDown(WPARAM, LPARAM point) {
  Press(point);
  return 0;
}

MessageResult ScrollThumb::OnLeftButtonDoubleClick(WPARAM, LPARAM point) {
  if (IsLeftPress(WM_LBUTTONDBLCLK, ui::ClickTarget::ScrollThumb)) Press(point);
  return 0;
}

MessageResult ScrollThumb::OnMouseMove(WPARAM, LPARAM point) {
  tracking_.OnMouseMove(hwnd(), 1);
  Drag(point);
  return 0;
}

MessageResult ScrollThumb::OnLeftButtonUp(WPARAM, LPARAM) {
  if (::GetCapture() == hwnd()) ::ReleaseCapture();  // WM_CAPTURECHANGED ends the drag
  EndDrag();
  return 0;
}

MessageResult ScrollThumb::OnCaptureChanged(WPARAM, LPARAM) {
  EndDrag();
  return 0;
}

MessageResult ScrollThumb::OnMouseHover(WPARAM, LPARAM) {
  hovering_ = true;
  ::InvalidateRect(hwnd(), nullptr, FALSE);
  return 0;
}

MessageResult ScrollThumb::OnMouseLeave(WPARAM, LPARAM) {
  tracking_.OnLeave();
  hovering_ = false;
  ::InvalidateRect(hwnd(), nullptr, FALSE);
  return 0;
}

MessageResult ScrollThumb::OnEnable(WPARAM, LPARAM) {
  ::InvalidateRect(hwnd(), nullptr, FALSE);
  return 0;
}

}  // namespace quendar::win32
