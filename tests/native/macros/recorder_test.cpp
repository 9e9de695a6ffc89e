#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/macros/recorder.h"

namespace quendar::macros {
namespace {

struct Step {
  std::wstring key;
  bool release, wasDown;
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

// Keystrokes with delays recorded reach the mouse in the macro manager's demo test under Wine.
TEST(MacroRecorderTest, TurnsKeystrokesIntoItems) {
  const struct {
    const char* name;
    std::vector<Step> steps;
    std::vector<std::wstring> items;
  } cases[] = {
      {"A then B with delays",
       {{L"A", false, false, 1000}, {L"A", true, true, 1120}, {L"B", false, false, 1300}, {L"B", true, true, 1310}},
       {L"A   Dn", L"120 ms", L"A   Up", L"180 ms", L"B   Dn", L"10 ms", L"B   Up"}},
      {"holding A, then B repeats",
       {{L"A", false, false, 0, false}, {L"A", false, true, 30, false}, {L"A", false, true, 60, false},
        {L"B", false, false, 90, false}, {L"B", false, true, 120, false}, {L"A", true, true, 150, false}},
       {L"A   Dn", L"B   Dn", L"A   Up"}},
      {"a release first gets no delay before it", {{L"Ctrl", true, true, 500}, {L"A", false, false, 520}},
       {L"Ctrl   Up", L"20 ms", L"A   Dn"}},
      {"delays toggled mid-recording",
       {{L"A", false, false, 0, false}, {L"A", true, true, 40, true}, {L"B", false, false, 90, false}},
       {L"A   Dn", L"40 ms", L"A   Up", L"B   Dn"}},
      {"the tick counter wraps", {{L"A", false, false, 0xFFFFFFF0u}, {L"A", true, true, 0x10u}},
       {L"A   Dn", L"32 ms", L"A   Up"}},
  };
  for (const auto& c : cases) EXPECT_EQ(Record(c.steps), c.items) << c.name;
}

}  // namespace
}  // namespace quendar::macros
