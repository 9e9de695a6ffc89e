#include "core/ui/draw/skinned_dialog_access.h"

#include <algorithm>
#include <span>
#include <utility>
#include <variant>

namespace quendar::ui {

namespace {

bool ReadsBefore(const Rect& a, const Rect& b) {
  return a.top != b.top ? a.top < b.top : a.left < b.left;
}

// A text that lies on a part is that part's name (a caption, a tick box's label), not a text of its own.
bool OnAPart(std::span<const access::Node> parts, const TextOp& text) {
  const Point centre = text.box.Centre();
  return std::ranges::any_of(parts, [&](const access::Node& part) { return part.location.Contains(centre); });
}

}  // namespace

access::Tree DescribeSkinnedDialog(const std::vector<ImageButton>& buttons, access::Tree parts,
                                   const DrawList& drawn, LanguageClass language, int focus) {
  access::Tree tree;
  for (const ImageButton& button : buttons) {
    const std::wstring name = button.caption.empty() ? access::NameText(language, access::Name::Close) : button.caption;
    tree.push_back(access::MakeNode(button.id, name, access::Role::PushButton, button.rect));
  }
  for (access::Node& part : parts) tree.push_back(std::move(part));
  const std::size_t acting = tree.size();
  const std::vector<DrawOp>& ops = drawn.ops();
  for (std::size_t i = 0; i < ops.size(); ++i) {
    const auto* text = std::get_if<TextOp>(&ops[i]);
    if (text == nullptr || text->text.empty() || OnAPart({tree.data(), acting}, *text)) continue;
    tree.push_back(access::MakeNode(kDialogTextNodes + static_cast<int>(i), text->text, access::Role::StaticText,
                                    text->box, access::Action::None));
  }
  std::ranges::stable_sort(tree, ReadsBefore, &access::Node::location);
  for (access::Node& node : tree) node.state.focused = node.id == focus;
  return tree;
}

FocusStop NextFocusStop(const access::Tree& tree, const std::vector<ControlPlace>& controls, FocusStop from,
                        bool forward) {
  std::vector<std::pair<Rect, FocusStop>> stops;
  for (const access::Node& node : tree) {
    if (node.role != access::Role::StaticText && !node.state.unavailable)
      stops.push_back({node.location, {node.id, 0}});
  }
  for (const ControlPlace& control : controls) stops.push_back({control.place, {0, control.control}});
  if (stops.empty()) return {};
  std::ranges::stable_sort(stops, ReadsBefore, &std::pair<Rect, FocusStop>::first);
  const auto n = static_cast<std::ptrdiff_t>(stops.size());
  const auto at = std::ranges::find(stops, from, &std::pair<Rect, FocusStop>::second);
  std::ptrdiff_t i = at != stops.end() ? at - stops.begin() : (forward ? -1 : n);
  i = ((forward ? i + 1 : i - 1) % n + n) % n;
  return stops[static_cast<std::size_t>(i)].second;
}

}  // namespace quendar::ui
