// The session over the real profile files (the installed defaults, copied into a scratch folder) and a
// simulated mouse: what Save, Reset, Cancel and the stage balloon do to the files, the record, the
// mouse and the host settings.
#include "core/app/app_session.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app_fakes.h"
#include "native/device/sim_machine.h"
#include "native/ini/temp_folder.h"
#include "native/profiles/fake_host.h"
#include "platform/platform_file_system.h"

namespace quendar::app {
namespace {

namespace fs = std::filesystem;

std::vector<std::uint8_t> Bytes(const profiles::ProfileRecord& record) {
  return {record.bytes().begin(), record.bytes().end()};
}

using quendar::testing::ReadBytes;

class AppSessionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const auto& entry : fs::directory_iterator(QUENDAR_RUNTIME_DIR)) {
      if (entry.is_regular_file()) fs::copy_file(entry.path(), folder_ / entry.path().filename());
    }
    session_ = std::make_unique<AppSession>(
        AppSession::Dependencies{machine_.link, disk_, host_, ports_, ports_, ports_, language_, [this] { ++reminders_; }},
        folder_ / L"QUENDAR 2017.exe");
  }

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

  int PacketsSent() const {
    int count = 0;
    for (const auto& entry : mouse_->WireLog()) count += entry.kind == sim::WireKind::FeatureOut;
    return count;
  }

  profiles::ProfileRecord& record() { return session_->state().record; }

  quendar::testing::TempFolder folder_;
  quendar::testing::FakeHost host_;
  platform::PlatformFileSystem disk_;
  test::RecordingPorts ports_;
  ui::InterfaceLanguage language_;
  int reminders_ = 0;
  device::testing::SimMachine machine_;
  std::shared_ptr<sim::SimulatedMouse> mouse_ = machine_.mouse;
  std::unique_ptr<AppSession> session_;
};

TEST_F(AppSessionTest, SaveSendsTheProfileStoresItSnapshotsAndAppliesHostSettings) {
  Start(true);
  record().PointerSpeed() = 11;
  record().SensitivityX() = 7;
  session_->apply().OnSaveClicked();

  EXPECT_EQ(PacketsSent(), 31);
  const auto stored = ReadBytes(folder_ / "config0.bin");
  ASSERT_EQ(stored.size(), 1840u);
  EXPECT_EQ(stored[0], 1) << "the flag of a saved profile";
  EXPECT_TRUE(std::equal(record().bytes().begin(), record().bytes().end(), stored.begin() + 1));
  EXPECT_EQ(session_->state().savedRecord.bytes()[0x3D], 7);
  ASSERT_EQ(ports_.spiCalls.size(), 4u);
  EXPECT_EQ(ports_.spiCalls[1].value, 20u);
  EXPECT_TRUE(host_.messages.empty());
}

TEST_F(AppSessionTest, SaveThatDoesNotReachTheMouseStillStoresTheFilesAndSaysSo) {
  Start(true);
  record().SensitivityX() = 9;
  mouse_->InjectFault(sim::Fault::RejectedPacket, 1, 16);
  session_->apply().OnSaveClicked();

  EXPECT_EQ(PacketsSent(), 17);
  EXPECT_EQ(ReadBytes(folder_ / "config0.bin").at(1 + 0x3D), 9);
  ASSERT_TRUE(session_->apply().lastDownloadFailure().has_value());
  EXPECT_EQ(session_->apply().lastDownloadFailure()->exchange, 17);
  EXPECT_TRUE(session_->apply().mouseHoldsPartOfTheSettings());
  // Refused at the first packet, nothing of the new settings is on the mouse.
  session_->apply().OnTimer(AppTimer::ApplyDebounce);
  mouse_->InjectFault(sim::Fault::RejectedPacket, 1, 0);
  session_->apply().OnSaveClicked();
  EXPECT_FALSE(session_->apply().mouseHoldsPartOfTheSettings());
  EXPECT_EQ(ports_.warnings.back(), L"The settings were saved but did not reach the mouse.");
}

