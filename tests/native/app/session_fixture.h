#pragma once
// A session over a scratch copy of the installed files, on a disk whose faults the test arms, with a
// simulated mouse that is not found until the test discovers it.
#include <gtest/gtest.h>

#include <filesystem>

#include "app_fakes.h"
#include "core/app/app_session.h"
#include "native/device/sim_machine.h"
#include "native/files/faulty_file_system.h"
#include "native/ini/temp_folder.h"
#include "native/profiles/fake_host.h"

namespace quendar::app::test {

class SessionTest : public ::testing::Test {
 protected:
  SessionTest() { Fresh(); }

  // A fresh program folder and session.
  void Fresh() {
    session_.reset();
    for (const auto& entry : std::filesystem::directory_iterator(folder_.path())) std::filesystem::remove_all(entry.path());
    for (const auto& entry : std::filesystem::directory_iterator(QUENDAR_RUNTIME_DIR)) {
      if (entry.is_regular_file()) std::filesystem::copy_file(entry.path(), folder_ / entry.path().filename());
    }
    disk_.Arm(quendar::testing::Fault::None);
    session_ = std::make_unique<AppSession>(
        AppSession::Dependencies{machine_.link, disk_, host_, ports_, ports_, ports_, language_, [this] { ++reminders_; }},
        folder_ / L"QUENDAR 2017.exe");
  }

  int PacketsSent() const {
    return static_cast<int>(std::ranges::count(mouse_->WireLog(), sim::WireKind::FeatureOut, &sim::WireEntry::kind));
  }
  profiles::ProfileRecord& record() { return session_->state().record; }

  quendar::testing::TempFolder folder_;
  quendar::testing::FaultyFileSystem disk_;
  quendar::testing::FakeHost host_;
  RecordingPorts ports_;
  ui::InterfaceLanguage language_;
  int reminders_ = 0;
  device::testing::SimMachine machine_;
  std::shared_ptr<sim::SimulatedMouse> mouse_ = machine_.mouse;
  std::unique_ptr<AppSession> session_;
};

}  // namespace quendar::app::test
