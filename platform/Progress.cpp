#include "platform/Progress.h"

namespace {
ProgressSink* g_sink = nullptr;
thread_local int t_silenced = 0;
}  // namespace

ProgressSilence::ProgressSilence() {
  ++t_silenced;
}
ProgressSilence::~ProgressSilence() {
  --t_silenced;
}

ProgressSink* SetProgressSink(ProgressSink* sink) {
  ProgressSink* old = g_sink;
  g_sink = sink;
  return old;
}

void ReportProgress(int percent) {
  if (g_sink && t_silenced == 0) g_sink->setProgress(percent);
}

int RowPercent(int index, int count) {
  if (count <= 1) return 100;
  return static_cast<int>(static_cast<long long>(index) * 100 / (count - 1));
}
