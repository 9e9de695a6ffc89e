#pragma once
// The few kernel32 entry points the file layer of the core needs on Windows, declared here so that the
// portable core stays free of <windows.h>. Signatures as documented for x64 (BOOL is int, DWORD and UINT
// are 32-bit unsigned).
#ifdef _WIN32
extern "C" {
__declspec(dllimport) int __stdcall MultiByteToWideChar(unsigned codePage, unsigned long flags, const char* text,
                                                        int length, wchar_t* out, int outLength);
__declspec(dllimport) int __stdcall WideCharToMultiByte(unsigned codePage, unsigned long flags, const wchar_t* text,
                                                        int length, char* out, int outLength, const char* defaultChar,
                                                        int* usedDefaultChar);
__declspec(dllimport) int __stdcall MoveFileExW(const wchar_t* existing, const wchar_t* replacement,
                                                unsigned long flags);
__declspec(dllimport) unsigned long __stdcall GetLastError();
}

namespace quendar::ini::kernel32 {
inline constexpr unsigned kAnsiCodePage = 0;              // CP_ACP
inline constexpr unsigned long kNoBestFitChars = 0x400;   // WC_NO_BEST_FIT_CHARS
inline constexpr unsigned long kMoveReplaceExisting = 0x1;  // MOVEFILE_REPLACE_EXISTING
inline constexpr unsigned long kMoveWriteThrough = 0x8;     // MOVEFILE_WRITE_THROUGH
inline constexpr unsigned long kAccessDenied = 5, kSharingViolation = 32, kLockViolation = 33;
}  // namespace quendar::ini::kernel32
#endif
