#pragma once
// The main window's behaviour: events in (press, pointer movement, hover, leave, the thumb, full paints,
// Reset), effects out. It keeps the state, lays out the columns, dispatches presses in their fixed order,
// forwards them to the panels, drives the function lists and the highlight of the mouse picture, and
// draws any part of the window on request. No platform calls: the window controller carries out what it
// returns.
#include <span>
#include <string>

#include "core/ui/access/accessible.h"
#include "core/ui/draw/draw_list.h"
#include "core/ui/main/main_access.h"
#include "core/ui/main/main_draw.h"
#include "core/ui/main/main_effects.h"
#include "core/ui/main/main_layout.h"
#include "core/ui/main/main_view_state.h"
#include "core/ui/main/panel.h"

namespace quendar::ui::main {

// The keys the window takes for itself (Enter and Escape are swallowed before they reach it).
enum class Key { Tab, BackTab, Space, Up, Down, Left, Right };

class MainView {
 public:
  // `sizes` measures the skin's images (panel heights, clipping of repaints).
  MainView(PanelSet& panels, ImageSizes sizes);

  // What the window shows besides its state. Captions must outlive the view's use of them.
  void SetContent(const MainContent& content);
  // The popup function lists; until attached, dropdown clicks toggle nothing.
  void AttachFunctionLists(FunctionLists* lists) { lists_ = lists; }

  // Input events. Each returns what the controller must do, in order.
  Effects Press(Point point);
  Effects Move(Point point);
  Effects Hover(Point point);
  Effects Leave();
  // The scroll thumb reports its new top.
  Effects ThumbMoved(int top);
  // A full paint: at start-up, when the tray shows the window, after a profile change.
  Effects PaintAll();
  // "Reset": every section collapses and the Side view returns; then a full paint.
  Effects Reset();
  Effects ShowView(MouseView view);
  // Effects a function list produced on its own (a commit from a list notice).
  Effects Apply(const Effects& fromLists);
  // The dialog a RunOwedDialog effect announced, now that the event that asked is handled.
  Effects RunOwedDialog();
  // The colour dialog of a ChooseColour effect closed with OK.
  Effects ColourChosen(int target, Color colour);
  // A child control's notification: the panels' controls, then the function lists'.
  Effects ControlNotice(int id, int code);

  // Keyboard: Tab and Shift+Tab move the focus in reading order; Space is a click on the focused node;
  // the arrows move its slider, dial or radio row one step (up and right: up).
  Effects KeyDown(Key key);
  // A screen reader's default action on node `id`: it takes the focus and is clicked as Space clicks.
  Effects Activate(int id);
  // What the window offers screen readers now.
  access::Tree Accessible() const;

  void HelpClosed() { state_.helpOpen = false; }
  void ProfileManagerClosed() { state_.profileManagerOpen = false; }
  void SaveFinished() { state_.saveRunning = false; }

  // The draw list that paints `area` (the whole window for a full paint).
  DrawList Draw(Rect area) const;

  const MainViewState& state() const { return state_; }
  const PanelSizes& panelSizes() const { return sizes_; }

 private:
  class Pass;

  void Dispatch(Point point, Pass& pass);
  // A click made from the keyboard: what a press at `point` does, without the window drag a press that
  // hits nothing turns into.
  void KeyPress(Point point, Pass& pass);
  void MoveFocus(int id, const access::Tree& tree, Pass& pass);
  bool PressRightTitle(Point point, Pass& pass);
  void PressRows(Point point, Pass& pass, bool& inBox);
  void Forward(DispatchStage stage, Point point, Pass& pass);
  // Closes every popup list, then asks for the window `command` opens.
  void OpenWindow(Command command, Pass& pass);
  void ToggleLeft(LeftSection section, Pass& pass);
  void ShowUpperPage(Pass& pass);
  void ShowLowerPage(Pass& pass);
  void SetView(MouseView view, Pass& pass);
  void SetHighlight(int button, Pass& pass);
  // Returns every hot element not at `point` to its normal look.
  void Cool(Point point, Pass& pass);
  int OpenListButtonInView() const;
  void Emit(const Effect& effect, Pass& pass);
  Effects Finish(Pass& pass);
  void Place();

  PanelSet& panels_;
  ImageSizes imageSizes_;
  FunctionLists* lists_ = nullptr;
  MainContent content_;
  MainViewState state_;
  PanelSizes sizes_;
  PanelFrames placed_{};
};

}  // namespace quendar::ui::main
