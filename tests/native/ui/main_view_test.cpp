// The main window's behaviour as sequences of events with the effects and state they must produce, the
// right column's pages, the draw lists and hover.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

#include "core/ui/main/main_view.h"
#include "core/ui/skin_manifest.h"
#include "native/ui/draw_list_queries.h"
#include "native/ui/manifest_sizes.h"

namespace quendar::ui::main {
namespace {

// Records what the dispatcher offers a panel and where it is placed.
class PanelFake : public Panel {
 public:
  void Draw(const PanelFrame& frame, DrawList& list) const override { list.Fill(frame.area, {1, 2, 3}); }
  void OnPress(DispatchStage stage, Point, const PanelFrame&, Effects&) override { offers.push_back(stage); }
  void OnPlaced(const std::optional<PanelFrame>& frame) override { placed.push_back(frame); }
  std::vector<DispatchStage> offers;
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
  void Close(int button) override { if (open.erase(button) > 0) closed.push_back(button); }
  void CloseAll() override { open.clear(), ++closedAll; }
  int closedAll = 0;
  std::set<int> open;
  std::vector<int> toggled, closed;
};

constexpr Rect kAssignmentTitle{20, 107, 262, 127};

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
  Effects PressIn(Rect r) { return view.Press(r.Centre()); }
  Effects PressLeftTitle(int s) { return PressIn(LayOutLeftColumn(view.state(), view.panelSizes()).title[s]); }
  Effects PressRightTitle(int section) {
    return PressIn(LayOutRightColumn(view.state(), view.panelSizes()).section[section].title);
  }
  PanelFake& fake(PanelSlot slot) { return *fakes[static_cast<std::size_t>(slot)]; }
  // The right sections whose flag is set, e.g. state().expanded or state().rowEnabled.
  static std::vector<int> Set(const std::array<bool, kRightSectionCount + 1>& flags) {
    std::vector<int> result;
    for (int s = 1; s <= 7; ++s)
      if (flags[s]) result.push_back(s);
    return result;
  }
  std::vector<int> Expanded() const { return Set(view.state().expanded); }
  std::vector<int> EnabledRows() const { return Set(view.state().rowEnabled); }

