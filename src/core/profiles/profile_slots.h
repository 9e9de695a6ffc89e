#pragma once
// Moving a profile's files with its name. A profile's data belong to its list position (configN.bin and
// strN.ini), so deleting, copying or adding a name rewrites the slot files the names now point at. A
// change is planned first (every file it needs is read before anything is written), then written file
// by file, each crash-safely; a failure part-way puts back what the change already wrote.
//
// The order of the writes keeps every name's data somewhere on the disk at every moment: a removal
// copies slot k+1 into k, then k+2 into k+1, and so on, so a slot is overwritten only once its content
// has its new home; the freed last slot, and the list naming the new positions, come last.
#include <cstddef>
#include <filesystem>
#include <optional>
#include <span>
#include <utility>
#include <vector>

#include "core/files/file_system.h"

namespace quendar::profiles {

// One file as a change leaves it: its new bytes, or no bytes for a file that is to be missing.
struct PlannedFile {
  std::filesystem::path file;
  std::optional<std::vector<unsigned char>> bytes;
};

struct SlotPlan {
  std::vector<PlannedFile> files;  // in writing order
  std::optional<files::FileFailure> failure;  // a file the plan needed could not be read
};

// The program folder's slot files.
class SlotFolder {
 public:
  SlotFolder(files::FileSystem& files, std::filesystem::path folder) : files_(files), folder_(std::move(folder)) {}

  // Slot `removed` of `count` goes: the later slots move down one place and the freed last slot gets
  // the default profile's data.
  SlotPlan PlanRemoval(std::size_t removed, std::size_t count) const;
  // Slot `to` gets the files of slot `from`.
  SlotPlan PlanCopy(std::size_t from, std::size_t to) const;
  // Slot `to` gets the default profile's data: config.bin, and str.ini without the profile list.
  SlotPlan PlanDefaults(std::size_t to) const;

 private:
  files::FileSystem& files_;
  std::filesystem::path folder_;
};

struct CommitResult {
  std::optional<files::FileFailure> failure;  // the write that failed; nothing when every file was written
  // A failed change whose earlier writes could not all be put back: the files then hold some of the
  // change (each name's data is still in one of them) and the user must check the profiles.
  std::optional<files::FileFailure> restoreFailure;
  bool ok() const { return !failure; }
};

// Writes the plan's files in order, each replaced whole and crash-safely; on a failure writes back the
// originals of those already written, newest first.
CommitResult Commit(files::FileSystem& files, std::span<const PlannedFile> planned);

}  // namespace quendar::profiles
