#include "core/ui/main/main_access.h"

#include <array>
#include <utility>

namespace quendar::ui::main {

namespace {

using access::Action;
using access::MakeNode;
using access::Name;
using access::NameText;
using access::Node;
using access::Role;

// Sections 1..6.
constexpr std::array<TextSlot, 6> kRightTitleTexts{TextSlot::CpiSettingTitle,       TextSlot::LightingTitle,
                                                   TextSlot::ReportRateTitle,       TextSlot::MouseSpeedTitle,
                                                   TextSlot::DoubleClickSpeedTitle, TextSlot::ScrollSpeedTitle};

class TreeBuilder {
 public:
  TreeBuilder(const MainViewState& state, const MainContent& content, const PanelSet& panels, const PanelFrames& frames)
      : state_(state), content_(content), panels_(panels), frames_(frames) {}

  std::wstring Say(TextSlot slot) const { return std::wstring(Text(content_.language, slot)); }
  std::wstring Say(Name name) const { return NameText(content_.language, name); }

  Node& Add(Node node) {
    node.state.focused = node.id == state_.focus;
    tree_.push_back(std::move(node));
    return tree_.back();
  }
  Node& Button(int id, std::wstring name, Rect box) {
    return Add(MakeNode(id, std::move(name), Role::PushButton, box));
  }
  Node& Section(int id, std::wstring name, Rect title, bool expanded) {
    Node node = MakeNode(id, std::move(name), Role::OutlineItem, title, expanded ? Action::Collapse : Action::Expand);
    node.state.expanded = expanded;
    node.state.collapsed = !expanded;
    return Add(std::move(node));
  }
  void Panel(PanelSlot slot) {
    const std::optional<PanelFrame>& frame = frames_[static_cast<std::size_t>(slot)];
    const main::Panel* panel = panels_.at(slot);
    if (!frame || panel == nullptr) return;
    access::Tree nodes;
    panel->Describe(*frame, nodes);
    for (Node& n : nodes) {
      n.id = node::PanelNode(slot, n.id);
      for (std::optional<access::Step>* step : {&n.down, &n.up})
        if (*step && (*step)->focus != 0) (*step)->focus = node::PanelNode(slot, (*step)->focus);
      Add(std::move(n));
    }
  }

  access::Tree Take() { return std::move(tree_); }

 private:
  const MainViewState& state_;
  const MainContent& content_;
  const PanelSet& panels_;
  const PanelFrames& frames_;
  access::Tree tree_;
};

void AddLeftColumn(TreeBuilder& b, const MainViewState& state, const LeftColumnLayout& left, const MainContent& content,
                   const FunctionLists* lists) {
  b.Section(node::kLeftTitle + 1, b.Say(TextSlot::ButtonAssignmentTitle), left.title[1], state.assignmentOpen);
  if (state.assignmentOpen) {
    for (int row = 0; row < RowCount(state.view); ++row) {
      const int button = RowButton(state.view, row);
      const bool open = lists != nullptr && lists->IsOpen(button);
      Node& n = b.Add(MakeNode(node::kDropdown + row, std::wstring(ButtonText(content.language, button)),
                               Role::ComboBox, DropdownBox(row), open ? Action::Collapse : Action::Expand));
      n.state.expanded = open;
      n.state.collapsed = !open;
      if (static_cast<std::size_t>(button) <= content.captions.size())
        n.value = content.captions[static_cast<std::size_t>(button - 1)];
    }
  }
  b.Button(node::kLeftTitle + 2, b.Say(TextSlot::MacroManagerTitle), left.title[2]);
  b.Section(node::kLeftTitle + 3, b.Say(TextSlot::SensitivityTitle), left.title[3], state.sensitivityOpen);
  b.Panel(PanelSlot::Sensitivity);
  b.Section(node::kLeftTitle + 4, b.Say(TextSlot::LightButtonTitle), left.title[4], state.lightButtonOpen);
  b.Panel(PanelSlot::LightButton);
}

void AddViews(TreeBuilder& b, const MainViewState& state) {
  Node side = MakeNode(node::kSideView, b.Say(Name::SideView), Role::RadioButton, region::kSideView, Action::Select);
  Node top = MakeNode(node::kTopView, b.Say(Name::TopView), Role::RadioButton, region::kTopView, Action::Select);
  side.state.checked = state.view == MouseView::Side;
  top.state.checked = state.view == MouseView::Top;
  side.up = access::Step{top.press, top.id};
  top.down = access::Step{side.press, side.id};
  b.Add(std::move(side));
  b.Add(std::move(top));
}

void AddRightColumn(TreeBuilder& b, const MainViewState& state, const RightColumnLayout& right) {
  for (int s = 1; s <= 6; ++s) {
    const RightSectionPlace& place = right.section[static_cast<std::size_t>(s)];
    if (!place.painted) continue;
    Node& title = b.Section(node::kRightTitle + s, b.Say(kRightTitleTexts[static_cast<std::size_t>(s - 1)]),
                            place.title, state.expanded[static_cast<std::size_t>(s)]);
    title.state.unavailable = !state.rowEnabled[static_cast<std::size_t>(s)];
    if (auto slot = RightPanelSlot(static_cast<RightSection>(s))) b.Panel(*slot);
  }
}

void AddCommands(TreeBuilder& b, const MainViewState& state) {
  b.Button(node::kConfig, b.Say(TextSlot::Config), region::kConfig).state.unavailable = state.profileManagerOpen;
  b.Button(node::kReset, b.Say(TextSlot::Reset), region::kReset);
  b.Button(node::kCancel, b.Say(TextSlot::Cancel), region::kCancel);
  b.Button(node::kSave, b.Say(TextSlot::Save), region::kSave).state.unavailable = state.saveRunning;
  Node& web = b.Add(MakeNode(node::kWebLink, b.Say(Name::WebSite), Role::Link, region::kWebLink));
  web.value = b.Say(TextSlot::WebSite);
  b.Button(node::kHelp, b.Say(Name::Help), region::kHelp).state.checked = state.helpOpen;
  b.Button(node::kHide, b.Say(Name::Hide), region::kHide);
  b.Button(node::kClose, b.Say(Name::Close), region::kClose);
}

}  // namespace

access::Tree BuildMainAccessTree(const MainViewState& state, const PanelSizes& sizes, const MainContent& content,
                                 const PanelSet& panels, const FunctionLists* lists) {
  const PanelFrames frames = FramesFor(state, sizes, content);
  TreeBuilder b(state, content, panels, frames);
  AddLeftColumn(b, state, LayOutLeftColumn(state, sizes), content, lists);
  AddViews(b, state);
  AddRightColumn(b, state, LayOutRightColumn(state, sizes));
  AddCommands(b, state);
  return b.Take();
}

}  // namespace quendar::ui::main