  std::array<std::wstring, 12> captions{L"Click", L"Menu", L"Mouse M Button"};
  PanelSet panels;
  std::array<PanelFake*, kPanelSlotCount> fakes{};
  FunctionListsFake lists;
  MainView view{panels, testing::ManifestSizes()};
};

using C = Command;

TEST_F(MainViewTest, FixedRegionsStartTheirCommandsAndOnlyUnclaimedPressesDragTheWindow) {
  const std::pair<Point, std::vector<Command>> cases[] = {
      {{30, 0}, {C::OpenWebAddress}}, {{798, 604}, {C::Reset}}, {{916, 633}, {C::Cancel}}, {{923, 604}, {C::Save}},
      {{958, 5}, {C::Hide}}, {{993, 19}, {C::Close}}, {{18, 604}, {C::OpenProfileManager}},
      {{21, 150}, {C::RunMacroManager}}, {{300, 500}, {C::DragWindow}},  // the middle, just right of the web link
      {{262, 0}, {C::DragWindow}}, {{994, 20}, {C::DragWindow}},         // and just outside the close button
  };
  for (const auto& [at, commands] : cases) {
    MainView fresh{panels, testing::ManifestSizes()};
    EXPECT_EQ(Commands(fresh.Press(at)), commands) << at.x << "," << at.y;
  }
}

// Save and the profile manager start once until the window hears they finished.
TEST_F(MainViewTest, SaveAndConfigStartOnceUntilTheyFinish) {
  const std::tuple<Rect, Command, void (MainView::*)()> cases[] = {
      {region::kSave, C::Save, &MainView::SaveFinished},
      {region::kConfig, C::OpenProfileManager, &MainView::ProfileManagerClosed},
  };
  for (const auto& [button, command, finished] : cases) {
    EXPECT_EQ(Commands(PressIn(button)), std::vector{command});
    EXPECT_TRUE(PressIn(button).empty());
    (view.*finished)();
    EXPECT_EQ(Commands(PressIn(button)), std::vector{command});
  }
}

TEST_F(MainViewTest, EveryWindowAPressOpensClosesThePopupListsFirst) {
  const Rect macroManagerTitle = LayOutLeftColumn(view.state(), view.panelSizes()).title[2];
  for (const Rect& opener : {region::kHelp, region::kConfig, macroManagerTitle}) {
    lists.open = {3};
    PressIn(opener);
    EXPECT_TRUE(lists.open.empty()) << opener.left << "," << opener.top;
  }
  EXPECT_EQ(lists.closedAll, 3) << "closing the help panel opens nothing";
}

TEST_F(MainViewTest, LeftTitlesMoveWithTheSectionsAboveAndPressesGoToWhatIsThereNow) {
  PressIn(kAssignmentTitle);
  LeftColumnLayout left = LayOutLeftColumn(view.state(), view.panelSizes());
  EXPECT_GE(left.title[2].top, left.assignmentPanel.bottom) << "the open assignment panel pushes the titles down";
  PressIn(kAssignmentTitle);

  const Rect oldLightTitle = LayOutLeftColumn(view.state(), view.panelSizes()).title[4];
  PressLeftTitle(3);
  // The light title's old place now belongs to the X/Y panel: the press goes there and opens nothing.
  EXPECT_EQ(Commands(PressIn(oldLightTitle)), std::vector{C::DragWindow});
  EXPECT_FALSE(view.state().lightButtonOpen);
  EXPECT_EQ(fake(PanelSlot::Sensitivity).offers, (std::vector{DispatchStage::BeforeRows, DispatchStage::AfterRows}));
  EXPECT_TRUE(fake(PanelSlot::LightButton).offers.empty());
}

TEST_F(MainViewTest, DropdownRowsToggleTheirViewsButtonsAndSideRowsFiveAndSixAreInert) {
  PressIn(kAssignmentTitle);  // the Side view
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

  lists.open = {3};
  view.Press({300, 200});  // inside row 2's list area: row 2 keeps its list
  EXPECT_EQ(lists.closed, std::vector{9});
  view.Press({600, 500});
  EXPECT_EQ(lists.closed, (std::vector{9, 3}));
}

TEST_F(MainViewTest, RightTitlesOnTheUpperPageFollowThePassAndStopRule) {
  PressRightTitle(1);
  PressRightTitle(2);
  EXPECT_EQ(Expanded(), (std::vector{1, 2}));
  EXPECT_EQ(EnabledRows(), (std::vector{1, 2, 3, 4}));  // CPI and one more open: the pass stops after 4
  // Row 4 is inverted as the pass reaches it, and the new flag stops the pass at once.
  const Effects effects = PressRightTitle(4);
  EXPECT_EQ(Expanded(), (std::vector{1, 2, 4}));
  EXPECT_EQ(EnabledRows(), (std::vector{1, 2, 3, 4}));
  EXPECT_NE(std::find(effects.begin(), effects.end(), Effect{PlaceThumb{kInitialThumb}}), effects.end());

  PressRightTitle(3);  // three upper sections open: Mouse Speed is not there to click
  EXPECT_EQ(EnabledRows(), (std::vector{1, 2, 3}));
  const MainViewState before = view.state();
  view.Press({800, 117});  // the Mouse Speed title's place when everything is closed
  EXPECT_EQ(view.state().expanded, before.expanded);
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
  EXPECT_EQ(PressRightTitle(1).size(), 1u);  // row 1 is not on the page: only the drag
  const auto& doubleClick = fake(PanelSlot::DoubleClickSpeed).placed;
  ASSERT_TRUE(!doubleClick.empty() && doubleClick.back() && doubleClick.back()->area.top == 32 + 20 + 5 + 20);

  // On the lower page a title inverts its own section.
  PressRightTitle(4);
  EXPECT_EQ(Expanded(), (std::vector{4, 5, 6}));
  EXPECT_EQ(view.state().page, RightPage::Lower);

  // Back up: three open sections below CPI still fit, so the pass runs through and the thumb stays.
  view.ThumbMoved(40);
  EXPECT_EQ(view.state().page, RightPage::Upper);
  EXPECT_EQ(EnabledRows(), (std::vector{1, 2, 3, 4, 5, 6, 7}));
  EXPECT_EQ(view.state().thumb.top, 40);
  // Opening CPI as well stops the pass after section 4 and puts the thumb back.
  PressRightTitle(1);
  EXPECT_EQ(EnabledRows(), (std::vector{1, 2, 3, 4}));
  EXPECT_EQ(view.state().thumb, kInitialThumb);
  const auto& cpi = fake(PanelSlot::Cpi).placed;
  ASSERT_TRUE(!cpi.empty() && cpi.back() && cpi.back()->area == Rect::At({734, 52}, skin::kCpiPanel.size));
  view.ThumbMoved(500);
  EXPECT_EQ(cpi.back(), std::nullopt) << "the lower page takes the CPI panel away";
}

// Each view draws its own rows, only with images the skin has; a partial repaint builds only its region's
// list, which must hold exactly what the whole list holds there.
TEST_F(MainViewTest, EachViewDrawsItsRowsWithSkinImagesAndEveryRegionRepaintsWhatTheWholeListHoldsThere) {
  PressIn(kAssignmentTitle);
  PressLeftTitle(3);
  PressLeftTitle(4);
  ASSERT_TRUE(view.state().sensitivityOpen && view.state().lightButtonOpen);
  for (int s = 1; s <= 3; ++s) PressRightTitle(s);
  for (MouseView v : {MouseView::Top, MouseView::Side}) {
    view.ShowView(v);
    const bool side = v == MouseView::Side;
    for (int button = 1; button <= 12; ++button) {
      view.Apply({HighlightButton{button}});
      const DrawList list = view.Draw(region::kWindow);
      EXPECT_EQ(testing::HasImage(list, skin::kDropdownNormal.name, DropdownBox(6).TopLeft()), !side);
      EXPECT_EQ(testing::HasText(list, L"Mouse M Button"), !side);  // Button 3's caption, a row of the Top view
      for (const DrawOp& op : list.ops()) {
        const auto* image = std::get_if<ImageOp>(&op);
        EXPECT_TRUE(!image || SkinImageSize(image->name)) << image->name;
      }
      const LeftColumnLayout left = LayOutLeftColumn(view.state(), view.panelSizes());
      for (Rect area : {region::kSave, region::kCancel, region::kMiddle, DropdownBox(3), left.sensitivityPanel,
                        left.title[4], Rect{200, 100, 700, 500}, Rect{-5, -5, 3, 3}}) {
        EXPECT_EQ(view.Draw(area), ClipDrawList(list, area, testing::ManifestSizes())) << area.left << "," << area.top;
      }
    }
  }
}

// The over image itself is the demo main window's hover test; here the hot element moves and cools.
TEST_F(MainViewTest, HoverMovesTheHotElementAndAMoveOffOrALeaveCoolsIt) {
  EXPECT_EQ(view.Hover({950, 620}), Effects{Repaint{region::kSave}});
  EXPECT_EQ(view.Hover({900, 620}), (Effects{Repaint{region::kSave}, Repaint{region::kCancel}}));
  EXPECT_EQ(view.Move({900, 620}), Effects{TrackPointer{}});
  EXPECT_EQ(view.Leave(), Effects{Repaint{region::kCancel}});
  view.Hover({950, 620});
  EXPECT_EQ(view.Move({300, 500}), (Effects{TrackPointer{}, Repaint{region::kSave}}));

  // A dropdown lights its button until the pointer leaves, unless its list is open.
  PressIn(kAssignmentTitle);
  view.Hover({130, 160});  // row 0 of the Side view: Button 8
  EXPECT_EQ(view.state().rowLook[0], DropdownLook::Over);
  EXPECT_TRUE(testing::HasImage(view.Draw(region::kMiddle), "/Mouse/Side/S-1-over.png", {478, 151}));
  view.Move({600, 500});
  EXPECT_EQ(view.state().rowLook[0], DropdownLook::Normal);
  EXPECT_EQ(view.state().highlightedButton, 0);

  // Button 11 lights its back overlay too; with its list open the light stays after the pointer leaves.
  view.Hover({130, 220});
  EXPECT_TRUE(testing::HasImage(view.Draw(region::kMiddle), "/Mouse/Back/B-4-over.png", {553, 225}));
  PressIn(DropdownBox(3));
  view.Move({600, 500});
  EXPECT_EQ(view.state().highlightedButton, 11);

  // A committed choice shows the "leave" box until the pointer moves off it.
  lists.open.clear();
  view.Apply({ShowDropdown{11, DropdownLook::Committed}});
  EXPECT_TRUE(testing::HasImage(view.Draw(DropdownBox(3)), skin::kDropdownOpen.name, DropdownBox(3).TopLeft()));
  view.Move({600, 500});
  EXPECT_EQ(view.state().rowLook[3], DropdownLook::Normal);
  EXPECT_EQ(view.state().highlightedButton, 0);
}

TEST_F(MainViewTest, ResetCollapsesEverythingReturnsTheSideViewAndPaintsAll) {
  PressIn(region::kTopView);
  PressIn(kAssignmentTitle);
  PressRightTitle(2), PressRightTitle(5);
  const Effects effects = view.Reset();
  EXPECT_EQ(view.state().view, MouseView::Side);
  EXPECT_FALSE(view.state().assignmentOpen);
  EXPECT_TRUE(Expanded().empty());
  EXPECT_EQ(effects, (Effects{PlaceThumb{kInitialThumb}, Repaint{region::kWindow}}));
}

}  // namespace
}  // namespace quendar::ui::main
