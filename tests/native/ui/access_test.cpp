// The main window and the skinned dialogs for screen readers and the keyboard. The main window, on the
// real main view and panels: what the nodes say and where they are, the Tab order, Space as the very click a
// mouse makes, the arrows stepping a slider within its limits. The dialogs, each built as its window builds it
// (button list, own parts, draw list): the nodes, and the Tab order through drawn parts and child controls.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <tuple>
#include <vector>

#include "core/profiles/cpi_levels.h"
#include "core/ui/assignment/assignment_access.h"
#include "core/ui/help/help_panel.h"
#include "core/ui/macro_manager/macro_manager_view.h"
#include "core/ui/main/main_view.h"
#include "core/ui/panels/settings_panels.h"
#include "core/ui/profile_manager/profile_manager_view.h"
#include "native/ui/manifest_sizes.h"
#include "native/ui/panel_platform_fake.h"

namespace quendar::ui {
namespace {

using access::Role;
constexpr Color kText{255, 255, 255};

struct Dialog { std::vector<ImageButton> buttons; DialogParts parts; DrawList drawn; };

// The draw list starts as the base paints it; `own` adds the dialog's texts.
template <class Own>
Dialog Build(std::vector<ImageButton> buttons, DialogParts parts, Own own) {
  DrawList drawn = BuildSkinnedDialogList({"/bg.png", true, {480, 440}, kText}, buttons, {}, {0, 0, 480, 440});
  own(drawn);
  return {std::move(buttons), std::move(parts), std::move(drawn)};
}

Dialog MacroManager(LanguageClass language) {
  const macro_manager::MacroManagerLook look{false, true, false};
  return Build(macro_manager::MacroManagerButtons(language), macro_manager::MacroManagerParts(look, language),
               [&](DrawList& d) { macro_manager::AppendMacroManagerElements(d, look, language, kText); });
}
Dialog ProfileManager(LanguageClass language) {
  const auto& texts = profile_manager::TextsFor(language);
  return Build(profile_manager::ManagerButtons(), profile_manager::ManagerParts(texts),
               [&](DrawList& d) { profile_manager::AppendTexts(d, texts, kText); });
}
Dialog Help(LanguageClass language) {
  return Build(help::HelpButtons(language), help::HelpParts(language), [](DrawList& d) { help::AppendTexts(d); });
}
Dialog MacroKey(LanguageClass language) {
  const assignment::MacroAssignment assignment({L"Macro_0"});
  return Build(assignment::AssignmentDialogButtons(assignment::CaptureDialog::MacroKey, language),
               assignment::MacroAssignmentParts(assignment, language), [](DrawList&) {});
}

TEST(DialogAccess, EveryKindSaysItsButtonsAndPartsInTheLanguageWhereTheyAre) {
  using L = LanguageClass;
  const struct Row {
    const char* kind;
    Dialog (*build)(L);
    L language;
    int id;
    std::wstring name;
    Role role;
    Rect location;
  } rows[] = {
      {"macro manager", MacroManager, L::SimplifiedChinese, macro_manager::kCloseButton, L"关闭", Role::PushButton,
       macro_manager::kCloseRect},
      {"macro manager", MacroManager, L::English, macro_manager::kNewButton, L"New", Role::PushButton,
       macro_manager::kNewRect},
      {"macro manager", MacroManager, L::English, kDialogPartNodes, L"Start Recording", Role::PushButton,
       macro_manager::kRecordRect},
      {"profile manager", ProfileManager, L::English, profile_manager::kCloseButtonId, L"Close", Role::PushButton,
       profile_manager::kCloseButton},
      {"profile manager", ProfileManager, L::TraditionalChinese, kDialogPartNodes, L"新建", Role::PushButton,
       profile_manager::kNewButton},
      {"help", Help, L::English, help::kOkButtonId, L"Ok", Role::PushButton, help::kOkButton},
      {"help", Help, L::SimplifiedChinese, help::kCancelButtonId, L"取消", Role::PushButton, help::kCancelButton},
      {"help", Help, L::English, kDialogPartNodes, L"Web site", Role::Link, help::kAddressBox},
      {"macro key", MacroKey, L::English, assignment::kCloseButtonId, L"Close", Role::PushButton,
       assignment::kCloseRect},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(std::string(row.kind) + " " + std::to_string(row.id));
    Dialog d = row.build(row.language);
    const access::Tree tree = DescribeSkinnedDialog(d.buttons, d.parts.nodes, d.drawn, row.language, row.id);
    const access::Node* node = access::Find(tree, row.id);
    ASSERT_NE(node, nullptr);
    EXPECT_EQ(std::tie(node->name, node->role, node->location), std::tie(row.name, row.role, row.location));
    EXPECT_TRUE(node->location.Contains(node->press)) << "the click lands on the part";
    EXPECT_TRUE(node->state.focused);
    EXPECT_TRUE(std::ranges::is_sorted(tree, [](const access::Node& a, const access::Node& b) {
      return std::pair(a.location.top, a.location.left) < std::pair(b.location.top, b.location.left);
    })) << "reading order";
  }
}

TEST(DialogAccess, DrawnTextsArePlainTextUnlessTheyNameAPartAndTabVisitsPartsAndControlsInReadingOrder) {
  Dialog d = MacroManager(LanguageClass::English);
  const access::Tree tree = DescribeSkinnedDialog(d.buttons, d.parts.nodes, d.drawn, LanguageClass::English, 0);
  // The title and the three column labels; captions and tick labels are their parts' names, not said twice.
  EXPECT_EQ(std::ranges::count(tree, Role::StaticText, &access::Node::role), 4);
  const access::Node* delays = access::Find(tree, kDialogPartNodes + 1);
  ASSERT_NE(delays, nullptr);
  EXPECT_EQ(std::tuple(delays->role, delays->state.checked, delays->press),
            std::tuple(Role::CheckBox, true, macro_manager::kDelayTickRect.Centre()));

  // Tab merges the parts and the child controls in reading order and wraps.
  const std::vector<ControlPlace> controls{{macro_manager::kMacroListId, macro_manager::kMacroListRect},
                                           {macro_manager::kSequenceListId, macro_manager::kSequenceListRect},
                                           {macro_manager::kLoopTimesFieldId, macro_manager::kLoopTimesFieldRect}};
  const std::vector<FocusStop> expected{
      {macro_manager::kCloseButton, 0},   {0, macro_manager::kMacroListId},    {0, macro_manager::kSequenceListId},
      {kDialogPartNodes, 0},              {kDialogPartNodes + 1, 0},           {kDialogPartNodes + 2, 0},
      {0, macro_manager::kLoopTimesFieldId}, {macro_manager::kNewButton, 0},   {macro_manager::kDeleteButton, 0},
      {macro_manager::kOkButton, 0},      {macro_manager::kCancelButton, 0}};
  std::vector<FocusStop> visited;
  FocusStop at;
  for (std::size_t i = 0; i < expected.size(); ++i) visited.push_back(at = NextFocusStop(tree, controls, at, true));
  EXPECT_EQ(visited, expected);
  EXPECT_EQ(NextFocusStop(tree, controls, at, true), expected.front()) << "Tab wraps";
  EXPECT_EQ(NextFocusStop(tree, controls, expected.front(), false), expected.back()) << "Shift+Tab wraps";
  EXPECT_EQ(NextFocusStop(tree, {}, {0, macro_manager::kMacroListId}, false), expected.back())
      << "a control that is gone starts over";
}

}  // namespace
}  // namespace quendar::ui

