// The main window's behaviour as sequences of events with the effects and state they must produce, the
// right column's pages for every combination, both views' draw lists, and hover.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

#include "core/ui/double_click.h"
#include "core/ui/main/main_view.h"
#include "core/ui/skin_manifest.h"
#include "native/ui/manifest_sizes.h"

namespace quendar::ui::main {
namespace {

// Records what the dispatcher offers a panel; answers a press inside its area with a repaint of the point.
class PanelFake : public Panel {
 public:
  struct Offer {
    DispatchStage stage;
    Point point;
  };
  void Draw(const PanelFrame& frame, DrawList& list) const override { list.Fill(frame.area, {1, 2, 3}); }
  void OnPress(DispatchStage stage, Point point, const PanelFrame& frame, Effects& out) override {
    offers.push_back({stage, point});
    if (frame.area.Contains(point) && stage == DispatchStage::BeforeRows) out.push_back(Repaint{Rect::At(point, {1, 1})});
  }
  void OnPlaced(const std::optional<PanelFrame>& frame) override { placed.push_back(frame); }
  std::vector<Offer> offers;
  std::vector<std::optional<PanelFrame>> placed;
};

// Opens and closes lists as asked; reports the open list's button as the one to light.
class FunctionListsFake : public FunctionLists {
 public:
  bool IsOpen(int button) const override { return open.count(button) > 0; }
  void Toggle(int button, Rect list, Effects& out) override {
    toggled.push_back(button);
    EXPECT_EQ(list.Width(), 103);
    if (open.erase(button) == 0) {
      open = {button};
      out.push_back(HighlightButton{button});
    }
  }
  void Close(int button) override {
    if (open.erase(button) > 0) closed.push_back(button);
  }
  void CloseAll() override {
    open.clear();
    ++closedAll;
  }
  int closedAll = 0;
  std::set<int> open;
  std::vector<int> toggled;
  std::vector<int> closed;
};

class MainViewTest : public ::testing::Test {
 protected:
  MainViewTest() {
    for (std::size_t i = 0; i < kPanelSlotCount; ++i) {
      auto panel = std::make_unique<PanelFake>();
      fakes[i] = panel.get();
      panels.Attach(static_cast<PanelSlot>(i), std::move(panel));
    }
    view.AttachFunctionLists(&lists);
    view.SetContent({LanguageClass::English, {235, 235, 235}, captions});
    view.PaintAll();
  }

  static std::vector<Command> Commands(const Effects& effects) {
    std::vector<Command> result;
    for (const Effect& e : effects)
      if (const auto* run = std::get_if<RunCommand>(&e)) result.push_back(run->command);
    return result;
  }
  Effects PressAt(int x, int y) { return view.Press({x, y}); }
  // The centre of a rectangle: where a user would click.
  Effects PressIn(Rect r) { return view.Press({(r.left + r.right) / 2, (r.top + r.bottom) / 2}); }
  Effects PressRightTitle(int section) {
    return PressIn(LayOutRightColumn(view.state(), view.panelSizes()).section[section].title);
  }
  PanelFake& fake(PanelSlot slot) { return *fakes[static_cast<std::size_t>(slot)]; }
  std::vector<int> Expanded() const {
    std::vector<int> result;
    for (int s = 1; s <= 7; ++s)
      if (view.state().expanded[s]) result.push_back(s);
    return result;
  }
  std::vector<int> EnabledRows() const {
    std::vector<int> result;
    for (int s = 1; s <= 7; ++s)
      if (view.state().rowEnabled[s]) result.push_back(s);
    return result;
  }

