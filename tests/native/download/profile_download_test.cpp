#include <gtest/gtest.h>

#include <algorithm>
#include <thread>

#include "core/keys/profile_buttons.h"
#include "core/device/command_set.h"
#include "core/device/profile_download.h"
#include "native/device/sim_machine.h"
#include "sim/mouse_state.h"

namespace quendar::device::testing {
namespace {

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
    ASSERT_TRUE(machine_.link.DiscoverDevice());
    mouse_->ClearWireLog();
    commands_ = std::make_unique<CommandSet>(machine_.link.Command(), image_, [this](std::string_view t) {
      traces_.emplace_back(t);
    });
  }

  // The packets sent, in order, and their opcodes.
  std::vector<std::vector<std::uint8_t>> SentPackets() const {
    std::vector<std::vector<std::uint8_t>> packets;
    for (const auto& entry : mouse_->WireLog()) {
      if (entry.kind == sim::WireKind::FeatureOut) packets.push_back(entry.Payload());
    }
    return packets;
  }
  std::vector<std::uint8_t> SentOpcodes() const {
    std::vector<std::uint8_t> opcodes;
    for (const auto& packet : SentPackets()) opcodes.push_back(packet.at(0));
    return opcodes;
  }

  SimMachine machine_;
  std::shared_ptr<sim::SimulatedMouse> mouse_ = machine_.mouse;
  DeviceImage image_;
  std::vector<std::string> traces_;
  std::unique_ptr<CommandSet> commands_;
};

TEST_F(DownloadTest, ThirtyOneExchangesInTheFixedOrderWithTheirPauses) {
  const auto record = SampleRecord();
  std::size_t packetsWhenStored = 0;
  const DownloadResult result = DownloadProfile(record, *commands_, [&] { packetsWhenStored = SentOpcodes().size(); });
  EXPECT_TRUE(result.ok());
  EXPECT_EQ(result.exchanges, kDownloadExchangeCount);

  std::vector<std::uint8_t> expected{0x01, 0x83, 0x03, 0x0E, 0x8D, 0x87, 0x87, 0x90, 0x90,
                                     0x10, 0x10, 0x07, 0x07, 0x0D, 0x11};
  expected.insert(expected.end(), 12, 0x13);
  expected.insert(expected.end(), 4, 0x12);
  EXPECT_EQ(SentOpcodes(), expected);
  EXPECT_EQ(packetsWhenStored, expected.size()) << "files are stored only after the last key matrix";

  // Item and matrix numbers count from 1; the second lighting-parameter read carries index 1.
  const auto packets = SentPackets();
  for (int k = 0; k < 12; ++k) EXPECT_EQ(packets[15 + k][1], k + 1);
  for (int m = 0; m < 4; ++m) EXPECT_EQ(packets[27 + m][1], m + 1);
  EXPECT_EQ(packets[5][1], 0);
  EXPECT_EQ(packets[6][1], 1);

  // Pauses follow the indexed exchanges and every written chunk.
  using std::chrono::milliseconds;
  using sim::WireKind;
  const auto log = mouse_->WireLog();
  int twoMs = 0, chunksOut = 0;
  std::uint8_t exchange = 0;  // opcode of the exchange in progress, read bit cleared
  for (std::size_t i = 0; i < log.size(); ++i) {
    const WireKind next = i + 1 < log.size() ? log[i + 1].kind : WireKind::FeatureOut;  // the end starts nothing
    if (log[i].kind == WireKind::FeatureOut) exchange = log[i].Payload()[0] & 0x7F;
    if (log[i].kind == WireKind::ReportOut) {
      ++chunksOut;
      EXPECT_TRUE(next == WireKind::Wait && log[i + 1].pause == milliseconds(3)) << i;
    } else if (log[i].kind == WireKind::Wait && log[i].pause != milliseconds(3)) {
      ++twoMs;
      EXPECT_EQ(log[i].pause, milliseconds(2));
      EXPECT_TRUE(exchange == 0x07 || exchange == 0x10 || exchange == 0x12 || exchange == 0x13) << int(exchange);
      EXPECT_EQ(next, WireKind::FeatureOut) << i << ": the indexed pause ends its exchange";
    }
  }
  EXPECT_EQ(twoMs, 24);
  EXPECT_EQ(chunksOut, 59);
  EXPECT_EQ(std::ranges::count(log, WireKind::Wait, &sim::WireEntry::kind), 24 + 59) << "no other pause";
  EXPECT_EQ(std::ranges::count(log, WireKind::ReportIn, &sim::WireEntry::kind), 2) << "one per colour block";
}

