#include "core/ui/main/main_draw.h"

#include <type_traits>

#include "core/ui/main/main_access.h"
#include "core/ui/skin_manifest.h"

namespace quendar::ui::main {

namespace {

constexpr int kCaptionIndent = 10;

struct HotButtonLook {
  std::string_view normal;
  std::string_view over;
  std::optional<TextSlot> caption;
};

HotButtonLook LookOf(HotButton button) {
  switch (button) {
    case HotButton::Help: return {skin::kHelpButtonNormal.name, skin::kHelpButtonOver.name, std::nullopt};
    case HotButton::Hide: return {skin::kHideButtonNormal.name, skin::kHideButtonOver.name, std::nullopt};
    case HotButton::Close: return {skin::kCloseButtonNormal.name, skin::kCloseButtonOver.name, std::nullopt};
    case HotButton::Config: return {skin::kConfigButtonNormal.name, skin::kConfigButtonOver.name, TextSlot::Config};
    case HotButton::Reset:
      return {skin::kResetCancelButtonNormal.name, skin::kResetCancelButtonOver.name, TextSlot::Reset};
    case HotButton::Cancel:
      return {skin::kResetCancelButtonNormal.name, skin::kResetCancelButtonOver.name, TextSlot::Cancel};
    case HotButton::Save: return {skin::kSaveButtonNormal.name, skin::kSaveButtonOver.name, TextSlot::Save};
  }
  return {};
}

std::string_view DropdownImage(DropdownLook look) {
  switch (look) {
    case DropdownLook::Normal: return skin::kDropdownNormal.name;
    case DropdownLook::Over: return skin::kDropdownOver.name;
    case DropdownLook::Committed: return skin::kDropdownOpen.name;
  }
  return skin::kDropdownNormal.name;
}

constexpr std::array<TextSlot, 7> kRightTitles{TextSlot::CpiSettingTitle,      TextSlot::CpiSettingTitle,
                                               TextSlot::LightingTitle,        TextSlot::ReportRateTitle,
                                               TextSlot::MouseSpeedTitle,      TextSlot::DoubleClickSpeedTitle,
                                               TextSlot::ScrollSpeedTitle};

std::optional<Rect> Bounds(const DrawOp& op, const ImageSizes& sizes) {
  if (const auto* image = std::get_if<ImageOp>(&op)) {
    if (!sizes) return std::nullopt;
    const std::optional<Size> size = sizes(image->name);
    if (!size) return std::nullopt;
    return Rect::At(image->at, *size);
  }
  if (const auto* text = std::get_if<TextOp>(&op)) return text->box;
  if (const auto* fill = std::get_if<FillOp>(&op)) return fill->box;
  return std::nullopt;  // clip operations are kept
}

bool Touches(const DrawOp& op, Rect area, const ImageSizes& sizes) {
  const std::optional<Rect> bounds = Bounds(op, sizes);
  return !bounds || bounds->Intersects(area);
}

void Add(DrawList& list, DrawOp op) {
  std::visit(
      [&list](auto&& o) {
        using T = std::decay_t<decltype(o)>;
        if constexpr (std::is_same_v<T, ImageOp>) list.Image(std::move(o.name), o.at);
        else if constexpr (std::is_same_v<T, TextOp>) {
          if (o.wrap) list.WrappedText(std::move(o.text), o.box, o.font, o.color, o.align);
          else list.Text(std::move(o.text), o.box, o.font, o.color, o.align);
        } else if constexpr (std::is_same_v<T, FillOp>) list.Fill(o.box, o.color);
        else if constexpr (std::is_same_v<T, ClipOp>) list.PushClip(o.box);
        else list.PopClip();
      },
      std::move(op));
}

// The operations of `from` that touch `area`, appended to `into`.
void AppendTouching(const DrawList& from, Rect area, const ImageSizes& sizes, DrawList& into) {
  for (const DrawOp& op : from.ops()) {
    if (Touches(op, area, sizes)) Add(into, op);
  }
}

// Appends the window's operations to a list; a partial repaint keeps only those that touch its area, so
// that a hover repaint costs what its region holds rather than what the window holds.
class Builder {
 public:
  Builder(DrawList& list, const MainContent& content) : list_(list), content_(content) {}
  Builder(DrawList& list, const MainContent& content, Rect area, const ImageSizes& sizes)
      : list_(list), content_(content), only_(area), sizes_(&sizes) {}

