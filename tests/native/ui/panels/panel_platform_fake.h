#pragma once
// The platform side of the panels in memory: child controls by id. A call on a control that does not
// exist fails the test.
#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>

#include "core/ui/main/panel.h"

namespace quendar::ui::panels {

class PanelPlatformFake final : public main::PanelPlatform {
 public:
  // Writing a child's text notifies `echoTo` as the platform's edit control does (set it to the panel).
  main::Panel* echoTo = nullptr;
  mutable std::map<int, main::ChildControl> children;  // ChildText is const on the interface
  mutable int reads = 0;

  void ShowChild(const main::ChildControl& control) override {
    children[control.id] = control;
  }
  void DestroyChild(int id) override {
    EXPECT_EQ(children.erase(id), 1u) << "destroyed a child that does not exist: " << id;
  }
  std::wstring ChildText(int id) const override {
    ++reads;
    return Child(id).text;
  }
  void SetChildText(int id, std::wstring_view text) override {
    Child(id).text = text;
    if (echoTo) {
      main::Effects ignored;
      echoTo->OnControlNotice(id, 0x0300, ignored);
    }
  }
  void EnableChild(int id, bool enabled) override {
    Child(id).enabled = enabled;
  }

 private:
  main::ChildControl& Child(int id) const {
    auto it = children.find(id);
    if (it == children.end()) {
      ADD_FAILURE() << "no child " << id;
      static thread_local main::ChildControl none;
      return none;
    }
    return it->second;
  }
};

}  // namespace quendar::ui::panels
