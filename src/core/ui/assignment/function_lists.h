#pragma once
// The texts and places of the popup lists through which a button gets its function: the fourteen-entry
// function list of every button and the five sub-lists that open beside it.
#include <array>
#include <optional>
#include <string_view>
#include <vector>

#include "core/keys/button_code.h"
#include "core/ui/geometry.h"
#include "core/ui/interface_language.h"

namespace quendar::ui::assignment {

// The function entries that commit only through a sub-list, in FunctionList order.
enum class SubListKind { ScrollSelect, CpiCycle, Multimedia, HotKey, Windows };
inline constexpr std::array kSubListKinds{SubListKind::ScrollSelect, SubListKind::CpiCycle, SubListKind::Multimedia,
                                          SubListKind::HotKey, SubListKind::Windows};

// The language table keeps the function labels in its own order (CPI Cycle, Windows, Multimedia, HotKey),
// not in FunctionType order, so every type is mapped by name.
TextSlot FunctionLabelSlot(keys::FunctionType type);
std::wstring_view FunctionLabel(LanguageClass language, keys::FunctionType type);

// The fourteen entries of a function list, in FunctionType order.
std::array<std::wstring_view, keys::kFunctionCount> FunctionListTexts(LanguageClass language);

// The sub-list a function entry opens, if any (entries 2, 6, 7, 8 and 9).
std::optional<SubListKind> SubListOfEntry(int entry);
keys::FunctionType FunctionOfSubList(SubListKind kind);

// The entries of a sub-list in the language; the CPI entries read the same in every language.
std::vector<std::wstring_view> SubListTexts(LanguageClass language, SubListKind kind);

// Where a sub-list opens beside its hovered entry. `list` is the function list in window coordinates,
// `item` the hovered entry inside the list.
Rect SubListRect(SubListKind kind, const Rect& list, const Rect& item);

}  // namespace quendar::ui::assignment
