// Undo and redo of a crop, a filter and a turn on a 2835 x 2835 24-bit picture (a CD booklet
// scanned at 600 dpi), beside the operations themselves; the counters give the history's bytes.
#include <benchmark/benchmark.h>

#include <functional>
#include <random>

#include "app/Document.h"
#include "retouch/Crop.h"
#include "retouch/MirrorTurn.h"
#include "retouch/PictureHistory.h"
#include "retouch/effects/ApplyEffect.h"

namespace {
constexpr int32_t kSide = 2835;

void MakeScan(Document& doc) {
  Dib dib;
  NewDib(dib, kSide, kSide, 24, nullptr, 0);
  std::mt19937 rng(7);
  for (int32_t y = 0; y < kSide; ++y) {
    uint8_t* row = DibRow(dib, y);
    for (int32_t x = 0; x < kSide * 3; ++x) row[x] = uint8_t((x / 3 + y) / 24 + (rng() & 31));
  }
  doc.replacePicture(dib);
  doc.selLeft = 300, doc.selTop = 200, doc.selRight = kSide - 300, doc.selBottom = kSide - 250;
  doc.history.clear();
}

struct Operation {
  PictureOp op;
  std::function<bool(Document&)> run;
};

bool Crop(Document& d) {
  return CropToSelection(d.picture, {d.selLeft, d.selTop, d.selRight, d.selBottom});
}
bool Filter(Document& d) {
  return ApplyFilter(d.picture, kEffectFilters[0]);
}
bool Turn(Document& d) {
  return TurnDibLeft(d.picture, {d.selLeft, d.selTop, d.selRight, d.selBottom});
}

const Operation kCrop{PictureOp::Replace, Crop};
const Operation kFilter{PictureOp::Replace, Filter};
const Operation kTurn{PictureOp::TurnLeft, Turn};

void Record(Document& d, const Operation& o) {
  PictureEdit edit(&d.history, d.picture, o.op);
  if (o.run(d)) edit.commit("step");
}

// The operation alone (`kept` false) or as the program runs it, keeping its step.
void BM_Operation(benchmark::State& st, const Operation& o, bool kept) {
  Document d;
  MakeScan(d);
  for (auto _ : st) {
    st.PauseTiming();
    while (d.history.canUndo()) d.history.undo();
    d.history.clear();
    st.ResumeTiming();
    if (kept)
      Record(d, o);
    else
      o.run(d);
    st.PauseTiming();
    if (!kept) MakeScan(d);
    st.ResumeTiming();
  }
  st.counters["step_bytes"] = double(d.history.bytesUsed());
}

// Undo (or redo) of the step; the other direction runs untimed between.
void BM_UndoRedo(benchmark::State& st, const Operation& o, bool undo) {
  Document d;
  MakeScan(d);
  Record(d, o);
  if (!undo) d.history.undo();
  for (auto _ : st) {
    benchmark::DoNotOptimize(undo ? d.history.undo() : d.history.redo());
    st.PauseTiming();
    undo ? d.history.redo() : d.history.undo();
    st.ResumeTiming();
  }
  st.counters["step_bytes"] = double(d.history.bytesUsed());
}
}  // namespace

BENCHMARK_CAPTURE(BM_Operation, crop_alone, kCrop, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Operation, crop_kept, kCrop, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_UndoRedo, crop_undo, kCrop, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_UndoRedo, crop_redo, kCrop, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Operation, filter_alone, kFilter, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Operation, filter_kept, kFilter, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_UndoRedo, filter_undo, kFilter, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_UndoRedo, filter_redo, kFilter, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Operation, turn_kept, kTurn, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_UndoRedo, turn_undo, kTurn, true)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