namespace quendar::ui::main {
namespace {

using access::Role;

// One main window with its panels, as the program builds it.
struct Window {
  Window() {
    panels::AttachSettingsPanels(panels, record, platform);
    view.SetContent({LanguageClass::English, {0, 255, 0}, captions});
    view.PaintAll();
  }
  access::Node Node(int id) const {
    const access::Tree tree = view.Accessible();
    const access::Node* node = access::Find(tree, id);
    EXPECT_NE(node, nullptr) << "no node " << id;
    return node != nullptr ? *node : access::Node{};
  }
  // Tabs until `id` has the focus; false when a whole round never reaches it.
  bool FocusByTab(int id) {
    for (std::size_t i = 0; i <= view.Accessible().size() && view.state().focus != id; ++i) view.KeyDown(Key::Tab);
    return view.state().focus == id;
  }

  std::array<std::wstring, 12> captions{L"Left", L"Right", L"Middle"};
  profiles::ProfileRecord record;
  testing::PanelPlatformFake platform;
  PanelSet panels;
  MainView view{panels, testing::ManifestSizes()};
};

constexpr int kCpiStage2Level = node::PanelNode(PanelSlot::Cpi, 11);

bool HasDrag(const Effects& effects) {
  return std::ranges::count(effects, Effect{RunCommand{Command::DragWindow}}) > 0;
}

TEST(MainAccess, NodesSayWhatTheWindowShowsWhereItShowsIt) {
  Window w;
  w.view.ShowView(MouseView::Top);
  w.view.Press({100, 115});  // "Button Assignment"
  w.view.Press({800, 40});   // "CPI Setting": its panel lies under the title, at 734, 52
  const struct { int id; std::wstring name, value; Role role; Rect location; bool expanded, checked; } rows[] = {
      {node::kLeftTitle + 1, L"Button Assignment", L"", Role::OutlineItem, {20, 107, 262, 127}, true, false},
      {node::kDropdown + 2, L"Button 3", L"Middle", Role::ComboBox, DropdownBox(2), false, false},
      {node::kTopView, L"Top view", L"", Role::RadioButton, region::kTopView, false, true},
      {kCpiStage2Level, L"CPI stage 2 level", profiles::CpiLevelText(0), Role::Slider, {780, 65, 789, 213}, false,
       false},
      {node::kSave, L"Save", L"", Role::PushButton, region::kSave, false, false},
  };
  const access::Tree tree = w.view.Accessible();
  std::ptrdiff_t last = -1;
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const auto at = std::ranges::find(tree, row.id, &access::Node::id);
    ASSERT_NE(at, tree.end());
    EXPECT_GT(at - tree.begin(), last) << "reading order";
    last = at - tree.begin();
    EXPECT_EQ(std::tie(at->name, at->value, at->role, at->location, at->state.expanded, at->state.checked),
              std::tie(row.name, row.value, row.role, row.location, row.expanded, row.checked));
  }
  EXPECT_EQ(access::NameText(LanguageClass::SimplifiedChinese, access::Name::CpiStageLevel, 2), L"CPI第2档等级");
}

TEST(MainAccess, TabVisitsEveryAvailableNodeOnceInOrderAndWraps) {
  Window w;
  w.view.Press(region::kSave.Centre());  // Save stays unavailable until its run ends
  const access::Tree tree = w.view.Accessible();
  std::vector<int> expected;
  for (const access::Node& n : tree)
    if (!n.state.unavailable) expected.push_back(n.id);
  ASSERT_EQ(std::ranges::count(expected, node::kSave), 0);

  std::vector<int> visited;
  for (std::size_t i = 0; i < expected.size(); ++i) visited.push_back((w.view.KeyDown(Key::Tab), w.view.state().focus));
  EXPECT_EQ(visited, expected);
  w.view.KeyDown(Key::Tab);
  EXPECT_EQ(w.view.state().focus, expected.front()) << "Tab wraps to the first node";
  w.view.KeyDown(Key::BackTab);
  EXPECT_EQ(w.view.state().focus, expected.back()) << "Shift+Tab wraps to the last";

  // The ring is drawn on the focused node's outermost pixels, in the skin's text colour.
  const DrawList ring = w.view.Draw(region::kClose);
  EXPECT_EQ(std::ranges::count(ring.ops(), DrawOp{FillOp{{979, 5, 994, 6}, {0, 255, 0}}}), 1);
}

TEST(MainAccess, SpaceOnAFocusedNodeIsTheClickOnIt) {
  for (const int id : {node::kSave, node::kLeftTitle + 3, node::kRightTitle + 2, node::kTopView, node::kHelp,
                       node::kLeftTitle + 2, node::PanelNode(PanelSlot::Sensitivity, 1)}) {
    SCOPED_TRACE(id);
    Window keyboard, mouse;
    keyboard.view.Press({100, 180});  // open "X/Y Sensitivity" in both
    mouse.view.Press({100, 180});
    ASSERT_TRUE(keyboard.FocusByTab(id));
    const Point press = keyboard.Node(id).press;
    const Effects typed = keyboard.view.KeyDown(Key::Space);
    Effects clicked = mouse.view.Press(press);
    EXPECT_FALSE(HasDrag(typed)) << "a key never starts a window drag";
    std::erase(clicked, Effect{RunCommand{Command::DragWindow}});
    for (const Effect& e : clicked)
      EXPECT_NE(std::ranges::count(typed, e), 0) << "Space missed an effect of the click";
    const auto seen = [](const MainViewState& s) {
      return std::tuple(s.expanded, s.view, s.sensitivityOpen, s.helpOpen, s.saveRunning);
    };
    EXPECT_EQ(seen(keyboard.view.state()), seen(mouse.view.state()));
    EXPECT_TRUE(std::ranges::equal(keyboard.record.bytes(), mouse.record.bytes()));
  }
}

TEST(MainAccess, ArrowsStepACpiLevelWithinItsLimitsAndRadioRowsMoveTheFocus) {
  Window w;
  w.view.Press({800, 40});  // "CPI Setting"
  ASSERT_TRUE(w.FocusByTab(kCpiStage2Level));
  const std::tuple<std::uint8_t, Key, int> steps[] = {  // {stored, key, level after}
      {1, Key::Down, 1}, {1, Key::Up, 2}, {2, Key::Right, 3}, {40, Key::Left, 39},
      {73, Key::Up, 74}, {74, Key::Up, 74}, {0, Key::Up, 1}};
  for (const auto& [stored, key, level] : steps) {
    w.record.CpiStageLevel(1) = stored;
    const access::Tree before = w.view.Accessible();
    const Effects effects = w.view.KeyDown(key);
    EXPECT_EQ(w.record.CpiStageLevel(1), level) << "from " << int(stored);
    EXPECT_FALSE(HasDrag(effects));
    // A screen reader hears of the step when the spoken level changes (a stored 0 reads as level 1).
    const bool moved = profiles::CpiLevelText(level) != profiles::CpiLevelText(stored);
    const std::vector<access::Change> changes = access::Changes(before, w.view.Accessible());
    ASSERT_EQ(changes.size(), moved ? 1u : 0u);
    if (moved) {
      EXPECT_EQ(before[static_cast<std::size_t>(changes[0].index)].id, kCpiStage2Level);
    }
  }
  EXPECT_EQ(w.record.CpiStageLevel(0), 0) << "the other stages stay";

  w.view.Press({100, 205});  // "M1-M5 Light Button" opens below the closed left titles
  const int on = node::PanelNode(PanelSlot::LightButton, 1), off = node::PanelNode(PanelSlot::LightButton, 2);
  w.record.ButtonLightOn() = 1;
  ASSERT_TRUE(w.FocusByTab(on));
  w.view.KeyDown(Key::Right);
  EXPECT_EQ(std::tuple(w.record.ButtonLightOn(), w.view.state().focus, w.Node(off).state.checked),
            std::tuple(std::uint8_t{0}, off, true));
}

}  // namespace
}  // namespace quendar::ui::main
