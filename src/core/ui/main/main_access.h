#pragma once
// The main window as accessible nodes, in reading order: the left column (titles, the Button Assignment
// rows, the panels under open titles), the two view buttons, the right column's shown page, the bottom
// commands, then the buttons of the title bar. Built from the same layout functions the draw list and the
// dispatcher use; every node's click is one the dispatcher takes.
#include "core/ui/access/accessible.h"
#include "core/ui/main/main_draw.h"
#include "core/ui/main/main_layout.h"
#include "core/ui/main/main_view_state.h"
#include "core/ui/main/panel.h"

namespace quendar::ui::main {

// Ids of the window's own nodes; a panel's node n is kPanelNodes + 100 * slot + n.
namespace node {
inline constexpr int kWebLink = 1, kHelp = 2, kHide = 3, kClose = 4, kConfig = 5, kReset = 6, kCancel = 7, kSave = 8;
inline constexpr int kSideView = 9, kTopView = 10;
inline constexpr int kLeftTitle = 20;       // + section 1..4
inline constexpr int kDropdown = 30;        // + row 0..6
inline constexpr int kRightTitle = 40;      // + section 1..6
inline constexpr int kPanelNodes = 1000;
inline constexpr int PanelNode(PanelSlot slot, int n) { return kPanelNodes + 100 * static_cast<int>(slot) + n; }
}  // namespace node

// `lists` tells which dropdown rows are expanded; null: none.
access::Tree BuildMainAccessTree(const MainViewState& state, const PanelSizes& sizes, const MainContent& content,
                                 const PanelSet& panels, const FunctionLists* lists);

}  // namespace quendar::ui::main
