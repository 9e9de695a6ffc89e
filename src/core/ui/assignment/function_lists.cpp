#include "core/ui/assignment/function_lists.h"

namespace quendar::ui::assignment {

using keys::FunctionType;

TextSlot FunctionLabelSlot(FunctionType type) {
  switch (type) {
    case FunctionType::Click: return TextSlot::Click;
    case FunctionType::Menu: return TextSlot::Menu;
    case FunctionType::ScrollSelect: return TextSlot::ScrollSelect;
    case FunctionType::IeForward: return TextSlot::IeForward;
    case FunctionType::IeBackward: return TextSlot::IeBackward;
    case FunctionType::DoubleClick: return TextSlot::DoubleClick;
    case FunctionType::CpiCycle: return TextSlot::CpiCycle;
    case FunctionType::Multimedia: return TextSlot::Multimedia;
    case FunctionType::HotKey: return TextSlot::HotKey;
    case FunctionType::Windows: return TextSlot::Windows;
    case FunctionType::SingleKey: return TextSlot::SingleKey;
    case FunctionType::ComboKey: return TextSlot::ComboKey;
    case FunctionType::MacroKey: return TextSlot::MacroKey;
    case FunctionType::ButtonOff: return TextSlot::ButtonOff;
  }
  return TextSlot::ButtonOff;
}

std::wstring_view FunctionLabel(LanguageClass language, FunctionType type) {
  return Text(language, FunctionLabelSlot(type));
}

std::array<std::wstring_view, keys::kFunctionCount> FunctionListTexts(LanguageClass language) {
  std::array<std::wstring_view, keys::kFunctionCount> texts;
  for (int entry = 0; entry < keys::kFunctionCount; ++entry) {
    texts[static_cast<std::size_t>(entry)] = FunctionLabel(language, static_cast<FunctionType>(entry));
  }
  return texts;
}

std::optional<SubListKind> SubListOfEntry(int entry) {
  switch (static_cast<FunctionType>(entry)) {
    case FunctionType::ScrollSelect: return SubListKind::ScrollSelect;
    case FunctionType::CpiCycle: return SubListKind::CpiCycle;
    case FunctionType::Multimedia: return SubListKind::Multimedia;
    case FunctionType::HotKey: return SubListKind::HotKey;
    case FunctionType::Windows: return SubListKind::Windows;
    default: return std::nullopt;
  }
}

FunctionType FunctionOfSubList(SubListKind kind) {
  switch (kind) {
    case SubListKind::ScrollSelect: return FunctionType::ScrollSelect;
    case SubListKind::CpiCycle: return FunctionType::CpiCycle;
    case SubListKind::Multimedia: return FunctionType::Multimedia;
    case SubListKind::HotKey: return FunctionType::HotKey;
    case SubListKind::Windows: return FunctionType::Windows;
  }
  return FunctionType::ButtonOff;
}

namespace {

std::vector<std::wstring_view> SlotRun(LanguageClass language, TextSlot first, int count) {
  std::vector<std::wstring_view> texts;
  for (int i = 0; i < count; ++i) {
    texts.push_back(Text(language, static_cast<TextSlot>(static_cast<std::size_t>(first) + static_cast<std::size_t>(i))));
  }
  return texts;
}

int Count(std::span<const keys::SubListEntry> list) { return static_cast<int>(list.size()); }

}  // namespace

std::vector<std::wstring_view> SubListTexts(LanguageClass language, SubListKind kind) {
  switch (kind) {
    case SubListKind::ScrollSelect:
      return {Text(language, TextSlot::MouseMButton), Text(language, TextSlot::LeftTiltScroll),
              Text(language, TextSlot::RightTiltScroll)};
    case SubListKind::CpiCycle: {
      std::vector<std::wstring_view> texts;
      for (const auto& entry : keys::CpiSubList()) texts.push_back(entry.label);
      return texts;
    }
    case SubListKind::Multimedia:
      return SlotRun(language, TextSlot::MediaPlayer, Count(keys::MultimediaSubList()));
    case SubListKind::HotKey:
      return SlotRun(language, TextSlot::HotKeyNew, Count(keys::HotKeySubList()));
    case SubListKind::Windows:
      return SlotRun(language, TextSlot::MyComputer, Count(keys::WindowsSubList()));
  }
  return {};
}

Rect SubListRect(SubListKind kind, const Rect& list, const Rect& item) {
  switch (kind) {
    case SubListKind::ScrollSelect:
      return Rect::At({list.left + item.right, list.top + item.top}, {110, 60});
    case SubListKind::CpiCycle:
      return Rect::At({list.left + item.right, list.top + item.top}, {60, 60});
    case SubListKind::Multimedia:
      return Rect::At({list.right, list.top + item.bottom - 130}, {90, 130});
    case SubListKind::HotKey:
      return Rect::At({list.right, list.top + item.bottom - 162}, {60, 162});
    case SubListKind::Windows:
      return Rect::At({list.right, list.top + item.bottom - 114}, {90, 114});
  }
  return {};
}

}  // namespace quendar::ui::assignment
