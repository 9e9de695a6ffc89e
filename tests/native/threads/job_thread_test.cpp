// The one background thread: it starts with its first job, runs the jobs in order, ends only after the
// queue is done, and hands a job's failure to whoever waits for it.
#include <gtest/gtest.h>

#include <future>
#include <stdexcept>
#include <vector>

#include "core/threads/job_thread.h"

namespace quendar::threads {
namespace {

TEST(JobThreadTest, StartsLateRunsInOrderFinishesTheQueueAndHandsBackFailures) {
  std::vector<int> ran;  // written by the job thread only, read once it has ended
  std::future<void> failing;
  {
    JobThread jobs;
    EXPECT_FALSE(jobs.Started()) << "no thread before there is work";
    std::promise<void> gate;
    jobs.Post([open = gate.get_future().share()] { open.wait(); });
    EXPECT_TRUE(jobs.Started());
    for (int i = 0; i < 3; ++i) jobs.Post([&ran, i] { ran.push_back(i); });
    failing = jobs.Post([] { throw std::runtime_error("decoding failed"); });
    jobs.Post([&ran] { ran.push_back(3); });
    gate.set_value();
  }
  EXPECT_EQ(ran, (std::vector<int>{0, 1, 2, 3})) << "every queued job ran, in order, after the failing one too";
  EXPECT_THROW(failing.get(), std::runtime_error);
}

}  // namespace
}  // namespace quendar::threads
