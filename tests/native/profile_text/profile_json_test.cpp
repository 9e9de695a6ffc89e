// The profile document: export then import gives the file's bytes back, and every wrong value is
// refused with its JSON path and what is allowed there.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "core/ini/ini_document.h"
#include "core/ini/ini_store.h"
#include "core/keys/profile_buttons.h"
#include "core/macros/macro_block.h"
#include "core/profile_text/json_layout.h"
#include "core/profile_text/profile_json.h"
#include "platform/platform_file_system.h"

namespace quendar::profile_text {
namespace {

using nlohmann::ordered_json;
using ::testing::HasSubstr;

ProfileDocument InstalledDefault(const std::string& suffix) {
  const std::filesystem::path folder = QUENDAR_RUNTIME_DIR;
  platform::PlatformFileSystem disk;
  const profiles::DataFileRead read = profiles::ReadDataFile(disk, folder / ("config" + suffix + ".bin"));
  EXPECT_EQ(read.status, profiles::DataFileStatus::Loaded) << suffix;
  ProfileDocument document{read.contents, {}};
  const ini::IniDocument ini = ini::IniDocument::Load(disk, folder / ("str" + suffix + ".ini"));
  for (std::size_t b = 0; b < profiles::kButtonCount; ++b) {
    document.captions[b] = ini.Get(L"Setting-EN", profiles::CaptionKey(b), ini::kValueBufferChars);
  }
  return document;
}

// What import gives back for what export made of `document`, through the JSON text.
ProfileDocument RoundTrip(const ProfileDocument& document, ordered_json* exportedOut = nullptr) {
  const ExportResult exported = ExportProfile(document);
  EXPECT_THAT(exported.errors, ::testing::IsEmpty());
  const ordered_json reread = ordered_json::parse(LayOutJson(exported.json));
  if (exportedOut) *exportedOut = reread;
  const ImportResult imported = ImportProfile(reread, std::nullopt);
  EXPECT_THAT(imported.errors, ::testing::IsEmpty());
  return imported.document.value_or(ProfileDocument{});
}

// As the program saves it: every function a button can take besides the defaults', twelve macros of
// every delay form, button choices the other functions remember, and a non-zero reserved run.
ProfileDocument EveryKindProfile() {
  ProfileDocument document = InstalledDefault("2");
  auto& record = document.contents.record;
  document.contents.firstRunFlag = 1;
  using keys::FunctionType;
  const auto set = [&](std::size_t b, FunctionType type, auto&& edit) {
    keys::ButtonAssignment a = keys::ButtonAssignments(record)[b];
    a.functionType = static_cast<std::uint8_t>(type);
    edit(a);
    keys::StoreButtonAssignment(record, b, a);
  };
  set(0, FunctionType::IeForward, [](auto&) {});
  set(1, FunctionType::IeBackward, [](auto&) {});
  set(2, FunctionType::DoubleClick, [](auto&) {});
  set(3, FunctionType::CpiCycle, [](auto& a) { a.cpiChoice = 3; });
  set(4, FunctionType::Multimedia, [](auto& a) { a.mediaUsage = 0xE9; });
  set(5, FunctionType::HotKey, [](auto& a) { a.hotkeyLetter = 0x19; });
  set(6, FunctionType::Windows, [](auto& a) { a.windowsChoice = 5; });
  set(7, FunctionType::SingleKey, [](auto& a) { a.singleKey = 0x3E; });
  set(8, FunctionType::ComboKey, [](auto& a) { a.comboModifier = 0x02, a.comboKey1 = 0x04, a.comboKey2 = 0; });
  set(9, FunctionType::MacroKey, [](auto& a) { a.macroIndex = 11, a.macroRepeatMode = 2; });
  set(10, FunctionType::MacroKey, [](auto& a) { a.macroIndex = 0, a.macroRepeatMode = 1; });
  set(11, FunctionType::ScrollSelect, [](auto& a) { a.scrollChoice = 2; });
  document.captions[9] = L"Macro Key-Burst";

  std::vector<macros::StoredMacro> macros;
  for (long k = 0; k < 12; ++k) {
    const std::wstring items[] = {L"L-Button   Dn", std::to_wstring(10 * k) + L" ms", L"Shift   Dn", L"1300 ms",
                                  L"A   Up", std::to_wstring(26000 + 700 * k) + L" ms", L"Num Enter   Up", L"40 ms"};
    auto& macro = macros.emplace_back(macros::StoredMacro{L"m" + std::to_wstring(k), true, k != 0, k + 1, 8, {}});
    for (long i = 0; i < 8; ++i) macro.items[i] = items[i];
  }
  const macros::EncodedTable table = macros::EncodeMacroTable(macros);
  std::copy(table.table.begin(), table.table.end(), record.MacroTable().begin());
  record.Field({"", 0x087, 36})[5] = 0x5A;
  return document;
}

// An installed profile and its captions through export and import is quendarctl's test on Linux.
TEST(ProfileJson, OneWithEveryFunctionAndTwelveMacrosComesBackByteForByte) {
  const ProfileDocument original = EveryKindProfile();
  ordered_json json;
  const ProfileDocument back = RoundTrip(original, &json);
  EXPECT_EQ(profiles::EncodeDataFile(back.contents.firstRunFlag, back.contents.record),
            profiles::EncodeDataFile(original.contents.firstRunFlag, original.contents.record));

  // Read as words, and the captions made from them where the file had none.
  EXPECT_EQ(json["buttons"][4]["choice"], "Volume Up");
  EXPECT_EQ(json["buttons"][8]["key1"], "A");
  EXPECT_EQ(json["buttons"][9]["name"], "Burst");
  EXPECT_EQ(json["buttons"][9]["repeat"], "while-held");
  EXPECT_EQ(json["macros"][3]["loops"], 4);
  EXPECT_EQ(json["macros"][3]["items"][5], "28100 ms");
  ordered_json withoutCaptions = json;
  for (auto& button : withoutCaptions["buttons"]) button.erase("caption");
  const ImportResult recaptioned = ImportProfile(withoutCaptions, std::nullopt);
  ASSERT_TRUE(recaptioned.document);
  EXPECT_EQ(recaptioned.document->captions[4], L"Volume Up");
  EXPECT_EQ(recaptioned.document->captions[8], L"Combo Key-Left Shift+A");
  EXPECT_EQ(recaptioned.document->captions[9], L"Macro Key-Burst");
}

// A report rate refused is quendarctl's import test on Linux; one case per kind of check here.
TEST(ProfileJson, InvalidDocumentsAreRefusedWithThePathAndTheAllowedValues) {
  const struct {
    const char* pointer;  // the member changed (a JSON pointer)
    const char* value;    // its new value as JSON; null removes it
    const char* message;  // expected in the import's first error
  } cases[] = {
      {"/cpiStages/2/cpi", "450", "/cpiStages/2/cpi: 450 is not a CPI value of the mouse; allowed: 200..5000"},
      {"/cpiStages/0/colour", "\"red\"", "/cpiStages/0/colour: \"red\" is not a colour; allowed: \"#RRGGBB\""},
      {"/cpiStages/6", nullptr, "/cpiStages: "},
      {"/buttonLight", "1", "/buttonLight: 1 is not allowed; allowed: true or false"},
      {"/lighting/effect", "\"Disco\"", "/lighting/effect: \"Disco\" is not allowed; allowed: 'Single color'"},
      {"/host", nullptr, "/host: missing; it is required unless the file is built --from a base file"},
      {"/buttons/8/function", "\"Teleport\"", "/buttons/8/function: \"Teleport\" is not a function; allowed: 'Click', 'Menu'"},
      {"/buttons/3/choice", "\"CPI Sideways\"", "/buttons/3/choice: \"CPI Sideways\" is not a choice of this function"},
      {"/buttons/8/modifier", "\"Hyper\"", "/buttons/8/modifier: \"Hyper\" is not a modifier; allowed: 'Left Ctrl'"},
      {"/buttons/7/key", "\"Any\"", "/buttons/7/key: \"Any\" is not a key name"},
      {"/buttons/0/colour", "\"#FFFFFF\"", "/buttons/0/colour: unknown member; allowed: button, function"},
      {"/macros/0/items/2", "\"Hyper   Dn\"", "/macros/0/items/2: 'Hyper' is not a key a macro can send; allowed: \"<key>   Dn\""},
      {"/macros/0/items/1", "\"soon\"", "/macros/0/items/1: 'soon' is neither a key event nor a delay"},
      {"/macros/1/loops", "0", "/macros/1/loops: 0 is not allowed; allowed: an integer 1..65535"},
      {"/format", "\"other\"", "/format: \"other\" is not a format this program reads"},
  };
  const ordered_json valid = ExportProfile(EveryKindProfile()).json;
  for (const auto& c : cases) {
    ordered_json document = valid;
    const ordered_json::json_pointer pointer(c.pointer);
    ordered_json& parent = document[pointer.parent_pointer()];
    if (c.value) document[pointer] = ordered_json::parse(c.value);
    else if (parent.is_array()) parent.erase(std::stoul(pointer.back()));
    else parent.erase(pointer.back());
    const ImportResult result = ImportProfile(document, std::nullopt);
    EXPECT_FALSE(result.document) << c.pointer;
    ASSERT_THAT(result.errors, ::testing::Not(::testing::IsEmpty())) << c.pointer;
    EXPECT_THAT(result.errors.front(), HasSubstr(c.message)) << c.pointer;
  }
}

TEST(ProfileJson, ABaseFileFillsInWhatTheDocumentLeavesOutAndAFullMacroBlockIsRefused) {
  const ProfileDocument base = EveryKindProfile();
  const ImportResult partial = ImportProfile(ordered_json::parse(R"({"host": {"scrollLines": 9}})"), base);
  ASSERT_THAT(partial.errors, ::testing::IsEmpty());
  ProfileDocument expected = base;
  expected.contents.record.ScrollLines() = 9;
  EXPECT_EQ(partial.document->contents.record, expected.contents.record);

  ordered_json tooLong = ordered_json::parse(R"({"macros": [{"items": []}, null, null, null, null, null, null, null, null, null, null, null]})");
  for (int i = 0; i < 70; ++i) tooLong["macros"][0]["items"].push_back("A   Dn");
  const ImportResult refused = ImportProfile(tooLong, base);
  ASSERT_THAT(refused.errors, ::testing::Not(::testing::IsEmpty()));
  EXPECT_THAT(refused.errors.front(), HasSubstr("/macros/0/items: the events do not fit the mouse's 128-byte macro block"));
}

}  // namespace
}  // namespace quendar::profile_text
