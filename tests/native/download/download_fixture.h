#pragma once
// A simulated mouse found through discovery, with a command set on it, for download tests.

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "core/device/command_set.h"
#include "core/device/device_link.h"
#include "core/device/profile_download.h"
#include "core/profiles/profile_record.h"
#include "sim/sim_hid_backend.h"
#include "sim/simulated_mouse.h"

namespace quendar::device::testing {

// A profile with something in every field the download reads.
inline profiles::ProfileRecord SampleRecord() {
  profiles::ProfileRecord record;
  record.ReportRateCode() = 2;
  record.ButtonLightOn() = 1;
  for (std::size_t s = 0; s < 7; ++s) {
    record.CpiStageLevel(s) = static_cast<std::uint8_t>(10 + 5 * s);
    record.CpiStageEnabled(s) = 1;
    for (std::size_t c = 0; c < 3; ++c) record.CpiStageColor(s, c) = static_cast<std::uint8_t>(0x10 * s + c);
  }
  record.CpiStageLevel(3) = 50;
  record.CpiStageEnabled(3) = 0;
  record.bytes()[0x02C] = 0xA1;  // the colour block's tail travels too
  record.LightingEffect() = 1;
  record.LightingSlider(0) = 3;
  record.SensitivityX() = 13;
  record.SensitivityY() = 5;
  for (std::size_t b = 0; b < 12; ++b) record.FunctionType(b) = 13;
  record.FunctionType(2) = 7;
  record.MediaUsage(2) = 0xE9;
  for (std::size_t i = 0; i < profiles::kMacroTableSize; ++i) record.MacroTable()[i] = static_cast<std::uint8_t>(i * 7);
  return record;
}

class DownloadTest : public ::testing::Test {
 protected:
  void SetUp() override {
    mouse_ = sim::SimulatedMouse::Create();
    backend_ = std::make_unique<sim::SimHidBackend>(mouse_);
    link_ = std::make_unique<DeviceLink>(*backend_);
    ASSERT_TRUE(link_->DiscoverDevice());
    mouse_->ClearWireLog();
    commands_ = std::make_unique<CommandSet>(link_->Command(), image_, [this](std::string_view t) {
      traces_.emplace_back(t);
    });
  }

  // The opcodes of the packets sent, in order.
  std::vector<std::uint8_t> SentOpcodes() const {
    std::vector<std::uint8_t> opcodes;
    for (const auto& entry : mouse_->WireLog()) {
      if (entry.kind == sim::WireKind::FeatureOut) opcodes.push_back(entry.Payload().at(0));
    }
    return opcodes;
  }

  std::shared_ptr<sim::SimulatedMouse> mouse_;
  std::unique_ptr<sim::SimHidBackend> backend_;
  std::unique_ptr<DeviceLink> link_;
  DeviceImage image_;
  std::vector<std::string> traces_;
  std::unique_ptr<CommandSet> commands_;
};

}  // namespace quendar::device::testing
