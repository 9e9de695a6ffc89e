#include "core/files/file_system.h"

#include <algorithm>
#include <set>

#include "core/text/case_fold.h"

namespace quendar::files {

namespace {
constexpr std::wstring_view kTemporaryMarker = L".tmp-";

bool AllDigits(std::wstring_view text) {
  return !text.empty() && std::ranges::all_of(text, [](wchar_t c) { return c >= L'0' && c <= L'9'; });
}
}  // namespace

std::filesystem::path TemporaryNameFor(const std::filesystem::path& target, unsigned long processId,
                                       unsigned counter) {
  std::filesystem::path name = target;
  name += std::wstring(kTemporaryMarker) + std::to_wstring(processId) + L"-" + std::to_wstring(counter);
  return name;
}

bool IsTemporaryNameOf(std::wstring_view candidate, std::wstring_view target) {
  // "<target>.tmp-<digits>-<digits>"; the platform's names ignore case.
  if (candidate.size() <= target.size() + kTemporaryMarker.size()) return false;
  if (!text::EqualsIgnoringCase(candidate.substr(0, target.size()), target)) return false;
  std::wstring_view rest = candidate.substr(target.size());
  if (!text::EqualsIgnoringCase(rest.substr(0, kTemporaryMarker.size()), kTemporaryMarker)) return false;
  rest.remove_prefix(kTemporaryMarker.size());
  const std::size_t dash = rest.find(L'-');
  return dash != std::wstring_view::npos && AllDigits(rest.substr(0, dash)) && AllDigits(rest.substr(dash + 1));
}

std::vector<FileFailure> RemoveStaleTemporaryFiles(FileSystem& files, std::span<const std::filesystem::path> targets) {
  std::vector<FileFailure> failures;
  std::set<std::filesystem::path> folders;
  for (const auto& target : targets) folders.insert(target.parent_path());
  for (const auto& folder : folders) {
    for (const auto& name : files.ListFiles(folder)) {
      const std::wstring candidate = name.filename().wstring();
      const bool ours = std::ranges::any_of(targets, [&](const std::filesystem::path& target) {
        return target.parent_path() == folder && IsTemporaryNameOf(candidate, target.filename().wstring());
      });
      if (!ours) continue;
      if (const WriteResult removed = files.Remove(folder / candidate); removed.failed()) {
        failures.push_back(removed.failure());
      }
    }
  }
  return failures;
}

}  // namespace quendar::files
