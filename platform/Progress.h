#pragma once
// Progress of long operations. The main window installs itself as the sink; operations report
// 0 before they start, the row percentage before each row, and 0 when done.

struct ProgressSink {
  virtual ~ProgressSink() = default;
  virtual void setProgress(int percent) = 0;
};

// Installs the receiver of progress reports (nullptr: reports go nowhere). Returns the previous
// one.
ProgressSink* SetProgressSink(ProgressSink* sink);
void ReportProgress(int percent);

// Silences this thread's progress reports while it lives: the rows of a worker thread, whose
// share the calling thread reports instead.
class ProgressSilence {
 public:
  ProgressSilence();
  ~ProgressSilence();
  // True when a report was silenced while it lived.
  bool silencedAny() const;
  ProgressSilence(const ProgressSilence&) = delete;
  ProgressSilence& operator=(const ProgressSilence&) = delete;

 private:
  long long before_;
};

// index * 100 / (count - 1); a single row reports 100, since it is also the last row.
int RowPercent(int index, int count);

// Reports 0 on construction and on destruction (whatever the outcome), RowPercent per row.
class RowProgress {
 public:
  explicit RowProgress(int count) : count_(count) { ReportProgress(0); }
  ~RowProgress() { ReportProgress(0); }
  RowProgress(const RowProgress&) = delete;
  RowProgress& operator=(const RowProgress&) = delete;
  void row(int index) const { ReportProgress(RowPercent(index, count_)); }

 private:
  int count_;
};
