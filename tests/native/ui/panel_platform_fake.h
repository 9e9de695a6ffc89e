#pragma once
// The panels' child controls in memory, by id; a call on a control that does not exist fails the test.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "core/ui/main/panel.h"
#include "core/ui/panels/scroll_speed_panel.h"

namespace quendar::ui::testing {

class PanelPlatformFake final : public main::PanelPlatform {
 public:
  main::Panel* echoTo = nullptr;  // told of every text write, as the platform's edit control tells its panel
  std::map<int, main::ChildControl> children;
  mutable int reads = 0;

  void ShowChild(const main::ChildControl& control) override { children[control.id] = control; }
  void DestroyChild(int id) override { EXPECT_EQ(children.erase(id), 1u) << "no child " << id; }
  std::wstring ChildText(int id) const override {
    ++reads;
    EXPECT_TRUE(children.contains(id)) << "no child " << id;
    return children.contains(id) ? children.at(id).text : L"";
  }
  void SetChildText(int id, std::wstring_view text) override {
    Child(id).text = text;
    main::Effects ignored;
    if (echoTo) echoTo->OnControlNotice(id, panels::kEditChangedNotice, ignored);
  }
  void EnableChild(int id, bool enabled) override { Child(id).enabled = enabled; }
  main::ChildControl& Child(int id) {
    EXPECT_TRUE(children.contains(id)) << "no child " << id;
    return children[id];
  }
};

}  // namespace quendar::ui::testing
