#include "core/ini/ini_store.h"

#include <algorithm>
#include <climits>

#include "core/ini/ini_document.h"
#include "core/ini/ini_text.h"

namespace quendar::ini {

namespace {
files::WriteResult Refused(const std::filesystem::path& file) {
  return files::FileFailure{files::FileStep::Refused, file, 0};
}
}  // namespace

std::wstring ReadString(files::FileSystem& files, const std::filesystem::path& file, std::wstring_view section,
                        std::wstring_view key, std::size_t bufferChars) {
  return IniDocument::Load(files, file).Get(section, key, bufferChars);
}

files::WriteResult WriteString(files::FileSystem& files, const std::filesystem::path& file, std::wstring_view section,
                               std::wstring_view key, std::wstring_view value) {
  const KeyValue one{std::wstring(key), std::wstring(value)};
  return WriteStrings(files, file, section, std::span(&one, 1));
}

files::WriteResult WriteStrings(files::FileSystem& files, const std::filesystem::path& file, std::wstring_view section,
                                std::span<const KeyValue> values) {
  IniDocument doc = IniDocument::Load(files, file);
  if (doc.readFailure()) return *doc.readFailure();
  for (const KeyValue& kv : values) {
    if (!doc.Set(section, kv.key, kv.value)) return Refused(file);
  }
  return doc.Save(files, file);
}

files::WriteResult DeleteKey(files::FileSystem& files, const std::filesystem::path& file, std::wstring_view section,
                             std::wstring_view key) {
  IniDocument doc = IniDocument::Load(files, file);
  doc.RemoveKey(section, key);
  return doc.changed() || doc.readFailure() ? doc.Save(files, file) : files::WriteResult{};
}

files::WriteResult DeleteSection(files::FileSystem& files, const std::filesystem::path& file,
                                 std::wstring_view section) {
  IniDocument doc = IniDocument::Load(files, file);
  doc.RemoveSection(section);
  return doc.changed() || doc.readFailure() ? doc.Save(files, file) : files::WriteResult{};
}

SectionNameBuffer ReadSectionNameBuffer(files::FileSystem& files, const std::filesystem::path& file,
                                        std::size_t bufferChars) {
  SectionNameBuffer result;
  if (bufferChars == 0) return result;
  if (bufferChars == 1) {
    result.characters.assign(1, L'\0');
    return result;
  }
  std::size_t room = bufferChars - 1;  // one character stays for the list's final NUL
  for (const std::wstring& name : IniDocument::Load(files, file).SectionNames()) {
    const std::size_t needed = name.size() + 1;
    if (needed >= room) {
      // Cut: as much of the name as fits, its NUL, the list's NUL.
      if (room > 0) {
        result.characters.append(name, 0, room - 1);
        result.characters.push_back(L'\0');
      }
      result.characters.push_back(L'\0');
      result.returned = bufferChars - 2;
      return result;
    }
    result.characters += name;
    result.characters.push_back(L'\0');
    room -= needed;
  }
  result.returned = result.characters.size();
  result.characters.push_back(L'\0');
  return result;
}

std::vector<std::wstring> ReadSectionNames(files::FileSystem& files, const std::filesystem::path& file,
                                           std::size_t bufferChars) {
  const SectionNameBuffer buffer = ReadSectionNameBuffer(files, file, bufferChars);
  std::vector<std::wstring> names;
  std::wstring_view rest(buffer.characters);
  while (!rest.empty() && rest.front() != L'\0') {
    const std::size_t end = rest.find(L'\0');
    names.emplace_back(rest.substr(0, end));
    rest.remove_prefix(end == std::wstring_view::npos ? rest.size() : end + 1);
  }
  return names;
}

long ParseDecimal(std::wstring_view text) {
  std::size_t i = 0;
  while (i < text.size() && detail::IsBlank(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == L'-' || text[i] == L'+')) negative = text[i++] == L'-';
  constexpr unsigned long long kLimit = static_cast<unsigned long long>(INT32_MAX) + 1;
  unsigned long long magnitude = 0;
  for (; i < text.size() && text[i] >= L'0' && text[i] <= L'9'; ++i) {
    const auto digit = static_cast<unsigned long long>(text[i] - L'0');
    magnitude = magnitude > (kLimit - digit) / 10 ? kLimit : magnitude * 10 + digit;
  }
  if (negative) return magnitude == kLimit ? static_cast<long>(INT32_MIN) : -static_cast<long>(magnitude);
  return magnitude >= kLimit ? static_cast<long>(INT32_MAX) : static_cast<long>(magnitude);
}

}  // namespace quendar::ini
