#include "core/ini/ini_store.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/ini/ini_document.h"
#include "core/ini/text_encoding.h"
#include "native/ini/temp_folder.h"
#include "platform/platform_file_system.h"

namespace quendar::ini {
namespace {

using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

std::string AsText(const std::vector<unsigned char>& bytes) { return std::string(bytes.begin(), bytes.end()); }

class IniStoreTest : public ::testing::Test {
 protected:
  TempFolder folder;
  platform::PlatformFileSystem disk;
  std::filesystem::path file = folder / "store.ini";
};

TEST_F(IniStoreTest, WritesInPlaceAppendsAndCreatesSectionsAtTheEnd) {
  WriteBytes(file, "[A]\r\nk=1\r\nK=2\r\n[B]\r\nx=1\r\n");
  ASSERT_FALSE(WriteString(disk, file, L"a", L"K", L"9").failed());
  ASSERT_FALSE(WriteString(disk, file, L"A", L"new", L"n").failed());
  ASSERT_FALSE(WriteString(disk, file, L"C", L"c", L"3").failed());
  EXPECT_EQ(AsText(ReadBytes(file)), "[A]\r\nk=9\r\nK=2\r\nnew=n\r\n[B]\r\nx=1\r\n[C]\r\nc=3\r\n");
  // Nothing that would reshape the file on the next read.
  EXPECT_TRUE(WriteString(disk, file, L"  ", L"k", L"v").failed());
  EXPECT_TRUE(WriteString(disk, file, L"A", L"k", L"x\r\n[Evil]\r\nk=v").failed());
  EXPECT_TRUE(WriteString(disk, file, L"A", L"[B]", L"v").failed());
  EXPECT_TRUE(WriteString(disk, file, L"A", L"a=b", L"v").failed());
  ASSERT_FALSE(DeleteSection(disk, file, L"b").failed());
  ASSERT_FALSE(DeleteKey(disk, file, L"A", L"k").failed());
  EXPECT_EQ(AsText(ReadBytes(file)), "[A]\r\nK=2\r\nnew=n\r\n[C]\r\nc=3\r\n");
}

TEST_F(IniStoreTest, UnchangedFilesAreNotRewritten) {
  const std::string messy = "  [A]  \n\n k = same \n; comment\n";
  WriteBytes(file, messy);
  ASSERT_FALSE(WriteString(disk, file, L"A", L"k", L"same").failed());
  ASSERT_FALSE(DeleteKey(disk, file, L"A", L"other").failed());
  EXPECT_EQ(AsText(ReadBytes(file)), messy);
  ASSERT_FALSE(WriteString(disk, file, L"A", L"k", L"changed").failed());
  EXPECT_EQ(AsText(ReadBytes(file)), "[A]\r\nk=changed\r\n; comment\r\n");
}

// Reading each encoding and keeping it on rewrite is compared with the platform under Wine; here what
// the comparison cannot see: the encoding a new file gets, big-endian UTF-16, and text an ANSI file
// cannot hold.
TEST_F(IniStoreTest, NewFilesAreUtf16AndAnsiFilesNeverLoseText) {
  const std::wstring caption = L"左摇摆滚轮";
  ASSERT_FALSE(WriteString(disk, file, L"Setting-CHS", L"Item4", caption).failed());
  const auto bytes = ReadBytes(file);
  EXPECT_EQ(std::vector(bytes.begin(), bytes.begin() + std::min<std::size_t>(bytes.size(), 2)), (std::vector<unsigned char>{0xFF, 0xFE}));
  EXPECT_EQ(ReadString(disk, file, L"setting-chs", L"item4"), caption);

  WriteBytes(file, std::string("\xFE\xFF\0[\0S\0]\0\n\0k\0=\x4E\x2D", 16));
  EXPECT_EQ(ReadString(disk, file, L"S", L"k"), L"中");

  WriteBytes(file, "[S]\r\nk=plain\r\n");
  ASSERT_FALSE(WriteString(disk, file, L"S", L"c", L"滚轮").failed());
  EXPECT_EQ(ReadString(disk, file, L"S", L"c"), L"滚轮");  // never stored as question marks
  EXPECT_EQ(ReadString(disk, file, L"S", L"k"), L"plain");
}

// How each key, section and buffer size reads is compared with the platform's own functions under Wine
// (the differential test); natively only what that comparison cannot see: a missing file, the parsed list.
TEST_F(IniStoreTest, MissingFileReadsEmptyAndSectionNamesParseFromTheCutBuffer) {
  EXPECT_EQ(ReadString(disk, folder / "absent.ini", L"Sec", L"Key1"), L"");
  WriteBytes(file, "k=pre\r\n[Sec]\r\n[ Other ]\r\n[sec]\r\n");
  EXPECT_EQ(ReadSectionNames(disk, file, 10), (std::vector<std::wstring>{L"Sec", L"Othe"}));
  EXPECT_EQ(ReadSectionNames(disk, file), (std::vector<std::wstring>{L"Sec", L"Other", L"sec"}));
}

TEST(ParseDecimal, ReadsLikeTheProgramsNumbers) {
  EXPECT_EQ(ParseDecimal(L"  42abc"), 42);
  EXPECT_EQ(ParseDecimal(L"-7"), -7);
  EXPECT_EQ(ParseDecimal(L"x1"), 0);
  EXPECT_EQ(ParseDecimal(L"99999999999999999999999"), 2147483647) << "the same on every platform";
  EXPECT_EQ(ParseDecimal(L"-99999999999999999999999"), -2147483648L);
}

TEST(TextEncoding, Utf8ConversionRejectsMalformedInput) {
  EXPECT_EQ(FromUtf8("a\xE4\xB8"), L"a\xFFFD");     // cut sequence
  EXPECT_EQ(FromUtf8("\xC0\xAF"), L"\xFFFD\xFFFD");  // overlong
  EXPECT_EQ(ToUtf8(FromUtf8("\xF0\x9F\x98\x80")), "\xF0\x9F\x98\x80");
}

// Lookups find the first entry of a name, ignoring case, also after edits that rename or clear sections:
// what a reader sees must be what a scan of the file from the top would find.
struct Lookup {
  std::wstring section;
  std::wstring key;
  std::optional<std::wstring> value;  // nullopt: the key is missing
};

struct LookupCase {
  const char* name;
  std::wstring text;
  std::function<void(IniDocument&)> edit;
  std::vector<Lookup> expected;
};

TEST(IniDocumentLookup, FindsTheFirstEntryOfEachNameThroughEveryEdit) {
  const auto none = [](IniDocument&) {};
  // Removals, shadowed duplicates and writes are compared with the platform's own functions under Wine
  // (the INI differential test); here what that comparison cannot reach.
  const std::vector<LookupCase> cases = {
      {"folded letters beyond ASCII", L"[ÄÖ Привет]\nΣΩ=1\nＡ=2\n", none,
       {{L"äö привет", L"σω", L"1"}, {L"ÄÖ ПРИВЕТ", L"ａ", L"2"}, {L"AO", L"a", std::nullopt}}},
      {"renaming the first section uncovers the next of its old name", L"[A]\nk=1\n[a]\nk=2\n",
       [](IniDocument& d) { ASSERT_TRUE(d.RenameSection(L"A", L"B")); },
       {{L"A", L"k", L"2"}, {L"b", L"k", L"1"}}},
      {"a cleared section keeps its place and takes new keys", L"[S]\nk=1\nk=2\n[S]\nk=3\n",
       [](IniDocument& d) {
         d.ClearKeys(L"S");
         ASSERT_TRUE(d.Set(L"S", L"m", L"4"));
       },
       {{L"S", L"k", std::nullopt}, {L"S", L"m", L"4"}}},
  };
  for (const LookupCase& c : cases) {
    SCOPED_TRACE(c.name);
    IniDocument doc = IniDocument::Parse(c.text, TextEncoding::Utf16LeBom);
    c.edit(doc);
    const IniDocument reread = IniDocument::Parse(doc.Serialize(), TextEncoding::Utf16LeBom);  // reads back the same
    for (const Lookup& lookup : c.expected) {
      SCOPED_TRACE(::testing::PrintToString(lookup.section) + " " + ::testing::PrintToString(lookup.key));
      EXPECT_EQ(doc.Contains(lookup.section, lookup.key), lookup.value.has_value());
      EXPECT_EQ(doc.Get(lookup.section, lookup.key, 1024), lookup.value.value_or(L""));
      EXPECT_EQ(reread.Get(lookup.section, lookup.key, 1024), lookup.value.value_or(L""));
    }
  }
}

}  // namespace
}  // namespace quendar::ini