  void Image(std::string_view name, Point at) { Add(ImageOp{std::string(name), at}); }
  void Fill(Rect box, Color color) { Add(FillOp{box, color}); }
  void Caption(TextSlot slot, Rect box) { Caption(Text(content_.language, slot), box); }
  void Caption(std::wstring_view text, Rect box) {
    if (!text.empty()) Add(TextOp{std::wstring(text), box, FontRole::Label, content_.textColor});
  }
  void Label(std::wstring_view text, Rect box, FontRole font) {
    Add(TextOp{std::wstring(text), box, font, content_.textColor, TextAlign::Left});
  }
  void SectionTitle(std::string_view image, Rect title, TextSlot slot) {
    Image(image, title.TopLeft());
    Rect box = title;
    box.left += kCaptionIndent;
    Label(Text(content_.language, slot), box, FontRole::Title);
  }
  void Panel(const main::Panel& panel, const PanelFrame& frame) {
    if (!only_) {
      panel.Draw(frame, list_);
      return;
    }
    DrawList drawn;
    panel.Draw(frame, drawn);
    AppendTouching(drawn, *only_, *sizes_, list_);
  }

  const MainContent& content() const { return content_; }

 private:
  void Add(DrawOp op) {
    if (only_ && !Touches(op, *only_, *sizes_)) return;
    main::Add(list_, std::move(op));
  }

