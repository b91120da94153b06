#pragma once
// Splitting a picture's rows over the machine's cores. Results never depend on the thread count:
// each chunk of rows is worked on its own, and `QUENDRIX_THREADS=1` keeps the single thread.
#include <functional>

// A run of rows [begin, end) and the worker (0 .. ThreadCount() - 1) working on it.
struct RowBand {
  int begin = 0;
  int end = 0;
  int worker = 0;
};

// QUENDRIX_THREADS (1 to 256) when set, otherwise the machine's cores; SetThreadCount overrides.
int ThreadCount();
// Sets the thread count (0: back to QUENDRIX_THREADS or the machine) and returns the previous
// setting.
int SetThreadCount(int count);

// Calls `band` for the chunks [0, chunk), [chunk, 2 chunk), ... of `count` rows, handed out in
// increasing order to ThreadCount() threads, the calling thread among them; returns when all are
// done and rethrows the first exception a band threw. With one thread, or not more rows than one
// chunk, it calls band({0, count, 0}) on the calling thread alone, whose progress reports go
// through; otherwise the bands' reports are silenced and, when they made any, the calling thread
// reports RowPercent once for every row done, in order.
void ForRowChunks(int count, int chunk, const std::function<void(const RowBand&)>& band);

// ForRowChunks with about four chunks per thread, each at least `minRows` rows.
void ForRows(int count, int minRows, const std::function<void(const RowBand&)>& band);

// The number of chunks of `chunk` rows that cover `count` rows.
inline int ChunkCount(int count, int chunk) {
  return chunk > 0 ? (count + chunk - 1) / chunk : 0;
}

// The chunk size ForRows uses for `count` rows and `minRows`.
int ChunkRows(int count, int minRows);
