#pragma once
// The help panel: the maker's web address, the version, and three ways to close it. The main window
// decides when it opens and closes; this is where its parts sit, what they say and what a click does.
#include <string_view>
#include <vector>

#include "core/ui/draw/draw_list.h"
#include "core/ui/draw/skinned_dialog_access.h"
#include "core/ui/geometry.h"
#include "core/ui/interface_language.h"

namespace quendar::ui::help {

inline constexpr int kTemplateId = 721;
inline constexpr std::wstring_view kVersionText = L"Version：1.0";  // full-width colon in every language
inline constexpr std::wstring_view kOpenVerb = L"open";

inline constexpr Rect kAddressBox{0, 0, 166, 25};
inline constexpr Rect kVersionBox{0, 50, 166, 77};
inline constexpr Rect kOkButton{250, 250, 308, 275};
inline constexpr Rect kCancelButton{314, 250, 372, 275};
inline constexpr Rect kCloseButton{352, 6, 370, 24};
inline constexpr Color kTextColor{0, 0, 0};
inline constexpr int kTopMargin = 25;
inline constexpr int kRightMargin = 8;

// The same address the main window's link line opens.
std::wstring_view WebAddress();
std::wstring_view OkCaption(LanguageClass language);
std::wstring_view CancelCaption(LanguageClass language);

// Top-left corner of the panel in the main window's client area: against the right edge, under the
// title bar, whole whatever the two sizes (never left of the window's edge).
Point Placement(Size mainClient, Size panel);

enum class HelpHit { None, Address, Ok, Cancel, Close };
HelpHit HitTest(Point point);

enum class HelpAction { None, OpenAddress, Close };
// What a click on a part does: the address opens and leaves the panel open; the buttons close it.
HelpAction ActionFor(HelpHit hit);

// OK, Cancel (captions in the language) and the close cross; each closes the panel.
inline constexpr int kOkButtonId = 1, kCancelButtonId = 2, kCloseButtonId = 3;
std::vector<ImageButton> HelpButtons(LanguageClass language);

// The address as a link for screen readers and the keyboard.
DialogParts HelpParts(LanguageClass language);

// The two texts on the background (the buttons are the skinned dialog's image buttons).
void AppendTexts(DrawList& list);

}  // namespace quendar::ui::help
