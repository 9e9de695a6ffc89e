// The application core over recording ports (Save, Reset, the notification icon, the start-up sequence, the
// host pointer settings) and the session over a scratch program folder and a simulated mouse.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>

#include "app_fakes.h"
#include "core/app/apply_commands.h"
#include "core/app/balloon.h"
#include "core/app/host_pointer_settings.h"
#include "core/app/startup_sequence.h"
#include "core/app/tray_commands.h"
#include "core/profiles/profile_record.h"
#include "core/ui/macro_manager/macro_manager_layout.h"
#include "core/ui/macro_manager/macro_manager_model.h"
#include "core/ui/profile_manager/profile_manager_model.h"
#include "session_fixture.h"

namespace quendar::app {
namespace {

class CommandsTest : public ::testing::Test {
 protected:
  test::RecordingPorts ports;
  ui::InterfaceLanguage language;
  ApplyCommands apply{ports, ports, ports, ports, ports, language};
  TrayCommands tray{ports, ports, ports, apply, language};
};

// Never "saved" when the files did not take the settings, never silent when the mouse did not; Reset
// sends the defaults, not the old settings. (Without the mouse nothing is sent: the session's test.)
TEST_F(CommandsTest, SaveAndResetTellWhatMissedTheMouseOrTheFiles) {
  const struct { bool reached, stored; const wchar_t* warning; } cases[] = {
      {true, true, nullptr},
      {false, true, L"The settings were saved but did not reach the mouse."},
      {true, false, L"The settings reached the mouse but were not saved."},
      {false, false, L"The settings were not saved and did not reach the mouse."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.reached * 2 + c.stored);
    ports.downloadFailure = c.reached ? std::nullopt : std::optional(device::DownloadFailure{1, {}});
    ports.stored = c.stored;
    ports.warnings.clear();
    ports.log.clear();
    apply.ApplyProfile();
    apply.ResetProfile();
    EXPECT_EQ(ports.log, (std::vector<std::string>{"download", "load defaults", "download"})) << "defaults first";
    const std::vector<std::wstring> expected = c.warning ? std::vector<std::wstring>(2, c.warning) : std::vector<std::wstring>{};
    EXPECT_EQ(ports.warnings, expected);
    EXPECT_EQ(apply.lastDownloadFailure(), ports.downloadFailure);
  }
}

// Every press counts once: presses queued while a download blocked the window meet the debounce flag.
TEST_F(CommandsTest, SaveSendsOncePerDebouncePeriod) {
  apply.OnSaveClicked();
  apply.OnSaveClicked();
  apply.OnTimer(AppTimer::ApplyDebounce);
  apply.OnSaveClicked();
  EXPECT_EQ(std::ranges::count(ports.log, std::string("download")), 2);
}

TEST_F(CommandsTest, LeftClicksShowTheWindowRightClickTheExitMenuOtherMessagesNothing) {
  ports.present = false;
  for (unsigned message : {kTrayLeftButtonUp, kTrayLeftDoubleClick, kTrayRightButtonUp, 0x200u, 0x201u, 0x204u, 0x206u})
    tray.OnTrayCallback(message);
  EXPECT_EQ(ports.Count("show"), 2);
  EXPECT_EQ(ports.Count("notice 15"), 2) << "each show without the mouse says so";
  EXPECT_EQ(ports.log.back(), "menu");
}

// The balloon of a stage switch is the demo program's test under Wine; here a failed read-back and the
// notices that must show nothing.
TEST_F(CommandsTest, StageBalloonsShowNoStaleValueAndOnlyStagesOneToSeven) {
  ports.stageReadFailure = device::ExchangeError{0x91, device::ExchangeStep::FetchReply, device::kTimeoutError};
  tray.OnDeviceNotice(kNoticeStageSwitched, 3);
  for (std::intptr_t stage : {0, 8, -1, 255}) tray.OnDeviceNotice(kNoticeStageSwitched, stage);
  tray.OnDeviceNotice(3, 0);
  EXPECT_EQ(ports.Count("read stages"), 5);
  ASSERT_EQ(ports.balloons.size(), 1u);
  EXPECT_EQ(ports.balloons[0].text, L"Switch CPI into the third stage ") << "a failed read-back shows no stale value";
}

TEST(CpiCodeText, LevelTableForSensorTypeThreeFixedListOtherwise) {
  const struct { std::uint8_t code, sensor; const wchar_t* text; } cases[] = {
      {0x0A, 3, L"1100"}, {49, 3, L"5000"}, {89, 3, L"5200"}, {50, 3, L""} /* 50..88 belong to no level */,
      {0x8A, 3, L""} /* a disabled stage */, {0x25, 0, L"2500"}, {0x0A, 0, L""}, {8, 4, L"2000"}, {0x29, 1, L""},
  };
  for (const auto& c : cases) EXPECT_EQ(CpiCodeText(c.code, c.sensor), c.text) << int(c.code) << " " << int(c.sensor);
}

TEST(BalloonText, NeverExceedsTheRecordFieldAndKeepsSurrogatePairsWhole) {
  EXPECT_EQ(FitToField(std::wstring(300, L'x'), kBalloonTextCapacity).size(), 255u);
  std::wstring pairAtEdge(254, L'x');
  pairAtEdge += L"\xD83D\xDDB1tail";
  EXPECT_EQ(FitToField(pairAtEdge, kBalloonTextCapacity), std::wstring(254, L'x'));
  EXPECT_EQ(FitToField(L"abc", 0), L"");
}

// The main dialog's initialisation. A start with and without the mouse, and a refused reader event, are
// the demo program's tests under Wine; here a refused device-notice registration, which stops the start
// after the reader was released, and the profile's language code.
TEST(StartupSequenceTest, ARefusedNoticeRegistrationStopsTheStartWithItsMessage) {
  for (const bool registered : {true, false}) {
    test::RecordingPorts ports;
    ports.noticesRegistered = registered;
    ports.languageCode = L"CHS";
    ui::InterfaceLanguage language;
    EXPECT_EQ(RunStartupSequence(ports, ports, ports, language), registered);
    EXPECT_EQ(ports.Count("release reader"), 1);
    EXPECT_EQ(ports.Count("tray icon"), registered ? 1 : 0);
    EXPECT_EQ(ports.messages, registered ? std::vector<std::wstring>{}
                                         : std::vector<std::wstring>{L"RegisterDeviceNotification failed!!!"});
    EXPECT_EQ(ports.mainPageDrawn, registered);
    if (registered) {
      EXPECT_EQ(language.settingsSection(), L"Setting-CHS") << "the profile's language code is used";
    }
  }
}

// The host settings a profile carries, as the values of the platform calls they become, and the
// warning of a refused setting.
TEST(HostPointerCalls, ValuesAtTheEdgesOfEachSetting) {
  const struct {
    std::uint8_t precision, speed, oneScreen, lines, doubleClick;
    std::size_t call;  // 0 mouse (precision), 1 speed, 2 scroll lines, 3 double-click time
    std::uint64_t value;
    const char* why;
  } cases[] = {
      {1, 6, 0, 3, 6, 0, 1, "precision on: the triple's third value"},
      {2, 6, 0, 3, 6, 0, 0, "only 1 switches precision on"},
      {0, 1, 0, 3, 6, 1, 1, ""},
      {0, 11, 0, 3, 6, 1, 20, ""},
      {0, 12, 0, 3, 6, 1, 22, "beyond the platform's 1..20: its refusal warns"},
      {0, 6, 0, 7, 6, 2, 7, ""},
      {0, 6, 1, 7, 6, 2, 0xFFFFFFFFu, "one screen per notch whatever the lines"},
      {0, 6, 0, 3, 1, 3, 900, ""},
      {0, 6, 0, 3, 7, 3, 480, ""},
      {0, 6, 0, 3, 200, 3, 130, "a damaged byte must not wrap to a huge time"},
  };
  for (const auto& c : cases) {
    profiles::ProfileRecord record;
    record.PointerPrecision() = c.precision;
    record.PointerSpeed() = c.speed;
    record.ScrollOneScreen() = c.oneScreen;
    record.ScrollLines() = c.lines;
    record.DoubleClickSpeed() = c.doubleClick;
    const auto calls = HostPointerCalls(profiles::HostSettingsFrom(record));
    const SystemParameterCall& call = calls[c.call];
    const std::uint64_t value = c.call == 0 ? static_cast<std::uint64_t>(call.triple[2])
                                : c.call == 1 ? call.value
                                              : call.uiParam;
    EXPECT_EQ(value, c.value) << &c - cases << " " << c.why;
  }
}

TEST(ApplyHostPointerSettings, ARefusedSettingWarnsAndTheRestStillRuns) {
  for (SpiAction refused : {SpiAction::SetMouse, SpiAction::SetMouseSpeed, SpiAction::SetWheelScrollLines,
                            SpiAction::SetDoubleClickTime}) {
    test::RecordingPorts ports;
    ports.refusedAction = refused;
    EXPECT_EQ(ApplyHostPointerSettings(ports.hostSettings, ports, ports), 1);
    ASSERT_EQ(ports.spiCalls.size(), 4u);
    const auto call = std::ranges::find(ports.spiCalls, refused, &SystemParameterCall::action);
    ASSERT_NE(call, ports.spiCalls.end());
    EXPECT_EQ(ports.warnings, std::vector<std::wstring>{std::wstring(call->failureWarning)});
  }
}

// Every operation that writes one of the user's files, under every fault the disk can show: a refused
// read, a refused temporary file, a full disk, a refused final replace. Whatever fails, nothing the user
// had is lost (each file keeps its bytes, or a damaged-looking one is kept aside whole) and the user is
// told, naming the file.
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
      const auto before = quendar::testing::FolderBytes(folder_.path());
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

// The session over the installed profile files in a scratch folder and a simulated mouse: what Save,
// Reset and Cancel do to the files, the record and the mouse where the demo program cannot show it.
class AppSessionTest : public test::SessionTest {
 protected:
  // The start-up part that matters here: the mouse, the profile and its snapshot.
  void Start(bool withMouse) {
    if (withMouse) {
      ASSERT_TRUE(machine_.link.DiscoverDevice());
      session_->ConnectSequence();
    }
    session_->LoadProfile();
    session_->SnapshotRecord();
    session_->ReadProfileTexts();
    mouse_->ClearWireLog();
  }
};

// A Save refused at the first packet left nothing new on the mouse, so it claims no mix of old and new
// settings. (A Save that stops part-way, and edits that survive an arrival, are the demo's tests under
// Wine.)
TEST_F(AppSessionTest, ASaveRefusedAtOnceClaimsNoMixAndStillStoresTheFiles) {
  Start(true);
  const std::uint8_t edited = record().SensitivityX() == 6 ? 7 : 6;
  record().SensitivityX() = edited;
  mouse_->InjectFault(sim::Fault::RejectedPacket, 1, 0);
  session_->apply().OnSaveClicked();
  EXPECT_FALSE(session_->apply().mouseHoldsPartOfTheSettings());
  EXPECT_EQ(ports_.warnings, std::vector<std::wstring>{L"The settings were saved but did not reach the mouse."});
  EXPECT_EQ(ReadBytes(folder_ / "config0.bin").at(1 + 0x3D), edited);
}

// Reset's rule (defaults but the macros and number) is the profile files' test; here that a session
// without the mouse sends, stores and snapshots nothing for either button.
TEST_F(AppSessionTest, WithoutTheMouseSaveAndResetTouchNeitherTheMouseNorTheFiles) {
  Start(false);
  record().SensitivityX() = 1;
  const auto savedBefore = session_->state().savedRecord;
  const auto stored = ReadBytes(folder_ / "config0.bin");
  session_->apply().OnSaveClicked();
  session_->apply().ResetProfile();
  EXPECT_NE(record().SensitivityX(), 1) << "the defaults were loaded";
  EXPECT_EQ(PacketsSent(), 0);
  EXPECT_EQ(ReadBytes(folder_ / "config0.bin"), stored);
  EXPECT_TRUE(ports_.spiCalls.empty());
  EXPECT_EQ(session_->state().savedRecord, savedBefore) << "no snapshot without an apply";
}

// Reloading on the next show after a Cancel is the demo program's Save test under Wine.
TEST_F(AppSessionTest, CancelRestoresTheSnapshotExactly) {
  Start(true);
  const auto snapshot = session_->state().savedRecord;
  for (std::size_t i = 0; i < profiles::kRecordSize; i += 3) record().bytes()[i] ^= 0x5A;
  session_->apply().CancelEdits();
  EXPECT_EQ(record(), snapshot);
}

}  // namespace
}  // namespace quendar::app
