#include "core/profiles/profile_texts.h"

#include <algorithm>

#include "core/ini/ini_store.h"

namespace quendar::profiles {

Language ClassifyLanguage(std::wstring_view code) {
  if (code == L"CHS") return Language::SimplifiedChinese;
  if (code == L"CHT") return Language::TraditionalChinese;
  return Language::English;
}

std::wstring_view SettingsSection(Language language) {
  switch (language) {
    case Language::SimplifiedChinese: return L"Setting-CHS";
    case Language::TraditionalChinese: return L"Setting-CHT";
    case Language::English: break;
  }
  return L"Setting-EN";
}

ButtonCaptions DefaultCaptions(Language language) {
  switch (language) {
    case Language::SimplifiedChinese:
      return {L"左键", L"右键", L"滚轮", L"左摇摆滚轮", L"右摇摆滚轮", L"CPI +", L"CPI -",
              L"按键关闭", L"按键关闭", L"按键关闭", L"按键关闭", L"按键关闭"};
    case Language::TraditionalChinese:
      return {L"左鍵", L"右鍵", L"滾輪", L"左搖擺滾輪", L"右搖擺滾輪", L"CPI +", L"CPI -",
              L"按鍵關閉", L"按鍵關閉", L"按鍵關閉", L"按鍵關閉", L"按鍵關閉"};
    case Language::English: break;
  }
  return {L"Click", L"Menu", L"Mouse M Button", L"Left Title Scroll", L"Right Title Scroll", L"CPI +", L"CPI -",
          L"Button Off", L"Button Off", L"Button Off", L"Button Off", L"Button Off"};
}

TextColor SkinTextColorFrom(const SkinKeys& keys) {
  auto component = [](const std::wstring& text) {
    return static_cast<unsigned char>(std::clamp<long>(ini::ParseDecimal(text), 0, 255));
  };
  return {component(keys.rColor), component(keys.gColor), component(keys.bColor)};
}

std::wstring CaptionKey(std::size_t button) { return L"Item" + std::to_wstring(button + 1); }

}  // namespace quendar::profiles
