#include "platform/RowPool.h"

#include <algorithm>
#include <atomic>
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
  reportUpTo(count);
  if (failure) std::rethrow_exception(failure);
}
