#pragma once
// A button's function as words: the function's English label, the name of its choice, the key or
// keys it sends, the macro it plays; and the caption the assignment dialogs would give it.
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

#include "core/keys/button_code.h"

namespace quendar::profile_text {

// Only what the active function uses; a value with no name is left out (the record's byte is kept
// beside the document).
nlohmann::ordered_json ButtonJson(const keys::ButtonAssignment& button, std::wstring_view macroName);

// The English caption of the button's function ("Volume Up", "Combo Key-Left Shift+A", "Macro Key-Name").
std::wstring DefaultCaption(const keys::ButtonAssignment& button, std::wstring_view macroName);

// Names of a key of the key table and of a modifier; empty when the byte has none.
std::wstring_view KeyNameOf(std::uint8_t usage);
std::wstring_view ModifierNameOf(std::uint8_t bit);

}  // namespace quendar::profile_text
