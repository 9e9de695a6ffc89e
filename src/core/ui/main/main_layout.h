#pragma once
// Where everything of the main window is: the fixed regions, the stacking left column, the paged right
// column, the dropdown rows and the mouse picture's overlays. Pure functions of the state and of the panel
// sizes measured from the skin; the dispatcher, the hover rules and the draw lists all read them, and the
// skin tests check the skin against them.
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "core/ui/geometry.h"
#include "core/ui/main/main_view_state.h"
#include "core/ui/main/panel.h"

namespace quendar::ui::main {

// The size of a skin image by its name, or nullopt when the skin lacks it.
using ImageSizes = std::function<std::optional<Size>(std::string_view name)>;

namespace region {
inline constexpr Rect kWindow{0, 0, 1000, 640};
inline constexpr Rect kWebLink{30, 0, 262, 32};
inline constexpr Rect kHelp{937, 5, 952, 20};
inline constexpr Rect kHide{958, 5, 973, 20};
inline constexpr Rect kClose{979, 5, 994, 20};
inline constexpr Rect kConfig{18, 604, 90, 634};
inline constexpr Rect kReset{798, 604, 855, 634};
inline constexpr Rect kCancel{860, 604, 917, 634};
inline constexpr Rect kSave{923, 604, 980, 634};
inline constexpr Rect kSideView{437, 527, 499, 556};
inline constexpr Rect kTopView{500, 527, 562, 556};
inline constexpr Rect kMiddle{262, 32, 734, 450};
inline constexpr Rect kScrollTrack{984, 32, 991, 595};
// What a repaint of a whole column covers: its background image.
inline constexpr Rect kLeftColumn{20, 102, 262, 598};
inline constexpr Rect kRightColumn{734, 32, 976, 598};
}  // namespace region

// Scrolling: a thumb whose top lies less than this below the track's top shows the upper page.
inline constexpr int kScrollHalfTrack = (region::kScrollTrack.bottom - region::kScrollTrack.top) / 2;  // 281

struct HotButtonRegion {
  HotButton button;
  Rect rect;
};
inline constexpr std::array<HotButtonRegion, kHotButtonCount> kHotButtons{{
    {HotButton::Help, region::kHelp},
    {HotButton::Hide, region::kHide},
    {HotButton::Close, region::kClose},
    {HotButton::Config, region::kConfig},
    {HotButton::Reset, region::kReset},
    {HotButton::Cancel, region::kCancel},
    {HotButton::Save, region::kSave},
}};
inline constexpr Rect HotButtonRect(HotButton b) { return kHotButtons[static_cast<std::size_t>(b)].rect; }

// The panel background images, measured on the first full paint.
struct PanelSizes {
  Size assignment;  // the Top view's background; both views use its height
  Size sensitivity;
  Size lightButton;
  std::array<Size, kRightSectionCount + 1> right{};  // by section 1..6
};
PanelSizes MeasurePanels(const ImageSizes& sizes);

// The background image of a panel slot, and the slot of a right-column section that has one.
std::string_view PanelBackground(PanelSlot slot);
std::optional<PanelSlot> RightPanelSlot(RightSection section);

// Left column: title rows 1..4 (index 0 unused) and the panels under the open ones (empty when closed).
struct LeftColumnLayout {
  std::array<Rect, kLeftSectionCount + 1> title{};
  Rect assignmentPanel;
  Rect sensitivityPanel;
  Rect lightButtonPanel;
};
LeftColumnLayout LayOutLeftColumn(const MainViewState& state, const PanelSizes& sizes);

// Right column: which sections the shown page paints, their title rows and their panels (empty when
// collapsed). Section 7's row is placed below section 6 but never drawn.
struct RightSectionPlace {
  bool painted = false;
  Rect title;
  Rect panel;
};
struct RightColumnLayout {
  std::array<RightSectionPlace, kRightSectionCount + 1> section{};
  // The upper page's pass ran through section 6 (it did not stop early).
  bool complete = false;
};
// The upper page's pass over the given expanded flags: sections 1..3, then 4, 5 and 6 while the page has
// room by the column's rule.
RightColumnLayout LayOutUpperPage(const std::array<bool, kRightSectionCount + 1>& expanded, const PanelSizes& sizes);
// Sections 4..6 alone from the top of the column.
RightColumnLayout LayOutLowerPage(const std::array<bool, kRightSectionCount + 1>& expanded, const PanelSizes& sizes);
RightColumnLayout LayOutRightColumn(const MainViewState& state, const PanelSizes& sizes);

// Button Assignment rows (0..6): the dropdown box, the label left of it, the popup list beside it.
Rect DropdownBox(int row);
Rect DropdownLabel(int row);
// The part of a row's dropdown box left of its arrow: where the button's caption is centred (a caption
// too long for it ends with an ellipsis before the arrow).
Rect DropdownCaptionBox(int row);
Rect FunctionListArea(int row);
// Rows a view uses (Top 7, Side 5) and the button (1..12) of a row in a view; 0 for an unused row.
int RowCount(MouseView view);
int RowButton(MouseView view, int row);
// The row (0..6) that shows `button` in `view`, or nullopt.
std::optional<int> ButtonRow(MouseView view, int button);

// Mouse picture and overlays of a view.
struct PictureImage {
  std::string_view name;
  Point at;
};
PictureImage MousePicture(MouseView view);
// The overlays that light `button` in `view` (the Side view's buttons 11 and 12 light two); over or normal.
struct OverlayImage {
  std::string name;
  Point at;
};
struct Overlays {
  std::array<OverlayImage, 2> image{};
  int count = 0;
};
Overlays ButtonOverlays(MouseView view, int button, bool over);
// The area a change of highlight repaints: the view's picture.
Rect PictureArea(MouseView view, const ImageSizes& sizes);

}  // namespace quendar::ui::main
