#include "core/ui/language_fonts.h"

namespace quendar::ui {

namespace {

constexpr std::wstring_view kHeiti = L"黑体";
constexpr std::wstring_view kSongti = L"宋体";
constexpr int kNormal = 400;
constexpr int kLight = 300;
constexpr int kBold = 700;

// Windows 8 renders the Song face poorly at small sizes; the Hei face reads better there.
bool PrefersHeitiForSimplified(PlatformVersion version) { return version.major == 6 && version.minor == 2; }

std::wstring_view SimplifiedFace(PlatformVersion version) {
  return PrefersHeitiForSimplified(version) ? kHeiti : kSongti;
}

FontSpec EnglishDialogFont(DialogKind dialog) {
  switch (dialog) {
    case DialogKind::SingleKeyCapture:
      return {L"Segoe UI", 15, kNormal};
    case DialogKind::MacroManager:
      return {L"Segoe UI", 15, kBold};
    case DialogKind::ProfileManager:
    case DialogKind::ComboKeyCapture:
    case DialogKind::MacroKey:
    case DialogKind::Help:
      break;
  }
  return {L"Arial", 14, kNormal};
}

}  // namespace

MainWindowFonts MainWindowFontsFor(LanguageClass language, PlatformVersion version) {
  MainWindowFonts fonts;
  switch (language) {
    case LanguageClass::SimplifiedChinese:
      fonts.label = {SimplifiedFace(version), 13, kNormal};
      fonts.title = {SimplifiedFace(version), 18, kBold};
      break;
    case LanguageClass::TraditionalChinese:
      fonts.label = {kHeiti, 14, kNormal};
      fonts.title = {kHeiti, 18, kBold};
      break;
    case LanguageClass::English:
      fonts.label = {L"Segoe UI", 15, kLight};
      fonts.title = {L"Tahoma", 18, kBold};
      break;
  }
  fonts.arial = {L"Arial", 13, 0};
  return fonts;
}

FontSpec DialogFontFor(DialogKind dialog, LanguageClass language, PlatformVersion version) {
  switch (language) {
    case LanguageClass::SimplifiedChinese:
      return {SimplifiedFace(version), 13, kNormal};
    case LanguageClass::TraditionalChinese:
      return {kHeiti, 14, kNormal};
    case LanguageClass::English:
      break;
  }
  return EnglishDialogFont(dialog);
}

}  // namespace quendar::ui
