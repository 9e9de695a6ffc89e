#include "win32/ui/painter.h"

#include <variant>

#include "win32/ui/back_buffer.h"
#include "win32/framework/win32_conversions.h"

namespace quendar::win32 {

namespace {

UINT TextFormat(const ui::TextOp& text) {
  // A text longer than its box ends with an ellipsis inside it: centred text would otherwise lose both
  // ends, left-aligned text its end without a sign that something is missing.
  UINT format = DT_NOPREFIX | DT_END_ELLIPSIS;
  format |= text.wrap ? DT_WORDBREAK : (DT_SINGLELINE | DT_VCENTER);
  switch (text.align) {
    case ui::TextAlign::Left: format |= DT_LEFT; break;
    case ui::TextAlign::Center: format |= DT_CENTER; break;
    case ui::TextAlign::Right: format |= DT_RIGHT; break;
  }
  return format;
}

// Draws the operations of one list into one context; images come through one shared source context.
// `area` is in device pixels; every operation's place is mapped to them here.
class ListRenderer {
 public:
  ListRenderer(HDC dc, ImageCache& images, const FontTable& fonts, ui::DisplayScale scale, ui::Rect area)
      : dc_(dc), images_(images), fonts_(fonts), scale_(scale), area_(area), source_(::CreateCompatibleDC(dc)) {
    ::SetBkMode(dc_, TRANSPARENT);
  }

  void operator()(const ui::ImageOp& op) {
    const Dib32* image = images_.FindScaled(op.name, op.at, scale_);
    if (image == nullptr || !source_) {
      outcome.missingImages.push_back(op.name);
      return;
    }
    ScopedSelectObject select(source_.get(), image->handle());
    BlendImage(dc_, source_.get(), *image, scale_.ToDevice(op.at), area_);
  }
  void operator()(const ui::TextOp& op) {
    const ui::Rect device = scale_.ToDevice(op.box);
    if (op.text.empty() || !device.Intersects(area_)) return;
    ScopedSelectObject font(dc_, fonts_.Get(op.font));
    ::SetTextColor(dc_, ToColorRef(op.color));
    RECT box = ToRect(device);
    ::DrawTextW(dc_, op.text.c_str(), static_cast<int>(op.text.size()), &box, TextFormat(op));
  }
  void operator()(const ui::FillOp& op) {
    const ui::Rect visible = scale_.ToDevice(op.box).Intersection(area_);
    if (visible.Empty()) return;
    UniqueBrush brush(::CreateSolidBrush(ToColorRef(op.color)));
    RECT box = ToRect(visible);
    ::FillRect(dc_, &box, brush.get());
  }
  void operator()(const ui::ClipOp& op) {
    ::SaveDC(dc_);
    ++pushed_;
    const ui::Rect device = scale_.ToDevice(op.box);
    ::IntersectClipRect(dc_, device.left, device.top, device.right, device.bottom);
  }
  void operator()(const ui::PopClipOp&) {
    if (pushed_ == 0) return;  // an unmatched pop must not undo the caller's state
    ::RestoreDC(dc_, -1);
    --pushed_;
  }
  void Finish() {
    for (; pushed_ > 0; --pushed_) ::RestoreDC(dc_, -1);
  }

  PaintOutcome outcome;

 private:
  HDC dc_;
  ImageCache& images_;
  const FontTable& fonts_;
  ui::DisplayScale scale_;
  ui::Rect area_;
  UniqueMemoryDc source_;
  int pushed_ = 0;
};

}  // namespace

PaintOutcome Painter::RenderArea(HDC dc, const ui::DrawList& list, ui::Rect area) {
  if (area.Empty()) return {};
  ScopedSaveDc saved(dc);
  ::IntersectClipRect(dc, area.left, area.top, area.right, area.bottom);
  ListRenderer renderer(dc, images_, fonts_, scale_, area);
  for (const ui::DrawOp& op : list.ops()) std::visit(renderer, op);
  renderer.Finish();
  return std::move(renderer.outcome);
}

PaintOutcome Painter::Render(HDC dc, const ui::DrawList& list) {
  return RenderArea(dc, list, scale_.ToDevice(list.area()));
}

PaintOutcome Painter::Paint(HDC target, const ui::DrawList& list) {
  RECT clip{};
  if (::GetClipBox(target, &clip) == ERROR) return {};
  // Nothing outside the clip box is drawn into the buffer or transferred.
  const ui::Rect area = scale_.ToDevice(list.area()).Intersection({clip.left, clip.top, clip.right, clip.bottom});
  if (area.Empty()) return {};
  BackBuffer buffer(target, area);
  return RenderArea(buffer.dc(), list, area);
}

}  // namespace quendar::win32
