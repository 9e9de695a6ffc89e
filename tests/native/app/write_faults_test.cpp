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

struct AlwaysInstalls : ui::macro_manager::RecordingHook {
  std::optional<std::uint32_t> Install() override { return std::nullopt; }
  void Remove() override {}
};

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
  const auto told = [&](auto run) { return [this, run] { run(); return ToldAboutAFile(); }; };
  const std::vector<Operation> operations{
      {"Save", [&] { session_->apply().ApplyProfile(); return ToldAboutAFile() && !ports_.warnings.empty(); }},
      {"Reset", told([&] { session_->apply().ResetProfile(); })},
      {"import", told([&] { host_.answers.push_back(folder_ / "config3.bin"); session_->ImportProfile(1); })},
      {"export", told([&] { host_.answers.push_back(exported); session_->ExportProfile(); })},
      {"caption write", told([&] { session_->state().firstRunFlag = 0; session_->ApplyFirstRunCaptions(); })},
      {"macro store: new, rename, loop count, record, OK, delete",
       [&] {
         macros::MacroStore store(disk_, folder_ / "record.ini");
         macros::MacroSession macroSession;
         AlwaysInstalls hook;
         namespace mm = ui::macro_manager;
         mm::MacroManagerModel model(store, macroSession, hook, ui::LanguageClass::English);
         int notices = 0;
         const auto tell = [&](const mm::Effects& e) {
           notices += mm::Find<mm::Notice>(e) && mm::Find<mm::Notice>(e)->text.find(L"record.ini") != std::wstring::npos;
           return e;
         };
         // A braced list runs its calls in order.
         for (const mm::Effects& e : {model.Open(), model.Click(mm::kNewRect.Centre()), model.SelectMacro(0),
                                      model.EditEnded({0, ui::EditTarget::MacroName, true, L"Renamed"}),
                                      model.LoopTimesChanged(L"5"), model.Click(mm::kRecordRect.Centre()),
                                      model.KeyEvent(macros::KeyEventKind::Press, 10), model.Click(mm::kRecordRect.Centre())})
           tell(e);
         const bool selected = model.state().SelectedName() != nullptr;
         const auto ok = tell(model.Click(mm::kOkRect.Centre()));
         if (selected) {
           EXPECT_FALSE(mm::Find<mm::DialogEnd>(ok).has_value()) << "OK after a failed store write keeps the dialog open";
         }
         tell(model.Click(mm::kDeleteRect.Centre()));
         return notices > 0;
       }},
      {"profile list",
       [&] {
         namespace pm = ui::profile_manager;
         pm::ProfileManagerModel manager(disk_, folder_ / "str.ini", ui::LanguageClass::English,
                                         session_->state().currentProfileIndex);
         manager.Open();
         manager.OnNew();
         return std::ranges::any_of(manager.OnClose(), [](const pm::Effect& e) { return std::holds_alternative<pm::ShowWarning>(e); });
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
