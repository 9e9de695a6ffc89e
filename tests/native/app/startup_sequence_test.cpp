// The main dialog's initialisation order with the mouse present and absent, and where it stops when
// the platform refuses the reader's event or the device notices.
#include "core/app/startup_sequence.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "app_fakes.h"
#include "core/ui/interface_language.h"

namespace quendar::app {
namespace {

using ::testing::ElementsAre;

class StartupSequenceTest : public ::testing::Test {
 protected:
  bool Run() { return RunStartupSequence(ports, ports, ports, language); }
  test::RecordingPorts ports;
  ui::InterfaceLanguage language;
};

TEST_F(StartupSequenceTest, TheReaderIsReleasedOnlyWhenTheMouseWasFound) {
  const std::vector<std::string> rest{"load profile", "snapshot", "read language", "read texts",
                                      "background C:/Q/Skins/Default", "text colour 10,200,30", "fonts Segoe UI",
                                      "tray icon VELMARK QUENDAR 2017", "draw main page"};
  auto then = [&](std::vector<std::string> start) {
    start.insert(start.end(), rest.begin(), rest.end());
    return start;
  };
  EXPECT_TRUE(Run());
  EXPECT_EQ(ports.log, then({"discover", "connect", "reader event", "create held reader", "release reader",
                             "register notices"}));
  test::RecordingPorts absent;
  absent.present = false;
  EXPECT_TRUE(RunStartupSequence(absent, absent, absent, language));
  EXPECT_EQ(absent.log, then({"discover", "reader event", "create held reader", "register notices"}));
}

TEST_F(StartupSequenceTest, RefusedEventOrNoticesStopsWithItsMessage) {
  ports.readerEventCreated = false;
  EXPECT_FALSE(Run());
  EXPECT_THAT(ports.log, ElementsAre("discover", "connect", "reader event", "message"));
  EXPECT_EQ(ports.messages, std::vector<std::wstring>{L"CreateEvent failed."});

  test::RecordingPorts refused;
  refused.noticesRegistered = false;
  EXPECT_FALSE(RunStartupSequence(refused, refused, refused, language));
  EXPECT_EQ(refused.log.back(), "message");
  EXPECT_EQ(refused.messages, std::vector<std::wstring>{L"RegisterDeviceNotification failed!!!"});
  EXPECT_EQ(std::count(refused.log.begin(), refused.log.end(), "load profile"), 0);
}

TEST_F(StartupSequenceTest, LanguageCodeSetsTheDialogsLanguage) {
  ports.languageCode = L"CHS";
  Run();
  EXPECT_EQ(language.language(), ui::LanguageClass::SimplifiedChinese);
  EXPECT_EQ(language.settingsSection(), L"Setting-CHS");
}

}  // namespace
}  // namespace quendar::app
