#pragma once
// How the settings panels inside the main window's sections, and the popup function lists of the Button
// Assignment panel, attach to the main view without the main view knowing what they edit.
//
// The main view lays the sections out, draws each section's title and its panel background, and decides
// which panels are on screen and where. A panel draws its own elements on that background, takes the
// presses the dispatcher forwards to it, and answers with effects (usually a Repaint of what it changed).
// What a panel needs of the platform beyond drawing (child controls) goes through `PanelPlatform`, which
// the Win32 shell implements and tests fake; the modal colour dialog is an effect (ChooseColour).
#include <array>
#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "core/ui/access/accessible.h"
#include "core/ui/draw/draw_list.h"
#include "core/ui/geometry.h"
#include "core/ui/interface_language.h"
#include "core/ui/main/main_effects.h"
#include "core/ui/main/main_view_state.h"

namespace quendar::ui::main {

// The sections that hold a panel, left column first, then the right column in column order.
enum class PanelSlot {
  Sensitivity,       // left 3: the X and Y sliders
  LightButton,       // left 4: "ON" / "OFF"
  Cpi,               // right 1: seven stages
  Lighting,          // right 2
  ReportRate,        // right 3
  MouseSpeed,        // right 4
  DoubleClickSpeed,  // right 5
  ScrollSpeed,       // right 6
};
inline constexpr std::size_t kPanelSlotCount = 8;

// The two moments of a press at which the dispatcher offers it to the panels: before the Button
// Assignment rows are tested (colour boxes, stage switches, sliders of the left column, "ON"/"OFF") and,
// unless the press hit a dropdown box, after them (the CPI stage sliders and the controls below them).
// Every shown panel is offered the press at both stages; it answers at the stage its element belongs to.
enum class DispatchStage { BeforeRows, AfterRows };

// Where a shown panel is and what it draws with.
struct PanelFrame {
  // The panel's background image, top-left at its title's bottom-left corner, as large as the image.
  // Element rectangles are offsets from `area.left` (L) and `area.top` (B or T).
  Rect area;
  RightPage page = RightPage::Upper;
  LanguageClass language = LanguageClass::English;
  Color textColor;
  friend bool operator==(const PanelFrame&, const PanelFrame&) = default;
};

class Panel {
 public:
  virtual ~Panel() = default;

  // Appends the panel's elements (the main view has drawn the background at `frame.area` already).
  virtual void Draw(const PanelFrame& frame, DrawList& list) const = 0;

  // The elements `Draw` shows, as accessible nodes in reading order with ids 1..99 of the panel's own (the
  // main view makes them unique in the window); each node's clicks are ones `OnPress` takes.
  virtual void Describe(const PanelFrame& frame, access::Tree& out) const { (void)frame, (void)out; }

  // A left-button press at `point` (client pixels), offered while the panel is shown. Append what the
  // press changed on screen as Repaint effects.
  virtual void OnPress(DispatchStage stage, Point point, const PanelFrame& frame, Effects& out) = 0;

  // The panel came on screen at `frame`, moved, or left the screen (nullopt): child controls follow it.
  // Called only when the placement changes.
  virtual void OnPlaced(const std::optional<PanelFrame>& frame) { (void)frame; }

  // Called on placed panels before every full paint, which may follow a record replaced as a whole
  // (profile reload, Cancel's revert): child controls show the record's values again. Drawn elements
  // follow by the repaint itself.
  virtual void OnRecordChanged() {}

  // The colour dialog a ChooseColour effect of this panel asked for closed with OK. Returns false when
  // `target` is not the panel's.
  virtual bool OnColourChosen(int target, Color colour, Effects& out) {
    (void)target, (void)colour, (void)out;
    return false;
  }

  // A notification from a child control this panel created (control id, notification code). Returns
  // false when the control is not the panel's.
  virtual bool OnControlNotice(int id, int code, Effects& out) {
    (void)id, (void)code, (void)out;
    return false;
  }
};

// The panels of one window, by slot; a slot may stay empty (its section then shows its title and its
// background only).
class PanelSet {
 public:
  void Attach(PanelSlot slot, std::unique_ptr<Panel> panel) { panels_[Index(slot)] = std::move(panel); }
  Panel* at(PanelSlot slot) const { return panels_[Index(slot)].get(); }

 private:
  static std::size_t Index(PanelSlot slot) { return static_cast<std::size_t>(slot); }
  std::array<std::unique_ptr<Panel>, kPanelSlotCount> panels_;
};

// The platform services a panel may use. Child control ids are the panels' own (colour boxes 71..77, the
// number box 121); the shell routes their notifications back through `Panel::OnControlNotice`.
enum class ChildKind { ColourBox, NumberBox };

struct ChildControl {
  int id = 0;
  ChildKind kind = ChildKind::ColourBox;
  Rect box;
  Color colour;       // colour box: its brush
  std::wstring text;  // number box: its text
  bool enabled = true;
};

class PanelPlatform {
 public:
  virtual ~PanelPlatform() = default;
  // Creates the control, replacing one of the same id.
  virtual void ShowChild(const ChildControl& control) = 0;
  virtual void DestroyChild(int id) = 0;
  virtual std::wstring ChildText(int id) const = 0;
  virtual void SetChildText(int id, std::wstring_view text) = 0;
  virtual void EnableChild(int id, bool enabled) = 0;
};

// The popup function lists of the Button Assignment panel (buttons 1..12). The main view asks which are
// open; the window controller carries out ToggleFunctionList and CloseRowLists through this interface,
// and routes the lists' notifications to `OnListNotice`. The lists answer with effects: HighlightButton
// when a list opens, ShowDropdown when a choice is committed.
class FunctionLists {
 public:
  virtual ~FunctionLists() = default;
  virtual bool IsOpen(int button) const = 0;
  virtual void Toggle(int button, Rect list, Effects& out) = 0;
  // Closes `button`'s list, if open, and every open sub-list.
  virtual void Close(int button) = 0;
  virtual void CloseAll() = 0;
  virtual bool OnListNotice(int id, int code, Effects& out) {
    (void)id, (void)code, (void)out;
    return false;
  }
  // Runs the modal dialog a RunOwedDialog effect announced, if it is still owed.
  virtual void RunOwedDialog(Effects& out) { (void)out; }
};

}  // namespace quendar::ui::main
