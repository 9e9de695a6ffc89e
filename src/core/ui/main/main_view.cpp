#include "core/ui/main/main_view.h"

#include <utility>

namespace quendar::ui::main {

// The effects of one event as they are produced.
class MainView::Pass {
 public:
  Effects out;
  void Add(Effect effect) { out.push_back(std::move(effect)); }
  void Repaint(Rect area) {
    if (!area.Empty()) out.push_back(main::Repaint{area});
  }
};

namespace {

std::optional<HotButton> HotButtonAt(Point p) {
  for (const HotButtonRegion& region : kHotButtons)
    if (region.rect.Contains(p)) return region.button;
  return std::nullopt;
}

}  // namespace

MainView::MainView(PanelSet& panels, ImageSizes sizes) : panels_(panels), imageSizes_(std::move(sizes)) {}

void MainView::SetContent(const MainContent& content) { content_ = content; }

// --- Presses -----------------------------------------------------------------------------------

Effects MainView::Press(Point point) {
  Pass pass;
  Dispatch(point, pass);
  return Finish(pass);
}

void MainView::Dispatch(Point p, Pass& pass) {
  if (region::kWebLink.Contains(p)) return pass.Add(RunCommand{Command::OpenWebAddress});
  if (region::kReset.Contains(p)) return pass.Add(RunCommand{Command::Reset});
  if (region::kCancel.Contains(p)) return pass.Add(RunCommand{Command::Cancel});
  if (region::kSave.Contains(p)) {
    if (state_.saveRunning) return;
    state_.saveRunning = true;
    return pass.Add(RunCommand{Command::Save});
  }
  if (region::kHelp.Contains(p)) {
    state_.helpOpen = !state_.helpOpen;
    if (state_.helpOpen) return OpenWindow(Command::OpenHelp, pass);
    return pass.Add(RunCommand{Command::CloseHelp});
  }
  // Any other press closes the help dialog first.
  if (state_.helpOpen) {
    state_.helpOpen = false;
    pass.Add(RunCommand{Command::CloseHelp});
  }
  if (region::kHide.Contains(p)) return pass.Add(RunCommand{Command::Hide});
  if (region::kClose.Contains(p)) return pass.Add(RunCommand{Command::Close});
  if (region::kConfig.Contains(p)) {
    if (state_.profileManagerOpen) return;
    state_.profileManagerOpen = true;
    return OpenWindow(Command::OpenProfileManager, pass);
  }
  if (region::kTopView.Contains(p)) return SetView(MouseView::Top, pass);
  if (region::kSideView.Contains(p)) return SetView(MouseView::Side, pass);

  const LeftColumnLayout left = LayOutLeftColumn(state_, sizes_);
  if (left.title[1].Contains(p)) return ToggleLeft(LeftSection::Assignment, pass);
  if (left.title[2].Contains(p)) return OpenWindow(Command::RunMacroManager, pass);
  if (left.title[3].Contains(p)) return ToggleLeft(LeftSection::Sensitivity, pass);
  if (left.title[4].Contains(p)) return ToggleLeft(LeftSection::LightButton, pass);

  // From here on nothing ends the dispatch but a dropdown box.
  PressRightTitle(p, pass);
  Forward(DispatchStage::BeforeRows, p, pass);
  bool inBox = false;
  PressRows(p, pass, inBox);
  if (inBox) return;
  Forward(DispatchStage::AfterRows, p, pass);
  pass.Add(RunCommand{Command::DragWindow});
}

void MainView::KeyPress(Point point, Pass& pass) {
  Pass press;
  Dispatch(point, press);
  for (Effect& effect : press.out) {
    const auto* run = std::get_if<RunCommand>(&effect);
    if (run == nullptr || run->command != Command::DragWindow) pass.Add(std::move(effect));
  }
}

void MainView::OpenWindow(Command command, Pass& pass) {
  // No popup list stays on screen over a window a press opens.
  if (lists_ != nullptr) lists_->CloseAll();
  pass.Add(RunCommand{command});
}

bool MainView::PressRightTitle(Point p, Pass& pass) {
  const RightColumnLayout right = LayOutRightColumn(state_, sizes_);
  for (int s = 1; s <= 6; ++s) {
    const auto k = static_cast<std::size_t>(s);
    if (!state_.rowEnabled[k] || !right.section[k].painted || !right.section[k].title.Contains(p)) continue;
    if (s <= 3) {
      if (state_.page != RightPage::Upper) continue;
      state_.expanded[k] = !state_.expanded[k];
      ShowUpperPage(pass);
    } else if (state_.page == RightPage::Lower) {
      state_.expanded[k] = !state_.expanded[k];
      ShowLowerPage(pass);
    } else {
      // The upper page's pass inverts the section as it reaches it; a pass that stops earlier leaves it.
      if (LayOutUpperPage(state_.expanded, sizes_).section[k].painted) state_.expanded[k] = !state_.expanded[k];
      ShowUpperPage(pass);
    }
    return true;
  }
  return false;
}

void MainView::PressRows(Point p, Pass& pass, bool& inBox) {
  for (int row = 0; row < kDropdownRowCount; ++row) {
    if (FunctionListArea(row).Contains(p) || DropdownBox(row).Contains(p)) continue;
    const bool open = lists_ != nullptr && (lists_->IsOpen(RowButton(MouseView::Top, row)) ||
                                            lists_->IsOpen(RowButton(MouseView::Side, row)));
    if (open) Emit(CloseRowLists{row}, pass);
  }
  if (!state_.assignmentOpen) return;
  for (int row = 0; row < kDropdownRowCount; ++row) {
    if (!DropdownBox(row).Contains(p)) continue;
    inBox = true;
    // The Side view shows five rows; its rows 5 and 6 do nothing.
    if (const int button = RowButton(state_.view, row)) Emit(ToggleFunctionList{button, FunctionListArea(row)}, pass);
    return;
  }
}

void MainView::Forward(DispatchStage stage, Point p, Pass& pass) {
  for (std::size_t i = 0; i < kPanelSlotCount; ++i) {
    Panel* panel = panels_.at(static_cast<PanelSlot>(i));
    if (panel == nullptr || !placed_[i]) continue;
    Effects out;
    panel->OnPress(stage, p, *placed_[i], out);
    for (const Effect& e : out) Emit(e, pass);
  }
}

// --- Sections and views ------------------------------------------------------------------------

void MainView::ToggleLeft(LeftSection section, Pass& pass) {
  switch (section) {
    case LeftSection::Assignment: state_.assignmentOpen = !state_.assignmentOpen; break;
    case LeftSection::Sensitivity: state_.sensitivityOpen = !state_.sensitivityOpen; break;
    case LeftSection::LightButton: state_.lightButtonOpen = !state_.lightButtonOpen; break;
    case LeftSection::MacroManager: return;
  }
  pass.Repaint(region::kLeftColumn);
}

void MainView::ShowUpperPage(Pass& pass) {
  const RightColumnLayout layout = LayOutUpperPage(state_.expanded, sizes_);
  state_.page = RightPage::Upper;
  for (int s = 1; s <= 6; ++s) state_.rowEnabled[static_cast<std::size_t>(s)] = layout.section[static_cast<std::size_t>(s)].painted;
  if (!layout.complete) {
    state_.rowEnabled[static_cast<std::size_t>(RightSection::AngleSnap)] = false;
    state_.thumb = kInitialThumb;
    pass.Add(PlaceThumb{kInitialThumb});
  }
  pass.Repaint(region::kRightColumn);
}

void MainView::ShowLowerPage(Pass& pass) {
  state_.page = RightPage::Lower;
  for (int s = 1; s <= kRightSectionCount; ++s) state_.rowEnabled[static_cast<std::size_t>(s)] = s >= 4;
  pass.Repaint(region::kRightColumn);
}

void MainView::SetView(MouseView view, Pass& pass) {
  state_.view = view;
  state_.highlightedButton = ButtonRow(view, state_.highlightedButton) ? state_.highlightedButton : 0;
  pass.Repaint(region::kMiddle);
  pass.Repaint(region::kSideView.Union(region::kTopView));
  pass.Repaint(region::kLeftColumn);
}

Effects MainView::ShowView(MouseView view) {
  Pass pass;
  SetView(view, pass);
  return Finish(pass);
}

void MainView::SetHighlight(int button, Pass& pass) {
  if (!ButtonRow(state_.view, button)) button = 0;
  if (state_.highlightedButton == button) return;
  state_.highlightedButton = button;
  pass.Repaint(PictureArea(state_.view, imageSizes_));
}

// --- Pointer -----------------------------------------------------------------------------------

Effects MainView::Hover(Point p) {
  Pass pass;
  Cool(p, pass);
  if (const std::optional<HotButton> button = HotButtonAt(p)) {
    auto& hot = state_.hot[static_cast<std::size_t>(*button)];
    if (!hot) {
      hot = true;
      pass.Repaint(HotButtonRect(*button));
    }
  } else if (state_.assignmentOpen) {
    for (int row = 0; row < RowCount(state_.view); ++row) {
      if (!DropdownBox(row).Contains(p)) continue;
      auto& look = state_.rowLook[static_cast<std::size_t>(row)];
      if (look != DropdownLook::Over) {
        look = DropdownLook::Over;
        pass.Repaint(DropdownBox(row));
      }
      SetHighlight(RowButton(state_.view, row), pass);
      break;
    }
  }
  return Finish(pass);
}

Effects MainView::Move(Point p) {
  Pass pass;
  pass.Add(TrackPointer{});
  Cool(p, pass);
  return Finish(pass);
}

Effects MainView::Leave() {
  Pass pass;
  Cool({-1, -1}, pass);
  return Finish(pass);
}

void MainView::Cool(Point p, Pass& pass) {
  for (const HotButtonRegion& region : kHotButtons) {
    auto& hot = state_.hot[static_cast<std::size_t>(region.button)];
    if (hot && !region.rect.Contains(p)) {
      hot = false;
      pass.Repaint(region.rect);
    }
  }
  for (int row = 0; row < kDropdownRowCount; ++row) {
    auto& look = state_.rowLook[static_cast<std::size_t>(row)];
    if (look == DropdownLook::Normal || DropdownBox(row).Contains(p)) continue;
    look = DropdownLook::Normal;
    pass.Repaint(DropdownBox(row));
    const int button = RowButton(state_.view, row);
    const bool listOpen = lists_ != nullptr && button != 0 && lists_->IsOpen(button);
    // The picture keeps lighting a button whose list is open.
    if (!listOpen && state_.highlightedButton == button) SetHighlight(OpenListButtonInView(), pass);
  }
}

int MainView::OpenListButtonInView() const {
  if (lists_ == nullptr) return 0;
  for (int row = 0; row < RowCount(state_.view); ++row)
    if (lists_->IsOpen(RowButton(state_.view, row))) return RowButton(state_.view, row);
  return 0;
}

Effects MainView::ThumbMoved(int top) {
  Pass pass;
  state_.thumb = {kInitialThumb.left, top, kInitialThumb.right, top + kInitialThumb.Height()};
  int expanded = 0;
  for (bool e : state_.expanded) expanded += e ? 1 : 0;
  if (expanded >= 2) {
    if (top - region::kScrollTrack.top < kScrollHalfTrack) {
      if (state_.page != RightPage::Upper) ShowUpperPage(pass);
    } else if (state_.page != RightPage::Lower) {
      ShowLowerPage(pass);
    }
  }
  return Finish(pass);
}

// --- Whole-window events -----------------------------------------------------------------------

Effects MainView::PaintAll() {
  Pass pass;
  if (!state_.mainPageDrawn) {
    sizes_ = MeasurePanels(imageSizes_);
    state_.mainPageDrawn = true;
  }
  // Every full paint may follow a record loaded afresh (start-up, reload, Cancel's revert before showing):
  // child controls of panels already on screen take its values again.
  for (std::size_t i = 0; i < kPanelSlotCount; ++i) {
    Panel* panel = panels_.at(static_cast<PanelSlot>(i));
    if (panel != nullptr && placed_[i]) panel->OnRecordChanged();
  }
  pass.Add(PlaceThumb{state_.thumb});
  pass.Repaint(region::kWindow);
  return Finish(pass);
}

Effects MainView::Reset() {
  const MainViewState before = state_;
  state_ = MainViewState{};
  state_.mainPageDrawn = before.mainPageDrawn;
  state_.helpOpen = before.helpOpen;
  state_.profileManagerOpen = before.profileManagerOpen;
  state_.saveRunning = before.saveRunning;
  state_.hot = before.hot;
  state_.focus = before.focus;
  return PaintAll();
}

Effects MainView::Apply(const Effects& fromLists) {
  Pass pass;
  for (const Effect& e : fromLists) Emit(e, pass);
  return Finish(pass);
}

Effects MainView::RunOwedDialog() {
  Pass pass;
  Effects out;
  if (lists_ != nullptr) lists_->RunOwedDialog(out);
  for (const Effect& e : out) Emit(e, pass);
  return Finish(pass);
}

Effects MainView::ColourChosen(int target, Color colour) {
  Pass pass;
  Effects out;
  for (std::size_t i = 0; i < kPanelSlotCount; ++i) {
    Panel* panel = panels_.at(static_cast<PanelSlot>(i));
    if (panel != nullptr && panel->OnColourChosen(target, colour, out)) break;
  }
  for (const Effect& e : out) Emit(e, pass);
  return Finish(pass);
}

Effects MainView::ControlNotice(int id, int code) {
  Pass pass;
  Effects out;
  bool taken = false;
  for (std::size_t i = 0; i < kPanelSlotCount && !taken; ++i) {
    if (Panel* panel = panels_.at(static_cast<PanelSlot>(i))) taken = panel->OnControlNotice(id, code, out);
  }
  if (!taken && lists_ != nullptr) lists_->OnListNotice(id, code, out);
  for (const Effect& e : out) Emit(e, pass);
  return Finish(pass);
}

// --- Keyboard and screen readers ---------------------------------------------------------------

access::Tree MainView::Accessible() const { return BuildMainAccessTree(state_, sizes_, content_, panels_, lists_); }

Effects MainView::KeyDown(Key key) {
  Pass pass;
  const access::Tree tree = Accessible();
  const access::Node* focused = access::Find(tree, state_.focus);
  switch (key) {
    case Key::Tab:
    case Key::BackTab:
      MoveFocus(access::NextFocus(tree, state_.focus, key == Key::Tab), tree, pass);
      break;
    case Key::Space:
      if (focused != nullptr && !focused->state.unavailable) KeyPress(focused->press, pass);
      break;
    case Key::Up:
    case Key::Right:
    case Key::Down:
    case Key::Left: {
      if (focused == nullptr) break;
      const std::optional<access::Step>& step = key == Key::Up || key == Key::Right ? focused->up : focused->down;
      if (!step) break;
      const access::Step taken = *step;
      if (taken.focus != 0) MoveFocus(taken.focus, tree, pass);
      KeyPress(taken.press, pass);
      break;
    }
  }
  return Finish(pass);
}

Effects MainView::Activate(int id) {
  Pass pass;
  const access::Tree tree = Accessible();
  const access::Node* node = access::Find(tree, id);
  if (node != nullptr && !node->state.unavailable) {
    const Point press = node->press;
    MoveFocus(id, tree, pass);
    KeyPress(press, pass);
  }
  return Finish(pass);
}

void MainView::MoveFocus(int id, const access::Tree& tree, Pass& pass) {
  if (id == state_.focus) return;
  if (const access::Node* old = access::Find(tree, state_.focus)) pass.Repaint(old->location);
  state_.focus = id;
  if (const access::Node* now = access::Find(tree, id)) pass.Repaint(now->location);
}

// Carries out what the view does itself; everything else goes to the controller.
void MainView::Emit(const Effect& effect, Pass& pass) {
  if (const auto* toggle = std::get_if<ToggleFunctionList>(&effect)) {
    if (lists_ == nullptr) return;
    Effects out;
    lists_->Toggle(toggle->button, toggle->list, out);
    for (const Effect& e : out) Emit(e, pass);
  } else if (const auto* close = std::get_if<CloseRowLists>(&effect)) {
    if (lists_ == nullptr) return;
    for (MouseView view : {MouseView::Top, MouseView::Side})
      if (const int button = RowButton(view, close->row)) lists_->Close(button);
  } else if (const auto* highlight = std::get_if<HighlightButton>(&effect)) {
    SetHighlight(highlight->button, pass);
  } else if (std::holds_alternative<ChooseColour>(effect)) {
    if (lists_ != nullptr) lists_->CloseAll();  // the colour dialog is a window too
    pass.Add(effect);
  } else if (const auto* show = std::get_if<ShowDropdown>(&effect)) {
    if (const std::optional<int> row = ButtonRow(state_.view, show->button)) {
      state_.rowLook[static_cast<std::size_t>(*row)] = show->look;
      pass.Repaint(DropdownBox(*row));
    }
  } else {
    pass.Add(effect);
  }
}

Effects MainView::Finish(Pass& pass) {
  Place();
  return std::move(pass.out);
}

// Tells every panel whose place changed where it is now.
void MainView::Place() {
  const PanelFrames frames = FramesFor(state_, sizes_, content_);
  for (std::size_t i = 0; i < kPanelSlotCount; ++i) {
    if (frames[i] == placed_[i]) continue;
    placed_[i] = frames[i];
    if (Panel* panel = panels_.at(static_cast<PanelSlot>(i))) panel->OnPlaced(frames[i]);
  }
}

DrawList MainView::Draw(Rect area) const {
  if (area == region::kWindow) return BuildMainDrawList(state_, sizes_, content_, panels_);
  return BuildMainDrawList(state_, sizes_, content_, panels_, area, imageSizes_);
}

}  // namespace quendar::ui::main
