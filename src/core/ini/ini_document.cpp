#include "core/ini/ini_document.h"

#include <algorithm>
#include <cstdio>
#include <utility>

#include "core/ini/ini_text.h"

namespace quendar::ini {

namespace {

using detail::EqualsIgnoringCase;
using detail::Trim;
using detail::TrimLeft;
using detail::TrimRight;

// What a reader receives: matching quotes around the value removed, then cut to the buffer. A cut
// value loses one more character when the buffer ends within the closing quote, as on the platform.
std::wstring ValueForBuffer(std::wstring_view value, std::size_t bufferChars) {
  if (bufferChars == 0) return {};
  const bool quoted =
      value.size() >= 2 && (value.front() == L'"' || value.front() == L'\'') && value.back() == value.front();
  if (quoted) value.remove_prefix(1);
  std::wstring result(value.substr(0, std::min(value.size(), bufferChars - 1)));
  if (quoted && bufferChars >= value.size() && !result.empty()) result.pop_back();
  return result;
}

}  // namespace

IniDocument IniDocument::Load(files::FileSystem& files, const std::filesystem::path& file) {
  // One named result on every path, so the document is built in place rather than moved out.
  IniDocument doc;
  const files::ReadResult read = files.Read(file);
  if (read.unreadable()) doc.readFailure_ = read.failure;
  if (read.read()) {
    const TextEncoding encoding = DetectEncoding(read.bytes);
    doc = Parse(DecodeText(read.bytes, encoding), encoding);
    doc.existed_ = true;
  }
  return doc;
}

IniDocument IniDocument::Parse(std::wstring_view text, TextEncoding encoding) {
  IniDocument doc;
  doc.encoding_ = encoding;
  doc.AddSection({});  // the keys before the first header
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t end = text.find_first_of(L"\r\n", pos);
    if (end == std::wstring_view::npos) end = text.size();
    const std::wstring_view line = Trim(text.substr(pos, end - pos));
    pos = end;
    while (pos < text.size() && (text[pos] == L'\r' || text[pos] == L'\n')) ++pos;
    if (line.empty()) continue;

    if (line.front() == L'[') {
      const std::size_t close = line.rfind(L']');
      if (close != std::wstring_view::npos && close > 0) {
        doc.AddSection(std::wstring(Trim(line.substr(1, close - 1))));
        continue;
      }
    }
    Key key;
    const std::size_t equals = line.find(L'=');
    if (equals == std::wstring_view::npos) {
      key.name = std::wstring(line);
    } else {
      key.name = std::wstring(TrimRight(line.substr(0, equals)));
      key.value = std::wstring(TrimLeft(line.substr(equals + 1)));
    }
    // A nameless key is kept only when it does not follow another nameless key, as the platform does.
    Section& section = doc.sections_.back();
    if (key.name.empty() && !section.keys.empty() && section.keys.back().name.empty()) continue;
    section.AddKey(std::move(key));
  }
  return doc;
}

std::size_t IniDocument::FoldedHash::operator()(std::wstring_view name) const { return text::HashIgnoringCase(name); }

bool IniDocument::FoldedEqual::operator()(std::wstring_view a, std::wstring_view b) const {
  return EqualsIgnoringCase(a, b);
}

void IniDocument::Section::AddKey(Key key) {
  keyPositions.try_emplace(key.name, keys.size());
  keys.push_back(std::move(key));
}

void IniDocument::Section::IndexKeys() {
  keyPositions.clear();
  for (std::size_t i = 0; i < keys.size(); ++i) keyPositions.try_emplace(keys[i].name, i);
}

void IniDocument::AddSection(std::wstring name) {
  sectionPositions_.try_emplace(name, sections_.size());
  sections_.push_back(Section{std::move(name), {}, {}});
}

void IniDocument::IndexSections() {
  sectionPositions_.clear();
  for (std::size_t i = 0; i < sections_.size(); ++i) sectionPositions_.try_emplace(sections_[i].name, i);
}

IniDocument::Section* IniDocument::FindSection(std::wstring_view name) {
  return const_cast<Section*>(std::as_const(*this).FindSection(name));
}

const IniDocument::Section* IniDocument::FindSection(std::wstring_view name) const {
  // An empty name finds the keys before the first header, as the platform's reader does.
  const auto found = sectionPositions_.find(Trim(name));
  return found == sectionPositions_.end() ? nullptr : &sections_[found->second];
}

std::wstring IniDocument::Get(std::wstring_view section, std::wstring_view key, std::size_t bufferChars) const {
  const Section* found = FindSection(section);
  if (!found) return {};
  const auto position = found->keyPositions.find(Trim(key));
  if (position == found->keyPositions.end()) return {};
  const Key& k = found->keys[position->second];
  return k.value ? ValueForBuffer(*k.value, bufferChars) : std::wstring{};
}

bool IniDocument::Contains(std::wstring_view section, std::wstring_view key) const {
  const Section* found = FindSection(section);
  return found && found->keyPositions.contains(Trim(key));
}

