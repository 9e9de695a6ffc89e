// The session over the real profile files (the installed defaults, copied into a scratch folder) and a
// simulated mouse: what Save, Reset, Cancel and the stage balloon do to the files, the record, the
// mouse and the host settings.
#include <gtest/gtest.h>

#include <fstream>

#include "session_fixture.h"

namespace quendar::app {
namespace {

using quendar::testing::ReadBytes;

std::vector<std::uint8_t> Bytes(const profiles::ProfileRecord& record) {
  return {record.bytes().begin(), record.bytes().end()};
}

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
  EXPECT_EQ(session_->apply().lastDownloadFailure()->exchange, 6);
  EXPECT_EQ(ReadBytes(folder_ / "config0.bin").at(1 + 0x3D), edited) << "the files hold the settings anyway";
  session_->RunConnectionSteps();
  EXPECT_EQ(session_->messages().Take(), (std::vector<UserMessage>{{partly, L"VELMARK QUENDAR 2017"}}));

  // Refused at the first packet: nothing of the new settings is on the mouse, so no mix is claimed.
  mouse_->InjectFault(sim::Fault::RejectedPacket, 1, 0);
  session_->apply().OnSaveClicked();
  session_->apply().OnTimer(AppTimer::ApplyDebounce);
  EXPECT_FALSE(session_->apply().mouseHoldsPartOfTheSettings());
  EXPECT_EQ(ports_.warnings.back(), L"The settings were saved but did not reach the mouse.");

  mouse_->ClearWireLog();
  session_->apply().OnSaveClicked();
  EXPECT_EQ(PacketsSent(), 31);
  EXPECT_FALSE(session_->apply().lastDownloadFailure());
  EXPECT_EQ(ports_.warnings.size(), 2u);
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

// Reset's rule (defaults but the macros and number) is the profile files' test; here that a session
// without the mouse sends, stores and snapshots nothing for either button.
TEST_F(AppSessionTest, WithoutTheMouseSaveAndResetTouchNeitherTheMouseNorTheFiles) {
  Start(false);
  record().SensitivityX() = 1;
  const auto savedBefore = Bytes(session_->state().savedRecord);
  const auto stored = ReadBytes(folder_ / "config0.bin");
  session_->apply().OnSaveClicked();
  session_->apply().ResetProfile();
  EXPECT_NE(record().SensitivityX(), 1) << "the defaults were loaded";
  EXPECT_EQ(PacketsSent(), 0);
  EXPECT_EQ(ReadBytes(folder_ / "config0.bin"), stored);
  EXPECT_TRUE(ports_.spiCalls.empty());
  EXPECT_EQ(Bytes(session_->state().savedRecord), savedBefore) << "no snapshot without an apply";
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
