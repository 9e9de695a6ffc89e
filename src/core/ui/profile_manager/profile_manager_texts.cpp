#include "core/ui/profile_manager/profile_manager_texts.h"

namespace quendar::ui::profile_manager {

namespace {

constexpr ManagerTexts kEnglish{
    L"Configuration", L"New", L"Delete", L"Edit", L"Copy", L"Load", L"Save", L"Warning",
    L"Profile numbers up to 6.", L"A profile of this name already exists.", L"A profile name cannot be empty.",
    L"The profile list could not be saved.",
};
constexpr ManagerTexts kSimplified{
    L"配置", L"新建", L"删除", L"编辑", L"复制", L"加载", L"保存", L"警告",
    L"最多可以存储6个配置。", L"已有同名的配置。", L"配置名称不能为空。", L"无法保存配置列表。",
};
constexpr ManagerTexts kTraditional{
    L"配置", L"新建", L"刪除", L"編輯", L"複製", L"載入", L"保存", L"警告",
    L"最多可以存儲6個配置。", L"已有同名的配置。", L"配置名稱不能為空。", L"無法儲存配置列表。",
};

}  // namespace

const ManagerTexts& TextsFor(LanguageClass language) {
  switch (language) {
    case LanguageClass::SimplifiedChinese:
      return kSimplified;
    case LanguageClass::TraditionalChinese:
      return kTraditional;
    case LanguageClass::English:
      break;
  }
  return kEnglish;
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
