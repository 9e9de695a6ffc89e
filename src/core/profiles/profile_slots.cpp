#include "core/profiles/profile_slots.h"

#include <cerrno>
#include <fstream>
#include <iterator>
#include <map>
#include <system_error>
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
  std::optional<SlotFileFailure> failure;
};

FileRead ReadWhole(const std::filesystem::path& file) {
  std::error_code ec;
  const auto status = std::filesystem::status(file, ec);
  if (status.type() == std::filesystem::file_type::not_found) return {};
  if (ec || status.type() != std::filesystem::file_type::regular) {
    return {std::nullopt, SlotFileFailure{SlotFileFailure::Step::Read, file, ec ? ec.value() : 0}};
  }
  errno = 0;
  std::ifstream in(file, std::ios::binary);
  std::vector<unsigned char> bytes;
  if (in) bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  if (!in && !in.eof()) return {std::nullopt, SlotFileFailure{SlotFileFailure::Step::Read, file, errno}};
  return {std::move(bytes), std::nullopt};
}

// Reads each file once however many moves take it as a source.
class PlanBuilder {
 public:
  explicit PlanBuilder(const std::filesystem::path& folder) : folder_(folder) {}

  const FileRead& Read(const std::filesystem::path& file) {
    auto found = reads_.find(file);
    if (found == reads_.end()) found = reads_.emplace(file, ReadWhole(file)).first;
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
    if (!plan_.failure) plan_.failure = SlotFileFailure{SlotFileFailure::Step::Read, file, kFileNotFound};
  }

  const std::filesystem::path& folder_;
  std::map<std::filesystem::path, FileRead> reads_;
  SlotPlan plan_;
};

ini::WriteResult Place(const PlannedFile& planned, const FileWriter& write) {
  if (planned.bytes) return write(planned.file, *planned.bytes);
  std::error_code ec;
  std::filesystem::remove(planned.file, ec);
  return {!ec, ec.value()};
}

}  // namespace

SlotPlan SlotFolder::PlanRemoval(std::size_t removed, std::size_t count) const {
  PlanBuilder plan(folder_);
  for (std::size_t slot = removed; slot + 1 < count; ++slot) {
    plan.PutData(slot, plan.Data(slot + 1));
    plan.PutText(slot, plan.Text(slot + 1));
  }
  if (removed < count) plan.PutDefaults(count - 1);
  return plan.Take();
}

SlotPlan SlotFolder::PlanCopy(std::size_t from, std::size_t to) const {
  PlanBuilder plan(folder_);
  plan.PutData(to, plan.Data(from));
  plan.PutText(to, plan.Text(from));
  return plan.Take();
}

SlotPlan SlotFolder::PlanDefaults(std::size_t to) const {
  PlanBuilder plan(folder_);
  plan.PutDefaults(to);
  return plan.Take();
}

CommitResult Commit(std::span<const PlannedFile> files, const FileWriter& write) {
  CommitResult result;
  std::vector<PlannedFile> originals;
  for (const PlannedFile& planned : files) {
    FileRead read = ReadWhole(planned.file);
    if (read.failure) {
      result.failure = read.failure;
      return result;
    }
    originals.push_back({planned.file, std::move(read.bytes)});
  }
  std::size_t written = 0;
  for (; written < files.size(); ++written) {
    const ini::WriteResult placed = Place(files[written], write);
    if (!placed.ok) {
      result.failure = SlotFileFailure{SlotFileFailure::Step::Write, files[written].file, placed.systemError};
      break;
    }
  }
  if (!result.failure) return result;
  while (written-- > 0) {
    const ini::WriteResult restored = Place(originals[written], write);
    if (!restored.ok && !result.restoreFailure) {
      result.restoreFailure = SlotFileFailure{SlotFileFailure::Step::Write, originals[written].file, restored.systemError};
    }
  }
  return result;
}

}  // namespace quendar::profiles
