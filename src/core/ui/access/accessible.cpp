#include "core/ui/access/accessible.h"

#include <array>
#include <utility>

#include "core/text/translated.h"

namespace quendar::ui::access {

namespace {

// In the order of `Name`.
constexpr std::array<text::Translated, 13> kNames{{
    {L"Web site", L"官方网站", L"官方網站"},
    {L"Help", L"帮助", L"說明"},
    {L"Hide to the notification area", L"隐藏到通知区域", L"隱藏到通知區域"},
    {L"Close", L"关闭", L"關閉"},
    {L"Top view", L"正面视图", L"正面視圖"},
    {L"Side view", L"侧面视图", L"側面視圖"},
    {L"CPI stage {} level", L"CPI第{}档等级", L"CPI第{}檔等級"},
    {L"CPI stage {} on", L"CPI第{}档启用", L"CPI第{}檔啟用"},
    {L"CPI stage {} colour", L"CPI第{}档颜色", L"CPI第{}檔顏色"},
    {L"{} level", L"{}等级", L"{}等級"},
    {L"Modifier key", L"修饰键", L"修飾鍵"},
    {L"First key", L"第一个键", L"第一個鍵"},
    {L"Second key", L"第二个键", L"第二個鍵"},
}};

// In the order of `Action`.
constexpr std::array<text::Translated, 7> kActions{{
    {L"", L"", L""},
    {L"Press", L"按下", L"按下"},
    {L"Expand", L"展开", L"展開"},
    {L"Collapse", L"折叠", L"摺疊"},
    {L"Check", L"选中", L"選取"},
    {L"Uncheck", L"取消选中", L"取消選取"},
    {L"Select", L"选择", L"選擇"},
}};

bool Focusable(const Node& node) { return !node.state.unavailable && node.role != Role::StaticText; }

std::ptrdiff_t IndexOf(const Tree& tree, int id) {
  for (std::size_t i = 0; i < tree.size(); ++i)
    if (tree[i].id == id) return static_cast<std::ptrdiff_t>(i);
  return -1;
}

int FocusedId(const Tree& tree) {
  for (const Node& node : tree)
    if (node.state.focused) return node.id;
  return 0;
}

}  // namespace

Node MakeNode(int id, std::wstring name, Role role, Rect location, Action action) {
  Node node;
  node.id = id;
  node.name = std::move(name);
  node.role = role;
  node.location = location;
  node.action = action;
  node.press = location.Centre();
  return node;
}

std::wstring NameText(LanguageClass language, Name name, std::wstring_view fill) {
  std::wstring text(kNames[static_cast<std::size_t>(name)].In(language));
  if (const std::size_t at = text.find(L"{}"); at != std::wstring::npos) text.replace(at, 2, fill);
  return text;
}

std::wstring NameText(LanguageClass language, Name name, int number) {
  return NameText(language, name, std::to_wstring(number));
}

std::wstring_view ActionText(LanguageClass language, Action action) {
  return kActions[static_cast<std::size_t>(action)].In(language);
}

const Node* Find(const Tree& tree, int id) {
  const std::ptrdiff_t i = IndexOf(tree, id);
  return i < 0 ? nullptr : &tree[static_cast<std::size_t>(i)];
}

int NodeAt(const Tree& tree, Point point) {
  for (auto node = tree.rbegin(); node != tree.rend(); ++node)
    if (node->location.Contains(point)) return node->id;
  return 0;
}

int NextFocus(const Tree& tree, int focus, bool forward) {
  const auto n = static_cast<std::ptrdiff_t>(tree.size());
  if (n == 0) return 0;
  const std::ptrdiff_t from = IndexOf(tree, focus);
  // Without a focus yet, the first step lands on the first (or, backwards, the last) node.
  std::ptrdiff_t i = from >= 0 ? from : (forward ? -1 : n);
  for (std::ptrdiff_t tried = 0; tried < n; ++tried) {
    i = ((forward ? i + 1 : i - 1) % n + n) % n;
    if (Focusable(tree[static_cast<std::size_t>(i)])) return tree[static_cast<std::size_t>(i)].id;
  }
  return 0;
}

std::array<Rect, 4> FocusRingEdges(Rect r) {
  return {{{r.left, r.top, r.right, r.top + 1},
           {r.left, r.bottom - 1, r.right, r.bottom},
           {r.left, r.top, r.left + 1, r.bottom},
           {r.right - 1, r.top, r.right, r.bottom}}};
}

std::vector<Change> Changes(const Tree& before, const Tree& after) {
  std::vector<Change> changes;
  bool sameChildren = before.size() == after.size();
  for (std::size_t i = 0; sameChildren && i < after.size(); ++i) sameChildren = before[i].id == after[i].id;
  if (!sameChildren) changes.push_back({Change::Kind::Children, 0});
  for (std::size_t i = 0; i < after.size(); ++i) {
    const Node* old = Find(before, after[i].id);
    if (old == nullptr) continue;
    States was = old->state, is = after[i].state;
    was.focused = is.focused = false;
    if (was != is) changes.push_back({Change::Kind::State, static_cast<int>(i)});
    if (old->value != after[i].value) changes.push_back({Change::Kind::Value, static_cast<int>(i)});
  }
  const int focus = FocusedId(after);
  if (focus != 0 && focus != FocusedId(before))
    changes.push_back({Change::Kind::Focus, static_cast<int>(IndexOf(after, focus))});
  return changes;
}

}  // namespace quendar::ui::access
