// Lookups find the first entry of a name, ignoring case, also after edits that remove, shadow or rename
// entries: what a reader sees must be what a scan of the file from the top would find.
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/ini/ini_document.h"

namespace quendar::ini {
namespace {

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
  const std::vector<LookupCase> cases = {
      {"first key and first section win", L"[S]\nk=1\nK=2\n[s]\nk=3\nonly=4\n", none,
       {{L"S", L"k", L"1"}, {L"s", L" K ", L"1"}, {L" s ", L"only", std::nullopt}}},
      {"folded letters beyond ASCII", L"[ÄÖ Привет]\nΣΩ=1\nＡ=2\n", none,
       {{L"äö привет", L"σω", L"1"}, {L"ÄÖ ПРИВЕТ", L"ａ", L"2"}, {L"AO", L"a", std::nullopt}}},
      {"the nameless preamble answers the empty section name", L"top=1\n[ ]\ntop=2\n", none,
       {{L"", L"top", L"1"}}},
      {"removing a key uncovers the next of its name", L"[S]\nk=1\nx=9\nk=2\n",
       [](IniDocument& d) { d.RemoveKey(L"S", L"K"); },
       {{L"S", L"k", L"2"}, {L"S", L"x", L"9"}}},
      {"removing a key looks in later sections of the name", L"[S]\na=1\n[T]\nk=0\n[s]\nk=2\nz=3\n",
       [](IniDocument& d) { d.RemoveKey(L"S", L"k"); },
       {{L"S", L"a", L"1"}, {L"T", L"k", L"0"}, {L"S", L"k", std::nullopt}}},
      {"removing a section uncovers the next of its name", L"[S]\nk=1\n[T]\nt=5\n[S]\nk=2\n",
       [](IniDocument& d) { d.RemoveSection(L"s"); },
       {{L"S", L"k", L"2"}, {L"T", L"t", L"5"}}},
      {"renaming the first section uncovers the next of its old name", L"[A]\nk=1\n[a]\nk=2\n",
       [](IniDocument& d) { ASSERT_TRUE(d.RenameSection(L"A", L"B")); },
       {{L"A", L"k", L"2"}, {L"b", L"k", L"1"}}},
      {"setting changes the first entry and appends what is missing", L"[S]\nk=1\nk=2\n",
       [](IniDocument& d) {
         ASSERT_TRUE(d.Set(L"S", L"K", L"changed"));
         ASSERT_TRUE(d.Set(L"S", L"new", L"n"));
         ASSERT_TRUE(d.Set(L"New", L"k", L"s"));
       },
       {{L"S", L"k", L"changed"}, {L"s", L"NEW", L"n"}, {L"new", L"k", L"s"}}},
      {"a cleared section keeps its place and takes new keys", L"[S]\nk=1\nk=2\n[S]\nk=3\n",
       [](IniDocument& d) {
         d.ClearKeys(L"S");
         ASSERT_TRUE(d.Set(L"S", L"m", L"4"));
       },
       {{L"S", L"k", std::nullopt}, {L"S", L"m", L"4"}}},
      {"edits after a removal see the moved positions", L"[S]\na=1\nb=2\nc=3\n",
       [](IniDocument& d) {
         d.RemoveKey(L"S", L"a");
         ASSERT_TRUE(d.Set(L"S", L"c", L"30"));
         d.RemoveSection(L"nothing");
         ASSERT_TRUE(d.Set(L"T", L"t", L"1"));
         d.RemoveSection(L"S");
         ASSERT_TRUE(d.Set(L"T", L"u", L"2"));
       },
       {{L"S", L"c", std::nullopt}, {L"T", L"t", L"1"}, {L"T", L"u", L"2"}}},
  };
  for (const LookupCase& c : cases) {
    SCOPED_TRACE(c.name);
    IniDocument doc = IniDocument::Parse(c.text, TextEncoding::Utf16LeBom);
    c.edit(doc);
    for (const Lookup& lookup : c.expected) {
      SCOPED_TRACE(testing::PrintToString(lookup.section) + " " + testing::PrintToString(lookup.key));
      EXPECT_EQ(doc.Contains(lookup.section, lookup.key), lookup.value.has_value());
      EXPECT_EQ(doc.Get(lookup.section, lookup.key, 1024), lookup.value.value_or(L""));
    }
    // What was written reads back the same.
    const IniDocument reread = IniDocument::Parse(doc.Serialize(), TextEncoding::Utf16LeBom);
    for (const Lookup& lookup : c.expected) {
      EXPECT_EQ(reread.Get(lookup.section, lookup.key, 1024), lookup.value.value_or(L""));
    }
  }
}

}  // namespace
}  // namespace quendar::ini
