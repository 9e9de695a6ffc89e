#pragma once
// Where the profile manager's parts sit and how its background and list items are drawn.
#include <cstdint>
#include <string_view>
#include <vector>

#include "core/ui/draw/draw_list.h"
#include "core/ui/draw/skinned_dialog_access.h"
#include "core/ui/geometry.h"
#include "core/ui/profile_manager/profile_manager_texts.h"

namespace quendar::ui::profile_manager {

inline constexpr int kListBoxId = 130;
// The manager lies over the main window's left column, half see-through.
inline constexpr std::uint8_t kConstantAlpha = 178;
inline constexpr Point kPlacement{0, 0};

// The title may run up to the close button: "Configuration" is wider than the 70 pixels from 10 to 80.
inline constexpr Rect kTitleBox{10, 0, 236, 31};
inline constexpr Rect kCloseButton{240, 8, 255, 23};
inline constexpr Rect kListBox{0, 31, 263, 575};
inline constexpr Rect kNewButton{0, 575, 263, 598};
inline constexpr Point kNewIconAt{14, 582};
inline constexpr Rect kNewTextBox{30, 575, 80, 598};

inline constexpr Color kItemTextColor{0xFA, 0xFA, 0xFA};
inline constexpr Color kItemBackColor{40, 40, 40};
inline constexpr Color kSelectedItemBackColor{232, 32, 48};

enum class ManagerHit { None, Close, New };
ManagerHit HitTest(Point point);

// What the manager draws on its background besides the close button: the title and the New button's
// icon and text.
void AppendTexts(DrawList& list, const ManagerTexts& texts, Color textColor);

// The close cross, the manager's one image button.
inline constexpr int kCloseButtonId = 1;
std::vector<ImageButton> ManagerButtons();

// The New button for screen readers and the keyboard, and the list's name (the title).
DialogParts ManagerParts(const ManagerTexts& texts);

// One list item in its box (list-box coordinates).
DrawList BuildListItem(std::wstring_view name, Rect box, bool selected);

}  // namespace quendar::ui::profile_manager
