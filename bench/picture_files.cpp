// Opening and saving a 3000 x 3000 picture in PNG, JPEG, TIFF and BMP, side by side with Qt's
// QImageReader and QImageWriter on the same files, and reading the BMP file's bytes alone.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "platform/codecs/PictureFile.h"
#include "platform/dib/Dib.h"

namespace {
constexpr int kSide = 3000;

struct Format {
  const char* ext;
  int code;
  const char* qtName;
};
const Format kFormats[] = {
    {"png", 14, "png"}, {"jpg", 8, "jpeg"}, {"tif", 13, "tiff"}, {"bmp", 3, "bmp"}};

std::string Folder() {
  static const std::string dir = [] {
    const auto p =
        std::filesystem::temp_directory_path() / ("quendrix-bench-" + std::to_string(getpid()));
    std::filesystem::create_directories(p);
    return p.string();
  }();
  return dir;
}
std::string PathOf(const Format& f, const char* who) {
  return Folder() + "/" + who + "." + f.ext;
}

// A photo-like picture: smooth gradients with fine texture, so compressors have real work.
const Dib& Picture() {
  static Dib dib = [] {
    Dib d;
    NewDib(d, kSide, kSide, 24, nullptr, 0);
    uint32_t noise = 12345;
    for (int y = 0; y < kSide; ++y) {
      uint8_t* p = DibRow(d, y);
      for (int x = 0; x < kSide; ++x, p += 3) {
        noise = noise * 1664525u + 1013904223u;
        const int n = int(noise >> 29);
        p[0] = uint8_t((x * 255 / kSide + n) & 255);
        p[1] = uint8_t(((x + y) * 127 / kSide + n) & 255);
        p[2] = uint8_t((y * 255 / kSide + ((x / 50 + y / 50) & 1) * 40) & 255);
      }
    }
    return d;
  }();
  return dib;
}

// Files written once by each side; Qt's files fall back to ours when Qt cannot write a format.
void PrepareFiles() {
  static bool done = false;
  if (done) return;
  done = true;
  QImage image(kSide, kSide, QImage::Format_RGB888);
  for (int y = 0; y < kSide; ++y) {
    const uint8_t* s = DibRow(Picture(), y);
    uint8_t* q = image.scanLine(y);
    for (int x = 0; x < kSide; ++x)
      q[3 * x] = s[3 * x + 2], q[3 * x + 1] = s[3 * x + 1], q[3 * x + 2] = s[3 * x];
  }
  for (const Format& f : kFormats) {
    std::string error;
    if (!SavePictureFile(Picture(), PathOf(f, "ours"), f.code, error))
      std::fprintf(stderr, "ours.%s: %s\n", f.ext, error.c_str());
    QImageWriter(QString::fromStdString(PathOf(f, "qt")), f.qtName).write(image);
    if (!std::filesystem::exists(PathOf(f, "ours")) && std::filesystem::exists(PathOf(f, "qt")))
      std::filesystem::copy_file(PathOf(f, "qt"), PathOf(f, "ours"));
  }
}

void BM_OpenDib(benchmark::State& state) {
  PrepareFiles();
  const Format& f = kFormats[state.range(0)];
  state.SetLabel(f.ext);
  for (auto _ : state) {
    Dib dib;
    std::string error;
    if (!LoadPictureFile(dib, PathOf(f, "ours"), error)) {
      state.SkipWithError(error.c_str());
      break;
    }
    FreeDib(dib);
  }
}

void BM_QtRead(benchmark::State& state) {
  PrepareFiles();
  const Format& f = kFormats[state.range(0)];
  state.SetLabel(f.ext);
  for (auto _ : state) {
    QImageReader reader(QString::fromStdString(PathOf(f, "ours")));
    const QImage image = reader.read();
    if (image.isNull()) {
      state.SkipWithError(reader.errorString().toStdString().c_str());
      break;
    }
    benchmark::DoNotOptimize(image.constBits());
  }
}

void BM_SaveDib(benchmark::State& state) {
  PrepareFiles();
  const Format& f = kFormats[state.range(0)];
  state.SetLabel(f.ext);
  for (auto _ : state) {
    std::string error;
    if (!SavePictureFile(Picture(), PathOf(f, "saved"), f.code, error)) {
      state.SkipWithError(error.c_str());
      return;
    }
  }
  state.counters["MB"] = double(std::filesystem::file_size(PathOf(f, "saved"))) / 1e6;
}

void BM_QtWrite(benchmark::State& state) {
  PrepareFiles();
  const Format& f = kFormats[state.range(0)];
  state.SetLabel(f.ext);
  const QImage image(QString::fromStdString(PathOf(f, "ours")));
  for (auto _ : state) {
    QImageWriter writer(QString::fromStdString(PathOf(f, "qtsaved")), f.qtName);
    if (!writer.write(image)) {
      state.SkipWithError(writer.errorString().toStdString().c_str());
      return;
    }
  }
  state.counters["MB"] = double(std::filesystem::file_size(PathOf(f, "qtsaved"))) / 1e6;
}

// The floor for BMP reading: the file's bytes into memory, nothing else.
void BM_ReadBytes(benchmark::State& state) {
  PrepareFiles();
  const std::string path = PathOf(kFormats[3], "ours");
  const size_t size = std::filesystem::file_size(path);
  state.SetLabel("bmp");
  for (auto _ : state) {
    std::unique_ptr<uint8_t[]> data(new uint8_t[size]);
    const int fd = ::open(path.c_str(), O_RDONLY);
    size_t done = 0;
    for (ssize_t n; done < size && (n = ::read(fd, data.get() + done, size - done)) > 0;)
      done += size_t(n);
    ::close(fd);
    benchmark::DoNotOptimize(data.get());
  }
}
}  // namespace

// Enough iterations that the first one's fresh memory does not decide the average.
BENCHMARK(BM_OpenDib)->DenseRange(0, 3)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_QtRead)->DenseRange(0, 3)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_SaveDib)->DenseRange(0, 3)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_QtWrite)->DenseRange(0, 3)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_ReadBytes)->Unit(benchmark::kMillisecond)->Iterations(10);

int main(int argc, char** argv) {
  KeepPictureMemory();  // as the program does at its start
  QCoreApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  std::filesystem::remove_all(Folder());
  return 0;
}
