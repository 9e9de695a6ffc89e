// The main dialog's initialisation. A start with and without the mouse, and a refused reader event, are
// the demo program's tests under Wine; here a refused device-notice registration, which stops the start
// after the reader was released, and the profile's language code.
#include "core/app/startup_sequence.h"

#include <gtest/gtest.h>

#include "app_fakes.h"

namespace quendar::app {
namespace {

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

}  // namespace
}  // namespace quendar::app
