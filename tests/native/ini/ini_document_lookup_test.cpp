// Lookups find the first entry of a name, ignoring case, also after edits that rename or clear sections:
// what a reader sees must be what a scan of the file from the top would find.
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
      SCOPED_TRACE(testing::PrintToString(lookup.section) + " " + testing::PrintToString(lookup.key));
      EXPECT_EQ(doc.Contains(lookup.section, lookup.key), lookup.value.has_value());
      EXPECT_EQ(doc.Get(lookup.section, lookup.key, 1024), lookup.value.value_or(L""));
      EXPECT_EQ(reread.Get(lookup.section, lookup.key, 1024), lookup.value.value_or(L""));
    }
  }
}

}  // namespace
}  // namespace quendar::ini
