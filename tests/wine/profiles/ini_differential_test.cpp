// The INI store against the platform's own private-profile functions: the same operations on two
// copies of the same file must give the same results and the same file bytes.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <tuple>
#include <string>
#include <vector>

#include "core/ini/ini_store.h"
#include "core/ini/text_encoding.h"
#include "win32/app/win32_host_services.h"
#include "wine/harness/program.h"
#include "platform/platform_file_system.h"

namespace quendar::ini {
namespace {

enum class Op { Get, Write, RemoveKey, RemoveSection, Names };

struct Step {
  Op op;
  std::wstring section;
  std::wstring key;
  std::wstring value;
  DWORD buffer = 1024;
};

struct Scenario {
  const char* name;
  std::string initialBytes;
  std::vector<Step> steps;
};

std::string Utf16File(std::wstring_view text) {
  std::string bytes = "\xFF\xFE";
  for (wchar_t c : text) {
    bytes.push_back(static_cast<char>(c & 0xFF));
    bytes.push_back(static_cast<char>(c >> 8));
  }
  return bytes;
}

// The file's bytes as readable text (line ends shown), with its encoding marker, for comparisons whose
// failures a person has to read.
std::wstring FileText(const std::wstring& file) {
  const std::string raw = test::FileBytes(file);
  const std::vector<unsigned char> bytes(raw.begin(), raw.end());
  const TextEncoding encoding = DetectEncoding(bytes);
  std::optional<std::vector<unsigned char>> again = EncodeText(DecodeText(bytes, encoding), encoding);
  std::wstring text = L"<" + std::to_wstring(static_cast<int>(encoding)) + L">";
  if (!again || *again != bytes) text += L"<not round-trip>";
  for (wchar_t c : DecodeText(bytes, encoding)) text += c == L'\r' ? std::wstring(L"\\r") : c == L'\n' ? std::wstring(L"\\n") : std::wstring(1, c);
  return text;
}

std::wstring Printable(const std::wstring& s) {
  std::wstring out;
  for (wchar_t c : s) out += c == 0 ? std::wstring(L"|") : std::wstring(1, c);
  return out;
}

std::string Describe(const Step& step) {
  static const char* const kOps[] = {"get", "write", "remove key", "remove section", "names"};
  return std::string(kOps[static_cast<int>(step.op)]) + " [" + ToUtf8(step.section) + "] '" + ToUtf8(step.key) +
         "' '" + ToUtf8(step.value) + "' buffer " + std::to_string(step.buffer);
}

class IniDifferentialTest : public ::testing::Test {
 protected:
  platform::PlatformFileSystem disk;
 protected:
  void SetUp() override {
    wchar_t temp[MAX_PATH];
    ::GetTempPathW(MAX_PATH, temp);
    folder_ = std::wstring(temp) + L"quendar-ini-diff-" + std::to_wstring(::GetCurrentProcessId());
    ::CreateDirectoryW(folder_.c_str(), nullptr);
  }
  void TearDown() override { std::filesystem::remove_all(std::filesystem::path(folder_)); }

  void Run(const Scenario& scenario, int index) {
    // Separate file names per scenario: the platform keeps a cache keyed by the file name.
    const std::wstring platformFile = folder_ + L"\\platform" + std::to_wstring(index) + L".ini";
    const std::wstring storeFile = folder_ + L"\\store" + std::to_wstring(index) + L".ini";
    test::WriteFileBytes(platformFile, scenario.initialBytes);
    test::WriteFileBytes(storeFile, scenario.initialBytes);
    int stepNumber = 0;
    for (const Step& step : scenario.steps) {
      SCOPED_TRACE(std::string(scenario.name) + ", step " + std::to_string(stepNumber++) + ": " + Describe(step));
      switch (step.op) {
        case Op::Get: {
          std::vector<wchar_t> buffer(step.buffer + 8, L'#');
          const DWORD n = ::GetPrivateProfileStringW(step.section.c_str(), step.key.c_str(), L"", buffer.data(),
                                                     step.buffer, platformFile.c_str());
          const std::wstring mine = ReadString(disk, storeFile, step.section, step.key, step.buffer);
          EXPECT_EQ(std::wstring(buffer.data(), n), mine);
          break;
        }
        case Op::Write:
        case Op::RemoveKey:
        case Op::RemoveSection: {
          const wchar_t* key = step.op == Op::RemoveSection ? nullptr : step.key.c_str();
          const wchar_t* value = step.op == Op::Write ? step.value.c_str() : nullptr;
          EXPECT_TRUE(::WritePrivateProfileStringW(step.section.c_str(), key, value, platformFile.c_str()));
          const bool ok = !(step.op == Op::Write         ? WriteString(disk, storeFile, step.section, step.key, step.value)
                            : step.op == Op::RemoveKey ? DeleteKey(disk, storeFile, step.section, step.key)
                                                       : DeleteSection(disk, storeFile, step.section))
                               .failed();
          EXPECT_TRUE(ok);
          EXPECT_EQ(FileText(platformFile), FileText(storeFile));
          break;
        }
        case Op::Names: {
          std::vector<wchar_t> buffer(step.buffer + 8, L'#');
          const DWORD n = ::GetPrivateProfileSectionNamesW(buffer.data(), step.buffer, platformFile.c_str());
          const SectionNameBuffer mine = ReadSectionNameBuffer(disk, storeFile, step.buffer);
          EXPECT_EQ(n, mine.returned);
          EXPECT_EQ(Printable(std::wstring(buffer.data(), mine.characters.size())), Printable(mine.characters));
          break;
        }
      }
    }
  }