namespace {

// Text that would read back as something else: a line break splits the line, a key with '=' or one
// that looks like a header changes what the following lines belong to.
bool WouldChangeTheFileStructure(std::wstring_view section, std::wstring_view key, std::wstring_view value) {
  auto breaksLine = [](std::wstring_view s) { return s.find_first_of(L"\r\n") != std::wstring_view::npos; };
  const std::wstring_view keyName = TrimLeft(key);
  return breaksLine(section) || breaksLine(key) || breaksLine(value) || keyName.find(L'=') != std::wstring_view::npos ||
         (!keyName.empty() && keyName.front() == L'[');
}

}  // namespace

std::vector<std::wstring> IniDocument::KeyNames(std::wstring_view section) const {
  std::vector<std::wstring> names;
  if (const Section* found = FindSection(section)) {
    for (const Key& k : found->keys) names.push_back(k.name);
  }
  return names;
}

bool IniDocument::Set(std::wstring_view section, std::wstring_view key, std::wstring_view value) {
  if (Trim(section).empty() || WouldChangeTheFileStructure(section, key, value)) return false;
  // The platform drops leading blanks of the names and the value it writes; trailing ones stay in the
  // written line (and disappear when the file is read again).
  value = TrimLeft(value);
  Section* target = FindSection(section);
  if (!target) {
    AddSection(std::wstring(TrimLeft(section)));
    target = &sections_.back();
  }
  if (const auto position = target->keyPositions.find(Trim(key)); position != target->keyPositions.end()) {
    Key& k = target->keys[position->second];
    if (k.value && *k.value == value) return true;
    k.value = std::wstring(value);
    changed_ = true;
    return true;
  }
  target->AddKey(Key{std::wstring(TrimLeft(key)), std::wstring(value)});
  changed_ = true;
  return true;
}

// Removal compares names as given, without trimming, and looks for the key in every section of that
// name, as the platform's removal does.
void IniDocument::RemoveKey(std::wstring_view section, std::wstring_view key) {
  const auto first = sectionPositions_.find(section);
  if (first == sectionPositions_.end()) return;
  for (std::size_t i = first->second; i < sections_.size(); ++i) {
    Section& candidate = sections_[i];
    if (!EqualsIgnoringCase(candidate.name, section)) continue;
    const auto position = candidate.keyPositions.find(key);
    if (position == candidate.keyPositions.end()) continue;
    candidate.keys.erase(candidate.keys.begin() + static_cast<std::ptrdiff_t>(position->second));
    candidate.IndexKeys();
    changed_ = true;
    return;
  }
}

void IniDocument::ClearKeys(std::wstring_view section) {
  Section* target = FindSection(section);
  if (!target || target->keys.empty()) return;
  target->keys.clear();
  target->keyPositions.clear();
  changed_ = true;
}

void IniDocument::RemoveSection(std::wstring_view section) {
  const auto first = sectionPositions_.find(section);
  if (first == sectionPositions_.end()) return;
  sections_.erase(sections_.begin() + static_cast<std::ptrdiff_t>(first->second));
  IndexSections();
  changed_ = true;
}

bool IniDocument::RenameSection(std::wstring_view section, std::wstring_view newName) {
  const std::wstring_view wanted = Trim(newName);
  if (wanted.empty() || WouldChangeTheFileStructure(wanted, {}, {})) return false;
  Section* target = FindSection(section);
  if (!target) return false;
  const Section* holder = FindSection(wanted);
  if (holder && holder != target) return false;
  if (target->name == wanted) return true;
  target->name = std::wstring(wanted);
  IndexSections();
  changed_ = true;
  return true;
}

std::vector<std::wstring> IniDocument::SectionNames() const {
  std::vector<std::wstring> names;
  for (const Section& section : sections_) {
    if (!section.name.empty()) names.push_back(section.name);
  }
  return names;
}

std::wstring IniDocument::Serialize() const {
  std::wstring text;
  for (const Section& section : sections_) {
    if (!section.name.empty()) {
      text += L'[';
      text += section.name;
      text += L"]\r\n";
    }
    for (const Key& key : section.keys) {
      text += key.name;
      if (key.value) {
        text += L'=';
        text += *key.value;
      }
      text += L"\r\n";
    }
  }
  return text;
}

std::vector<unsigned char> IniDocument::EncodeForSave() const {
  const std::wstring text = Serialize();
  // A new file is UTF-16 so that any caption survives; an ANSI file stays ANSI unless that would lose
  // characters the code page cannot hold.
  const TextEncoding encoding = existed_ ? encoding_ : TextEncoding::Utf16LeBom;
  if (auto bytes = EncodeText(text, encoding)) return *std::move(bytes);
  return *EncodeText(text, TextEncoding::Utf16LeBom);
}

files::WriteResult IniDocument::Save(files::FileSystem& files, const std::filesystem::path& file) {
  if (readFailure_) return *readFailure_;
  if (existed_ && !changed_) return {};
  const std::vector<unsigned char> bytes = EncodeForSave();
  if (files::WriteResult written = files.Replace(file, bytes); written.failed()) return written;
  existed_ = true;
  changed_ = false;
  encoding_ = DetectEncoding(bytes);
  return {};
}

}  // namespace quendar::ini