  std::array<std::wstring, 12> captions{L"Click", L"Menu", L"Mouse M Button"};
  PanelSet panels;
  std::array<PanelFake*, kPanelSlotCount> fakes{};
  FunctionListsFake lists;
  MainView view{panels, testing::ManifestSizes()};
};

using C = Command;

TEST_F(MainViewTest, FixedRegionsStartTheirCommandsAndOnlyUnclaimedPressesDragTheWindow) {
  struct Case {
    Point at;
    std::vector<Command> commands;
  };
  const Case cases[] = {
      {{30, 0}, {C::OpenWebAddress}},  {{798, 604}, {C::Reset}},  {{916, 633}, {C::Cancel}},
      {{923, 604}, {C::Save}},         {{958, 5}, {C::Hide}},     {{993, 19}, {C::Close}},
      {{18, 604}, {C::OpenProfileManager}},
      {{21, 150}, {C::RunMacroManager}},
      {{300, 500}, {C::DragWindow}},  // empty part of the middle
      {{262, 0}, {C::DragWindow}},    // just right of the web link
      {{994, 20}, {C::DragWindow}},   // just outside the close button
  };
  for (const Case& c : cases) {
    MainView fresh{panels, testing::ManifestSizes()};
    EXPECT_EQ(Commands(fresh.Press(c.at)), c.commands) << c.at.x << "," << c.at.y;
  }
}

TEST_F(MainViewTest, SaveWhileTheLastSaveRunsDoesNothing) {
  EXPECT_EQ(Commands(PressIn(region::kSave)), std::vector{C::Save});
  EXPECT_TRUE(PressIn(region::kSave).empty());
  view.SaveFinished();
  EXPECT_EQ(Commands(PressIn(region::kSave)), std::vector{C::Save});
}

TEST_F(MainViewTest, HelpTogglesAndAnyOtherPressClosesIt) {
  EXPECT_EQ(Commands(PressIn(region::kHelp)), std::vector{C::OpenHelp});
  EXPECT_EQ(Commands(PressIn(region::kHelp)), std::vector{C::CloseHelp});
  PressIn(region::kHelp);
  EXPECT_EQ(Commands(PressAt(300, 500)), (std::vector{C::CloseHelp, C::DragWindow}));
  EXPECT_EQ(Commands(PressAt(300, 500)), std::vector{C::DragWindow});
  // Save, Reset and Cancel come before the help rule and leave the dialog open.
  PressIn(region::kHelp);
  EXPECT_EQ(Commands(PressIn(region::kCancel)), std::vector{C::Cancel});
  EXPECT_TRUE(view.state().helpOpen);
}

TEST_F(MainViewTest, EveryWindowAPressOpensClosesThePopupListsFirst) {
  const Rect macroManagerTitle = LayOutLeftColumn(view.state(), view.panelSizes()).title[2];
  for (const Rect& opener : {region::kHelp, region::kConfig, macroManagerTitle}) {
    lists.open = {3};
    const int before = lists.closedAll;
    PressIn(opener);
    EXPECT_TRUE(lists.open.empty()) << opener.left << "," << opener.top;
    EXPECT_EQ(lists.closedAll, before + 1);
  }
  EXPECT_EQ(lists.closedAll, 3) << "closing the help panel opens nothing";
}

TEST_F(MainViewTest, ConfigOpensOneProfileManagerUntilItCloses) {
  EXPECT_EQ(Commands(PressIn(region::kConfig)), std::vector{C::OpenProfileManager});
  EXPECT_TRUE(PressIn(region::kConfig).empty());
  view.ProfileManagerClosed();
  EXPECT_EQ(Commands(PressIn(region::kConfig)), std::vector{C::OpenProfileManager});
}

TEST_F(MainViewTest, ExpandingSensitivityMovesTheLightTitleAndItsOldPlaceGoesToThePanel) {
  const Rect oldLightTitle = LayOutLeftColumn(view.state(), view.panelSizes()).title[4];
  EXPECT_EQ(oldLightTitle, (Rect{20, 200, 262, 220}));
  PressIn(LayOutLeftColumn(view.state(), view.panelSizes()).title[3]);
  EXPECT_TRUE(view.state().sensitivityOpen);
  EXPECT_EQ(LayOutLeftColumn(view.state(), view.panelSizes()).title[4], (Rect{20, 351, 262, 371}));

  const Effects effects = PressIn(oldLightTitle);
  EXPECT_FALSE(view.state().lightButtonOpen);
  EXPECT_EQ(Commands(effects), std::vector{C::DragWindow});
  ASSERT_EQ(fake(PanelSlot::Sensitivity).offers.size(), 2u);  // before and after the rows
  EXPECT_EQ(fake(PanelSlot::Sensitivity).offers[0].stage, DispatchStage::BeforeRows);
  EXPECT_EQ(fake(PanelSlot::Sensitivity).offers[1].stage, DispatchStage::AfterRows);
  EXPECT_TRUE(fake(PanelSlot::LightButton).offers.empty());
}

TEST_F(MainViewTest, AssignmentOpeningPushesTheLowerTitlesDownByItsImage) {
  PressIn(Rect{20, 107, 262, 127});
  const LeftColumnLayout left = LayOutLeftColumn(view.state(), view.panelSizes());
  EXPECT_EQ(left.title[2].top, 127 + skin::kAssignmentPanelTop.size.height + 5);
  EXPECT_EQ(left.title[4].top, left.title[3].bottom + 5);
  PressIn(Rect{20, 107, 262, 127});
  EXPECT_EQ(LayOutLeftColumn(view.state(), view.panelSizes()).title[2], (Rect{20, 132, 262, 170}));
}

TEST_F(MainViewTest, DropdownRowsToggleTheirViewsButtonsAndSideRowsFiveAndSixAreInert) {
  PressIn(Rect{20, 107, 262, 127});  // open Button Assignment (Side view)
  EXPECT_TRUE(PressIn(DropdownBox(5)).empty());
  EXPECT_TRUE(PressIn(DropdownBox(6)).empty());
  EXPECT_TRUE(lists.toggled.empty());

  EXPECT_TRUE(Commands(PressIn(DropdownBox(1))).empty());  // a dropdown press never drags
  EXPECT_EQ(lists.toggled, std::vector{9});
  EXPECT_EQ(view.state().highlightedButton, 9);

  // The Top view while Button 9's list is open: the view changes, the list stays until a press misses it.
  PressIn(region::kTopView);
  EXPECT_EQ(view.state().view, MouseView::Top);
  EXPECT_TRUE(lists.IsOpen(9));
  PressIn(DropdownBox(6));
  EXPECT_EQ(lists.toggled, (std::vector{9, 7}));
  EXPECT_EQ(lists.closed, std::vector{9});
}

TEST_F(MainViewTest, PressesOutsideARowAndItsListCloseThatRowsListsOnly) {
  lists.open = {3};
  PressAt(300, 200);  // inside row 2's list area: row 2 keeps its list
  EXPECT_TRUE(lists.closed.empty());
  PressAt(600, 500);
  EXPECT_EQ(lists.closed, std::vector{3});
}

// --- Right column ------------------------------------------------------------------------------

TEST_F(MainViewTest, RightTitlesOnTheUpperPageFollowThePassAndStopRule) {
  PressRightTitle(1);
  PressRightTitle(2);
  EXPECT_EQ(Expanded(), (std::vector{1, 2}));
  // Sections 1 and 2 open: the pass stops after section 4.
  EXPECT_EQ(EnabledRows(), (std::vector{1, 2, 3, 4}));
  // Row 4 is inverted as the pass reaches it, and the new flag stops the pass at once.
  const Effects effects = PressRightTitle(4);
  EXPECT_EQ(Expanded(), (std::vector{1, 2, 4}));
  EXPECT_EQ(EnabledRows(), (std::vector{1, 2, 3, 4}));
  EXPECT_NE(std::find(effects.begin(), effects.end(), Effect{PlaceThumb{kInitialThumb}}), effects.end());
}

TEST_F(MainViewTest, WithTheThreeUpperSectionsOpenMouseSpeedIsNotThereToClick) {
  PressRightTitle(1), PressRightTitle(2), PressRightTitle(3);
  EXPECT_EQ(EnabledRows(), (std::vector{1, 2, 3}));
  const MainViewState before = view.state();
  PressAt(800, 117);  // the Mouse Speed title's place when everything is closed
  EXPECT_EQ(view.state().expanded, before.expanded);
  EXPECT_EQ(view.state().page, RightPage::Upper);
}

TEST_F(MainViewTest, ScrollingNeedsTwoOpenSectionsAndSwitchesAtHalfTheTrack) {
  PressRightTitle(5);
  EXPECT_TRUE(view.ThumbMoved(400).empty());
  EXPECT_EQ(view.state().page, RightPage::Upper);

  PressRightTitle(6);
  view.ThumbMoved(32 + 280);
  EXPECT_EQ(view.state().page, RightPage::Upper);
  view.ThumbMoved(32 + 281);
  EXPECT_EQ(view.state().page, RightPage::Lower);
  EXPECT_EQ(EnabledRows(), (std::vector{4, 5, 6, 7}));
  EXPECT_TRUE(PressRightTitle(1).size() == 1);  // row 1 is not on the page: only the drag

  // On the lower page a title inverts its own section.
  PressRightTitle(4);
  EXPECT_EQ(Expanded(), (std::vector{4, 5, 6}));
  EXPECT_EQ(view.state().page, RightPage::Lower);

  // Back up: the upper page's pass runs with every flag; three open sections below CPI still fit, so the
  // pass runs through and the thumb stays where it was put.
  view.ThumbMoved(40);
  EXPECT_EQ(view.state().page, RightPage::Upper);
  EXPECT_EQ(EnabledRows(), (std::vector{1, 2, 3, 4, 5, 6, 7}));
  EXPECT_EQ(view.state().thumb.top, 40);
  // Opening CPI as well stops the pass after section 4 and puts the thumb back.
  PressRightTitle(1);
  EXPECT_EQ(EnabledRows(), (std::vector{1, 2, 3, 4}));
  EXPECT_EQ(view.state().thumb, kInitialThumb);
}

TEST_F(MainViewTest, PanelsArePlacedWhereTheirSectionIsAndLeaveWithIt) {
  PressRightTitle(1);
  PanelFake& cpi = fake(PanelSlot::Cpi);
  ASSERT_EQ(cpi.placed.size(), 1u);
  EXPECT_EQ(cpi.placed[0]->area, (Rect{734, 52, 976, 52 + skin::kCpiPanel.size.height}));
  PressRightTitle(5);
  view.ThumbMoved(500);
  EXPECT_EQ(cpi.placed.back(), std::nullopt) << "the lower page takes the CPI panel (and its colour boxes) away";
  EXPECT_EQ(fake(PanelSlot::DoubleClickSpeed).placed.back()->area.top, 32 + 20 + 5 + 20);
}

TEST(MainViewLayout, EveryCombinationStacksTitlesAndPanelsAsTheColumnRuleSays) {
  const PanelSizes sizes = MeasurePanels(testing::ManifestSizes());
  for (unsigned mask = 0; mask < 64; ++mask) {
    std::array<bool, 8> expanded{};
    for (int s = 1; s <= 6; ++s) expanded[s] = (mask >> (s - 1)) & 1u;
    for (bool upper : {true, false}) {
      const RightColumnLayout layout = upper ? LayOutUpperPage(expanded, sizes) : LayOutLowerPage(expanded, sizes);
      int y = 32;
      int painted = 0;
      int open = 0;
      for (int s = upper ? 1 : 4; s <= 6; ++s) {
        const RightSectionPlace& place = layout.section[s];
        if (!place.painted) break;
        ++painted;
        open += expanded[s] ? 1 : 0;
        EXPECT_EQ(place.title, (Rect{734, y, 976, y + 20})) << mask << " section " << s;
        EXPECT_EQ(place.panel.Empty(), !expanded[s]);
        y = place.title.bottom + place.panel.Height() + 5;
      }
      if (!upper) {
        EXPECT_EQ(painted, 3);
        EXPECT_FALSE(layout.section[1].painted);
        continue;
      }
      // The pass paints 1..3 always and stops only once the page holds three panels, or two with CPI's.
      EXPECT_GE(painted, 3);
      if (layout.complete) {
        EXPECT_EQ(layout.section[7].title.top, y) << mask;
      } else {
        EXPECT_TRUE(open >= 3 || (open == 2 && expanded[1])) << mask;
      }
    }
  }
}

// --- Drawing and hover -------------------------------------------------------------------------

bool HasImage(const DrawList& list, std::string_view name, Point at) {
  return std::any_of(list.ops().begin(), list.ops().end(), [&](const DrawOp& op) {
    const auto* image = std::get_if<ImageOp>(&op);
    return image != nullptr && image->name == name && image->at == at;
  });
}

TEST_F(MainViewTest, BothViewsDrawTheirPictureRowsAndViewButtons) {
  PressIn(Rect{20, 107, 262, 127});
  DrawList side = view.Draw(region::kWindow);
  EXPECT_TRUE(HasImage(side, skin::kMouseSidePicture.name, {295, 150}));
  EXPECT_TRUE(HasImage(side, skin::kViewButtonCurrent.name, {437, 527}));
  EXPECT_TRUE(HasImage(side, skin::kViewButtonNormal.name, {500, 527}));
  EXPECT_TRUE(HasImage(side, skin::kAssignmentPanelSide.name, {20, 127}));
  EXPECT_TRUE(HasImage(side, skin::kDropdownNormal.name, DropdownBox(4).TopLeft()));
  EXPECT_FALSE(HasImage(side, skin::kDropdownNormal.name, DropdownBox(5).TopLeft()));

  PressIn(region::kTopView);
  const DrawList top = view.Draw(region::kWindow);
  EXPECT_TRUE(HasImage(top, skin::kMouseTopPicture.name, {361, 48}));
  EXPECT_FALSE(HasImage(top, skin::kMouseSidePicture.name, {295, 150}));
  EXPECT_TRUE(HasImage(top, skin::kViewButtonCurrent.name, {500, 527}));
  EXPECT_TRUE(HasImage(top, skin::kDropdownNormal.name, DropdownBox(6).TopLeft()));
  const auto text = [&](std::wstring_view s) {
    return std::any_of(top.ops().begin(), top.ops().end(), [&](const DrawOp& op) {
      const auto* t = std::get_if<TextOp>(&op);
      return t != nullptr && t->text == s;
    });
  };
  EXPECT_TRUE(text(L"Button 7") && text(L"Mouse M Button") && text(L"Top") && text(L"Save"));
  EXPECT_TRUE(text(L"CPI Setting") && text(L"Scroll Speed") && text(L"M1-M5 Light Button "));
}

// A partial repaint builds only its region's list: it must hold exactly what the whole list holds there.
TEST_F(MainViewTest, EveryImageAnyStateDrawsIsInTheSkinAndEveryRegionRepaintsWhatTheWholeListHoldsThere) {
  PressIn(Rect{20, 107, 262, 127});
  PressIn(LayOutLeftColumn(view.state(), view.panelSizes()).title[3]);
  PressIn(LayOutLeftColumn(view.state(), view.panelSizes()).title[4]);
  ASSERT_TRUE(view.state().sensitivityOpen && view.state().lightButtonOpen);
  for (int s = 1; s <= 3; ++s) PressRightTitle(s);
  for (MouseView v : {MouseView::Top, MouseView::Side}) {
    view.ShowView(v);
    for (int button = 1; button <= 12; ++button) {
      view.Apply({HighlightButton{button}});
      const DrawList list = view.Draw(region::kWindow);
      for (const DrawOp& op : list.ops())
        if (const auto* image = std::get_if<ImageOp>(&op)) {
          EXPECT_TRUE(testing::ManifestImageSize(image->name).has_value()) << image->name;
        }
      const LeftColumnLayout left = LayOutLeftColumn(view.state(), view.panelSizes());
      for (Rect area : {region::kSave, region::kCancel, region::kMiddle, DropdownBox(3), left.sensitivityPanel,
                        left.title[4], Rect{200, 100, 700, 500}, Rect{-5, -5, 3, 3}}) {
        EXPECT_EQ(view.Draw(area), ClipDrawList(list, area, testing::ManifestSizes())) << area.left << "," << area.top;
      }
    }
  }
}

TEST_F(MainViewTest, HoverShowsTheOverImageAndLeavingRestoresIt) {
  Effects effects = view.Hover({950, 620});
  EXPECT_EQ(effects, Effects{Repaint{region::kSave}});
  DrawList repaint = view.Draw(region::kSave);
  EXPECT_EQ(repaint.area(), region::kSave);
  EXPECT_TRUE(HasImage(repaint, skin::kSaveButtonOver.name, {923, 604}));
  EXPECT_FALSE(HasImage(repaint, skin::kHelpButtonNormal.name, {937, 5})) << "a repaint draws only what it touches";

  // A hover elsewhere moves the hot element; a move away from it and a leave cool it.
  EXPECT_EQ(view.Hover({900, 620}), (Effects{Repaint{region::kSave}, Repaint{region::kCancel}}));
  EXPECT_EQ(view.Move({900, 620}), Effects{TrackPointer{}});
  EXPECT_EQ(view.Leave(), Effects{Repaint{region::kCancel}});
  EXPECT_TRUE(HasImage(view.Draw(region::kCancel), skin::kResetCancelButtonNormal.name, {860, 604}));
}

TEST_F(MainViewTest, HoveringADropdownLightsItsButtonUntilThePointerLeavesUnlessItsListIsOpen) {
  PressIn(Rect{20, 107, 262, 127});
  view.Hover({130, 160});  // row 0 of the Side view: Button 8
  EXPECT_EQ(view.state().rowLook[0], DropdownLook::Over);
  EXPECT_EQ(view.state().highlightedButton, 8);
  EXPECT_TRUE(HasImage(view.Draw(region::kMiddle), "/Mouse/Side/S-1-over.png", {478, 151}));
  view.Move({600, 500});
  EXPECT_EQ(view.state().rowLook[0], DropdownLook::Normal);
  EXPECT_EQ(view.state().highlightedButton, 0);

  // Button 11 lights its back overlay too; with its list open the light stays after the pointer leaves.
  view.Hover({130, 220});
  EXPECT_TRUE(HasImage(view.Draw(region::kMiddle), "/Mouse/Back/B-4-over.png", {553, 225}));
  PressIn(DropdownBox(3));
  view.Move({600, 500});
  EXPECT_EQ(view.state().highlightedButton, 11);

  // A committed choice shows the "leave" box until the pointer moves off it.
  lists.open.clear();
  view.Apply({ShowDropdown{11, DropdownLook::Committed}});
  EXPECT_TRUE(HasImage(view.Draw(DropdownBox(3)), skin::kDropdownOpen.name, DropdownBox(3).TopLeft()));
  view.Move({600, 500});
  EXPECT_EQ(view.state().rowLook[3], DropdownLook::Normal);
  EXPECT_EQ(view.state().highlightedButton, 0);
}

TEST_F(MainViewTest, ResetCollapsesEverythingReturnsTheSideViewAndPaintsAll) {
  PressIn(region::kTopView);
  PressIn(Rect{20, 107, 262, 127});
  PressRightTitle(2), PressRightTitle(5);
  const Effects effects = view.Reset();
  EXPECT_EQ(view.state().view, MouseView::Side);
  EXPECT_FALSE(view.state().assignmentOpen);
  EXPECT_TRUE(Expanded().empty());
  EXPECT_EQ(effects, (Effects{PlaceThumb{kInitialThumb}, Repaint{region::kWindow}}));
}

// A press handled twice starts and stops a recording, adds two macros or flips a switch back: only the
// thumb takes the second press of a double click, and list boxes keep their own double-click action.
TEST(DoubleClickRule, SecondPressByControlKind) {
  const std::pair<ClickTarget, SecondPress> rule[] = {
      {ClickTarget::ScrollThumb, SecondPress::Press},
      {ClickTarget::ListBox, SecondPress::ListDoubleClick},
      {ClickTarget::Surface, SecondPress::Ignore},
  };
  for (const auto& [target, second] : rule) EXPECT_EQ(SecondPressOn(target), second);
}

}  // namespace
}  // namespace quendar::ui::main
