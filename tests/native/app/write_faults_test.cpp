// Every operation that writes one of the user's files, under every fault the disk can show: a refused
// read, a refused temporary file, a full disk, a refused final replace. Whatever fails, nothing the user
// had is lost (each file keeps its bytes, or a damaged-looking one is kept aside whole) and the user is
// told, naming the file.
#include <gtest/gtest.h>

#include <functional>
#include <map>

#include "core/ui/macro_manager/macro_manager_layout.h"
#include "core/ui/macro_manager/macro_manager_model.h"
#include "core/ui/profile_manager/profile_manager_model.h"
#include "session_fixture.h"

namespace quendar::app {
namespace {

namespace fs = std::filesystem;
using quendar::testing::Fault;
using quendar::testing::ReadBytes;

class AlwaysInstalls : public ui::macro_manager::RecordingHook {
 public:
  std::optional<std::uint32_t> Install() override { return std::nullopt; }
  void Remove() override {}
};

ui::Point Centre(ui::Rect r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

class WriteFaultsTest : public test::SessionTest {
 protected:
  void FreshLoaded() {
    Fresh();
    fs::create_directories(folder_ / "elsewhere");
    session_->LoadProfile();
    session_->ReadProfileTexts();
    session_->messages().Take();
    ports_.warnings.clear();
    host_.answers.clear();
  }

  std::map<fs::path, std::vector<unsigned char>> Snapshot() const {
    std::map<fs::path, std::vector<unsigned char>> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder_.path())) {
      if (entry.is_regular_file()) files[entry.path()] = ReadBytes(entry.path());
    }
    return files;
  }

  // Every file keeps its bytes, or (a data file the program could not read) they are kept aside whole.
  void ExpectNothingLost(const std::map<fs::path, std::vector<unsigned char>>& before, const std::string& where) {
    for (const auto& [file, bytes] : before) {
      if (fs::exists(file) && ReadBytes(file) == bytes) continue;
      fs::path aside = file;
      aside += ".unreadable";
      EXPECT_TRUE(fs::exists(aside) && ReadBytes(aside) == bytes) << where << ": lost " << file;
    }
  }

  bool ToldAboutAFile() {
    return std::ranges::any_of(session_->messages().Take(), [&](const UserMessage& m) {
      return m.text.find(folder_.path().wstring()) != std::wstring::npos;
    });
  }
};

TEST_F(WriteFaultsTest, NothingIsLostAndTheUserIsToldWhateverTheDiskRefuses) {
  ASSERT_TRUE(machine_.link.DiscoverDevice());
  struct Operation {
    const char* name;
    std::function<bool()> run;  // true when the user was told
  };
  const fs::path exported = folder_ / "elsewhere" / "mine.bin";
  const std::vector<Operation> operations{
      {"Save", [&] { session_->apply().ApplyProfile(); return ToldAboutAFile() && !ports_.warnings.empty(); }},
      {"Reset", [&] { session_->apply().ResetProfile(); return ToldAboutAFile(); }},
      {"import",
       [&] {
         host_.answers.push_back(folder_ / "config3.bin");
         session_->ImportProfile(1);
         return ToldAboutAFile();
       }},
      {"export",
       [&] {
         host_.answers.push_back(exported);
         session_->ExportProfile();
         return ToldAboutAFile();
       }},
      {"caption write",
       [&] {
         session_->state().firstRunFlag = 0;
         session_->ApplyFirstRunCaptions();
         return ToldAboutAFile();
       }},
      {"macro store: new, delete, rename, loop count, OK",
       [&] {
         macros::MacroStore store(disk_, folder_ / "record.ini");
         macros::MacroSession macroSession;
         AlwaysInstalls hook;
         ui::macro_manager::MacroManagerModel model(store, macroSession, hook, ui::LanguageClass::English);
         int told = 0;
         const auto tell = [&](const ui::macro_manager::Effects& e) {
           told += e.notice && e.notice->text.find(L"record.ini") != std::wstring::npos;
           return e;
         };
         tell(model.Open());
         tell(model.Click(Centre(ui::macro_manager::kNewRect)));
         tell(model.SelectMacro(0));
         tell(model.EditEnded({0, ui::EditTarget::MacroName, true, L"Renamed"}));
         tell(model.LoopTimesChanged(L"5"));
         tell(model.Click(Centre(ui::macro_manager::kRecordRect)));
         tell(model.KeyEvent(macros::KeyEventKind::Press, 10));
         tell(model.Click(Centre(ui::macro_manager::kRecordRect)));
         const bool selected = model.state().SelectedName() != nullptr;
         const auto ok = tell(model.Click(Centre(ui::macro_manager::kOkRect)));
         if (selected) {
           EXPECT_FALSE(ok.end.has_value()) << "OK after a failed store write keeps the dialog open";
         }
         tell(model.Click(Centre(ui::macro_manager::kDeleteRect)));
         return told > 0;
       }},
      {"profile list",
       [&] {
         ui::profile_manager::ProfileManagerModel manager(disk_, folder_ / "str.ini", ui::LanguageClass::English,
                                                           session_->state().currentProfileIndex);
         manager.Open();
         manager.OnNew();
         const auto effects = manager.OnClose();
         return std::ranges::any_of(effects, [](const ui::profile_manager::Effect& e) {
           return std::holds_alternative<ui::profile_manager::ShowWarning>(e);
         });
       }},
  };
  for (const Fault fault : {Fault::RefuseRead, Fault::RefuseCreate, Fault::DiskFull, Fault::RefuseReplace}) {
    for (const Operation& operation : operations) {
      const std::string where = std::string(operation.name) + " under fault " + std::to_string(int(fault));
      FreshLoaded();
      session_->state().record.SensitivityX() = 3;  // something to store
      const auto before = Snapshot();
      disk_.Arm(fault);
      const bool told = operation.run();
      const int fired = disk_.faultsFired();
      disk_.Arm(Fault::None);
      ExpectNothingLost(before, where);
      // An operation that never met the fault (an export reads nothing) has nothing to tell.
      EXPECT_EQ(told, fired > 0) << where << ": faults met " << fired;
    }
  }
}

}  // namespace
}  // namespace quendar::app
