; The installer's own texts in its three languages (the pages of the Modern UI bring their own).

LangString LanguagePageTitle ${LANG_ENGLISH} "Interface language"
LangString LanguagePageTitle ${LANG_SIMPCHINESE} "界面语言"
LangString LanguagePageTitle ${LANG_TRADCHINESE} "介面語言"

LangString LanguagePageSubtitle ${LANG_ENGLISH} "Choose the language QUENDAR 2017 speaks."
LangString LanguagePageSubtitle ${LANG_SIMPCHINESE} "选择 QUENDAR 2017 使用的语言。"
LangString LanguagePageSubtitle ${LANG_TRADCHINESE} "選擇 QUENDAR 2017 使用的語言。"

LangString LanguagePageText ${LANG_ENGLISH} "QUENDAR 2017 shows its windows in the language chosen here. The choice is stored in your profile files; installing again lets you change it."
LangString LanguagePageText ${LANG_SIMPCHINESE} "QUENDAR 2017 将以此处选择的语言显示窗口。该选择保存在您的配置文件中，重新安装时可以更改。"
LangString LanguagePageText ${LANG_TRADCHINESE} "QUENDAR 2017 將以此處選擇的語言顯示視窗。此選擇儲存在您的設定檔中，重新安裝時可以變更。"

LangString SecProgramName ${LANG_ENGLISH} "QUENDAR 2017 (required)"
LangString SecProgramName ${LANG_SIMPCHINESE} "QUENDAR 2017（必需）"
LangString SecProgramName ${LANG_TRADCHINESE} "QUENDAR 2017（必要）"

LangString SecProgramDesc ${LANG_ENGLISH} "The program, its skin, the default profiles and the macro store. Profiles and macros already here are kept."
LangString SecProgramDesc ${LANG_SIMPCHINESE} "程序、皮肤、默认配置文件和宏存储。已有的配置文件和宏将保留。"
LangString SecProgramDesc ${LANG_TRADCHINESE} "程式、外觀、預設設定檔與巨集儲存。現有的設定檔與巨集將會保留。"

LangString SecShortcutName ${LANG_ENGLISH} "Start-menu shortcut"
LangString SecShortcutName ${LANG_SIMPCHINESE} "“开始”菜单快捷方式"
LangString SecShortcutName ${LANG_TRADCHINESE} "「開始」功能表捷徑"

LangString SecShortcutDesc ${LANG_ENGLISH} "A shortcut to QUENDAR 2017 in the Start menu."
LangString SecShortcutDesc ${LANG_SIMPCHINESE} "在“开始”菜单中创建 QUENDAR 2017 的快捷方式。"
LangString SecShortcutDesc ${LANG_TRADCHINESE} "在「開始」功能表中建立 QUENDAR 2017 的捷徑。"

LangString SecAutoStartName ${LANG_ENGLISH} "Start with Windows"
LangString SecAutoStartName ${LANG_SIMPCHINESE} "随 Windows 启动"
LangString SecAutoStartName ${LANG_TRADCHINESE} "隨 Windows 啟動"

LangString SecAutoStartDesc ${LANG_ENGLISH} "Start QUENDAR 2017 in the notification area when you sign in to Windows."
LangString SecAutoStartDesc ${LANG_SIMPCHINESE} "登录 Windows 时在通知区域启动 QUENDAR 2017。"
LangString SecAutoStartDesc ${LANG_TRADCHINESE} "登入 Windows 時在通知區域啟動 QUENDAR 2017。"

LangString MsgCloseRunning ${LANG_ENGLISH} "QUENDAR 2017 is running. It will be closed now so that its files can be changed."
LangString MsgCloseRunning ${LANG_SIMPCHINESE} "QUENDAR 2017 正在运行。现在将关闭它，以便更改其文件。"
LangString MsgCloseRunning ${LANG_TRADCHINESE} "QUENDAR 2017 正在執行。現在將關閉它，以便變更其檔案。"

LangString MsgCloseCancelled ${LANG_ENGLISH} "Cancelled: QUENDAR 2017 is still running."
LangString MsgCloseCancelled ${LANG_SIMPCHINESE} "已取消：QUENDAR 2017 仍在运行。"
LangString MsgCloseCancelled ${LANG_TRADCHINESE} "已取消：QUENDAR 2017 仍在執行。"

