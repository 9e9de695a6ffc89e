// The main dialog's initialisation: the reader is released only for a mouse that was found, and a
// refused reader event or device-notice registration stops the start with its message.
#include "core/app/startup_sequence.h"

#include <gtest/gtest.h>

#include "app_fakes.h"

namespace quendar::app {
namespace {

TEST(StartupSequenceTest, ReleasesTheReaderOnlyForAFoundMouseAndStopsAtARefusedStep) {
  const struct {
    bool present, eventCreated, noticesRegistered;
    bool completes;
    std::vector<std::string> log;
    std::vector<std::wstring> messages;
  } cases[] = {
      {true, true, true, true, {"connect", "create held reader", "release reader", "load profile", "tray icon"}, {}},
      {false, true, true, true, {"create held reader", "load profile", "tray icon"}, {}},
      {true, false, true, false, {"connect"}, {L"CreateEvent failed."}},
      {true, true, false, false, {"connect", "create held reader", "release reader"},
       {L"RegisterDeviceNotification failed!!!"}},
  };
  for (const auto& c : cases) {
    test::RecordingPorts ports;
    ports.present = c.present;
    ports.readerEventCreated = c.eventCreated;
    ports.noticesRegistered = c.noticesRegistered;
    ports.languageCode = L"CHS";
    ui::InterfaceLanguage language;
    EXPECT_EQ(RunStartupSequence(ports, ports, ports, language), c.completes);
    EXPECT_EQ(ports.log, c.log);
    EXPECT_EQ(ports.messages, c.messages);
    EXPECT_EQ(ports.mainPageDrawn, c.completes);
    if (c.completes) {
      EXPECT_EQ(language.settingsSection(), L"Setting-CHS") << "the profile's language code is used";
    }
  }
}

}  // namespace
}  // namespace quendar::app
