#include "platform/scanner/StallWatch.h"

#include "platform/scanner/SaneCalls.h"

StallWatch::StallWatch(double seconds, SANE_Handle handle)
    : limit_(std::chrono::duration_cast<std::chrono::steady_clock::duration>(
          std::chrono::duration<double>(seconds > 0 ? seconds : 0))),
      handle_(handle),
      last_(std::chrono::steady_clock::now()) {
  if (seconds > 0) thread_ = std::thread(&StallWatch::watch, this);
}

StallWatch::~StallWatch() {
  {
    const std::lock_guard<std::mutex> lock(mutex_);
    stop_ = true;
  }
  wake_.notify_all();
  if (thread_.joinable()) thread_.join();
}

void StallWatch::fed() {
  const std::lock_guard<std::mutex> lock(mutex_);
  last_ = std::chrono::steady_clock::now();
}

bool StallWatch::stalled() const {
  const std::lock_guard<std::mutex> lock(mutex_);
  return stalled_;
}

void StallWatch::watch() {
  std::unique_lock<std::mutex> lock(mutex_);
  while (!stop_) {
    const auto deadline = last_ + limit_;
    if (std::chrono::steady_clock::now() >= deadline) {
      stalled_ = true;
      lock.unlock();
      Sane().cancel(handle_);  // SANE allows it from another thread; a waiting read returns
      return;
    }
    wake_.wait_until(lock, deadline);
  }
}
