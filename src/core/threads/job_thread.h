#pragma once
// One background thread that runs the jobs given to it, one after another. The program does everything
// it does off the window's thread on one such thread: the background image decoded ahead at start-up,
// then the mouse's event reader, which runs for the rest of the program's life. A thread costs memory
// for as long as the program runs even once it has ended (under Wine the last thread to end keeps its
// stacks, about a megabyte), so the start-up's work does not get a thread of its own.
#include <condition_variable>
#include <deque>
#include <functional>
#include <future>
#include <mutex>
#include <thread>

namespace quendar::threads {

class JobThread {
 public:
  JobThread() = default;
  // Runs the jobs still queued, then ends the thread. A job that would not return (the reader) must be
  // ended by its owner before.
  ~JobThread();
  JobThread(const JobThread&) = delete;
  JobThread& operator=(const JobThread&) = delete;

  // Queues `job`; the thread starts with the first one. The future is ready once the job has run, and
  // holds what it threw.
  std::future<void> Post(std::function<void()> job);
  bool Started() const;

 private:
  void Run();

  mutable std::mutex mutex_;
  std::condition_variable queued_;
  std::deque<std::packaged_task<void()>> jobs_;
  bool closing_ = false;
  std::thread thread_;
};

}  // namespace quendar::threads
