// The INI store against the platform's own private-profile functions: the same operations on two
// copies of the same file must give the same results and the same file bytes.
#include <windows.h>

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "core/ini/ini_store.h"
#include "core/ini/text_encoding.h"
#include "win32/app/win32_host_services.h"
#include "wine/wine_test_support.h"
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

TEST_F(IniDifferentialTest, StoreMatchesThePlatformFunctions) {
  const std::wstring longValue(1500, L'v');
  const std::vector<Scenario> scenarios = {
      {"messy UTF-16 file",
       Utf16File(L"; comment\r\n\r\n[Sec]\r\n  Key1 =  value one  \r\nkey1=second\r\nbare\r\n\r\n[ Other ]\r\n"
                 L"q=\"quoted\"\r\nhalf='x\r\ninner=\" a \"\r\n[sec]\r\nKey1=dup\r\n[Broken\r\nx=y\r\n"),
       {Get(L"sec", L"KEY1"), Get(L"Sec", L"bare"), Get(L" Other ", L"q"), Get(L"Other", L"half"),
        Get(L"Other", L"inner"), Get(L"Sec", L"Key1", 4), Get(L"sec", L"x"), Get(L"Nope", L"x"), Names(1024),
        Names(10), Names(5), Names(3), Names(2), Names(1), Put(L"Sec", L"Key1", L"new"), Put(L"NewSec", L"k", L"v"),
        DropSection(L"other"), DropKey(L"SEC", L"bare"), Put(L"sec", L"key1", L"again"), DropSection(L"sec"),
        DropSection(L"absent"), DropKey(L"Sec", L"absent"), Names(1024), Get(L"sec", L"Key1")}},
      {"Chinese captions in a new UTF-16 file",
       "\xFF\xFE",
       {Put(L"Setting-CHS", L"Item1", L"左键"), Put(L"Setting-CHT", L"Item1", L"左鍵"), Put(L"Setting-EN", L"Item1", L"Click"),
        Get(L"setting-chs", L"item1"), Get(L"Setting-CHT", L"Item1"), Put(L"Setting-CHS", L"Item1", L"左摇摆滚轮"),
        Get(L"Setting-CHS", L"Item1"), Names(1024), DropSection(L"Setting-CHT"), Names(1024)}},
      {"profile list rewrite",
       Utf16File(L"[Profile]\r\nCurProfileName=PROFILE_0\r\nItemCount=2\r\nItem0=PROFILE_0\r\nItem1=PROFILE_1\r\n"
                 L"[Skins]\r\nPath=Default\r\nLan=\r\n"),
       {Get(L"Skins", L"Lan"), Get(L"Profile", L"ItemCount"), DropSection(L"Profile"),
        Put(L"Profile", L"CurProfileName", L"PROFILE_1"), Put(L"Profile", L"ItemCount", L"1"),
        Put(L"Profile", L"Item0", L"PROFILE_1"), Get(L"Profile", L"Item1"), Names(1024)}},
      {"macro store section moves to the end",
       Utf16File(L"[Macro A]\r\nItemCount=1\r\nItem0=A   Dn\r\n[Macro B]\r\nItemCount=0\r\n[Macro C]\r\nItemCount=0\r\n"),
       {Names(1024), DropSection(L"Macro A"), Put(L"Macro A", L"DelayTimeSelStatus", L"1"),
        Put(L"Macro A", L"ItemCount", L"2"), Put(L"Macro A", L"Item0", L"A   Dn"), Put(L"Macro A", L"Item1", L"30 ms"),
        Names(1024), Names(16), Get(L"macro a", L"Item1")}},
      {"ANSI file with ASCII text",
       "k0=pre\r\n[A]\r\nx=1\r\n\r\n[B]\ny=2\n",
       {Get(L"A", L"x"), Get(L"", L"k0"), Put(L"A", L"x", L"1"), Put(L"B", L"y", L"3"), Put(L"A", L"z", L"4"),
        Names(1024)}},
      {"UTF-8 file with byte-order mark",
       "\xEF\xBB\xBF[S]\r\nk=\xE4\xB8\xAD\r\n",
       {Get(L"S", L"k"), Put(L"S", L"j", L"中文"), Get(L"S", L"j")}},
      {"long values are cut", Utf16File(L"[L]\r\nv=" + longValue + L"\r\n"),
       {Get(L"L", L"v"), Get(L"L", L"v", 1024), Put(L"L", L"w", longValue), Get(L"L", L"w")}},
      {"leading blanks of written values", "\xFF\xFE",
       {Put(L"S", L"k", L"   padded"), Get(L"S", L"k"), Put(L" T", L" j", L"x")}},
      {"empty file", "", {Names(1024), Get(L"S", L"k"), Put(L"S", L"k", L"v"), Names(1024)}},
  };
  for (std::size_t i = 0; i < scenarios.size(); ++i) Run(scenarios[i], static_cast<int>(i));
}

