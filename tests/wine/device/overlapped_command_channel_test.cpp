// The command interface's calls on the platform's overlapped I/O: a call the other end leaves unanswered
// ends at its deadline with the platform's time-out, and the channel works on afterwards. A named pipe
// stands in for the mouse's command interface.
#include "win32/device/overlapped_command_channel.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <array>
#include <chrono>
#include <numeric>

namespace quendar::win32 {
namespace {

using namespace std::chrono_literals;

device::Deadline In(std::chrono::milliseconds wait) { return std::chrono::steady_clock::now() + wait; }

TEST(OverlappedCommandChannelTest, AnUnansweredCallEndsAtItsDeadlineAndTheNextOneWorks) {
  const std::wstring path = L"\\\\.\\pipe\\quendar-command-" + std::to_wstring(::GetCurrentProcessId());
  UniqueFileHandle mouse(::CreateNamedPipeW(path.c_str(), PIPE_ACCESS_DUPLEX, PIPE_TYPE_MESSAGE | PIPE_READMODE_MESSAGE,
                                            1, 64, 64, 0, nullptr));
  ASSERT_TRUE(mouse.valid());
  UniqueFileHandle host(::CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                      FILE_FLAG_OVERLAPPED, nullptr));
  ASSERT_TRUE(host.valid());
  std::unique_ptr<device::HidChannel> channel = MakeOverlappedCommandChannel(std::move(host));
  ASSERT_NE(channel, nullptr);

  std::array<std::uint8_t, 33> report{};
  const device::IoResult silent = channel->ReadReport(report, In(100ms));
  EXPECT_FALSE(silent.ok);
  EXPECT_EQ(silent.error, device::kTimeoutError);

  std::array<std::uint8_t, 33> chunk{};
  std::iota(chunk.begin(), chunk.end(), std::uint8_t{0});
  DWORD moved = 0;
  ASSERT_TRUE(::WriteFile(mouse.get(), chunk.data(), static_cast<DWORD>(chunk.size()), &moved, nullptr));
  const device::IoResult read = channel->ReadReport(report, In(5s));
  EXPECT_TRUE(read.ok);
  EXPECT_EQ(read.bytes, 33u);
  EXPECT_EQ(report, chunk) << "the cancelled read took nothing";

  EXPECT_TRUE(channel->WriteReport(chunk, In(5s)).ok);
  std::array<std::uint8_t, 64> received{};
  ASSERT_TRUE(::ReadFile(mouse.get(), received.data(), static_cast<DWORD>(received.size()), &moved, nullptr));
  EXPECT_EQ(moved, 33u);

  // A pipe is no HID device: the feature request fails with the platform's own reason.
  const device::IoResult feature = channel->GetFeature(std::span(report).first(9), In(5s));
  EXPECT_FALSE(feature.ok);
  EXPECT_NE(feature.error, 0u);
}

}  // namespace
}  // namespace quendar::win32
