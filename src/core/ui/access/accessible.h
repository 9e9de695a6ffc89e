#pragma once
// What a window offers screen readers and the keyboard: one node per thing the user can read or act on,
// in reading order, each with a name in the interface language, a role, a state, a place and the click
// that acts on it. Views build the nodes from the same layout that places their images, so the spoken
// window and the drawn one cannot drift apart; the shell serves them through the platform's
// accessibility interface and moves the keyboard focus through them.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/ui/geometry.h"
#include "core/ui/interface_language.h"

namespace quendar::ui::access {

enum class Role { PushButton, CheckBox, RadioButton, Slider, ComboBox, List, OutlineItem, StaticText, Link };

struct States {
  bool expanded = false;
  bool collapsed = false;
  bool checked = false;
  bool selected = false;
  bool focused = false;
  bool unavailable = false;
  friend bool operator==(const States&, const States&) = default;
};

// What activating a node does, as a screen reader announces it.
enum class Action { None, Press, Expand, Collapse, Check, Uncheck, Select };

// One step of a slider, a dial or a radio row: the click that makes it, and the node that takes the focus
// with it (0: the focus stays).
struct Step {
  Point press;
  int focus = 0;
  friend bool operator==(const Step&, const Step&) = default;
};

struct Node {
  int id = 0;  // stable while the node is on screen, whatever opens or closes around it
  std::wstring name;
  Role role = Role::PushButton;
  States state;
  Rect location;
  std::wstring value;
  Action action = Action::Press;
  Point press;  // where a click acts on it
  std::optional<Step> down;
  std::optional<Step> up;
  friend bool operator==(const Node&, const Node&) = default;
};

using Tree = std::vector<Node>;

// A node with its click in the middle of its place.
Node MakeNode(int id, std::wstring name, Role role, Rect location, Action action = Action::Press);

// Names of what shows only as an image; "{}" in a name is replaced by `fill` (a stage's number, a row's
// visible caption).
enum class Name {
  WebSite, Help, Hide, Close, TopView, SideView, CpiStageLevel, CpiStageSwitch, CpiStageColour, LightingLevel,
  ModifierKey, FirstKey, SecondKey
};
std::wstring NameText(LanguageClass language, Name name, std::wstring_view fill = {});
std::wstring NameText(LanguageClass language, Name name, int number);
std::wstring_view ActionText(LanguageClass language, Action action);

// The node with `id`, or null.
const Node* Find(const Tree& tree, int id);
// The id of the last node whose place holds `point` (later nodes lie on earlier ones), or 0.
int NodeAt(const Tree& tree, Point point);
// The node Tab (forward) or Shift+Tab reaches from `focus` (0: none yet), wrapping at the ends. A node
// that is unavailable or plain text is passed over. 0 when nothing can take the focus.
int NextFocus(const Tree& tree, int focus, bool forward);

// The outline that shows the keyboard focus, as four fills: the focused node's outermost pixels, so any
// repaint of the node's place draws or removes it.
std::array<Rect, 4> FocusRingEdges(Rect location);

// What a screen reader must hear about between two builds of a window's nodes.
struct Change {
  enum class Kind { Focus, State, Value, Children };
  Kind kind;
  int index = 0;  // the node's place in the newer tree
  friend bool operator==(const Change&, const Change&) = default;
};
std::vector<Change> Changes(const Tree& before, const Tree& after);

}  // namespace quendar::ui::access