LangString DetailClosing ${LANG_ENGLISH} "Closing the running QUENDAR 2017..."
LangString DetailClosing ${LANG_SIMPCHINESE} "正在关闭运行中的 QUENDAR 2017..."
LangString DetailClosing ${LANG_TRADCHINESE} "正在關閉執行中的 QUENDAR 2017..."

LangString DetailClosed ${LANG_ENGLISH} "QUENDAR 2017 was closed."
LangString DetailClosed ${LANG_SIMPCHINESE} "QUENDAR 2017 已关闭。"
LangString DetailClosed ${LANG_TRADCHINESE} "QUENDAR 2017 已關閉。"

LangString MsgCouldNotClose ${LANG_ENGLISH} "QUENDAR 2017 did not close. Exit it from its notification-area icon, then try again."
LangString MsgCouldNotClose ${LANG_SIMPCHINESE} "QUENDAR 2017 未能关闭。请通过通知区域图标退出该程序，然后重试。"
LangString MsgCouldNotClose ${LANG_TRADCHINESE} "QUENDAR 2017 未能關閉。請透過通知區域圖示結束該程式，然後再試一次。"

LangString MsgLanguageFailed ${LANG_ENGLISH} "Could not write the interface language into"
LangString MsgLanguageFailed ${LANG_SIMPCHINESE} "无法将界面语言写入"
LangString MsgLanguageFailed ${LANG_TRADCHINESE} "無法將介面語言寫入"

LangString MsgBadSwitch ${LANG_ENGLISH} "Unknown value of a setup switch (see the README):"
LangString MsgBadSwitch ${LANG_SIMPCHINESE} "安装参数的值无效（请参阅 README）："
LangString MsgBadSwitch ${LANG_TRADCHINESE} "安裝參數的值無效（請參閱 README）："

LangString UnSecProgramName ${LANG_ENGLISH} "QUENDAR 2017"
LangString UnSecProgramName ${LANG_SIMPCHINESE} "QUENDAR 2017"
LangString UnSecProgramName ${LANG_TRADCHINESE} "QUENDAR 2017"

LangString UnSecProgramDesc ${LANG_ENGLISH} "The program, its skin, the Start-menu shortcut and the start-with-Windows entry."
LangString UnSecProgramDesc ${LANG_SIMPCHINESE} "程序、皮肤、“开始”菜单快捷方式和随 Windows 启动项。"
LangString UnSecProgramDesc ${LANG_TRADCHINESE} "程式、外觀、「開始」功能表捷徑與隨 Windows 啟動項目。"

LangString UnSecProfilesName ${LANG_ENGLISH} "Profiles and macros"
LangString UnSecProfilesName ${LANG_SIMPCHINESE} "配置文件和宏"
LangString UnSecProfilesName ${LANG_TRADCHINESE} "設定檔與巨集"

LangString UnSecProfilesDesc ${LANG_ENGLISH} "Also delete your profiles (config*.bin, str*.ini) and recorded macros (record.ini). Leave unticked to keep them for a later install."
LangString UnSecProfilesDesc ${LANG_SIMPCHINESE} "同时删除您的配置文件 (config*.bin, str*.ini) 和录制的宏 (record.ini)。不勾选则保留，供以后安装使用。"
LangString UnSecProfilesDesc ${LANG_TRADCHINESE} "同時刪除您的設定檔 (config*.bin, str*.ini) 與錄製的巨集 (record.ini)。不勾選則保留，供日後安裝使用。"

LangString DetailSkins ${LANG_ENGLISH} "Skin installed:"
LangString DetailSkins ${LANG_SIMPCHINESE} "已安装皮肤："
LangString DetailSkins ${LANG_TRADCHINESE} "已安裝外觀："

LangString DetailSkinsRemoved ${LANG_ENGLISH} "Skin removed:"
LangString DetailSkinsRemoved ${LANG_SIMPCHINESE} "已删除皮肤："
LangString DetailSkinsRemoved ${LANG_TRADCHINESE} "已刪除外觀："
