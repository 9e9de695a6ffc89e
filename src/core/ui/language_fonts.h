#pragma once
// The fonts every window draws its texts with, chosen by the interface language and the platform
// version, in one place so the main window and each dialog agree.
#include <string_view>

#include "core/ui/interface_language.h"

namespace quendar::ui {

// The version the platform reports to the program (major.minor, e.g. 6.1 for Windows 7).
struct PlatformVersion {
  unsigned major = 0;
  unsigned minor = 0;
};

// What the platform's font creation needs beyond the defaults (default width, no italic, underline
// or strike-out).
struct FontSpec {
  std::wstring_view face;
  int height = 0;
  int weight = 0;  // 0: the platform's default weight
  int charset = 0;
  int pitchAndFamily = 32;  // variable pitch, swiss family

  friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

struct MainWindowFonts {
  FontSpec label;
  FontSpec title;
  FontSpec arial;  // values, scales and the CPI value boxes, in every language
};

MainWindowFonts MainWindowFontsFor(LanguageClass language, PlatformVersion version);

// The windows other than the main one, each with its own English font.
enum class DialogKind { ProfileManager, SingleKeyCapture, ComboKeyCapture, MacroManager, MacroKey, Help };

FontSpec DialogFontFor(DialogKind dialog, LanguageClass language, PlatformVersion version);

}  // namespace quendar::ui
