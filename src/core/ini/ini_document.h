#pragma once
// An INI file parsed into memory, for operations that read or change several keys with one parse and
// at most one write. The in-memory form is what the platform keeps: sections with their keys in file
// order; blank lines are dropped, comment lines are kept as keys without a value, and saving writes
// "[name]" and "key=value" lines ended by CR LF.
//
// Every lookup is as fast as the name is long, whatever the file's size: the document keeps, for the
// section names and for each section's key names, the position of the first entry of each name (as
// the case-insensitive comparison sees it), so a file parses and reads in time proportional to its size.
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/files/file_system.h"
#include "core/ini/text_encoding.h"

namespace quendar::ini {

class IniDocument {
 public:
  // A missing file gives an empty document that does not exist yet. A file that exists but could not be
  // read gives an empty document that remembers why: its values read as missing, and it refuses to be
  // saved, so a file that was not read is never replaced by the few keys a caller set.
  static IniDocument Load(files::FileSystem& files, const std::filesystem::path& file);
  static IniDocument Parse(std::wstring_view text, TextEncoding encoding);

  bool existed() const { return existed_; }
  bool changed() const { return changed_; }
  const std::optional<files::FileFailure>& readFailure() const { return readFailure_; }
  TextEncoding encoding() const { return encoding_; }

  // Value of the first matching key of the first matching section, cut to bufferChars - 1 characters.
  std::wstring Get(std::wstring_view section, std::wstring_view key, std::size_t bufferChars) const;
  bool Contains(std::wstring_view section, std::wstring_view key) const;
  // Names of the keys of the first matching section, in file order (lines without '=' included).
  std::vector<std::wstring> KeyNames(std::wstring_view section) const;

  // Refuses (false) what could not be read back as written: an empty section name, a line break in any
  // part, a key containing '=' or starting with '['.
  bool Set(std::wstring_view section, std::wstring_view key, std::wstring_view value);
  void RemoveKey(std::wstring_view section, std::wstring_view key);
  // Removes every key of the first matching section and keeps the section in its place.
  void ClearKeys(std::wstring_view section);
  void RemoveSection(std::wstring_view section);
  // Gives the first section of that name a new name, keeping its keys and its place in the file. Refuses
  // (false) a missing section, a new name that would not read back as written, and a name another
  // section already has.
  bool RenameSection(std::wstring_view section, std::wstring_view newName);

  // Names of the sections that a reader can address, in file order (the nameless preamble is left out).
  std::vector<std::wstring> SectionNames() const;

  // The file text as it would be written, without the byte-order mark.
  std::wstring Serialize() const;
  // The file bytes as they would be written, in the encoding the document will be saved in.
  std::vector<unsigned char> EncodeForSave() const;

  // Writes the file (atomically, durably) when the document changed or did not exist. A document whose
  // file could not be read fails with that read failure and writes nothing.
  files::WriteResult Save(files::FileSystem& files, const std::filesystem::path& file);

 private:
  struct Key {
    std::wstring name;
    std::optional<std::wstring> value;  // no value: a line without '=' (for example a comment)
  };
  struct FoldedHash {
    using is_transparent = void;
    std::size_t operator()(std::wstring_view name) const;
  };
  struct FoldedEqual {
    using is_transparent = void;
    bool operator()(std::wstring_view a, std::wstring_view b) const;
  };
  // Name -> position of the first entry of that name; later entries of the same name are shadowed.
  using FirstPositions = std::unordered_map<std::wstring, std::size_t, FoldedHash, FoldedEqual>;

  struct Section {
    std::wstring name;  // empty only for the keys before the first section header
    std::vector<Key> keys;
    FirstPositions keyPositions;

    void AddKey(Key key);
    void IndexKeys();  // after keys were removed: positions moved
  };

  Section* FindSection(std::wstring_view name);
  const Section* FindSection(std::wstring_view name) const;
  void AddSection(std::wstring name);
  void IndexSections();  // after sections were removed or renamed

  std::vector<Section> sections_;
  FirstPositions sectionPositions_;
  TextEncoding encoding_ = TextEncoding::Utf16LeBom;
  bool existed_ = false;
  bool changed_ = false;
  std::optional<files::FileFailure> readFailure_;
};

}  // namespace quendar::ini