TEST_F(DownloadTest, SendsTheProfileAndPassesThroughEverythingElse) {
  const sim::MouseState factory = mouse_->State();
  const auto record = SampleRecord();
  // The stage notification reads the stages before any download; the eighth byte then travels back.
  commands_->ReadCpiStages();
  DownloadProfile(record, *commands_, {});
  const sim::MouseState state = mouse_->State();

  EXPECT_EQ(state.reportRateCode, 2);
  for (std::size_t i = 0; i < 3; ++i) EXPECT_EQ(state.sensorSettings[i], factory.sensorSettings[i]) << i;
  EXPECT_EQ(state.sensorSettings[3], factory.sensorSettings[3] | kButtonLightBit);
  EXPECT_EQ(state.sensitivity, (std::array<std::uint8_t, 2>{4, 100}));  // 13 x 20 = 260 wraps to 4

  // Effect 1 at slider 3: option 1 = 4, option 2 = 2, parameter A of index 0 switched on.
  EXPECT_EQ(state.lightingEffect, (std::array<std::uint8_t, 3>{1, 4, 2}));
  EXPECT_EQ(state.lightingParameters[0], (std::array<std::uint8_t, 3>{4, factory.lightingParameters[0][1],
                                                                      factory.lightingParameters[0][2]}));
  EXPECT_EQ(state.lightingParameters[1], factory.lightingParameters[1]);

  EXPECT_EQ(state.colourBlocks[0], factory.colourBlocks[0]);
  EXPECT_TRUE(std::ranges::equal(state.colourBlocks[1], record.Field(profiles::field::kCpiColorBlock)));

  EXPECT_EQ(state.stageCount, 7);
  EXPECT_EQ(state.stageBytes[0], 10);
  EXPECT_EQ(state.stageBytes[3], 0xD9) << "level 50 sends 89, disabled adds bit 7";
  EXPECT_EQ(state.stageBytes[7], factory.stageBytes[7]);

  // A bound macro's block and a button's code in key matrix 1 are the macro manager's and the assignment
  // demo's tests under Wine; every block and matrix travels whole.
  for (std::size_t k = 0; k < 12; ++k) EXPECT_TRUE(std::ranges::equal(state.macroBlocks[k], record.MacroBlock(k)));
  for (std::size_t m = 1; m < 4; ++m) EXPECT_EQ(state.keyMatrices[m], (std::array<std::uint8_t, 64>{}));

  // A second download with the light off clears only bit 3.
  auto dark = record;
  dark.ButtonLightOn() = 0;
  DownloadProfile(dark, *commands_, {});
  EXPECT_EQ(mouse_->State().sensorSettings[3], factory.sensorSettings[3] & ~kButtonLightBit);
}

// The connected bit it sets on the mouse is the demo's start test under Wine.
TEST_F(DownloadTest, ConnectSequenceKeepsTheRestAndTracesTheSensor) {
  const sim::MouseState factory = mouse_->State();
  EXPECT_EQ(commands_->ConnectSequence(), std::nullopt);
  EXPECT_EQ(mouse_->State().sensorSettings[1], factory.sensorSettings[1]);
  EXPECT_EQ(SentOpcodes(), (std::vector<std::uint8_t>{0x83, 0x03}));
  // The sensor type it read is the trace's first field.
  EXPECT_EQ(traces_.empty() ? "" : traces_[0], "Sensor Type:03 Rate:08 Option1:11 Option2:24");
}

