#pragma once
// What every skinned window of one run shares: the skin folder, its text colour, the interface language,
// the platform version the fonts depend on, the decoded images and the image buttons' hot flags. The main
// window owns one and hands it to each dialog it opens.
#include <string>

#include "core/ui/draw/draw_list.h"
#include "core/ui/draw/image_button_hover.h"
#include "core/ui/interface_language.h"
#include "core/ui/language_fonts.h"
#include "win32/ui/image_cache.h"

namespace quendar::win32 {

struct SkinSettings {
  std::wstring folder;                          // images are appended to it as they are ("/main.png")
  ui::Color textColor{0, 255, 0};               // until the profile's colour is read
  ui::LanguageClass language = ui::LanguageClass::English;
  ui::PlatformVersion platform;
};

class Skin {
 public:
  explicit Skin(SkinSettings settings) : settings_(std::move(settings)), images_(settings_.folder) {}
  Skin(const Skin&) = delete;
  Skin& operator=(const Skin&) = delete;

  const SkinSettings& settings() const { return settings_; }
  ImageCache& images() { return images_; }
  ui::DialogHotFlags& hotFlags() { return hotFlags_; }

  // Another skin folder: every decoded image is dropped.
  void ChangeFolder(std::wstring folder) {
    settings_.folder = folder;
    images_.ChangeFolder(std::move(folder));
  }
  void SetTextColor(ui::Color color) { settings_.textColor = color; }
  void SetLanguage(ui::LanguageClass language) { settings_.language = language; }

 private:
  SkinSettings settings_;
  ImageCache images_;
  ui::DialogHotFlags hotFlags_;
};

}  // namespace quendar::win32
