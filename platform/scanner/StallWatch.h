#pragma once
// Ends a scan that delivers no data for a while: a thread cancels the device when nothing has
// come for the given time, which also ends a read that waits for ever.
#include <sane/sane.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

class StallWatch {
 public:
  // No thread when `seconds` is not above 0: the scan may then wait as long as it takes.
  StallWatch(double seconds, SANE_Handle handle);
  ~StallWatch();
  StallWatch(const StallWatch&) = delete;
  StallWatch& operator=(const StallWatch&) = delete;
  // Data came: the time starts again.
  void fed();
  // Whether the device was cancelled because nothing came in time.
  bool stalled() const;

 private:
  void watch();

  std::chrono::steady_clock::duration limit_;
  SANE_Handle handle_;
  mutable std::mutex mutex_;
  std::condition_variable wake_;
  std::chrono::steady_clock::time_point last_;
  bool stop_ = false, stalled_ = false;
  std::thread thread_;
};
