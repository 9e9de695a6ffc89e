#pragma once
// The INI store: profile text files, the profile list and the macro store are read and written through
// these functions, which behave as the platform's private-profile functions do for this program's use:
// case-insensitive section and key names, first match wins, blanks around names and values dropped,
// matching quotes around a value removed, values cut to what a fixed buffer holds. Files in UTF-16LE
// with BOM, UTF-8 with BOM and the ANSI code page are read; new files are written as UTF-16LE with BOM.
//
// Every function parses the file once. Every write is complete on disk when the function returns: the
// new content goes to a temporary file in the same folder that then replaces the old one, so a crash
// leaves the old or the new file, never a torn one. A file that exists but could not be read is never
// written: the write fails with the read's failure.
#include <cstddef>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/files/file_system.h"

namespace quendar::ini {

// The buffers this program reads values and section-name lists into, in characters.
inline constexpr std::size_t kValueBufferChars = 1024;
inline constexpr std::size_t kSectionNamesBufferChars = 1024;

struct KeyValue {
  std::wstring key;
  std::wstring value;
};

// A value as a buffer of `bufferChars` characters receives it: at most bufferChars - 1 characters,
// empty when the file, the section or the key is missing.
std::wstring ReadString(files::FileSystem& files, const std::filesystem::path& file, std::wstring_view section, std::wstring_view key,
                        std::size_t bufferChars = kValueBufferChars);

// Replaces the value of the first matching key in place, or appends the key at the end of the first
// matching section, or appends the section at the end of the file. Creates a missing file.
// Fails when the file could not be read or written, or (step Refused) for text that would not read back
// as written (empty section name, line breaks, a key with '=' or a leading '[').
files::WriteResult WriteString(files::FileSystem& files, const std::filesystem::path& file, std::wstring_view section,
                               std::wstring_view key, std::wstring_view value);

// Several keys of one section in one parse and one write.
files::WriteResult WriteStrings(files::FileSystem& files, const std::filesystem::path& file, std::wstring_view section,
                                std::span<const KeyValue> values);

// Removes the first matching key, or the first matching section with all its keys. Removing what does
// not exist leaves the file untouched and succeeds.
files::WriteResult DeleteKey(files::FileSystem& files, const std::filesystem::path& file, std::wstring_view section,
                             std::wstring_view key);
files::WriteResult DeleteSection(files::FileSystem& files, const std::filesystem::path& file, std::wstring_view section);

// The section-name list exactly as the platform fills a buffer of `bufferChars` characters: each name
// ended by a NUL, the list ended by one more NUL; a list that does not fit is cut, its last name
// shortened, and still ends in two NULs. `characters` holds the characters written (including the
// NULs); `returned` is the count the platform function returns (bufferChars - 2 when cut).
struct SectionNameBuffer {
  std::wstring characters;
  std::size_t returned = 0;
};
SectionNameBuffer ReadSectionNameBuffer(files::FileSystem& files, const std::filesystem::path& file,
                                        std::size_t bufferChars = kSectionNamesBufferChars);

// The names of that buffer in file order (a cut last name is included as cut).
std::vector<std::wstring> ReadSectionNames(files::FileSystem& files, const std::filesystem::path& file,
                                           std::size_t bufferChars = kSectionNamesBufferChars);

// Signed decimal as the program reads numbers from the store: leading blanks skipped, an optional sign,
// digits up to the first non-digit; no digits gives 0. Saturates at the 32-bit range (the platform's
// long) instead of overflowing, so every build reads a stored number alike.
long ParseDecimal(std::wstring_view text);

}  // namespace quendar::ini
