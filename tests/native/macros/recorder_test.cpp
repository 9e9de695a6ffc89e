#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/macros/recorder.h"

namespace quendar::macros {
namespace {

struct Step {
  std::wstring key;
  bool release;
  bool wasDown;
  std::uint32_t tick;
  bool recordDelays = true;
};

std::vector<std::wstring> Record(const std::vector<Step>& steps) {
  MacroRecorder recorder;
  recorder.Start();
  std::vector<std::wstring> items;
  for (const Step& step : steps) {
    const auto kind = recorder.Report({step.key, step.release, step.wasDown});
    if (!kind) continue;
    const RecordedEvent recorded = recorder.RecordKeyEvent(*kind, step.tick, step.recordDelays);
    EXPECT_FALSE(recorded.limitReached);
    items.insert(items.end(), recorded.items.begin(), recorded.items.end());
  }
  return items;
}

struct RecorderCase {
  const char* name;
  std::vector<Step> steps;
  std::vector<std::wstring> items;
};

TEST(MacroRecorderTest, TurnsKeystrokesIntoItems) {
  const RecorderCase cases[] = {
      {"A then B with delays",
       {{L"A", false, false, 1000}, {L"A", true, true, 1120}, {L"B", false, false, 1300}, {L"B", true, true, 1310}},
       {L"A   Dn", L"120 ms", L"A   Up", L"180 ms", L"B   Dn", L"10 ms", L"B   Up"}},
      {"A then B without delays",
       {{L"A", false, false, 1000, false},
        {L"A", true, true, 1120, false},
        {L"B", false, false, 1300, false},
        {L"B", true, true, 1310, false}},
       {L"A   Dn", L"A   Up", L"B   Dn", L"B   Up"}},
      {"holding A, then B repeats",
       {{L"A", false, false, 0, false},
        {L"A", false, true, 30, false},
        {L"A", false, true, 60, false},
        {L"B", false, false, 90, false},
        {L"B", false, true, 120, false},
        {L"A", true, true, 150, false}},
       {L"A   Dn", L"B   Dn", L"A   Up"}},
      {"a release first gets no delay before it",
       {{L"Ctrl", true, true, 500}, {L"A", false, false, 520}},
       {L"Ctrl   Up", L"20 ms", L"A   Dn"}},
      {"delays toggled mid-recording",
       {{L"A", false, false, 0, false}, {L"A", true, true, 40, true}, {L"B", false, false, 90, false}},
       {L"A   Dn", L"40 ms", L"A   Up", L"B   Dn"}},
      {"the tick counter wraps",
       {{L"A", false, false, 0xFFFFFFF0u}, {L"A", true, true, 0x10u}},
       {L"A   Dn", L"32 ms", L"A   Up"}},
  };
  for (const auto& c : cases) EXPECT_EQ(Record(c.steps), c.items) << c.name;
}

}  // namespace
}  // namespace quendar::macros
