#include "core/ui/main/main_layout.h"

#include "core/ui/skin_manifest.h"

namespace quendar::ui::main {

namespace {

constexpr int kLeftX = 20;
constexpr int kLeftRight = 262;
constexpr int kRightX = 734;
constexpr int kRightRight = 976;
constexpr int kColumnTop = 32;
constexpr int kTitleHeight = 20;
constexpr int kMacroTitleHeight = 38;
constexpr int kGap = 5;
// The X/Y panel reserves this much below its title, whatever its image's height.
constexpr int kSensitivityAdvance = 156;

constexpr Rect kFirstLeftTitle{kLeftX, 107, kLeftRight, 127};

constexpr int kRowBoxLeft = 120;
constexpr int kRowBoxRight = 250;
constexpr int kRowTop = 154;
constexpr int kRowPitch = 20;
constexpr int kRowHeight = 16;
constexpr int kListLeft = 262;
constexpr int kListRight = 365;
constexpr int kListHeight = 230;

constexpr std::array<Point, 7> kFrontOverlayAt{{{362, 96}, {550, 96}, {497, 165}, {362, 180}, {510, 190}, {362, 236},
                                                {497, 265}}};
constexpr std::array<Point, 5> kSideOverlayAt{{{478, 151}, {510, 279}, {543, 150}, {578, 151}, {593, 308}}};
constexpr std::array<Point, 2> kBackOverlayAt{{{553, 225}, {558, 264}}};  // B-4, B-5

Size SizeOr0(const ImageSizes& sizes, std::string_view name) {
  if (!sizes) return {};
  return sizes(name).value_or(Size{});
}

Rect Title(int left, int right, int top, int height) { return {left, top, right, top + height}; }

// One section of the right column at `y`; returns where the next title goes.
int PlaceRight(RightColumnLayout& layout, int section, int y, bool expanded, Size panel) {
  RightSectionPlace& place = layout.section[static_cast<std::size_t>(section)];
  place.painted = true;
  place.title = Title(kRightX, kRightRight, y, kTitleHeight);
  place.panel = expanded ? Rect::At({kRightX, place.title.bottom}, panel) : Rect{};
  return place.title.bottom + (expanded ? panel.height : 0) + kGap;
}

void PlaceAngleSnapRow(RightColumnLayout& layout, int y) {
  RightSectionPlace& place = layout.section[static_cast<std::size_t>(RightSection::AngleSnap)];
  place.title = Title(kRightX, kRightRight, y, kTitleHeight);
}

}  // namespace

PanelSizes MeasurePanels(const ImageSizes& sizes) {
  PanelSizes result;
  result.assignment = SizeOr0(sizes, skin::kAssignmentPanelTop.name);
  result.sensitivity = SizeOr0(sizes, PanelBackground(PanelSlot::Sensitivity));
  result.lightButton = SizeOr0(sizes, PanelBackground(PanelSlot::LightButton));
  for (int s = 1; s <= 6; ++s) {
    if (auto slot = RightPanelSlot(static_cast<RightSection>(s)))
      result.right[static_cast<std::size_t>(s)] = SizeOr0(sizes, PanelBackground(*slot));
  }
  return result;
}

std::string_view PanelBackground(PanelSlot slot) {
  switch (slot) {
    case PanelSlot::Sensitivity: return skin::kSensitivityPanel.name;
    case PanelSlot::LightButton: return skin::kLightButtonPanel.name;
    case PanelSlot::Cpi: return skin::kCpiPanel.name;
    case PanelSlot::Lighting: return skin::kLightingPanel.name;
    case PanelSlot::ReportRate: return skin::kReportRatePanel.name;
    case PanelSlot::MouseSpeed:
    case PanelSlot::DoubleClickSpeed: return skin::kPointerSpeedPanel.name;
    case PanelSlot::ScrollSpeed: return skin::kScrollSpeedPanel.name;
  }
  return {};
}

std::optional<PanelSlot> RightPanelSlot(RightSection section) {
  switch (section) {
    case RightSection::Cpi: return PanelSlot::Cpi;
    case RightSection::Lighting: return PanelSlot::Lighting;
    case RightSection::ReportRate: return PanelSlot::ReportRate;
    case RightSection::MouseSpeed: return PanelSlot::MouseSpeed;
    case RightSection::DoubleClickSpeed: return PanelSlot::DoubleClickSpeed;
    case RightSection::ScrollSpeed: return PanelSlot::ScrollSpeed;
    case RightSection::AngleSnap: return std::nullopt;
  }
  return std::nullopt;
}

LeftColumnLayout LayOutLeftColumn(const MainViewState& state, const PanelSizes& sizes) {
  LeftColumnLayout layout;
  layout.title[1] = kFirstLeftTitle;
  if (state.assignmentOpen) layout.assignmentPanel = Rect::At({kLeftX, layout.title[1].bottom}, sizes.assignment);
  const int macroTop = layout.title[1].bottom + kGap + (state.assignmentOpen ? sizes.assignment.height : 0);
  layout.title[2] = Title(kLeftX, kLeftRight, macroTop, kMacroTitleHeight);
  layout.title[3] = Title(kLeftX, kLeftRight, layout.title[2].bottom + kGap, kTitleHeight);
  if (state.sensitivityOpen) layout.sensitivityPanel = Rect::At({kLeftX, layout.title[3].bottom}, sizes.sensitivity);
  const int lightTop = layout.title[3].bottom + (state.sensitivityOpen ? kSensitivityAdvance : kGap);
  layout.title[4] = Title(kLeftX, kLeftRight, lightTop, kTitleHeight);
  if (state.lightButtonOpen) layout.lightButtonPanel = Rect::At({kLeftX, layout.title[4].bottom}, sizes.lightButton);
  return layout;
}

RightColumnLayout LayOutUpperPage(const std::array<bool, kRightSectionCount + 1>& expanded, const PanelSizes& sizes) {
  RightColumnLayout layout;
  int y = kColumnTop;
  int n = 0;
  auto paint = [&](int s) {
    y = PlaceRight(layout, s, y, expanded[s], sizes.right[s]);
    if (expanded[s]) ++n;
  };
  paint(1), paint(2), paint(3);
  if (n == 3 || (n == 2 && expanded[1] && expanded[3])) return layout;
  for (int s = 4; s <= 5; ++s) {
    paint(s);
    if (n >= 3 || (n == 2 && expanded[1] && (expanded[2] || expanded[s]))) return layout;
  }
  paint(6);
  PlaceAngleSnapRow(layout, y);
  layout.complete = true;
  return layout;
}

RightColumnLayout LayOutLowerPage(const std::array<bool, kRightSectionCount + 1>& expanded, const PanelSizes& sizes) {
  RightColumnLayout layout;
  int y = kColumnTop;
  for (int s = 4; s <= 6; ++s) y = PlaceRight(layout, s, y, expanded[s], sizes.right[s]);
  PlaceAngleSnapRow(layout, y);
  layout.complete = true;
  return layout;
}

RightColumnLayout LayOutRightColumn(const MainViewState& state, const PanelSizes& sizes) {
  return state.page == RightPage::Upper ? LayOutUpperPage(state.expanded, sizes)
                                        : LayOutLowerPage(state.expanded, sizes);
}

Rect DropdownBox(int row) {
  const int top = kRowTop + kRowPitch * row;
  return {kRowBoxLeft, top, kRowBoxRight, top + kRowHeight};
}

Rect DropdownCaptionBox(int row) {
  constexpr int kArrowWidth = 18;  // the skin's separator and arrow at the box's right end
  Rect box = DropdownBox(row);
  box.right -= kArrowWidth;
  return box;
}

Rect DropdownLabel(int row) {
  const int top = kRowTop + kRowPitch * row;
  return {kLeftX + 10, top, kRowBoxLeft - 2, top + kRowHeight};
}

Rect FunctionListArea(int row) {
  const int top = kRowTop + kRowPitch * row;
  return {kListLeft, top, kListRight, top + kListHeight};
}

int RowCount(MouseView view) { return view == MouseView::Top ? 7 : 5; }

int RowButton(MouseView view, int row) {
  if (row < 0 || row >= RowCount(view)) return 0;
  return view == MouseView::Top ? row + 1 : row + 8;
}

std::optional<int> ButtonRow(MouseView view, int button) {
  const int row = view == MouseView::Top ? button - 1 : button - 8;
  if (row < 0 || row >= RowCount(view)) return std::nullopt;
  return row;
}

PictureImage MousePicture(MouseView view) {
  if (view == MouseView::Top) return {skin::kMouseTopPicture.name, {361, 48}};
  return {skin::kMouseSidePicture.name, {295, 150}};
}

Overlays ButtonOverlays(MouseView view, int button, bool over) {
  Overlays result;
  const std::optional<int> row = ButtonRow(view, button);
  if (!row) return result;
  const int k = *row + 1;
  if (view == MouseView::Top) {
    const auto& family = over ? skin::kFrontOverlayOver : skin::kFrontOverlayNormal;
    result.image[result.count++] = {skin::MemberName(family.pattern, k), kFrontOverlayAt[*row]};
    return result;
  }
  const auto& side = over ? skin::kSideOverlayOver : skin::kSideOverlayNormal;
  result.image[result.count++] = {skin::MemberName(side.pattern, k), kSideOverlayAt[*row]};
  // Buttons 11 and 12 sit on the back of the mouse: their own overlays B-4 and B-5 follow them.
  if (k == 4 || k == 5) {
    const auto& back = over ? skin::kBackOverlayOver : skin::kBackOverlayNormal;
    result.image[result.count++] = {skin::MemberName(back.pattern, k), kBackOverlayAt[k - 4]};
  }
  return result;
}

Rect PictureArea(MouseView view, const ImageSizes& sizes) {
  const PictureImage picture = MousePicture(view);
  return Rect::At(picture.at, SizeOr0(sizes, picture.name));
}

}  // namespace quendar::ui::main
