#pragma once
// How the panels describe their sliders and dials to the keyboard: the click that gives each value is
// found by asking the panel's own click rule along the points the element offers, so an arrow key moves
// exactly as far as the click a mouse user would make.
#include <map>
#include <optional>

#include "core/ui/access/accessible.h"
#include "core/ui/geometry.h"

namespace quendar::ui::panels {

// The first point found for each value.
using ValuePoints = std::map<int, Point>;

// `count` points from `from` by `delta`; `rule(point)` gives the value a click there chooses (optional<int>).
template <class Rule>
ValuePoints ScanPoints(Point from, Point delta, int count, Rule rule) {
  ValuePoints points;
  for (int i = 0; i < count; ++i) {
    const Point p{from.x + delta.x * i, from.y + delta.y * i};
    if (const std::optional<int> value = rule(p)) points.emplace(*value, p);
  }
  return points;
}

// The steps of a node that shows `value`: the nearest value above and below that a click can give. A
// stored value outside the range still steps into it.
inline void SetSteps(access::Node& node, const ValuePoints& points, int value) {
  if (const auto above = points.upper_bound(value); above != points.end()) node.up = access::Step{above->second};
  if (auto below = points.lower_bound(value); below != points.begin()) node.down = access::Step{(--below)->second};
}

// A row of radio buttons (ids in row order): each one steps to its neighbours and takes the focus there.
inline void LinkRadioRow(access::Tree& out, std::size_t first) {
  for (std::size_t i = first; i < out.size(); ++i) {
    if (i > first) out[i].down = access::Step{out[i - 1].press, out[i - 1].id};
    if (i + 1 < out.size()) out[i].up = access::Step{out[i + 1].press, out[i + 1].id};
  }
}

inline access::Node Radio(int id, std::wstring_view name, Rect box, bool checked) {
  access::Node node = access::MakeNode(id, std::wstring(name), access::Role::RadioButton, box, access::Action::Select);
  node.state.checked = checked;
  return node;
}

}  // namespace quendar::ui::panels
