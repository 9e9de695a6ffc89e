#pragma once
// What the profile manager says, in the three interface languages.
#include <array>
#include <initializer_list>
#include <string>
#include <string_view>

#include "core/ui/interface_language.h"

namespace quendar::ui::profile_manager {

struct ManagerTexts {
  std::wstring_view title;
  std::wstring_view newButton;
  std::wstring_view deleteItem;
  std::wstring_view editItem;
  std::wstring_view copyItem;  // also the prefix of a copied name
  std::wstring_view loadItem;
  std::wstring_view saveItem;
  std::wstring_view warningCaption;
  std::wstring_view listFull;
  std::wstring_view nameTaken;
  std::wstring_view nameEmpty;
  std::wstring_view listNotWritten;
  // Patterns: "{}" stands for the profile name, or for the file name and the platform's error code.
  std::wstring_view deleteQuestion;
  std::wstring_view filesUnchanged;  // a change failed and nothing was changed
  std::wstring_view filesMixed;      // a change failed and could not be undone whole
};

// `pattern` with each "{}" replaced by the next of `values`.
std::wstring FillIn(std::wstring_view pattern, std::initializer_list<std::wstring_view> values);

const ManagerTexts& TextsFor(LanguageClass language);

// The context menu "ProfileList": its commands in menu order, relabelled at every opening.
enum class MenuCommand : unsigned { Delete = 32789, Edit = 32790, Copy = 32791, Load = 32792, Save = 32793 };

struct MenuEntry {
  MenuCommand command;
  std::wstring_view label;
};

std::array<MenuEntry, 5> ContextMenuEntries(LanguageClass language);

}  // namespace quendar::ui::profile_manager
