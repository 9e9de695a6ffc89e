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
}

namespace quendar::ini::kernel32 {
inline constexpr unsigned kAnsiCodePage = 0;              // CP_ACP
inline constexpr unsigned long kNoBestFitChars = 0x400;   // WC_NO_BEST_FIT_CHARS
}  // namespace quendar::ini::kernel32
#endif
