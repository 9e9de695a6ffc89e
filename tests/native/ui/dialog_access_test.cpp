// The skinned dialogs for screen readers and the keyboard: every kind built as its window builds it (the
// button list, the dialog's own parts, the draw list it paints), and the Tab order through the drawn
// parts and the real child controls.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "core/ui/assignment/assignment_access.h"
#include "core/ui/help/help_panel.h"
#include "core/ui/macro_manager/macro_manager_view.h"
#include "core/ui/profile_manager/profile_manager_view.h"

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
