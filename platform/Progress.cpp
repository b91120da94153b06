#include "platform/Progress.h"

namespace {
ProgressSink* g_sink = nullptr;
thread_local int t_silenced = 0;
thread_local long long t_silencedReports = 0;
}  // namespace

ProgressSilence::ProgressSilence() : before_(t_silencedReports) {
  ++t_silenced;
}
ProgressSilence::~ProgressSilence() {
  --t_silenced;
}
bool ProgressSilence::silencedAny() const {
  return t_silencedReports != before_;
}

ProgressSink* SetProgressSink(ProgressSink* sink) {
  ProgressSink* old = g_sink;
  g_sink = sink;
  return old;
}

void ReportProgress(int percent) {
  if (t_silenced > 0)
    ++t_silencedReports;
  else if (g_sink)
    g_sink->setProgress(percent);
}

int RowPercent(int index, int count) {
  if (count <= 1) return 100;
  return static_cast<int>(static_cast<long long>(index) * 100 / (count - 1));
}
