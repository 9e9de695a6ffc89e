#include "core/ui/profile_manager/profile_manager_texts.h"

#include "core/text/translated.h"

namespace quendar::ui::profile_manager {

namespace {

constexpr ManagerTexts kEnglish{
    L"Configuration", L"New", L"Delete", L"Edit", L"Copy", L"Load", L"Save", L"Warning",
    L"Profile numbers up to 6.", L"A profile of this name already exists.", L"A profile name cannot be empty.",
    L"The profile list could not be saved.",
    L"Delete the profile \"{}\" and its settings?",
    L"The profiles were left as they were: the file \"{}\" could not be read or written (error {}).",
    L"The profile files could not all be put back: the file \"{}\" could not be written (error {}). Check each "
    L"profile's settings before saving.",
};
constexpr ManagerTexts kSimplified{
    L"配置", L"新建", L"删除", L"编辑", L"复制", L"加载", L"保存", L"警告",
    L"最多可以存储6个配置。", L"已有同名的配置。", L"配置名称不能为空。", L"无法保存配置列表。",
    L"删除配置“{}”及其设置吗？", L"配置未作更改：无法读取或写入文件“{}”（错误 {}）。",
    L"无法完全恢复配置文件：无法写入文件“{}”（错误 {}）。保存前请检查各配置的设置。",
};
constexpr ManagerTexts kTraditional{
    L"配置", L"新建", L"刪除", L"編輯", L"複製", L"載入", L"保存", L"警告",
    L"最多可以存儲6個配置。", L"已有同名的配置。", L"配置名稱不能為空。", L"無法儲存配置列表。",
    L"刪除配置「{}」及其設定嗎？", L"配置未作更改：無法讀取或寫入檔案「{}」（錯誤 {}）。",
    L"無法完全還原配置檔案：無法寫入檔案「{}」（錯誤 {}）。儲存前請檢查各配置的設定。",
};

}  // namespace

const ManagerTexts& TextsFor(LanguageClass language) {
  return text::ForLanguage(language, kEnglish, kSimplified, kTraditional);
}

std::wstring FillIn(std::wstring_view pattern, std::initializer_list<std::wstring_view> values) {
  std::wstring text;
  auto next = values.begin();
  for (std::size_t at = 0; at < pattern.size();) {
    const std::size_t marker = pattern.find(L"{}", at);
    text += pattern.substr(at, marker == std::wstring_view::npos ? std::wstring_view::npos : marker - at);
    if (marker == std::wstring_view::npos) break;
    if (next != values.end()) text += *next++;
    at = marker + 2;
  }
  return text;
}

std::array<MenuEntry, 5> ContextMenuEntries(LanguageClass language) {
  const ManagerTexts& texts = TextsFor(language);
  return {{{MenuCommand::Delete, texts.deleteItem},
           {MenuCommand::Edit, texts.editItem},
           {MenuCommand::Copy, texts.copyItem},
           {MenuCommand::Load, texts.loadItem},
           {MenuCommand::Save, texts.saveItem}}};
}

}  // namespace quendar::ui::profile_manager
