#pragma once
// What the captured and chosen parameters of a button look like in its dropdown box, and what they store.
#include <cstdint>
#include <string>
#include <string_view>

#include "core/keys/button_code.h"
#include "core/ui/interface_language.h"

namespace quendar::ui::assignment {

// What the capture and macro dialogs hand back on OK. Names are the English key names of the key table.
struct SingleKeyChoice {
  std::wstring key;
  friend bool operator==(const SingleKeyChoice&, const SingleKeyChoice&) = default;
};
struct ComboKeyChoice {
  std::wstring modifier;  // one of the eight modifier names, or empty
  std::wstring key1;
  std::wstring key2;
  friend bool operator==(const ComboKeyChoice&, const ComboKeyChoice&) = default;
};
struct MacroChoice {
  std::uint8_t index = 0;  // position in the store, 0-based
  std::wstring name;
  std::uint8_t repeatMode = 0;
  friend bool operator==(const MacroChoice&, const MacroChoice&) = default;
};

// "<Single Key label>-<key>".
std::wstring SingleKeyCaption(LanguageClass language, std::wstring_view key);
// "<Combo Key label>-" and the parts that convert to a value, modifier first, joined with "+".
std::wstring ComboKeyCaption(LanguageClass language, const ComboKeyChoice& choice);
// "<Macro Key label>-<name>".
std::wstring MacroKeyCaption(LanguageClass language, std::wstring_view name);

// The button's parameters after a choice; the other types' parameters stay as they were.
void StoreChoice(keys::ButtonAssignment& button, const SingleKeyChoice& choice);
void StoreChoice(keys::ButtonAssignment& button, const ComboKeyChoice& choice);
void StoreChoice(keys::ButtonAssignment& button, const MacroChoice& choice);

}  // namespace quendar::ui::assignment