  std::wstring folder_;
};

Step Get(std::wstring s, std::wstring k, DWORD size = 1024) { return {Op::Get, std::move(s), std::move(k), L"", size}; }
Step Put(std::wstring s, std::wstring k, std::wstring v) { return {Op::Write, std::move(s), std::move(k), std::move(v)}; }
Step DropKey(std::wstring s, std::wstring k) { return {Op::RemoveKey, std::move(s), std::move(k), L""}; }
Step DropSection(std::wstring s) { return {Op::RemoveSection, std::move(s), L"", L""}; }
Step Names(DWORD size) { return {Op::Names, L"", L"", L"", size}; }

// Seeded walks over a small vocabulary (so that names collide and sections come and go), from files the
// program meets: a messy UTF-16 file (comments, bare keys, repeated and broken sections, quotes), an ANSI
// file, a UTF-8 file with its mark, an empty one. Values longer than a read's buffer are cut.
TEST_F(IniDifferentialTest, OperationWalksFromEveryKindOfFileMatchThePlatform) {
  // ANSI files take ASCII text only: what the platform writes there for other text is lost.
  const std::vector<std::tuple<const char*, std::string, bool>> files = {
      {"messy UTF-16", Utf16File(L"; comment\r\n\r\n[Sec]\r\n  Key1 =  value one  \r\nkey1=second\r\nbare\r\n\r\n"
                                 L"[ Other ]\r\nq=\"quoted\"\r\nhalf='x\r\ninner=\" a \"\r\n[sec]\r\nKey1=dup\r\n"
                                 L"[Broken\r\nx=y\r\n[段]\r\n键=中文\r\n"), true},
      {"ANSI", "k0=pre\r\n[A]\r\nx=1\r\n\r\n[B]\ny=2\n", false},
      {"UTF-8 with mark", "\xEF\xBB\xBF[Sec]\r\nk=\xE4\xB8\xAD\r\n", true},
      {"new UTF-16", "\xFF\xFE", true},
      {"empty", "", false},
  };
  const std::vector<std::wstring> sections = {L"A", L"a", L"Sec", L"sec", L"段", L" Other ", L"Other", L"Broken"};
  const std::vector<std::wstring> keys = {L"k", L"K", L"Key1", L"键", L" pad", L"bare", L"q", L"half", L"x", L"k0"};
  const std::vector<std::wstring> values = {L"", L"1", L"v v", L"\"q\"", L"中文", L"x=y", L"'a'", L"  lead",
                                            std::wstring(1500, L'v')};
  int index = 0;
  for (const auto& [name, bytes, anyText] : files) {
    std::mt19937 random(20261206u + index);
    auto pick = [&](const std::vector<std::wstring>& from) {
      std::wstring word = from[random() % from.size()];
      if (!anyText) std::replace_if(word.begin(), word.end(), [](wchar_t c) { return c > 0x7F; }, L'x');
      return word;
    };
    auto size = [&](DWORD small) { return random() % 4 == 0 ? DWORD{1024} : 1 + random() % small; };
    Scenario walk{name, bytes, {}};
    for (int i = 0; i < 300; ++i) {
      switch (random() % 10) {
        case 0: case 1: case 2: walk.steps.push_back(Get(pick(sections), pick(keys), size(6))); break;
        case 3: case 4: case 5: walk.steps.push_back(Put(pick(sections), pick(keys), pick(values))); break;
        case 6: walk.steps.push_back(DropKey(pick(sections), pick(keys))); break;
        case 7: walk.steps.push_back(DropSection(pick(sections))); break;
        default: walk.steps.push_back(Names(size(24))); break;
      }
    }
    Run(walk, index++);
  }
}

TEST(Win32HostServices, FiltersBecomeDoubleNulLists) {
  using win32::ToCommonDialogFilter;
  EXPECT_EQ(ToCommonDialogFilter(L"Gaming Mouse Profile(*.bin)|*.bin||"),
            std::wstring(L"Gaming Mouse Profile(*.bin)\0*.bin\0\0", 35));
  EXPECT_EQ(ToCommonDialogFilter(L"A|*.a"), std::wstring(L"A\0*.a\0\0", 7));
}

}  // namespace
}  // namespace quendar::ini
