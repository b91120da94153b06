// Saving and opening a large cover (3000 x 3000 pixels of 24 bits, 1000 objects), with a
// progress sink installed, against one plain fwrite / fread of the same number of bytes. Real
// time: the open shares a large picture's rows with a helper thread. A design of four such parts
// should cost at most 4.4 times one part, to open and to save.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>

#include "app/coverfile/CoverFile.h"
#include "app/coverfile/PartEdits.h"
#include "platform/Progress.h"
#include "platform/dib/Dib.h"

namespace {
struct CountingSink : ProgressSink {
  void setProgress(int percent) override {
    ++calls;
    last = percent;
  }
  long calls = 0;
  int last = 0;
};

struct Fixture {
  Fixture() {
    dir = std::filesystem::temp_directory_path() / ("quendrix-bench-" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    doc.setPrinterPage(4960, 7016, 600, 600);
    Dib dib;
    NewDib(dib, 3000, 3000, 24, nullptr, 0);
    for (size_t i = 0; i < size_t(3000) * size_t(dib.BytesPerLine); ++i)
      dib.Bits[i] = uint8_t(i * 31 >> 3);
    doc.replacePicture(dib);
    for (int slot = 1; slot <= 1000; ++slot) {
      CoverObject& o = doc.objects[slot];
      o.Kind = slot % 2 ? kShape : kText;
      o.X = slot * 1000;
      o.W = 500000;
      o.Text = "Track " + std::to_string(slot) + "\rA longer second line of the cover";
      o.FontName = "Liberation Sans";
    }
    size = CoverFileSize(doc);
    bytes.reset(new uint8_t[size]);
    for (size_t i = 0; i < size; ++i) bytes[i] = uint8_t(i);
    previous = SetProgressSink(&sink);
  }
  ~Fixture() {
    SetProgressSink(previous);
    std::filesystem::remove_all(dir);
  }
  std::string file(const char* name) const { return (dir / name).string(); }

  std::filesystem::path dir;
  Document doc;
  uint64_t size = 0;
  std::unique_ptr<uint8_t[]> bytes;
  CountingSink sink;
  ProgressSink* previous = nullptr;
};

Fixture& Shared() {
  static Fixture f;
  return f;
}

void BM_SaveFile(benchmark::State& state) {
  Fixture& f = Shared();
  for (auto _ : state)
    if (!SaveFile(f.doc, f.file("save.cov"))) state.SkipWithError("save failed");
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(f.size));
  state.counters["progress_calls"] = double(f.sink.calls) / double(state.iterations());
  f.sink.calls = 0;
}

// The large cover as the first of four equal parts.
Document& FourParts() {
  static Document doc;
  static bool made = false;
  if (!made) {
    Fixture& f = Shared();
    const std::vector<uint8_t> cover = CoverFileBytes(f.doc);
    CoverContents contents;
    ParseCoverFile(cover, contents);
    CommitCover(doc, contents);
    std::string error;
    for (const char* name : {"Inlay", "Disc", "Booklet"})
      if (!AddPart(doc, DesignPart{name, {}, cover}, error)) std::abort();
    made = true;
  }
  return doc;
}

void BM_SaveFourParts(benchmark::State& state) {
  Fixture& f = Shared();
  Document& doc = FourParts();
  for (auto _ : state)
    if (!SaveFile(doc, f.file("parts.cov"))) state.SkipWithError("save failed");
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(4 * f.size));
}

void BM_OpenFourParts(benchmark::State& state) {
  Fixture& f = Shared();
  if (!SaveFile(FourParts(), f.file("parts-open.cov"))) state.SkipWithError("save failed");
  Document doc;
  for (auto _ : state)
    if (!OpenFile(doc, f.file("parts-open.cov"))) state.SkipWithError("open failed");
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(4 * f.size));
}

void BM_PlainFwrite(benchmark::State& state) {
  Fixture& f = Shared();
  for (auto _ : state) {
    FILE* out = std::fopen(f.file("plain.bin").c_str(), "wb");
    const size_t done = std::fwrite(f.bytes.get(), 1, f.size, out);
    std::fclose(out);
    if (done != f.size) state.SkipWithError("write failed");
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(f.size));
}

void BM_OpenFile(benchmark::State& state) {
  Fixture& f = Shared();
  if (!SaveFile(f.doc, f.file("open.cov"))) state.SkipWithError("save failed");
  f.sink.calls = 0;
  Document doc;
  for (auto _ : state)
    if (!OpenFile(doc, f.file("open.cov"))) state.SkipWithError("open failed");
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(f.size));
  state.counters["progress_calls"] = double(f.sink.calls) / double(state.iterations());
  f.sink.calls = 0;
}

void BM_PlainFread(benchmark::State& state) {
  Fixture& f = Shared();
  FILE* out = std::fopen(f.file("read.bin").c_str(), "wb");
  std::fwrite(f.bytes.get(), 1, f.size, out);
  std::fclose(out);
  for (auto _ : state) {
    std::unique_ptr<uint8_t[]> buffer(new uint8_t[f.size]);
    FILE* in = std::fopen(f.file("read.bin").c_str(), "rb");
    const size_t done = std::fread(buffer.get(), 1, f.size, in);
    std::fclose(in);
    if (done != f.size) state.SkipWithError("read failed");
    benchmark::DoNotOptimize(buffer.get());
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(f.size));
}
// As the reader works: the new content is read beside the old one, which is freed afterwards.
void BM_PlainFreadBesideOld(benchmark::State& state) {
  Fixture& f = Shared();
  std::unique_ptr<uint8_t[]> old(new uint8_t[f.size]);
  for (auto _ : state) {
    std::unique_ptr<uint8_t[]> buffer(new uint8_t[f.size]);
    FILE* in = std::fopen(f.file("read.bin").c_str(), "rb");
    const size_t done = std::fread(buffer.get(), 1, f.size, in);
    std::fclose(in);
    if (done != f.size) state.SkipWithError("read failed");
    old = std::move(buffer);
    benchmark::DoNotOptimize(old.get());
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(f.size));
}
}  // namespace

BENCHMARK(BM_SaveFile)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SaveFourParts)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_OpenFourParts)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_PlainFwrite)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_OpenFile)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_PlainFread)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_PlainFreadBesideOld)->Unit(benchmark::kMillisecond)->UseRealTime();
int main(int argc, char** argv) {
  KeepPictureMemory();  // as the program does at its start
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}
