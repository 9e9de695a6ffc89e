#include "core/profiles/file_problem_texts.h"

#include <array>
#include <cstdio>

namespace quendar::profiles {

namespace {

struct Texts {
  std::wstring_view notSaved, unreadableNotChanged, refused, reason, captionsNotRead, damagedSize,
      damagedUnreadable, keptAside, notAProfileSize, notAProfileUnreadable;
};

// {file}, {kept}, {size}, {reason}, {code} are filled in.
constexpr std::array<Texts, 3> kTexts{{
    {L"\"{file}\" could not be saved, so the changes meant for it are not stored.",
     L"\"{file}\" exists but could not be read, so it was left unchanged and the changes meant for it are not "
     L"stored.",
     L"\"{file}\" was left unchanged: the text cannot be stored in it.",
     L"Reason: {reason} (error {code})",
     L"\"{file}\" exists but could not be read; the button captions shown were not taken from it.",
     L"The profile file \"{file}\" holds {size} bytes instead of 1840 and was not loaded. The next Save keeps "
     L"it beside the new file.",
     L"The profile file \"{file}\" could not be read and was not loaded. The next Save keeps it beside the new "
     L"file.",
     L"The damaged profile file \"{file}\" was kept as \"{kept}\" before it was replaced.",
     L"\"{file}\" holds {size} bytes instead of 1840: it is not a profile, and nothing was imported.",
     L"\"{file}\" could not be read, and nothing was imported."},
    {L"无法保存“{file}”，其中的更改没有保存。",
     L"“{file}”存在但无法读取，因此未作改动，其中的更改没有保存。",
     L"“{file}”未作改动：该文字无法保存到其中。",
     L"原因：{reason}（错误 {code}）",
     L"“{file}”存在但无法读取；显示的按键名称不是从中读取的。",
     L"配置文件“{file}”有 {size} 字节而不是 1840 字节，未被加载。下次保存时会把它保留在新文件旁边。",
     L"无法读取配置文件“{file}”，未被加载。下次保存时会把它保留在新文件旁边。",
     L"已损坏的配置文件“{file}”在被替换前已保留为“{kept}”。",
     L"“{file}”有 {size} 字节而不是 1840 字节：它不是配置文件，没有导入任何内容。",
     L"无法读取“{file}”，没有导入任何内容。"},
    {L"無法儲存「{file}」，其中的變更沒有儲存。",
     L"「{file}」存在但無法讀取，因此未作變更，其中的變更沒有儲存。",
     L"「{file}」未作變更：該文字無法儲存到其中。",
     L"原因：{reason}（錯誤 {code}）",
     L"「{file}」存在但無法讀取；顯示的按鍵名稱不是從中讀取的。",
     L"設定檔「{file}」有 {size} 位元組而不是 1840 位元組，未被載入。下次儲存時會把它保留在新檔案旁邊。",
     L"無法讀取設定檔「{file}」，未被載入。下次儲存時會把它保留在新檔案旁邊。",
     L"已損壞的設定檔「{file}」在被取代前已保留為「{kept}」。",
     L"「{file}」有 {size} 位元組而不是 1840 位元組：它不是設定檔，沒有匯入任何內容。",
     L"無法讀取「{file}」，沒有匯入任何內容。"},
}};

const Texts& TextsFor(Language language) { return text::ForLanguage(language, kTexts[0], kTexts[1], kTexts[2]); }

std::wstring Fill(std::wstring_view pattern, std::wstring_view name, std::wstring_view value, std::wstring text = {}) {
  std::wstring result = text.empty() ? std::wstring(pattern) : std::move(text);
  const std::wstring marker = L"{" + std::wstring(name) + L"}";
  for (std::size_t at = result.find(marker); at != std::wstring::npos; at = result.find(marker, at + value.size())) {
    result.replace(at, marker.size(), value);
  }
  return result;
}

std::wstring WithFile(std::wstring_view pattern, const std::filesystem::path& file) {
  return Fill(pattern, L"file", file.wstring());
}

std::wstring ReasonLine(const files::FileFailure& failure, const Texts& texts, const DescribeError& describe) {
  if (failure.systemError == 0) return {};
  std::wstring line = Fill(texts.reason, L"code", std::to_wstring(failure.systemError));
  return L"\n" + Fill({}, L"reason", describe ? describe(failure.systemError) : std::wstring(), std::move(line));
}

}  // namespace

std::wstring ReplaceQuestion(const std::filesystem::path& file, Language language) {
  constexpr std::array<std::wstring_view, 3> kQuestion{
      L"\"{file}\" already exists. Do you want to replace it?", L"“{file}”已存在。要替换它吗？",
      L"「{file}」已存在。要取代它嗎？"};
  return WithFile(kQuestion[static_cast<std::size_t>(language)], file);
}

std::wstring FailureText(const files::FileFailure& failure, Language language, const DescribeError& describe) {
  const Texts& texts = TextsFor(language);
  const std::wstring_view sentence = failure.step == files::FileStep::Read      ? texts.unreadableNotChanged
                                     : failure.step == files::FileStep::Refused ? texts.refused
                                                                                : texts.notSaved;
  return WithFile(sentence, failure.file) + ReasonLine(failure, texts, describe);
}

ProblemMessage MessageFor(const FileProblem& problem, Language language, std::wstring_view appTitle,
                          const DescribeError& describe) {
  const Texts& texts = TextsFor(language);
  const std::wstring title(appTitle);
  const std::wstring size = std::to_wstring(problem.size);
  switch (problem.kind) {
    case FileProblem::Kind::ConfigMissing:
      return {std::wstring(kConfigMissingText), title};
    case FileProblem::Kind::DataWriteFailed: {
      // The program's long-standing box, with the file and the reason under it.
      std::array<wchar_t, 64> code{};
      std::swprintf(code.data(), code.size(), std::wstring(kWriteFailedFormat).c_str(), problem.failure.systemError);
      return {code.data() + FailureText(problem.failure, language, describe), std::wstring(kWriteFailedCaption)};
    }
    case FileProblem::Kind::TextWriteFailed:
      return {FailureText(problem.failure, language, describe), title};
    case FileProblem::Kind::TextUnreadable:
      return {WithFile(texts.captionsNotRead, problem.failure.file) + ReasonLine(problem.failure, texts, describe),
              title};
    case FileProblem::Kind::DataDamaged:
      if (problem.failure.systemError != 0) {
        return {WithFile(texts.damagedUnreadable, problem.failure.file) + ReasonLine(problem.failure, texts, describe),
                title};
      }
      return {Fill({}, L"size", size, WithFile(texts.damagedSize, problem.failure.file)), title};
    case FileProblem::Kind::DataKeptAside:
      return {Fill({}, L"kept", problem.keptAs.wstring(), WithFile(texts.keptAside, problem.failure.file)), title};
    case FileProblem::Kind::NotAProfile:
      if (problem.failure.systemError != 0) {
        return {WithFile(texts.notAProfileUnreadable, problem.failure.file) +
                    ReasonLine(problem.failure, texts, describe),
                title};
      }
      return {Fill({}, L"size", size, WithFile(texts.notAProfileSize, problem.failure.file)), title};
  }
  return {};
}

}  // namespace quendar::profiles
