#include "platform/RowPool.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <exception>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

#include "platform/Progress.h"

namespace {
std::atomic<int> g_override{0};

int FromEnvironment() {
  if (const char* text = std::getenv("QUENDRIX_THREADS")) {
    char* end = nullptr;
    const long n = std::strtol(text, &end, 10);
    if (end != text && *end == '\0' && n >= 1 && n <= 256) return int(n);
  }
  return int(std::clamp(std::thread::hardware_concurrency(), 1u, 256u));
}
// Waits a moment while `busy` holds before a thread sleeps: waking a sleeping core takes tens of
// microseconds, as long as a screenful of rows takes to draw.
template <class Busy>
void SpinWhile(const std::atomic<bool>& allowed, Busy busy) {
  if (!allowed.load(std::memory_order_relaxed)) return;
  const auto until = std::chrono::steady_clock::now() + std::chrono::microseconds(200);
  while (busy() && std::chrono::steady_clock::now() < until) {
#if defined(__x86_64__) || defined(__i386__)
    __builtin_ia32_pause();
#else
    std::this_thread::yield();
#endif
  }
}

// Helper threads kept from one call to the next, so a short job does not pay for starting
// threads; a call made while another holds them starts threads of its own.
class Helpers {
 public:
  // Runs work(1) .. work(count) on kept threads; false when they are taken.
  bool begin(int count, const std::function<void(int)>& work) {
    std::unique_lock<std::mutex> hold(lock_);
    if (busy_) return false;
    try {
      while (int(threads_.size()) < count)
        threads_.emplace_back(&Helpers::serve, this, int(threads_.size()) + 1);
    } catch (const std::system_error&) {
      if (threads_.empty()) return false;
      count = int(threads_.size());  // fewer helpers still finish every chunk
    }
    busy_ = true, job_ = &work, wanted_ = count, running_ = count;
    // Only threads that each have a core of their own may spin.
    spin_ = unsigned(count) < std::thread::hardware_concurrency();
    generation_.fetch_add(1, std::memory_order_release);
    hold.unlock();
    wake_.notify_all();
    return true;
  }
  // Waits until every helper is done with the work begun.
  void end() {
    SpinWhile(spin_, [this] { return running_.load(std::memory_order_acquire) != 0; });
    std::unique_lock<std::mutex> hold(lock_);
    done_.wait(hold, [this] { return running_ == 0; });
    busy_ = false, job_ = nullptr;
  }

 private:
  void serve(int index) {
    uint64_t seen = 0;
    for (;;) {
      SpinWhile(spin_, [&] { return generation_.load(std::memory_order_acquire) == seen; });
      std::unique_lock<std::mutex> hold(lock_);
      wake_.wait(hold, [&] { return generation_ != seen && index <= wanted_; });
      seen = generation_;
      const std::function<void(int)>* work = job_;
      hold.unlock();
      (*work)(index);
      if (running_.fetch_sub(1, std::memory_order_acq_rel) == 1) {
        hold.lock();  // the caller is either before its check or waiting
        done_.notify_all();
      }
    }
  }

  std::mutex lock_;
  std::condition_variable wake_, done_;
  std::vector<std::thread> threads_;  // never joined: they wait until the program ends
  const std::function<void(int)>* job_ = nullptr;
  int wanted_ = 0;
  std::atomic<int> running_{0};
  std::atomic<uint64_t> generation_{0};
  std::atomic<bool> spin_{false};
  bool busy_ = false;
};

Helpers& KeptHelpers() {
  static Helpers* helpers = new Helpers;  // outlives every static that might still split rows
  return *helpers;
}
}  // namespace

int ThreadCount() {
  const int n = g_override.load();
  if (n > 0) return n;
  static const int fromEnvironment = FromEnvironment();
  return fromEnvironment;
}

int SetThreadCount(int count) {
  return g_override.exchange(std::clamp(count, 0, 256));
}

int ChunkRows(int count, int minRows) {
  const int threads = ThreadCount();
  return std::max({1, minRows, ChunkCount(count, threads * 4)});
}

void ForRows(int count, int minRows, const std::function<void(const RowBand&)>& band) {
  ForRowChunks(count, ChunkRows(count, minRows), band);
}

void ForRowChunks(int count, int chunk, const std::function<void(const RowBand&)>& band) {
  if (count <= 0) return;
  const int chunks = ChunkCount(count, std::max(chunk, 1));
  const int threads = std::min(ThreadCount(), chunks);
  if (threads <= 1) return band({0, count, 0});
  chunk = std::max(chunk, 1);
  std::atomic<int> next{0}, rowsDone{0};
  std::atomic<bool> reports{false};  // the bands report progress: the caller does it for them
  int reported = 0;                  // rows the caller has reported
  auto reportUpTo = [&](int done) {
    if (reports)
      for (; reported < done; ++reported) ReportProgress(RowPercent(reported, count));
  };
  std::exception_ptr failure;
  std::mutex failureLock;
  // Takes chunks in order until none is left; the first failure stops the handing out.
  auto work = [&](int worker) {
    for (int c; (c = next.fetch_add(1)) < chunks;) {
      const int begin = c * chunk, end = std::min(count, begin + chunk);
      try {
        ProgressSilence quiet;
        band({begin, end, worker});
        if (quiet.silencedAny()) reports = true;
      } catch (...) {
        std::lock_guard<std::mutex> hold(failureLock);
        if (!failure) failure = std::current_exception();
        next.store(chunks);
      }
      const int done = rowsDone.fetch_add(end - begin) + (end - begin);
      if (worker == 0) reportUpTo(done);
    }
  };
  const std::function<void(int)> helperWork = work;
  if (KeptHelpers().begin(threads - 1, helperWork)) {
    struct End {
      ~End() { KeptHelpers().end(); }  // the helpers never outlive the work they were given
    } end;
    work(0);
  } else {
    std::vector<std::thread> helpers;
    helpers.reserve(size_t(threads - 1));
    for (int t = 1; t < threads; ++t) {
      try {
        helpers.emplace_back(work, t);
      } catch (const std::system_error&) {
        break;  // fewer threads than asked for still finish every chunk
      }
    }
    work(0);
    for (std::thread& t : helpers) t.join();
  }
  reportUpTo(count);
  if (failure) std::rethrow_exception(failure);
}
