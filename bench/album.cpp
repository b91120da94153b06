// A folder of 30 tagged FLAC files, each with the same 1000 x 1000 JPEG front cover embedded,
// made into a design of the "CD jewel case" parts (front, back inlay with spines, disc label) as
// the album command makes it, each part printed at its size on a page of a PDF at 300 dpi; the goal
// is less than 2 s. QUENDRIX_ALBUM_PDF names a file to keep the PDF in. A second run embeds a
// different cover in every file.
#include <benchmark/benchmark.h>
#include <taglib/flacfile.h>
#include <taglib/flacpicture.h>
#include <taglib/tpropertymap.h>
#include <unistd.h>

#include <QApplication>
#include <QBuffer>
#include <QFile>
#include <QPainter>
#include <QPdfWriter>
#include <cstdlib>
#include <filesystem>

#include "app/coverfile/PartEdits.h"
#include "app/views/MeasuredAlbumDesign.h"
#include "platform/Units.h"
#include "platform/codecs/PictureCodecs.h"
#include "print/views/CoverDrawer.h"

namespace fs = std::filesystem;

namespace {

// A 1000 x 1000 picture of soft gradients, as JPEG bytes.
std::vector<uint8_t> CoverJpeg(int seed) {
  Dib dib;
  NewDib(dib, 1000, 1000, 24, nullptr, 0);
  for (int32_t y = 0; y < 1000; ++y)
    for (int32_t x = 0; x < 1000; ++x)
      SetDibPixel(dib, x, y, uint32_t((x / 4 + seed) & 0xFF) << 16 | uint32_t(y / 4) << 8 | 0x40);
  std::vector<uint8_t> bytes;
  std::string error;
  WriteJpeg(dib, bytes, error);
  FreeDib(dib);
  return bytes;
}

struct Folder {
  explicit Folder(bool distinct) {
    dir = fs::temp_directory_path() /
          ("quendrix-bench-album-" + std::to_string(getpid()) + (distinct ? "-d" : ""));
    fs::create_directories(dir);
    const std::string tone = (dir / "tone.flac").string();
    if (std::system(("sox -q -n -r 44100 -c 2 -b 16 '" + tone + "' synth 30 sine 440").c_str())) {
      error = "sox failed (scripts/setup installs it)";
      return;
    }
    for (int i = 0; i < 30; ++i) {
      const fs::path file = dir / "album" / ("track " + std::to_string(10 + i) + ".flac");
      fs::create_directories(file.parent_path());
      fs::copy_file(tone, file, fs::copy_options::overwrite_existing);
      TagLib::FLAC::File flac(file.c_str());
      TagLib::PropertyMap map;
      map["TITLE"] = TagLib::String("The title of track number " + std::to_string(i + 1));
      map["ARTIST"] = TagLib::String("The Band");
      map["ALBUM"] = TagLib::String("Thirty Songs");
      map["TRACKNUMBER"] = TagLib::String(std::to_string(i + 1));
      flac.setProperties(map);
      const std::vector<uint8_t> jpeg = CoverJpeg(distinct ? i * 7 : 0);
      auto* picture = new TagLib::FLAC::Picture;
      picture->setType(TagLib::FLAC::Picture::FrontCover);
      picture->setMimeType("image/jpeg");
      picture->setData(
          TagLib::ByteVector(reinterpret_cast<const char*>(jpeg.data()), unsigned(jpeg.size())));
      flac.addPicture(picture);
      flac.save();
    }
  }
  ~Folder() { fs::remove_all(dir); }
  fs::path dir;
  std::string error;
};

void BM_FolderToPrintedThreeParts(benchmark::State& state) {
  static Folder same(false), distinct(true);
  Folder& f = state.range(0) ? distinct : same;
  if (!f.error.empty()) {
    state.SkipWithError(f.error.c_str());
    return;
  }
  const std::string path = (f.dir / "album").string();
  const PartPreset* preset = FindPartPreset("CD jewel case");
  for (auto _ : state) {
    AlbumMusic music;
    std::string error;
    if (!ReadAlbumMusic(path, kDefaultTrackPattern, music, error) || music.list.tracks.size() != 30)
      state.SkipWithError("the folder was not read whole");
    if (!music.art.found()) state.SkipWithError("no art found");
    Document doc;
    int leftOut = 0;
    if (!MakeMeasuredAlbumDesign(doc, music, *preset, 0xFFFFFF, error, &leftOut) || leftOut)
      state.SkipWithError("the design was not made whole");

    QBuffer out;
    out.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&out);
    pdf.setResolution(300);
    QPainter painter;
    for (size_t p = 0; p < doc.parts.list.size(); ++p) {
      const PaperFormat& format = *doc.parts.list[p].format;
      pdf.setPageSize(QPageSize(QSizeF(format.width, format.height), QPageSize::Millimeter));
      if (p == 0)
        painter.begin(&pdf);
      else
        pdf.newPage();
      Document one;
      if (!ExtractPart(doc, p, one, error)) state.SkipWithError("a part did not read");
      const double dotsPerMm = pdf.resolution() / kMmPerInch;
      MakeCoverDrawer(one.picture, one.objects)(
          painter, PixelRect{0, 0, int(format.width * dotsPerMm), int(format.height * dotsPerMm)},
          0, 0);
    }
    painter.end();
    state.counters["pdf_kB"] = double(out.size()) / 1024;
    if (const char* keep = std::getenv("QUENDRIX_ALBUM_PDF")) {  // to look at the result
      QFile file(keep);
      if (file.open(QIODevice::WriteOnly)) file.write(out.data());
    }
  }
}
BENCHMARK(BM_FolderToPrintedThreeParts)
    ->Arg(0)
    ->Arg(1)
    ->ArgName("distinct_art")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
