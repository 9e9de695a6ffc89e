#pragma once
// Window messages, commands and timers of the main dialog, as numbers the portable core can share.

namespace quendar::app {

inline constexpr unsigned kUserMessageBase = 0x0400;  // WM_USER
inline constexpr unsigned kTrayCallbackMessage = kUserMessageBase + 1;
inline constexpr unsigned kDeviceNoticeMessage = kUserMessageBase + 2;
// Posted to itself by the main window when message boxes became owed (app::UserMessages).
inline constexpr unsigned kShowMessagesMessage = kUserMessageBase + 3;
inline constexpr unsigned kProfileRequestMessage = kUserMessageBase + 0x703;

// wParam of kDeviceNoticeMessage.
inline constexpr unsigned kNoticeStageSwitched = 7;
inline constexpr unsigned kNoticeNotDetected = 15;

// wParam of kProfileRequestMessage.
inline constexpr unsigned kProfileImport = 0;
inline constexpr unsigned kProfileExport = 1;
inline constexpr unsigned kProfileReload = 2;

inline constexpr unsigned kExitCommand = 1028;

// The main window's one-shot timers.
enum class AppTimer : unsigned {
  ApplyDebounce = 1,    // clears the "Save" debounce flag
  ResetWaitCursor = 2,  // restores the arrow cursor after "Reset"
  ApplyWaitCursor = 3,  // restores the arrow cursor after "Save"
};
inline constexpr unsigned kApplyDebounceMs = 2000;
inline constexpr unsigned kWaitCursorMs = 6000;

inline constexpr const wchar_t* kWindowClassName = L"PelidorGMClass";
inline constexpr const wchar_t* kSingleInstanceMutexName = L"OrnPelidor-3325Mutex";
inline constexpr const wchar_t* kWindowTitle = L"VELMARK QUENDAR 2017";
inline constexpr const wchar_t* kExecutableName = L"QUENDAR 2017.exe";

}  // namespace quendar::app
