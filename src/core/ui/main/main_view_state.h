#pragma once
// Everything the main window remembers between two events: the mouse view, which sections are open, the
// right column's page and enabled rows, what is hot under the pointer, and which dialogs are up. One plain
// value, owned by the main view; the draw lists and the dispatcher read it, only the main view changes it.
#include <array>
#include <cstddef>

#include "core/ui/geometry.h"

namespace quendar::ui::main {

enum class MouseView { Top = 1, Side = 2 };

// Which part of the right column is on screen: sections 1..6 from the top, or sections 4..6 alone.
enum class RightPage { Upper = 1, Lower = 3 };

// The sections of the right column in column order. Angle Snap has a title row but no click action.
enum class RightSection { Cpi = 1, Lighting, ReportRate, MouseSpeed, DoubleClickSpeed, ScrollSpeed, AngleSnap };
inline constexpr int kRightSectionCount = 7;

// The left column's four title rows, top to bottom.
enum class LeftSection { Assignment = 1, MacroManager, Sensitivity, LightButton };
inline constexpr int kLeftSectionCount = 4;

// The image buttons that show an "over" image while the pointer rests on them.
enum class HotButton { Help, Hide, Close, Config, Reset, Cancel, Save };
inline constexpr std::size_t kHotButtonCount = 7;

// How a dropdown box of the Button Assignment panel looks: at rest, under the pointer, or just after its
// list committed a choice (shown until the pointer leaves it).
enum class DropdownLook { Normal, Over, Committed };
inline constexpr int kDropdownRowCount = 7;

// The scroll thumb's place on the right column's track when the upper page is laid out afresh.
inline constexpr Rect kInitialThumb{984, 32, 991, 146};

struct MainViewState {
  MouseView view = MouseView::Side;

  // Left column. The Macro Manager row opens a dialog and never expands.
  bool assignmentOpen = false;
  bool sensitivityOpen = false;
  bool lightButtonOpen = false;

  // Right column, indexed by section number 1..7 (index 0 unused). Only enabled rows react to clicks.
  std::array<bool, kRightSectionCount + 1> expanded{};
  std::array<bool, kRightSectionCount + 1> rowEnabled{false, true, true, true, true, true, true, true};
  RightPage page = RightPage::Upper;
  Rect thumb = kInitialThumb;

  // Hover: a flag per image button and a look per dropdown row; the button lit in the mouse picture
  // (1..12, 0 for none).
  std::array<bool, kHotButtonCount> hot{};
  std::array<DropdownLook, kDropdownRowCount> rowLook{};
  int highlightedButton = 0;

  // Windows started from the main window that it must not open twice.
  bool helpOpen = false;
  bool profileManagerOpen = false;
  // Set by "Save" until the apply's debounce period ends.
  bool saveRunning = false;

  // The main page has been painted completely once (the panel heights are measured then).
  bool mainPageDrawn = false;

  bool Expanded(RightSection s) const { return expanded[static_cast<std::size_t>(s)]; }
  bool RowEnabled(RightSection s) const { return rowEnabled[static_cast<std::size_t>(s)]; }
  bool Hot(HotButton b) const { return hot[static_cast<std::size_t>(b)]; }
};

}  // namespace quendar::ui::main
