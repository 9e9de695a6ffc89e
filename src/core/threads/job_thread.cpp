#include "core/threads/job_thread.h"

#include <utility>

namespace quendar::threads {

JobThread::~JobThread() {
  {
    std::lock_guard lock(mutex_);
    closing_ = true;
  }
  queued_.notify_one();
  if (thread_.joinable()) thread_.join();
}

std::future<void> JobThread::Post(std::function<void()> job) {
  std::packaged_task<void()> task(std::move(job));
  std::future<void> done = task.get_future();
  {
    std::lock_guard lock(mutex_);
    jobs_.push_back(std::move(task));
    if (!thread_.joinable()) thread_ = std::thread([this] { Run(); });
  }
  queued_.notify_one();
  return done;
}

bool JobThread::Started() const {
  std::lock_guard lock(mutex_);
  return thread_.joinable();
}

void JobThread::Run() {
  std::unique_lock lock(mutex_);
  for (;;) {
    queued_.wait(lock, [this] { return closing_ || !jobs_.empty(); });
    if (jobs_.empty()) return;
    std::packaged_task<void()> job = std::move(jobs_.front());
    jobs_.pop_front();
    lock.unlock();
    job();
    lock.lock();
  }
}

}  // namespace quendar::threads
