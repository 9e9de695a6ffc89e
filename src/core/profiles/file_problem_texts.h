#pragma once
// What the user reads when one of the program's files could not be read or written: the file's full
// path, what did not happen because of it, and the platform's reason, in the interface language.
#include <functional>
#include <string>

#include "core/files/file_system.h"
#include "core/profiles/profile_files.h"
#include "core/profiles/profile_texts.h"

namespace quendar::profiles {

struct ProblemMessage {
  std::wstring text;
  std::wstring caption;
  friend bool operator==(const ProblemMessage&, const ProblemMessage&) = default;
};

// The platform's sentence for an error code (FileSystem::DescribeError).
using DescribeError = std::function<std::wstring(int)>;

// One sentence naming the file and what became of the change, then the reason. For any failed write.
std::wstring FailureText(const files::FileFailure& failure, Language language, const DescribeError& describe);

// "<file> already exists. Do you want to replace it?"
std::wstring ReplaceQuestion(const std::filesystem::path& file, Language language);

// The message box of a profile-file problem; `appTitle` captions the program's own messages.
ProblemMessage MessageFor(const FileProblem& problem, Language language, std::wstring_view appTitle,
                          const DescribeError& describe);

}  // namespace quendar::profiles
