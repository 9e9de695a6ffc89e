; Per-user installer of "QUENDAR 2017.exe". The program keeps its profiles, captions, macros and skin
; beside itself and rewrites them as it runs, so it is installed where the user may write without
; elevation: %LOCALAPPDATA%\Programs\QUENDAR 2017. Built by cmake/WindowsPackage.cmake, which passes
; the staged files and the version in BUILD_CONFIG.
;
; Command line (README, "Installing on Windows"):
;   setup.exe [/S] [/LAN=EN|CHS|CHT] [/AUTOSTART=0|1] [/STARTMENU=0|1] [/D=folder]
;   uninstall.exe [/S] [/REMOVEPROFILES]

!include "${BUILD_CONFIG}"

Target amd64-unicode
RequestExecutionLevel user
ManifestSupportedOS all
ManifestDPIAware true
SetCompressor /SOLID lzma

!define PRODUCT "QUENDAR 2017"
!define PUBLISHER "VELMARK"
!define EXE "QUENDAR 2017.exe"
!define UNINSTALLER "uninstall.exe"
!define SHORTCUT "$SMPROGRAMS\${PRODUCT}.lnk"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
; The running program is found by its window and ended by its own Exit command (the tray menu's); the
; names and the number are those of src/core/app/app_messages.h.
!define WINDOW_CLASS "PelidorGMClass"
!define WINDOW_TITLE "VELMARK QUENDAR 2017"
!define EXIT_COMMAND 1028
!define SYNCHRONIZE 0x00100000
!define CLOSE_WAIT_MS 10000

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\${PRODUCT}"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
ShowInstDetails show
ShowUninstDetails show

VIProductVersion "${VERSION_QUAD}"
VIAddVersionKey /LANG=1033 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1033 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1033 "FileDescription" "${PRODUCT} Setup"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "${PUBLISHER}"

!include "MUI2.nsh"
!include "LogicLib.nsh"
!include "FileFunc.nsh"
!include "Sections.nsh"
!include "nsDialogs.nsh"
!include "WinMessages.nsh"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_SMALLDESC
!define MUI_LANGDLL_REGISTRY_ROOT HKCU
!define MUI_LANGDLL_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MUI_LANGDLL_REGISTRY_VALUENAME "Installer Language"
!define MUI_FINISHPAGE_RUN "$INSTDIR\${EXE}"

Var LanguageCode    ; "Lan" to write into the profile text files; empty until chosen
Var RadioEnglish
Var RadioSimplified
Var RadioTraditional

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_COMPONENTS
Page custom InterfaceLanguagePage InterfaceLanguageLeave
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_COMPONENTS
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "SimpChinese"
!insertmacro MUI_LANGUAGE "TradChinese"

!include "messages.nsh"

; --- Ending a running copy (installer and uninstaller) --------------------------------------------

!macro CLOSE_RUNNING_PROGRAM prefix
Function ${prefix}CloseRunningProgram
  FindWindow $0 "${WINDOW_CLASS}" "${WINDOW_TITLE}"
  ${If} $0 == 0
    Return
  ${EndIf}
  MessageBox MB_OKCANCEL|MB_ICONINFORMATION "$(MsgCloseRunning)" /SD IDOK IDOK close
  SetErrorLevel 2
  Abort "$(MsgCloseCancelled)"
close:
  DetailPrint "$(DetailClosing)"
  ; The process, not only its window, must be gone before its executable can be replaced.
  System::Call 'user32::GetWindowThreadProcessId(p r0, *i .r1) i'
  System::Call 'kernel32::OpenProcess(i ${SYNCHRONIZE}, i 0, i r1) p .r2'
  SendMessage $0 ${WM_COMMAND} ${EXIT_COMMAND} 0 /TIMEOUT=${CLOSE_WAIT_MS}
  StrCpy $3 0
  ${If} $2 != 0
    System::Call 'kernel32::WaitForSingleObject(p r2, i ${CLOSE_WAIT_MS}) i .r3'
    System::Call 'kernel32::CloseHandle(p r2)'
  ${EndIf}
  FindWindow $0 "${WINDOW_CLASS}" "${WINDOW_TITLE}"
  ${If} $0 != 0
  ${OrIf} $3 != 0
    MessageBox MB_OK|MB_ICONSTOP "$(MsgCouldNotClose)" /SD IDOK
    SetErrorLevel 2
    Abort "$(MsgCouldNotClose)"
  ${EndIf}
  DetailPrint "$(DetailClosed)"
FunctionEnd
!macroend
!insertmacro CLOSE_RUNNING_PROGRAM ""
!insertmacro CLOSE_RUNNING_PROGRAM "un."

; --- Interface language ---------------------------------------------------------------------------

; The code the profile files should carry when nobody chose one: an upgrade keeps what the files hold,
; a first install follows the language the installer speaks.
Function DefaultInterfaceLanguage
  ${If} ${FileExists} "$INSTDIR\str.ini"
    ReadINIStr $LanguageCode "$INSTDIR\str.ini" "Skins" "Lan"
  ${ElseIf} $LANGUAGE == ${LANG_SIMPCHINESE}
    StrCpy $LanguageCode "CHS"
  ${ElseIf} $LANGUAGE == ${LANG_TRADCHINESE}
    StrCpy $LanguageCode "CHT"
  ${Else}
    StrCpy $LanguageCode "EN"
  ${EndIf}
FunctionEnd

Function InterfaceLanguagePage
  ${If} $LanguageCode == ""
    Call DefaultInterfaceLanguage
  ${EndIf}
  !insertmacro MUI_HEADER_TEXT "$(LanguagePageTitle)" "$(LanguagePageSubtitle)"
  nsDialogs::Create 1018
  Pop $0
  ${If} $0 == error
    Abort
  ${EndIf}
  ${NSD_CreateLabel} 0 0 100% 30u "$(LanguagePageText)"
  Pop $0
  ${NSD_CreateRadioButton} 12u 36u 90% 12u "English"
  Pop $RadioEnglish
  ${NSD_CreateRadioButton} 12u 52u 90% 12u "简体中文"
  Pop $RadioSimplified
  ${NSD_CreateRadioButton} 12u 68u 90% 12u "繁體中文"
  Pop $RadioTraditional
  ; The program reads "CHS" and "CHT" exactly; anything else is English.
  ${If} $LanguageCode S== "CHS"
    ${NSD_Check} $RadioSimplified
  ${ElseIf} $LanguageCode S== "CHT"
    ${NSD_Check} $RadioTraditional
  ${Else}
    ${NSD_Check} $RadioEnglish
  ${EndIf}
  nsDialogs::Show
FunctionEnd

Function InterfaceLanguageLeave
  ${NSD_GetState} $RadioSimplified $0
  ${NSD_GetState} $RadioTraditional $1
  ${If} $0 == ${BST_CHECKED}
    StrCpy $LanguageCode "CHS"
  ${ElseIf} $1 == ${BST_CHECKED}
    StrCpy $LanguageCode "CHT"
  ${Else}
    StrCpy $LanguageCode "EN"
  ${EndIf}
FunctionEnd

; The files the program itself writes beside it, and nothing else of the folder: the installer sets
; the language in the text files and "/REMOVEPROFILES" removes them (a folder shared with other programs
; keeps their files, whatever their names).
!macro FOR_EACH_TEXT_FILE action
  !insertmacro ${action} "str.ini"
  !insertmacro ${action} "str0.ini"
  !insertmacro ${action} "str1.ini"
  !insertmacro ${action} "str2.ini"
  !insertmacro ${action} "str3.ini"
  !insertmacro ${action} "str4.ini"
  !insertmacro ${action} "str5.ini"
!macroend
!macro FOR_EACH_PROGRAM_FILE action
  !insertmacro FOR_EACH_TEXT_FILE ${action}
  !insertmacro ${action} "config.bin"
  !insertmacro ${action} "config0.bin"
  !insertmacro ${action} "config1.bin"
  !insertmacro ${action} "config2.bin"
  !insertmacro ${action} "config3.bin"
  !insertmacro ${action} "config4.bin"
  !insertmacro ${action} "config5.bin"
  !insertmacro ${action} "record.ini"
!macroend

; "Lan" of section "Skins" in every profile text file (the program reads it from the current
; profile's). The files are UTF-16LE; the platform's private-profile writer keeps that encoding and
; changes nothing else. A missing file stays missing; a file already holding the code is not rewritten.
!macro WRITE_LANGUAGE_INTO name
  StrCpy $1 "${name}"
  Call WriteInterfaceLanguageInto
!macroend

Function WriteInterfaceLanguageInto
  ${IfNot} ${FileExists} "$INSTDIR\$1"
    Return
  ${EndIf}
  ReadINIStr $2 "$INSTDIR\$1" "Skins" "Lan"
  ${If} $2 S== $LanguageCode
    Return
  ${EndIf}
  ClearErrors
  WriteINIStr "$INSTDIR\$1" "Skins" "Lan" $LanguageCode
  ${If} ${Errors}
    DetailPrint "$(MsgLanguageFailed) $INSTDIR\$1"
    MessageBox MB_OK|MB_ICONEXCLAMATION "$(MsgLanguageFailed) $INSTDIR\$1" /SD IDOK
    SetErrorLevel 2
  ${EndIf}
FunctionEnd

Function WriteInterfaceLanguage
  !insertmacro FOR_EACH_TEXT_FILE WRITE_LANGUAGE_INTO
FunctionEnd

; --- Install --------------------------------------------------------------------------------------

Section "$(SecProgramName)" SecProgram
  SectionIn RO
  SetOutPath "$INSTDIR"
  Call CloseRunningProgram
  ${If} $LanguageCode == ""
    Call DefaultInterfaceLanguage
  ${EndIf}

  ; The program and the shipped skin files are replaced (other files under Skins stay)...
  SetOverwrite on
  File "${STAGE}\${EXE}"
  ; A line per skin image would only slow the page down.
  SetDetailsPrint textonly
  !insertmacro INSTALL_SHIPPED_SKINS
  SetDetailsPrint both
  DetailPrint "$(DetailSkins) $INSTDIR\Skins"
  ; ...the user's profiles, captions and macros never are: the defaults only fill what is missing.
  SetOutPath "$INSTDIR"
  SetOverwrite off
  File /x "${EXE}" "${STAGE}\*.*"
  SetOverwrite on

  Call WriteInterfaceLanguage
  WriteUninstaller "$INSTDIR\${UNINSTALLER}"
SectionEnd

Section "$(SecShortcutName)" SecShortcut
  SetOutPath "$INSTDIR"
  CreateShortcut "${SHORTCUT}" "$INSTDIR\${EXE}" "" "$INSTDIR\${EXE}" 0
SectionEnd

Section "$(SecAutoStartName)" SecAutoStart
  WriteRegStr HKCU "${RUN_KEY}" "${PRODUCT}" '"$INSTDIR\${EXE}"'
SectionEnd

; An option left out now is also taken back from an earlier install.
Section "-Register"
  ${IfNot} ${SectionIsSelected} ${SecShortcut}
    Delete "${SHORTCUT}"
  ${EndIf}
  ${IfNot} ${SectionIsSelected} ${SecAutoStart}
    DeleteRegValue HKCU "${RUN_KEY}" "${PRODUCT}"
  ${EndIf}

  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${EXE},0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Installer Language" "$LANGUAGE"
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

!insertmacro MUI_FUNCTION_DESCRIPTION_BEGIN
  !insertmacro MUI_DESCRIPTION_TEXT ${SecProgram} "$(SecProgramDesc)"
  !insertmacro MUI_DESCRIPTION_TEXT ${SecShortcut} "$(SecShortcutDesc)"
  !insertmacro MUI_DESCRIPTION_TEXT ${SecAutoStart} "$(SecAutoStartDesc)"
!insertmacro MUI_FUNCTION_DESCRIPTION_END

; A switch "/NAME=0|1" selects or clears a section; without it the section keeps its state.
!macro SECTION_SWITCH parameters name section
  ClearErrors
  ${GetOptions} ${parameters} "/${name}=" $1
  ${IfNot} ${Errors}
    ${If} $1 == "1"
      !insertmacro SelectSection ${section}
    ${ElseIf} $1 == "0"
      !insertmacro UnselectSection ${section}
    ${Else}
      MessageBox MB_OK|MB_ICONSTOP "$(MsgBadSwitch) /${name}=$1" /SD IDOK
      SetErrorLevel 2
      Quit
    ${EndIf}
  ${EndIf}
!macroend

Function .onInit
  !insertmacro MUI_LANGDLL_DISPLAY
  ${GetParameters} $R0

  ; An upgrade starts from what the earlier install chose.
  ReadRegStr $0 HKCU "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $0 != ""
    ClearErrors
    ReadRegStr $1 HKCU "${RUN_KEY}" "${PRODUCT}"
    ${If} ${Errors}
      !insertmacro UnselectSection ${SecAutoStart}
    ${EndIf}
    ${IfNot} ${FileExists} "${SHORTCUT}"
      !insertmacro UnselectSection ${SecShortcut}
    ${EndIf}
  ${EndIf}
  !insertmacro SECTION_SWITCH $R0 "AUTOSTART" ${SecAutoStart}
  !insertmacro SECTION_SWITCH $R0 "STARTMENU" ${SecShortcut}

  ClearErrors
  ${GetOptions} $R0 "/LAN=" $1
  ${IfNot} ${Errors}
    ; The comparison ignores case; the code is stored in the capitals the program compares with.
    ${If} $1 == "EN"
      StrCpy $LanguageCode "EN"
    ${ElseIf} $1 == "CHS"
      StrCpy $LanguageCode "CHS"
    ${ElseIf} $1 == "CHT"
      StrCpy $LanguageCode "CHT"
    ${Else}
      MessageBox MB_OK|MB_ICONSTOP "$(MsgBadSwitch) /LAN=$1" /SD IDOK
      SetErrorLevel 2
      Quit
    ${EndIf}
  ${EndIf}
FunctionEnd

; --- Uninstall ------------------------------------------------------------------------------------

Section "un.$(UnSecProgramName)" UnSecProgram
  SectionIn RO
  Call un.CloseRunningProgram
  Delete "$INSTDIR\${EXE}"
  SetDetailsPrint textonly
  !insertmacro REMOVE_SHIPPED_SKINS
  SetDetailsPrint both
  DetailPrint "$(DetailSkinsRemoved) $INSTDIR\Skins"
  RMDir "$INSTDIR\Skins"
  Delete "${SHORTCUT}"
  DeleteRegValue HKCU "${RUN_KEY}" "${PRODUCT}"
  Delete "$INSTDIR\${UNINSTALLER}"
SectionEnd

; A save replaces a file through "<name>.tmp-<process>-<counter>" beside it; one interrupted half-way
; leaves that behind. Only names of that exact form of the program's own files are removed.
!macro REMOVE_PROGRAM_FILE name
  Delete "$INSTDIR\${name}"
  StrCpy $R0 "${name}"
  Call un.RemoveTemporaryCopies
!macroend

Function un.RemoveTemporaryCopies
  StrLen $R3 "$R0.tmp-"
  FindFirst $R1 $R2 "$INSTDIR\$R0.tmp-*"
  ${DoWhile} $R2 != ""
    StrCpy $R4 $R2 "" $R3
    Call un.IsProcessCounterSuffix
    ${If} $R5 == 1
      Delete "$INSTDIR\$R2"
    ${EndIf}
    FindNext $R1 $R2
  ${Loop}
  FindClose $R1
FunctionEnd

; $R5 = 1 when $R4 is "<digits>-<digits>".
Function un.IsProcessCounterSuffix
  StrCpy $R5 0
  StrCpy $R6 0  ; position
  StrCpy $R7 0  ; dashes seen
  StrCpy $R8 0  ; digits in the current run
  ${Do}
    StrCpy $R9 $R4 1 $R6
    ${If} $R9 == ""
      ${ExitDo}
    ${EndIf}
    IntOp $R6 $R6 + 1
    ${If} $R9 == "-"
      ${If} $R8 == 0
      ${OrIf} $R7 != 0
        Return
      ${EndIf}
      StrCpy $R7 1
      StrCpy $R8 0
      ${Continue}
    ${EndIf}
    StrCpy $0 0
    ${Do}
      StrCpy $1 "0123456789" 1 $0
      ${If} $1 == ""
        Return
      ${EndIf}
      ${If} $1 == $R9
        ${ExitDo}
      ${EndIf}
      IntOp $0 $0 + 1
    ${Loop}
    IntOp $R8 $R8 + 1
  ${Loop}
  ${If} $R7 == 1
  ${AndIf} $R8 != 0
    StrCpy $R5 1
  ${EndIf}
FunctionEnd

Section /o "un.$(UnSecProfilesName)" UnSecProfiles
  !insertmacro FOR_EACH_PROGRAM_FILE REMOVE_PROGRAM_FILE
SectionEnd

; Last, so the entry stays while anything of the program is left.
Section "-un.Unregister"
  RMDir "$INSTDIR"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd

!insertmacro MUI_UNFUNCTION_DESCRIPTION_BEGIN
  !insertmacro MUI_DESCRIPTION_TEXT ${UnSecProgram} "$(UnSecProgramDesc)"
  !insertmacro MUI_DESCRIPTION_TEXT ${UnSecProfiles} "$(UnSecProfilesDesc)"
!insertmacro MUI_UNFUNCTION_DESCRIPTION_END

Function un.onInit
  !insertmacro MUI_UNGETLANGUAGE
  ${GetParameters} $R0
  ClearErrors
  ${GetOptions} $R0 "/REMOVEPROFILES" $1
  ${IfNot} ${Errors}
    !insertmacro SelectSection ${UnSecProfiles}
  ${EndIf}
FunctionEnd