// The mouse fails one exchange: the download names it, sends nothing after it (what follows would build
// on a reply that never came), and the files are stored all the same.
TEST_F(DownloadTest, DownloadFailureNamesTheExchangeAndStopsThere) {
  const struct {
    sim::Fault fault;
    unsigned after;  // occasions that pass first
    int exchange;
    ExchangeError error;
  } cases[] = {
      {sim::Fault::RejectedPacket, 16, 17, {0x13, ExchangeStep::SendPacket, sim::kGeneralFailure}},
      {sim::Fault::FailedFetch, 0, 2, {0x83, ExchangeStep::FetchReply, sim::kGeneralFailure}},
      {sim::Fault::RejectedPacket, 30, 31, {0x12, ExchangeStep::SendPacket, sim::kGeneralFailure}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.exchange);
    const sim::MouseState before = mouse_->State();
    mouse_->ClearWireLog();
    mouse_->InjectFault(c.fault, 1, c.after);
    bool stored = false;
    const DownloadResult result = DownloadProfile(SampleRecord(), *commands_, [&] { stored = true; });
    EXPECT_EQ(result.failure, (DownloadFailure{c.exchange, c.error}));
    EXPECT_EQ(result.exchanges, c.exchange);
    EXPECT_EQ(SentOpcodes().size(), static_cast<std::size_t>(c.exchange));
    EXPECT_TRUE(stored);
    if (c.exchange == 2) {
      EXPECT_EQ(mouse_->State().sensorSettings, before.sensorSettings) << "zeros written back";
    }
  }
  mouse_->InjectFault(sim::Fault::RejectedPacket, 1, 16);
  EXPECT_EQ(Describe(*DownloadProfile(SampleRecord(), *commands_, {}).failure),
            "exchange 17 of 31, opcode 0x13: sending the packet failed (platform error 31)");
}

// A mouse that takes a packet and never answers holds the exchange at most until its deadline; an
// unplug ends the wait at once.
TEST_F(DownloadTest, DownloadFailureStalledReplyEndsAtTheUnplug) {
  CommandEndpoint endpoint = machine_.link.Command();
  endpoint.timeout = std::chrono::minutes(5);  // only the unplug can end this one
  CommandSet patient(endpoint, image_);
  mouse_->InjectFault(sim::Fault::StalledReply);
  ExchangeOutcome outcome;
  std::thread dialog([&] { outcome = patient.ReadLightingEffect(); });
  ASSERT_TRUE(WaitUntil([&] { return SentOpcodes() == std::vector<std::uint8_t>{0x8D}; }));
  mouse_->Unplug();
  dialog.join();
  EXPECT_EQ(outcome, (ExchangeError{0x8D, ExchangeStep::FetchReply, sim::kDeviceNotConnected}));
}

TEST(DownloadRules, LightingByEffect) {
  DeviceImage read;
  read.lightingEffect = {9, 8, 7};
  read.lightingParameters = {LightingParameter{1, 2, 3}, LightingParameter{4, 5, 6}};
  const struct {
    std::uint8_t effect, slider, variant;
    std::array<std::uint8_t, 3> sent;
    LightingParameter parameter0;  // parameter A switched on (4) for every known effect and variant
  } cases[] = {
      {1, 1, 0, {0, 2, 2}, {4, 2, 3}},     // steady, off
      {2, 2, 0, {2, 4, 7}, {1, 2, 3}},     // an unknown variant keeps option 2
      {2, 1, 1, {2, 5, 2}, {4, 2, 3}},
      {2, 5, 2, {2, 1, 3}, {4, 0x7D, 3}},
      {3, 6, 0, {3, 0, 7}, {4, 2, 3}},
      {3, 5, 0, {3, 10, 7}, {4, 2, 3}},
      {4, 1, 1, {9, 8, 7}, {1, 2, 3}},     // an unknown effect sends back what was read
  };
  for (const auto& c : cases) {
    profiles::ProfileRecord record;
    record.LightingEffect() = c.effect;
    record.LightingSlider((c.effect - 1) % 3) = c.slider;
    record.LightingVariant() = c.variant;
    DeviceImage image = read;
    ApplyLighting(record, image);
    EXPECT_EQ(image.lightingEffect, c.sent) << &c - cases;
    EXPECT_EQ(image.lightingParameters[0], c.parameter0) << &c - cases;
    EXPECT_EQ(image.lightingParameters[1], read.lightingParameters[1]) << "index 1 is never touched";
  }
}

}  // namespace
}  // namespace quendar::device::testing
