#include "core/macros/macro_store.h"

#include <algorithm>

#include "core/ini/ini_document.h"
#include "core/ini/ini_store.h"
#include "core/macros/macro_item.h"
#include "core/text/case_fold.h"

namespace quendar::macros {
namespace {

// Only this many characters of the section-name buffer are ever scanned for macro names.
constexpr std::size_t kScannedNameChars = 255;

std::wstring Read(const ini::IniDocument& document, std::wstring_view section, std::wstring_view key) {
  return document.Get(section, key, ini::kValueBufferChars);
}

// The item number of a key that a lookup of "Item%d" finds (case-insensitive, canonical decimal).
std::optional<long> ItemNumberOfKey(std::wstring_view key) {
  constexpr std::wstring_view kPrefix = L"item";
  if (key.size() <= kPrefix.size()) return std::nullopt;
  if (!text::EqualsIgnoringCase(key.substr(0, kPrefix.size()), kPrefix)) return std::nullopt;
  std::wstring_view digits = key.substr(kPrefix.size());
  const bool negative = digits.front() == L'-';
  if (negative) digits.remove_prefix(1);
  if (digits.empty() || digits.size() > 10) return std::nullopt;
  if (digits.size() > 1 && digits.front() == L'0') return std::nullopt;
  if (negative && digits == L"0") return std::nullopt;
  long long value = 0;
  for (wchar_t c : digits) {
    if (c < L'0' || c > L'9') return std::nullopt;
    value = value * 10 + (c - L'0');
  }
  if (negative) value = -value;
  if (value > 2147483647LL || value < -2147483648LL) return std::nullopt;
  return static_cast<long>(value);
}

// Whether the store file exists; the store operations do nothing without one.
}  // namespace

std::wstring ItemKey(long index) { return L"Item" + std::to_wstring(index); }

const std::wstring* MacroEditorState::SelectedName() const {
  if (!selected || *selected >= macroNames.size()) return nullptr;
  return &macroNames[*selected];
}

std::vector<std::wstring> MacroNamesFromSections(std::span<const std::wstring> sectionNames) {
  std::wstring buffer;
  for (const auto& name : sectionNames) {
    if (buffer.size() > kScannedNameChars) break;
    buffer.append(name).push_back(L'\0');
  }
  buffer.resize(std::max(buffer.size(), kScannedNameChars) + 2, L'\0');

  std::vector<std::wstring> names;
  if (buffer[0] == L'\0') return names;
  std::size_t start = 0;
  for (std::size_t pos = 0; pos < kScannedNameChars; ++pos) {
    if (buffer[pos] != L'\0') continue;
    names.emplace_back(buffer, start, pos - start);
    if (buffer[pos + 1] == L'\0') break;
    start = pos + 1;
  }
  return names;
}

StoredMacro ReadStoredMacro(const ini::IniDocument& document, const std::wstring& name) {
  StoredMacro macro;
  macro.name = name;
  macro.recordDelays = ini::ParseDecimal(Read(document, name, kKeyRecordDelays)) != 0;
  macro.useLoopCount = ini::ParseDecimal(Read(document, name, kKeyUseLoopCount)) != 0;
  macro.loopTimes = ini::ParseDecimal(Read(document, name, kKeyLoopTimes));
  macro.itemCount = ini::ParseDecimal(Read(document, name, kKeyItemCount));
  // Walk the keys the section really holds rather than every number below ItemCount: a hand-edited
  // count may be in the billions.
  for (const auto& key : document.KeyNames(name)) {
    const auto number = ItemNumberOfKey(key);
    if (!number) continue;
    // Items are stored in number order: placing each after the last keeps a long macro's read linear.
    const auto place = macro.items.empty() || macro.items.rbegin()->first < *number ? macro.items.end()
                                                                                    : macro.items.lower_bound(*number);
    if (place != macro.items.end() && place->first == *number) continue;
    macro.items.emplace_hint(place, *number, Read(document, name, ItemKey(*number)));
  }
  return macro;
}

files::WriteResult MacroStore::CheckReadable() const {
  const auto document = ini::IniDocument::Load(files_, file_);
  if (document.readFailure()) return *document.readFailure();
  return {};
}

std::vector<std::wstring> MacroStore::ListMacroNames() const {
  const auto document = ini::IniDocument::Load(files_, file_);
  const auto sections = document.SectionNames();
  return MacroNamesFromSections(sections);
}

LoadedMacro MacroStore::LoadMacro(std::wstring_view name) const {
  const auto document = ini::IniDocument::Load(files_, file_);
  const StoredMacro stored = ReadStoredMacro(document, std::wstring(name));
  LoadedMacro loaded;
  loaded.recordDelaysValue = ini::ParseDecimal(Read(document, name, kKeyRecordDelays));
  loaded.useLoopCountValue = ini::ParseDecimal(Read(document, name, kKeyUseLoopCount));
  loaded.recordDelays = loaded.recordDelaysValue == 1;
  loaded.useLoopCount = loaded.useLoopCountValue == 1;
  loaded.loopCountText = Read(document, name, kKeyLoopTimes);
  // Items in number order; numbers the section lacks are left out instead of showing as blank lines.
  for (auto it = stored.items.lower_bound(0); it != stored.items.end() && it->first < stored.itemCount; ++it) {
    loaded.items.push_back(it->second);
  }
  return loaded;
}

files::WriteResult MacroStore::SaveCurrentMacro(const MacroEditorState& state) {
  if (!files_.Exists(file_) || state.macroNames.empty()) return {};
  const std::wstring* name = state.SelectedName();
  if (name == nullptr) return {};

  auto document = ini::IniDocument::Load(files_, file_);
  // Clear the section's keys but keep the section where it is.
  document.ClearKeys(*name);
  bool ok = document.Set(*name, kKeyRecordDelays, state.recordDelays ? L"1" : L"0");
  ok = document.Set(*name, kKeyUseLoopCount, state.useLoopCount ? L"1" : L"0") && ok;
  ok = document.Set(*name, kKeyLoopTimes, state.loopCountText) && ok;
  ok = document.Set(*name, kKeyItemCount, std::to_wstring(state.sequence.size())) && ok;
  for (std::size_t i = 0; i < state.sequence.size(); ++i) {
    ok = document.Set(*name, ItemKey(static_cast<long>(i)), state.sequence[i]) && ok;
  }
  if (!ok) return files::FileFailure{files::FileStep::Refused, file_, 0};
  return document.Save(files_, file_);
}

files::WriteResult MacroStore::StoreLoopCount(MacroEditorState& state) {
  long value = ini::ParseDecimal(state.loopTimesText);
  if (value < 1 || value > kMaxLoopCount) {
    state.loopTimesText = L"1";
    value = 1;
  }
  const std::wstring* name = state.SelectedName();
  if (name == nullptr) return {};
  state.loopCountText = std::to_wstring(value);
  return ini::WriteString(files_, file_, *name, kKeyLoopTimes, state.loopCountText);
}

files::WriteResult MacroStore::RemoveMacroSection(std::wstring_view name) {
  return ini::DeleteSection(files_, file_, name);
}

MacroStore::Renamed MacroStore::RenameMacroSection(std::wstring_view name, std::wstring_view newName) {
  auto document = ini::IniDocument::Load(files_, file_);
  const auto sections = document.SectionNames();
  if (std::ranges::none_of(sections, [&](const std::wstring& s) { return text::EqualsIgnoringCase(s, name); })) {
    return {RenameOutcome::NoSection};
  }
  if (!document.RenameSection(name, newName)) return {RenameOutcome::NameTaken};
  files::WriteResult written = document.Save(files_, file_);
  return {written.failed() ? RenameOutcome::NotWritten : RenameOutcome::Renamed, std::move(written)};
}

std::vector<StoredMacro> ReadStoredMacros(const ini::IniDocument& document) {
  std::vector<StoredMacro> macros;
  const auto sections = document.SectionNames();
  for (const auto& name : MacroNamesFromSections(sections)) macros.push_back(ReadStoredMacro(document, name));
  return macros;
}

BuiltMacroTable BuildMacroTableFrom(const ini::IniDocument& document) {
  auto macros = ReadStoredMacros(document);
  if (macros.size() > kMacroCount) macros.resize(kMacroCount);
  EncodedTable encoded = EncodeMacroTable(macros);
  return BuiltMacroTable{encoded.table, std::move(encoded.cutMacros)};
}

std::vector<StoredMacro> MacroStore::ReadMacros() const { return ReadStoredMacros(ini::IniDocument::Load(files_, file_)); }

BuiltMacroTable MacroStore::BuildMacroTable() const { return BuildMacroTableFrom(ini::IniDocument::Load(files_, file_)); }

}  // namespace quendar::macros