  DrawList& list_;
  const MainContent& content_;
  std::optional<Rect> only_;
  const ImageSizes* sizes_ = nullptr;
};

void DrawFrame(Builder& b, const MainViewState& state) {
  if (b.content().backgroundMissing) {
    b.Fill(region::kWindow, kMissingBackgroundFill);
  } else {
    b.Image(skin::kMainBackground.name, {0, 0});
  }
  b.Image(skin::kLogo.name, skin::kLogo.at);
  b.Image(skin::kModelBadge.name, skin::kModelBadge.at);
  for (const HotButtonRegion& region : kHotButtons) {
    const HotButtonLook look = LookOf(region.button);
    b.Image(state.Hot(region.button) ? look.over : look.normal, region.rect.TopLeft());
    if (look.caption) b.Caption(*look.caption, region.rect);
  }
}

void DrawMiddle(Builder& b, const MainViewState& state) {
  const PictureImage picture = MousePicture(state.view);
  b.Image(picture.name, picture.at);
  const Overlays lit = ButtonOverlays(state.view, state.highlightedButton, true);
  for (int i = 0; i < lit.count; ++i) b.Image(lit.image[i].name, lit.image[i].at);
  const bool top = state.view == MouseView::Top;
  b.Image(top ? skin::kViewButtonNormal.name : skin::kViewButtonCurrent.name, region::kSideView.TopLeft());
  b.Image(top ? skin::kViewButtonCurrent.name : skin::kViewButtonNormal.name, region::kTopView.TopLeft());
  b.Caption(TextSlot::Side, region::kSideView);
  b.Caption(TextSlot::Top, region::kTopView);
}

void DrawPanel(Builder& b, const PanelSet& panels, PanelSlot slot, const std::optional<PanelFrame>& frame) {
  if (!frame) return;
  b.Image(PanelBackground(slot), frame->area.TopLeft());
  if (const Panel* panel = panels.at(slot)) b.Panel(*panel, *frame);
}

void DrawAssignmentRows(Builder& b, const MainViewState& state, const LeftColumnLayout& left) {
  b.Image(state.view == MouseView::Top ? skin::kAssignmentPanelTop.name : skin::kAssignmentPanelSide.name,
          left.assignmentPanel.TopLeft());
  const MainContent& content = b.content();
  for (int row = 0; row < RowCount(state.view); ++row) {
    const int button = RowButton(state.view, row);
    b.Image(DropdownImage(state.rowLook[static_cast<std::size_t>(row)]), DropdownBox(row).TopLeft());
    b.Label(ButtonText(content.language, button), DropdownLabel(row), FontRole::Label);
    if (static_cast<std::size_t>(button) <= content.captions.size())
      b.Caption(content.captions[static_cast<std::size_t>(button - 1)], DropdownCaptionBox(row));
  }
}

void DrawLeftColumn(Builder& b, const MainViewState& state, const LeftColumnLayout& left, const PanelSet& panels,
                    const PanelFrames& frames) {
  b.SectionTitle(skin::kSectionTitle.name, left.title[1], TextSlot::ButtonAssignmentTitle);
  if (state.assignmentOpen) DrawAssignmentRows(b, state, left);
  b.SectionTitle(skin::kMacroManagerTitle.name, left.title[2], TextSlot::MacroManagerTitle);
  b.SectionTitle(skin::kSectionTitle.name, left.title[3], TextSlot::SensitivityTitle);
  DrawPanel(b, panels, PanelSlot::Sensitivity, frames[static_cast<std::size_t>(PanelSlot::Sensitivity)]);
  b.SectionTitle(skin::kSectionTitle.name, left.title[4], TextSlot::LightButtonTitle);
  DrawPanel(b, panels, PanelSlot::LightButton, frames[static_cast<std::size_t>(PanelSlot::LightButton)]);
}

void DrawRightColumn(Builder& b, const RightColumnLayout& right, const PanelSet& panels, const PanelFrames& frames) {
  for (int s = 1; s <= 6; ++s) {
    const RightSectionPlace& place = right.section[static_cast<std::size_t>(s)];
    if (!place.painted) continue;
    b.SectionTitle(skin::kSectionTitle.name, place.title, kRightTitles[static_cast<std::size_t>(s)]);
    if (auto slot = RightPanelSlot(static_cast<RightSection>(s)))
      DrawPanel(b, panels, *slot, frames[static_cast<std::size_t>(*slot)]);
  }
}

void DrawWindow(Builder& b, const MainViewState& state, const PanelSizes& sizes, const MainContent& content,
                const PanelSet& panels) {
  const PanelFrames frames = FramesFor(state, sizes, content);
  DrawFrame(b, state);
  DrawMiddle(b, state);
  DrawLeftColumn(b, state, LayOutLeftColumn(state, sizes), panels, frames);
  DrawRightColumn(b, LayOutRightColumn(state, sizes), panels, frames);
  if (state.focus == 0) return;
  const access::Tree tree = BuildMainAccessTree(state, sizes, content, panels, nullptr);
  if (const access::Node* focused = access::Find(tree, state.focus))
    for (const Rect& edge : access::FocusRingEdges(focused->location)) b.Fill(edge, content.textColor);
}

}  // namespace

PanelFrames FramesFor(const MainViewState& state, const PanelSizes& sizes, const MainContent& content) {
  PanelFrames frames;
  auto place = [&](PanelSlot slot, Rect area) {
    if (area.Empty()) return;
    frames[static_cast<std::size_t>(slot)] = PanelFrame{area, state.page, content.language, content.textColor};
  };
  const LeftColumnLayout left = LayOutLeftColumn(state, sizes);
  if (state.sensitivityOpen) place(PanelSlot::Sensitivity, left.sensitivityPanel);
  if (state.lightButtonOpen) place(PanelSlot::LightButton, left.lightButtonPanel);
  const RightColumnLayout right = LayOutRightColumn(state, sizes);
  for (int s = 1; s <= 6; ++s) {
    const RightSectionPlace& p = right.section[static_cast<std::size_t>(s)];
    if (!p.painted || !state.expanded[static_cast<std::size_t>(s)]) continue;
    if (auto slot = RightPanelSlot(static_cast<RightSection>(s))) place(*slot, p.panel);
  }
  return frames;
}

DrawList BuildMainDrawList(const MainViewState& state, const PanelSizes& sizes, const MainContent& content,
                           const PanelSet& panels) {
  DrawList list(region::kWindow);
  Builder b(list, content);
  DrawWindow(b, state, sizes, content, panels);
  return list;
}

DrawList BuildMainDrawList(const MainViewState& state, const PanelSizes& sizes, const MainContent& content,
                           const PanelSet& panels, Rect area, const ImageSizes& imageSizes) {
  DrawList list(area.Intersection(region::kWindow));
  Builder b(list, content, area, imageSizes);
  DrawWindow(b, state, sizes, content, panels);
  return list;
}

DrawList ClipDrawList(const DrawList& full, Rect area, const ImageSizes& sizes) {
  DrawList kept(area.Intersection(full.area()));
  AppendTouching(full, area, sizes, kept);
  return kept;
}

}  // namespace quendar::ui::main
