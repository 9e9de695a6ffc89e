#include "core/profiles/profile_slots.h"

#include <map>
#include <utility>

#include "core/ini/ini_document.h"
#include "core/ini/text_encoding.h"
#include "core/profiles/profile_data_file.h"
#include "core/profiles/profile_list.h"
#include "core/profiles/profile_paths.h"

namespace quendar::profiles {

namespace {

// The code both platforms give a file that is not there.
constexpr int kFileNotFound = 2;

struct FileRead {
  std::optional<std::vector<unsigned char>> bytes;  // nothing: the file is missing
  std::optional<files::FileFailure> failure;
};

FileRead ReadWhole(files::FileSystem& files, const std::filesystem::path& file) {
  files::ReadResult read = files.Read(file);
  if (read.missing()) return {};
  if (read.unreadable()) return {std::nullopt, read.failure};
  return {std::move(read.bytes), std::nullopt};
}

// Reads each file once however many moves take it as a source.
class PlanBuilder {
 public:
  PlanBuilder(files::FileSystem& files, const std::filesystem::path& folder) : files_(files), folder_(folder) {}

  const FileRead& Read(const std::filesystem::path& file) {
    auto found = reads_.find(file);
    if (found == reads_.end()) found = reads_.emplace(file, ReadWhole(files_, file)).first;
    if (found->second.failure && !plan_.failure) plan_.failure = found->second.failure;
    return found->second;
  }

  std::filesystem::path Data(std::size_t slot) const { return folder_ / DataFileName(static_cast<int>(slot)); }
  std::filesystem::path Text(std::size_t slot) const { return folder_ / TextFileName(static_cast<int>(slot)); }

  // A data file keeps its record; only the profile number follows the slot, as an import makes it.
  void PutData(std::size_t slot, const std::filesystem::path& source) {
    std::optional<std::vector<unsigned char>> bytes = Read(source).bytes;
    if (bytes && bytes->size() == kDataFileSize) (*bytes)[1] = static_cast<unsigned char>(slot);
    plan_.files.push_back({Data(slot), std::move(bytes)});
  }
  void PutText(std::size_t slot, const std::filesystem::path& source) {
    plan_.files.push_back({Text(slot), Read(source).bytes});
  }

  void PutDefaults(std::size_t slot) {
    const std::filesystem::path defaultData = folder_ / kDefaultDataFileName;
    if (!Read(defaultData).bytes) Missing(defaultData);
    PutData(slot, defaultData);
    const std::filesystem::path list = folder_ / kListFileName;
    const FileRead& read = Read(list);
    if (!read.bytes) {
      Missing(list);
      return;
    }
    // The default profile's texts are the list file's without the list itself.
    const ini::TextEncoding encoding = ini::DetectEncoding(*read.bytes);
    ini::IniDocument doc = ini::IniDocument::Parse(ini::DecodeText(*read.bytes, encoding), encoding);
    doc.RemoveSection(kProfileSection);
    plan_.files.push_back({Text(slot), doc.EncodeForSave()});
  }

  SlotPlan Take() {
    if (plan_.failure) plan_.files.clear();
    return std::move(plan_);
  }

 private:
  // A new slot never starts from nothing: without the default profile there is no change.
  void Missing(const std::filesystem::path& file) {
    if (!plan_.failure) plan_.failure = files::FileFailure{files::FileStep::Read, file, kFileNotFound};
  }

  files::FileSystem& files_;
  const std::filesystem::path& folder_;
  std::map<std::filesystem::path, FileRead> reads_;
  SlotPlan plan_;
};

files::WriteResult Place(files::FileSystem& files, const PlannedFile& planned) {
  if (planned.bytes) return files.Replace(planned.file, *planned.bytes);
  return files.Remove(planned.file);
}

}  // namespace

SlotPlan SlotFolder::PlanRemoval(std::size_t removed, std::size_t count) const {
  PlanBuilder plan(files_, folder_);
  for (std::size_t slot = removed; slot + 1 < count; ++slot) {
    plan.PutData(slot, plan.Data(slot + 1));
    plan.PutText(slot, plan.Text(slot + 1));
  }
  if (removed < count) plan.PutDefaults(count - 1);
  return plan.Take();
}

SlotPlan SlotFolder::PlanCopy(std::size_t from, std::size_t to) const {
  PlanBuilder plan(files_, folder_);
  plan.PutData(to, plan.Data(from));
  plan.PutText(to, plan.Text(from));
  return plan.Take();
}

SlotPlan SlotFolder::PlanDefaults(std::size_t to) const {
  PlanBuilder plan(files_, folder_);
  plan.PutDefaults(to);
  return plan.Take();
}

CommitResult Commit(files::FileSystem& files, std::span<const PlannedFile> planned) {
  CommitResult result;
  std::vector<PlannedFile> originals;
  for (const PlannedFile& file : planned) {
    FileRead read = ReadWhole(files, file.file);
    if (read.failure) {
      result.failure = read.failure;
      return result;
    }
    originals.push_back({file.file, std::move(read.bytes)});
  }
  std::size_t written = 0;
  for (; written < planned.size(); ++written) {
    if (const files::WriteResult placed = Place(files, planned[written]); placed.failed()) {
      result.failure = placed.failure();
      break;
    }
  }
  if (!result.failure) return result;
  while (written-- > 0) {
    const files::WriteResult restored = Place(files, originals[written]);
    if (restored.failed() && !result.restoreFailure) result.restoreFailure = restored.failure();
  }
  return result;
}

}  // namespace quendar::profiles
