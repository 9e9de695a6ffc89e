#pragma once
// What an event on the main window asks the rest of the program to do, as values in the order they must
// happen. The main view produces them; the panels and the function lists add to them; the main view
// carries out its own (repaints, highlights, forwarding) and hands the rest to the window's controller.
#include <variant>
#include <vector>

#include "core/ui/geometry.h"
#include "core/ui/main/main_view_state.h"

namespace quendar::ui::main {

// Commands started from the main window. The window controller runs them.
enum class Command {
  OpenWebAddress,      // the maker's address, with the system's default handler
  Reset,               // the reset command of the apply sequence (also collapses everything, Side view)
  Cancel,              // restore the saved record and hide
  Save,                // save and download
  OpenHelp,            // create and show the modeless help dialog
  CloseHelp,           // close and delete it
  Hide,                // hide the window; the tray brings it back
  Close,               // destruction handling, then the process ends
  OpenProfileManager,  // create and show the modeless profile manager
  RunMacroManager,     // modal; its OK copies the twelve macros into the record
  DragWindow,          // hand the press to the system as a press on a caption bar
};

// Paint this client area again from the state (the window's draw list clipped to it).
struct Repaint {
  Rect area;
  friend bool operator==(const Repaint&, const Repaint&) = default;
};

struct RunCommand {
  Command command;
  friend bool operator==(const RunCommand&, const RunCommand&) = default;
};

// A dropdown box was clicked: open the button's function list (1..12) in `list`, or close it if open.
struct ToggleFunctionList {
  int button = 0;
  Rect list;
  friend bool operator==(const ToggleFunctionList&, const ToggleFunctionList&) = default;
};

// A click missed a row's dropdown box and its list: close the open function lists of the row's buttons
// (one per view) and every open sub-list.
struct CloseRowLists {
  int row = 0;
  friend bool operator==(const CloseRowLists&, const CloseRowLists&) = default;
};

// Light one button (1..12, 0 for none) in the mouse picture; asked for by a function list as it opens.
struct HighlightButton {
  int button = 0;
  friend bool operator==(const HighlightButton&, const HighlightButton&) = default;
};

// A function list committed a choice for `button`: its dropdown box shows `look` and its caption again.
struct ShowDropdown {
  int button = 0;
  DropdownLook look = DropdownLook::Normal;
  friend bool operator==(const ShowDropdown&, const ShowDropdown&) = default;
};

// Put the right column's scroll thumb at `box` (creating it if it is gone).
struct PlaceThumb {
  Rect box;
  friend bool operator==(const PlaceThumb&, const PlaceThumb&) = default;
};

// Ask the platform for hover and leave notices for the pointer's next rest and exit.
struct TrackPointer {
  friend bool operator==(const TrackPointer&, const TrackPointer&) = default;
};

// Ask the user for a colour with the system's modal colour dialog once the event that asked is fully
// handled (never from inside it); the answer comes back through MainView::ColourChosen with `target`.
struct ChooseColour {
  int target = 0;  // the panel's own id for what is being coloured
  friend bool operator==(const ChooseColour&, const ChooseColour&) = default;
};

// A function list's commit needs a modal dialog (key capture, macro choice): once the event is fully
// handled, MainView::RunOwedDialog runs it.
struct RunOwedDialog {
  friend bool operator==(const RunOwedDialog&, const RunOwedDialog&) = default;
};

using Effect = std::variant<Repaint, RunCommand, ToggleFunctionList, CloseRowLists, HighlightButton, ShowDropdown,
                            PlaceThumb, TrackPointer, ChooseColour, RunOwedDialog>;
using Effects = std::vector<Effect>;

}  // namespace quendar::ui::main
