// The capture and macro assignment dialogs' state: names from hook events, the modifier list, the macro
// list and repeat modes, and when OK is refused.
#include "core/ui/assignment/capture_dialogs.h"

#include <gtest/gtest.h>

namespace quendar::ui::assignment {
namespace {

constexpr keys::ScanCode kA{0x1E, false}, kB{0x30, false}, kEnter{0x1C, false}, kF5{0x3F, false},
    kF13{0x64, false}, kBreak{0x46, true}, kLeftWin{0x5B, true}, kUnknown{0x7F, false};
constexpr Point kOk{260, 260}, kCancel{320, 260}, kClose{360, 10}, kElsewhere{200, 40};
constexpr auto kEn = LanguageClass::English;

template <typename Choice>
const Choice& Accepted(const Confirmation<Choice>& c) {
  EXPECT_TRUE(std::holds_alternative<Choice>(c));
  return std::get<Choice>(c);
}

TEST(SingleKeyCapture, TheLastKeyTouchedWinsAndKeysTheMouseCannotSendAreRefused) {
  const std::tuple<std::vector<keys::ScanCode>, std::wstring_view, bool> cases[] = {  // each key down and up
      {{}, L"", false},  // OK without a key: the button does nothing
      {{kA, kB}, L"B", false}, {{kEnter}, L"Enter", false},   {{kLeftWin}, L"Left Windows", false},
      {{kA, kUnknown}, L"A", false}, {{kF13}, L"F13", true}, {{kBreak}, L"Break", true}, {{kF13, kF5}, L"F5", false},
  };
  for (const auto& [keys, name, refused] : cases) {
    SingleKeyCapture capture;
    for (auto key : keys) capture.OnKey(key), capture.OnKey(key);
    EXPECT_EQ(capture.keyName(), name);
    const auto confirmation = capture.Confirm(kEn);
    EXPECT_EQ(std::holds_alternative<Refusal>(confirmation), refused) << name.size();
  }
  SingleKeyCapture capture;
  EXPECT_EQ(capture.OnPress(kOk), PressResult::Ok);
  EXPECT_EQ(capture.OnPress(kClose), PressResult::Cancel);
  EXPECT_EQ(capture.OnPress(kElsewhere), PressResult::Drag);
}

TEST(ComboKeyCapture, KeysGoToTheFocusedBoxAndOneModifierIsKept) {
  ComboKeyCapture capture;
  capture.OnKey(kA, ComboKeyCapture::Field::None);
  EXPECT_EQ(capture.names(), ComboKeyChoice{});
  capture.OnKey(kA, ComboKeyCapture::Field::Key1);
  capture.OnKey(kEnter, ComboKeyCapture::Field::Key2);
  capture.OnKey({0x1D, true}, ComboKeyCapture::Field::Key2);  // a modifier key is captured like any other

  EXPECT_EQ(capture.OnPress({60, 75}), PressResult::Nothing);
  EXPECT_TRUE(capture.modifierListOpen());
  capture.ChooseModifier(2);
  EXPECT_FALSE(capture.modifierListOpen());
  // Opening and closing again without a choice keeps "Left Alt"; a press elsewhere closes without one.
  for (int i = 0; i < 3; ++i) capture.OnPress({60, 75});
  EXPECT_EQ(capture.OnPress(kElsewhere), PressResult::Nothing);
  EXPECT_FALSE(capture.modifierListOpen());
  EXPECT_EQ(Accepted(capture.Confirm(kEn)), (ComboKeyChoice{L"Left Alt", L"A", L"Right Ctrl"}));
  EXPECT_EQ(capture.OnPress(kCancel), PressResult::Cancel);

  capture.OnKey(kF13, ComboKeyCapture::Field::Key2);
  const auto refused = capture.Confirm(kEn);
  EXPECT_TRUE(std::holds_alternative<Refusal>(refused));
}

TEST(MacroAssignment, OffersTheTwelveThatReachTheMouseAndRefusesOkWithoutAChoice) {
  std::vector<std::wstring> store;
  for (int i = 1; i <= 14; ++i) store.push_back(L"m" + std::to_wstring(i));
  MacroAssignment dialog(store);
  EXPECT_EQ(dialog.offered().size(), 12u);
  EXPECT_EQ(std::get<Refusal>(dialog.Confirm(kEn)).text, L"Please select a macro first.");

  EXPECT_EQ(dialog.OnPress({140, 135}), PressResult::Nothing);  // the box's click area is wider than the box
  EXPECT_TRUE(dialog.listOpen());
  EXPECT_EQ(dialog.ScrolledTopLine(0, -120), 3);
  EXPECT_EQ(dialog.ScrolledTopLine(10, -120), 11);
  EXPECT_EQ(dialog.ScrolledTopLine(2, 120), 0);
  dialog.Choose(2);
  EXPECT_FALSE(dialog.listOpen());
  dialog.OnPress({300, 85});   // a mode's text does not tick it
  EXPECT_EQ(dialog.repeatMode(), 0);
  dialog.OnPress({225, 185});  // mode 2's tick box
  EXPECT_EQ(Accepted(dialog.Confirm(kEn)), (MacroChoice{2, L"m3", 2}));

  // A press elsewhere closes the open list; OK and Cancel end the dialog.
  dialog.OnPress({45, 130});
  EXPECT_EQ(dialog.OnPress(kOk), PressResult::Ok);
  EXPECT_FALSE(dialog.listOpen());
  EXPECT_EQ(dialog.OnPress(kClose), PressResult::Cancel);

  MacroAssignment empty({});
  empty.Choose(0);
  const auto nothing = empty.Confirm(kEn);
  EXPECT_TRUE(std::holds_alternative<Refusal>(nothing)) << "no macro to choose";
}

}  // namespace
}  // namespace quendar::ui::assignment
