// Pause figures under Wine (printed, nothing asserted): how long the high-resolution pacer's 2 ms and
// 3 ms pauses really last. Pauses bound to the 15.6 ms timer tick would show as 15 ms and more.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "win32/device/high_resolution_pacer.h"

int wmain(int, wchar_t**) {
  quendar::win32::HighResolutionPacer pacer;
  for (const auto asked : {std::chrono::milliseconds(2), std::chrono::milliseconds(3)}) {
    std::vector<long long> lasted;
    for (int i = 0; i < 200; ++i) {
      const auto before = pacer.Now();
      pacer.Pause(asked);
      lasted.push_back((pacer.Now() - before).count());
    }
    std::sort(lasted.begin(), lasted.end());
    std::printf("pause %lld ms: shortest %lld us, median %lld us, 95th %lld us, longest %lld us\n",
                static_cast<long long>(asked.count()), lasted.front(), lasted[lasted.size() / 2],
                lasted[lasted.size() * 95 / 100], lasted.back());
  }
  return 0;
}