// A long seeded walk over a small vocabulary, so that names collide and sections come and go.
TEST_F(IniDifferentialTest, RandomOperationWalkMatchesThePlatform) {
  const std::vector<std::wstring> sections = {L"A", L"a", L"Sec", L"段", L"Profile"};
  const std::vector<std::wstring> keys = {L"k", L"K", L"Item1", L"键", L" pad"};
  const std::vector<std::wstring> values = {L"", L"1", L"v v", L"\"q\"", L"中文", L"x=y", L"'a'", L"  lead"};
  for (const unsigned seed : {20261206u, 4u}) {
    std::mt19937 random(seed);
    auto pick = [&](const std::vector<std::wstring>& from) { return from[random() % from.size()]; };
    Scenario walk{"random walk", Utf16File(L"[A]\r\nk=0\r\n"), {}};
    for (int i = 0; i < 400; ++i) {
      switch (random() % 10) {
        case 0: case 1: case 2: walk.steps.push_back(Get(pick(sections), pick(keys), 1 + random() % 6)); break;
        case 3: case 4: case 5: walk.steps.push_back(Put(pick(sections), pick(keys), pick(values))); break;
        case 6: walk.steps.push_back(DropKey(pick(sections), pick(keys))); break;
        case 7: walk.steps.push_back(DropSection(pick(sections))); break;
        default: walk.steps.push_back(Names(1 + random() % 24)); break;
      }
    }
    SCOPED_TRACE("seed " + std::to_string(seed));
    Run(walk, static_cast<int>(100 + seed % 1000));
  }
}

// The installed files are what the program writes too; the platform must read them as the store does.
TEST(InstalledTextFiles, ReadThroughThePlatformFunctions) {
  auto platform = [](const wchar_t* file, const wchar_t* section, const wchar_t* key) {
    const std::wstring path = (std::filesystem::path(QUENDAR_RUNTIME_DIR) / file).wstring();
    wchar_t buffer[1024];
    ::GetPrivateProfileStringW(section, key, L"", buffer, 1024, path.c_str());
    return std::wstring(buffer);
  };
  EXPECT_EQ(platform(L"str.ini", L"Profile", L"CurProfileName"), L"PROFILE_0");
  EXPECT_EQ(platform(L"str.ini", L"Setting-CHS", L"Item4"), L"左摇摆滚轮");
  EXPECT_EQ(platform(L"str3.ini", L"Setting-CHT", L"Item1"), L"左鍵");
  EXPECT_EQ(platform(L"str5.ini", L"Skins", L"Path"), L"Default");
  EXPECT_EQ(platform(L"record.ini", L"Double Shot", L"Item1"), L"40 ms");
}

TEST(Win32HostServices, FiltersBecomeDoubleNulLists) {
  using win32::ToCommonDialogFilter;
  EXPECT_EQ(ToCommonDialogFilter(L"Gaming Mouse Profile(*.bin)|*.bin||"),
            std::wstring(L"Gaming Mouse Profile(*.bin)\0*.bin\0\0", 35));
  EXPECT_EQ(ToCommonDialogFilter(L"A|*.a"), std::wstring(L"A\0*.a\0\0", 7));
}

}  // namespace
}  // namespace quendar::ini
