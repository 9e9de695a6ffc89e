#pragma once
// A command channel that expects an exact script of exchanges and fails the test on anything else.
#include <gtest/gtest.h>

#include <cstdint>
#include <deque>
#include <vector>

#include "core/device/hid_channel.h"

namespace quendar::device::testing {

enum class Exchange { SetFeature, GetFeature, ReadReport, WriteReport };

struct ScriptStep {
  Exchange exchange;
  std::vector<std::uint8_t> bytes;  // what the host must send, or what the fake answers
  bool ok = true;
  std::size_t transferred = SIZE_MAX;  // reads and writes: bytes reported (default: all)
  std::uint32_t error = 31;            // the platform's error code of a failed step
};

class ScriptedChannelFake final : public HidChannel {
 public:
  explicit ScriptedChannelFake(std::vector<ScriptStep> script) : script_(script.begin(), script.end()) {}
  ~ScriptedChannelFake() override { EXPECT_TRUE(script_.empty()) << script_.size() << " exchanges never happened"; }

  IoResult SetFeature(std::span<const std::uint8_t> report, Deadline) override {
    return Result(Outgoing(Exchange::SetFeature, report), report.size());
  }
  IoResult GetFeature(std::span<std::uint8_t> report, Deadline) override {
    return Result(Incoming(Exchange::GetFeature, report), report.size());
  }
  IoResult ReadReport(std::span<std::uint8_t> report, Deadline) override {
    return Result(Incoming(Exchange::ReadReport, report), report.size());
  }
  IoResult WriteReport(std::span<const std::uint8_t> report, Deadline) override {
    return Result(Outgoing(Exchange::WriteReport, report), report.size());
  }

 private:
  static IoResult Result(const ScriptStep& step, std::size_t length) {
    return step.ok ? IoResult::Done(std::min(step.transferred, length)) : IoResult::Failed(step.error);
  }
  ScriptStep Next(Exchange exchange) {
    if (script_.empty()) {
      ADD_FAILURE() << "unexpected exchange " << static_cast<int>(exchange);
      return {exchange, {}, false};
    }
    ScriptStep step = script_.front();
    script_.pop_front();
    EXPECT_EQ(static_cast<int>(step.exchange), static_cast<int>(exchange)) << "exchanges out of order";
    return step;
  }
  ScriptStep Outgoing(Exchange exchange, std::span<const std::uint8_t> report) {
    ScriptStep step = Next(exchange);
    EXPECT_EQ(std::vector<std::uint8_t>(report.begin(), report.end()), step.bytes);
    return step;
  }
  ScriptStep Incoming(Exchange exchange, std::span<std::uint8_t> report) {
    ScriptStep step = Next(exchange);
    EXPECT_LE(step.bytes.size(), report.size()) << "the host's report is shorter than the answer";
    // A failed platform call may leave junk behind; the transport must not trust the buffer then.
    std::fill(report.begin(), report.end(), step.ok ? 0 : 0xCC);
    std::copy_n(step.bytes.begin(), std::min(step.bytes.size(), report.size()), report.begin());
    return step;
  }

  std::deque<ScriptStep> script_;
};

// A report of `length` bytes: ID 0 followed by `payload`, zero-padded.
inline std::vector<std::uint8_t> Report(std::size_t length, std::vector<std::uint8_t> payload) {
  std::vector<std::uint8_t> report(length, 0);
  std::copy_n(payload.begin(), std::min(payload.size(), length - 1), report.begin() + 1);
  return report;
}

}  // namespace quendar::device::testing
