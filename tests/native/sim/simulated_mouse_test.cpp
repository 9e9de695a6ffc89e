#include <gtest/gtest.h>

#include "core/device/command_transport.h"
#include "native/device/sim_machine.h"

namespace quendar::sim {
namespace {

using device::CommandPacket;
using device::MakePacket;

struct ConnectedMouse : device::testing::SimMachine {
  ConnectedMouse() { EXPECT_TRUE(link.DiscoverDevice()); }
  CommandPacket Send(CommandPacket packet) {
    ok = !device::SendCommand(link.Command(), packet);
    return packet;
  }
  CommandPacket Transfer(CommandPacket packet, std::span<std::uint8_t> data) {
    ok = !device::TransferBlock(link.Command(), packet, data);
    return packet;
  }
  bool ok = false;
};

// The factory answers, every field a download writes and the injected faults are checked through the
// download, device and transport tests; here the wire log that quendarctl's trace prints, and unplugging.
TEST(SimulatedMouseTest, RecordsTheWireWithPausesAndTimestamps) {
  ConnectedMouse m;
  m.mouse->ClearWireLog();
  std::array<std::uint8_t, 32> data{};
  data[0] = 0xAA;
  m.Transfer(MakePacket(0x10, 0, 24), data);
  m.link.GetPacer().Pause(std::chrono::milliseconds(2));
  m.Send(MakePacket(0x83));

  const std::vector<WireEntry> log = m.mouse->WireLog();
  ASSERT_EQ(log.size(), 6u);
  EXPECT_EQ(FormatWireEntry(log[0]), "F> 00 10 00 18 00 00 00 00 D7");
  EXPECT_EQ(FormatWireEntry(log[1]).substr(0, 12), "O> 00 AA 00 ");
  EXPECT_EQ(log[1].bytes.size(), 33u);
  EXPECT_EQ(FormatWireEntry(log[2]), "wait 3");
  EXPECT_EQ(FormatWireEntry(log[3]), "wait 2");
  EXPECT_EQ(FormatWireEntry(log[5]), "F< 00 83 03 08 11 24 00 00 3C");
  EXPECT_EQ(log[4].at - log[1].at, std::chrono::milliseconds(5));
}

TEST(SimulatedMouseTest, UnpluggedChannelsGoDeadAndPlugListsTheMouseAgain) {
  ConnectedMouse m;
  // One notice per interface each way is checked through the link by the device-change tests.
  m.mouse->Unplug();
  EXPECT_EQ(m.mouse->PresentInterfaces().size(), 2u) << "the unrelated devices stay";
  EXPECT_EQ(m.Send(MakePacket(0x83)), CommandPacket{});
  EXPECT_FALSE(m.ok);

  m.mouse->Plug();
  m.Send(MakePacket(0x83));
  EXPECT_FALSE(m.ok) << "a handle from before the unplug stays dead";
  ASSERT_TRUE(m.link.DiscoverDevice());
  m.Send(MakePacket(0x83));
  EXPECT_TRUE(m.ok);
}

}  // namespace
}  // namespace quendar::sim
