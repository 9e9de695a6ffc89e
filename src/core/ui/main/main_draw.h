#pragma once
// The main window as a draw list: everything the state shows, background first, so that any rectangle of
// it can be painted again on its own by clipping the list to it.
#include <array>
#include <optional>
#include <span>
#include <string>

#include "core/ui/draw/draw_list.h"
#include "core/ui/interface_language.h"
#include "core/ui/main/main_layout.h"
#include "core/ui/main/main_view_state.h"
#include "core/ui/main/panel.h"

namespace quendar::ui::main {

// What the window shows besides its state: the language, the skin's text colour, the button captions.
struct MainContent {
  LanguageClass language = LanguageClass::English;
  Color textColor;
  std::span<const std::wstring> captions;  // buttons 1..12 at 0..11; missing ones show nothing
  // The skin has no readable "/main.png": a plain backdrop stands in, so the buttons drawn over it stay
  // readable and usable.
  bool backgroundMissing = false;
};

inline constexpr Color kMissingBackgroundFill{48, 48, 48};

using PanelFrames = std::array<std::optional<PanelFrame>, kPanelSlotCount>;

// Where each panel is on screen for this state (nullopt: its section is closed or not on the page).
PanelFrames FramesFor(const MainViewState& state, const PanelSizes& sizes, const MainContent& content);

// The whole window.
DrawList BuildMainDrawList(const MainViewState& state, const PanelSizes& sizes, const MainContent& content,
                           const PanelSet& panels);

// The operations of the whole window that touch `area` (what ClipDrawList keeps of the whole list), built
// without the others: the list of a partial repaint.
DrawList BuildMainDrawList(const MainViewState& state, const PanelSizes& sizes, const MainContent& content,
                           const PanelSet& panels, Rect area, const ImageSizes& imageSizes);

// The operations of `full` that touch `area`, as the list that repaints `area` alone. An image whose size
// is unknown is kept.
DrawList ClipDrawList(const DrawList& full, Rect area, const ImageSizes& sizes);

}  // namespace quendar::ui::main
