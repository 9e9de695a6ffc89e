#pragma once
// The macro store (record.ini): one section per macro, read and written as the macro manager edits it,
// and encoded into the twelve device blocks.

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/files/file_system.h"
#include "core/macros/macro_block.h"

namespace quendar::ini {
class IniDocument;
}

namespace quendar::macros {

inline constexpr std::wstring_view kMacroStoreFileName = L"record.ini";
inline constexpr std::wstring_view kKeyRecordDelays = L"DelayTimeSelStatus";
inline constexpr std::wstring_view kKeyUseLoopCount = L"LoopTimeSelStatus";
inline constexpr std::wstring_view kKeyLoopTimes = L"MacroLoopTimes";
inline constexpr std::wstring_view kKeyItemCount = L"ItemCount";
std::wstring ItemKey(long index);  // "Item%d"

// The macro manager's state that the store operations read and write. The dialog owns the lists and the
// fields; `recordDelays` and `useLoopCount` are program-wide and outlive a dialog.
struct MacroEditorState {
  std::vector<std::wstring> macroNames;  // the macro list, in store order
  std::optional<std::size_t> selected;   // selection of the macro list
  std::vector<std::wstring> sequence;    // items of the selected macro
  std::wstring loopTimesText = L"1";     // the loop-times field
  std::wstring loopCountText = L"1";     // the loop count last accepted, as it is stored
  bool recordDelays = false;
  bool useLoopCount = false;

  const std::wstring* SelectedName() const;
};

struct LoadedMacro {
  bool recordDelays = false;  // the tick boxes show a flag only when it is exactly 1
  bool useLoopCount = false;
  long recordDelaysValue = 0;  // the stored numbers, for readers that tell 1, 0 and others apart
  long useLoopCountValue = 0;
  std::wstring loopCountText;
  std::vector<std::wstring> items;
};

struct BuiltMacroTable {
  MacroTable table{};
  std::vector<std::wstring> cutMacros;  // macros that lost events because their block was full
};

// Macro names from a section-name list as the platform's 1024-character buffer holds it: only names
// that end before character 255 of the buffer count, and an empty name ends the list.
std::vector<std::wstring> MacroNamesFromSections(std::span<const std::wstring> sectionNames);

class MacroStore {
 public:
  MacroStore(files::FileSystem& files, std::filesystem::path file) : files_(files), file_(std::move(file)) {}

  const std::filesystem::path& file() const { return file_; }
  files::FileSystem& fileSystem() const { return files_; }

  std::vector<std::wstring> ListMacroNames() const;
  // Fails when the store exists but could not be read: its macros are not shown, and nothing is written.
  files::WriteResult CheckReadable() const;
  LoadedMacro LoadMacro(std::wstring_view name) const;

  // Rewrites the selected macro's section from the editor state, in its place in the store so that
  // buttons bound by position keep their macro. Does nothing without a store file or a selection.
  files::WriteResult SaveCurrentMacro(const MacroEditorState& state);

  // Validates the loop-times field (out of 1..65535 becomes "1") and stores it for the selected macro.
  files::WriteResult StoreLoopCount(MacroEditorState& state);

  files::WriteResult RemoveMacroSection(std::wstring_view name);

  enum class RenameOutcome { Renamed, NoSection, NameTaken, NotWritten };
  struct Renamed {
    RenameOutcome outcome = RenameOutcome::Renamed;
    files::WriteResult written;  // NotWritten: why
  };
  // Renames a macro's section where it stands, so its items and its position (and the buttons bound to
  // it) stay with it.
  Renamed RenameMacroSection(std::wstring_view name, std::wstring_view newName);

  // All macros of the store in store order, parsed for encoding.
  std::vector<StoredMacro> ReadMacros() const;

  // The twelve device blocks of the first twelve macros; all zero without a store.
  BuiltMacroTable BuildMacroTable() const;

 private:
  files::FileSystem& files_;
  std::filesystem::path file_;
};

// One macro section as the encoder sees it.
StoredMacro ReadStoredMacro(const ini::IniDocument& document, const std::wstring& name);

// The macros of a parsed store, in store order, and the table they make.
std::vector<StoredMacro> ReadStoredMacros(const ini::IniDocument& document);
BuiltMacroTable BuildMacroTableFrom(const ini::IniDocument& document);

}  // namespace quendar::macros
