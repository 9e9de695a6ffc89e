// The session over the installed profile files in a scratch folder and a simulated mouse: what Save,
// Reset and Cancel do to the files, the record and the mouse where the demo program cannot show it.
#include <gtest/gtest.h>

#include "session_fixture.h"

namespace quendar::app {
namespace {

using quendar::testing::ReadBytes;

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
