#include "platform/LongWork.h"

namespace {
LongWorkRunner g_runner = nullptr;
}

LongWorkRunner SetLongWorkRunner(LongWorkRunner runner) {
  const LongWorkRunner old = g_runner;
  g_runner = runner;
  return old;
}

void RunLongWork(size_t bytes, const std::function<void()>& work) {
  if (g_runner && bytes >= kLongWorkBytes)
    g_runner(work);
  else
    work();
}
