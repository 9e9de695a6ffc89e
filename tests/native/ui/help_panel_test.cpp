// The help panel's parts, their clicks and where it sits in the main window.
#include "core/ui/help/help_panel.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "core/ui/profile_manager/profile_manager_view.h"
#include "core/ui/skin_manifest.h"

namespace quendar::ui::help {
namespace {

TEST(HelpPanel, SitsWholeInsideTheMainWindowAgainstItsRightEdge) {
  const Size panel = skin::kHelpDialog.size;
  const Point at = Placement({1000, 640}, panel);
  EXPECT_EQ(at, (Point{1000 - panel.width - 8, 25}));
  EXPECT_EQ(Placement({200, 640}, panel), (Point{0, 25}));
  // Every part lies on the background.
  for (const Rect& part : {kAddressBox, kVersionBox, kOkButton, kCancelButton, kCloseButton}) {
    EXPECT_EQ(part.Intersection(Rect::At({0, 0}, panel)), part);
  }
}

TEST(HelpPanel, TheAddressStaysOpenEveryButtonCloses) {
  const std::pair<Point, HelpAction> clicks[] = {
      {{0, 0}, HelpAction::OpenAddress},   {{165, 24}, HelpAction::OpenAddress}, {{166, 10}, HelpAction::None},
      {{80, 60}, HelpAction::None},        {{250, 250}, HelpAction::Close},      {{371, 274}, HelpAction::Close},
      {{360, 10}, HelpAction::Close},      {{372, 262}, HelpAction::None},       {{200, 200}, HelpAction::None},
  };
  for (const auto& [point, action] : clicks) EXPECT_EQ(ActionFor(HitTest(point)), action) << point.x << "," << point.y;
}

TEST(HelpPanel, DrawsTheVersionWithItsFullWidthColonAndOnlySkinImages) {
  std::set<std::string> known;
  for (const skin::Image* image : skin::kImages) known.insert(std::string(image->name));
  DrawList list;
  AppendTexts(list);
  for (LanguageClass language : {LanguageClass::English, LanguageClass::SimplifiedChinese}) {
    profile_manager::AppendTexts(list, profile_manager::TextsFor(language), {});
  }
  std::set<std::wstring> texts;
  for (const DrawOp& op : list.ops()) {
    if (const auto* image = std::get_if<ImageOp>(&op)) {
      EXPECT_TRUE(known.contains(image->name)) << image->name;
    } else if (const auto* text = std::get_if<TextOp>(&op)) {
      texts.insert(text->text);
    }
  }
  EXPECT_TRUE(texts.contains(L"Version\uFF1A1.0"));
  EXPECT_TRUE(texts.contains(std::wstring(WebAddress())));
  for (const wchar_t* text : {L"Configuration", L"New", L"配置", L"新建"}) {
    EXPECT_TRUE(texts.contains(text)) << static_cast<int>(text[0]);
  }
  EXPECT_EQ(OkCaption(LanguageClass::TraditionalChinese), L"確定");
  EXPECT_EQ(CancelCaption(LanguageClass::SimplifiedChinese), L"取消");
}

}  // namespace
}  // namespace quendar::ui::help