// Edits made while the mouse was away survive its arrival and go out with the next Save; a Save that
// stopped part-way says the mouse holds a mix, and says it again when the mouse comes back.
TEST_F(AppSessionTest, AnArrivalKeepsUnsavedEditsAndAPartlySentSaveSaysSo) {
  Start(false);
  const auto stored = ReadBytes(folder_ / "config0.bin");
  const std::uint8_t edited = stored.at(1 + 0x3D) == 6 ? 7 : 6;
  record().SensitivityX() = edited;
  session_->apply().OnSaveClicked();  // nothing without the mouse
  session_->apply().OnTimer(AppTimer::ApplyDebounce);
  ASSERT_TRUE(machine_.link.DiscoverDevice());
  session_->RunConnectionSteps();
  EXPECT_EQ(record().SensitivityX(), edited);
  EXPECT_EQ(ReadBytes(folder_ / "config0.bin"), stored);
  EXPECT_TRUE(session_->messages().Take().empty());

  const std::wstring partly =
      L"Only part of the settings reached the mouse: it now holds some of the new settings and some of the old. "
      L"Click Save to send them all again.";
  mouse_->InjectFault(sim::Fault::RejectedPacket, 1, 5);
  session_->apply().OnSaveClicked();
  session_->apply().OnTimer(AppTimer::ApplyDebounce);
  EXPECT_EQ(ports_.warnings, std::vector<std::wstring>{partly});
  EXPECT_EQ(ReadBytes(folder_ / "config0.bin").at(1 + 0x3D), edited);
  session_->RunConnectionSteps();
  EXPECT_EQ(session_->messages().Take(), (std::vector<UserMessage>{{partly, L"VELMARK QUENDAR 2017"}}));

  mouse_->ClearWireLog();
  session_->apply().OnSaveClicked();
  EXPECT_EQ(PacketsSent(), 31);
  EXPECT_FALSE(session_->apply().mouseHoldsPartOfTheSettings());
  EXPECT_EQ(ports_.warnings.size(), 1u);
}

TEST_F(AppSessionTest, FileProblemsAreOwedToTheUserAndNeverShownInsideTheOperation) {
  Start(true);
  std::filesystem::remove(folder_ / "config0.bin");
  session_->apply().OnSaveClicked();
  session_->LoadProfile();
  EXPECT_TRUE(host_.messages.empty());
  EXPECT_EQ(reminders_, 1) << "one reminder while messages wait";
  const UserMessage missing{L"Config file is not exist.", L"VELMARK QUENDAR 2017"};
  EXPECT_EQ(session_->messages().Take(), (std::vector<UserMessage>{missing, missing}));
  EXPECT_TRUE(session_->messages().Take().empty());
}

TEST_F(AppSessionTest, WithoutTheMouseSaveDoesNothingAndResetOnlyLoadsDefaultsKeepingMacrosAndNumber) {
  Start(false);
  record().ProfileNumber() = 4;
  record().SensitivityX() = 1;
  for (std::size_t i = 0; i < profiles::kMacroTableSize; ++i) record().MacroTable()[i] = static_cast<std::uint8_t>(i);
  const auto macros = std::vector<std::uint8_t>(record().MacroTable().begin(), record().MacroTable().end());
  const auto savedBefore = session_->state().savedRecord;
  const auto defaults = ReadBytes(folder_ / "config.bin");
  const auto stored = ReadBytes(folder_ / "config0.bin");

  session_->apply().OnSaveClicked();  // without the mouse: nothing at all
  session_->apply().ResetProfile();

  EXPECT_EQ(record().ProfileNumber(), 4);
  EXPECT_EQ(std::vector<std::uint8_t>(record().MacroTable().begin(), record().MacroTable().end()), macros);
  EXPECT_TRUE(std::equal(record().bytes().begin() + 1, record().bytes().begin() + profiles::kSettingsPartSize,
                         defaults.begin() + 2))
      << "every settings byte but the number comes from the default profile";
  EXPECT_EQ(PacketsSent(), 0);
  EXPECT_EQ(ReadBytes(folder_ / "config0.bin"), stored);
  EXPECT_TRUE(ports_.spiCalls.empty());
  EXPECT_EQ(Bytes(session_->state().savedRecord), Bytes(savedBefore)) << "no snapshot without an apply";
  EXPECT_FALSE(session_->state().defaultsMode);
}

TEST_F(AppSessionTest, CancelRestoresTheSnapshotExactlyAndTheNextShowReloadsTheFiles) {
  Start(true);
  const auto snapshot = session_->state().savedRecord;
  for (std::size_t i = 0; i < profiles::kRecordSize; i += 3) record().bytes()[i] ^= 0x5A;
  session_->apply().CancelEdits();
  EXPECT_EQ(Bytes(record()), Bytes(snapshot));

  // The file changes behind the program's back; the next show from the tray picks it up.
  auto stored = ReadBytes(folder_ / "config0.bin");
  stored[1 + 0x3E] = 3;
  std::ofstream(folder_ / "config0.bin", std::ios::binary).write(reinterpret_cast<const char*>(stored.data()),
                                                                   static_cast<std::streamsize>(stored.size()));
  session_->tray().OnTrayCallback(kTrayLeftButtonUp);
  EXPECT_EQ(record().SensitivityY(), 3);
  EXPECT_FALSE(session_->apply().reloadOnShow());
}

}  // namespace
}  // namespace quendar::app
