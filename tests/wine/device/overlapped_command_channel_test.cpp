// The command interface's calls on the platform's overlapped I/O: a call the other end leaves unanswered
// ends at its deadline with the platform's time-out, and the channel works on afterwards. A named pipe
// stands in for the mouse's command interface.
#include "win32/device/overlapped_command_channel.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <array>
#include <atomic>
#include <chrono>
#include <numeric>
#include <thread>

#include "wine/device/pipe_mouse_backend.h"
#include "wine/harness/program.h"

namespace quendar::win32 {
namespace {

using namespace std::chrono_literals;

device::Deadline In(std::chrono::milliseconds wait) { return std::chrono::steady_clock::now() + wait; }

// A named pipe standing in for the command interface: the test writes and reads the mouse's end.
struct PipeMouse {
  explicit PipeMouse(const wchar_t* name)
      : path(L"\\\\.\\pipe\\quendar-" + std::wstring(name) + L"-" + std::to_wstring(::GetCurrentProcessId())),
        mouse(::CreateNamedPipeW(path.c_str(), PIPE_ACCESS_DUPLEX, PIPE_TYPE_MESSAGE | PIPE_READMODE_MESSAGE, 1, 64, 64,
                                 0, nullptr)),
        host(::CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_FLAG_OVERLAPPED,
                           nullptr)) {}
  std::wstring path;
  UniqueFileHandle mouse;
  UniqueFileHandle host;
};

// A driver that takes a cancel request and does nothing with it.
BOOL WINAPI IgnoreCancel(HANDLE, LPOVERLAPPED) { return TRUE; }

TEST(OverlappedCommandChannelTest, AnUnansweredCallEndsAtItsDeadlineAndTheNextOneWorks) {
  PipeMouse pipe(L"command");
  ASSERT_TRUE(pipe.mouse.valid() && pipe.host.valid());
  UniqueFileHandle& mouse = pipe.mouse;
  std::unique_ptr<device::HidChannel> channel = MakeOverlappedCommandChannel(std::move(pipe.host));
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

// The window's thread talks to the mouse through the link: a call whose cancel the driver ignores still
// gives the thread back by the deadline plus the grace, a message sent meanwhile is answered then, and
// the link counts the mouse as gone. The retired call keeps its buffer: the report the device sends
// late is taken by it, not written into freed memory.
TEST(OverlappedCommandChannelTest, ACancelTheDriverIgnoresRetiresTheInterfaceAndTheWindowAnswersInTime) {
  PipeMouse pipe(L"ignored-cancel");
  ASSERT_TRUE(pipe.mouse.valid() && pipe.host.valid());
  HANDLE hostEnd = nullptr;  // a second handle on the host's end, to see what the retired read took
  ASSERT_TRUE(::DuplicateHandle(::GetCurrentProcess(), pipe.host.get(), ::GetCurrentProcess(), &hostEnd, 0, FALSE,
                                DUPLICATE_SAME_ACCESS));
  UniqueFileHandle hostView(hostEnd);
  const std::wstring eventPath = L"\\\\.\\pipe\\quendar-events-" + std::to_wstring(::GetCurrentProcessId());
  UniqueFileHandle events(::CreateNamedPipeW(eventPath.c_str(), PIPE_ACCESS_OUTBOUND, PIPE_TYPE_MESSAGE, 1, 64, 64, 0, nullptr));
  ASSERT_TRUE(events.valid());
  testing::PipeMouseBackend backend(eventPath, [&] { return MakeOverlappedCommandChannel(std::move(pipe.host), &IgnoreCancel); });
  device::DeviceLink link(backend);
  ASSERT_TRUE(link.DiscoverDevice());
  HWND window = ::CreateWindowExW(0, L"STATIC", L"dialog", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
  ASSERT_NE(window, nullptr);

  constexpr auto kTimeout = 300ms;
  const auto margin = kTimeout + device::kCancelGrace + 2s;  // generous for a loaded machine
  std::atomic<bool> answered{false};
  std::thread user([&] {
    DWORD_PTR result = 0;
    answered = ::SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL,
                                     static_cast<UINT>(std::chrono::milliseconds(margin).count()), &result) != 0;
  });
  std::array<std::uint8_t, 33> report{};
  const auto start = std::chrono::steady_clock::now();
  const device::IoResult read = link.Command().channel->ReadReport(report, In(kTimeout));
  const auto took = std::chrono::steady_clock::now() - start;
  EXPECT_TRUE(test::WaitFor([&] {
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageW(&msg);
    return answered.load();
  }, margin));
  user.join();
  EXPECT_FALSE(read.ok);
  EXPECT_EQ(read.error, device::kInterfaceRetiredError);
  EXPECT_GE(took, kTimeout);
  EXPECT_LT(took, margin);
  EXPECT_TRUE(answered) << "the window's thread was held past the deadline and the grace";
  EXPECT_FALSE(link.DevicePresent()) << "the mouse counts as gone";

  std::array<std::uint8_t, 33> chunk{};
  EXPECT_EQ(link.Command().channel->WriteReport(chunk, In(5s)).error, device::kInterfaceRetiredError)
      << "a retired interface takes no calls";

  DWORD moved = 0;
  chunk.fill(0x5A);
  ASSERT_TRUE(::WriteFile(pipe.mouse.get(), chunk.data(), static_cast<DWORD>(chunk.size()), &moved, nullptr));
  EXPECT_TRUE(test::WaitFor([&] {
    DWORD waiting = 0;
    return ::PeekNamedPipe(hostView.get(), nullptr, 0, nullptr, &waiting, nullptr) && waiting == 0;
  })) << "the retired read still held by the platform took the late report";
  link.MarkAbsent();
  ::DestroyWindow(window);
}

}  // namespace
}  // namespace quendar::win32
