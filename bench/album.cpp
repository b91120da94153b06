// A folder of 30 tagged FLAC files, each with the same 1000 x 1000 JPEG front cover embedded,
// made into a front, a back inlay with spines and a disc label printed as a three-page PDF at
// 300 dpi; the goal is less than 2 s. QUENDRIX_ALBUM_PDF names a file to keep the PDF in. A second
// run embeds a different cover in every file.
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

#include "cover/DrawCoverObjects.h"
#include "cover/album/AlbumArt.h"
#include "cover/album/AlbumLayout.h"
#include "cover/tracks/TrackSource.h"
#include "picture/DrawDib.h"
#include "platform/Units.h"
#include "platform/codecs/PictureCodecs.h"
#include "platform/device/views/QtDevice.h"

namespace fs = std::filesystem;

namespace {
constexpr int32_t kMm = 200000;

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

// The objects of one part drawn onto the PDF's page over its background picture.
void PrintPart(QPdfWriter& pdf, QPainter& painter, ObjectTable& table, const Dib* background,
               int32_t w, int32_t h, bool newPage) {
  if (newPage) pdf.newPage();
  QtDevice dc(painter);
  const double scale = pdf.resolution() / (kMmPerInch * kUnitsPerMm);  // pixels per unit
  if (background && background->Bits)
    DrawDib(dc, 0, 0, int32_t(w * scale), int32_t(h * scale), *background, 0, 0,
            DibWidth(*background), DibHeight(*background), true, SRCCOPY, true, nullptr);
  DrawCoverObjects(dc, table, 0, 0, scale);
}

void BM_FolderToPrintedThreeParts(benchmark::State& state) {
  static Folder same(false), distinct(true);
  Folder& f = state.range(0) ? distinct : same;
  if (!f.error.empty()) {
    state.SkipWithError(f.error.c_str());
    return;
  }
  const std::string path = (f.dir / "album").string();
  for (auto _ : state) {
    TrackList list;
    std::string error;
    if (!ReadTrackList(path, list, error) || list.tracks.size() != 30)
      state.SkipWithError("the folder was not read whole");
    AlbumArt art;
    FindAlbumArt(path, art);
    if (!art.found()) state.SkipWithError("no art found");
    const AlbumTexts texts = MakeAlbumTexts(list, kDefaultTrackPattern);
    Dib copy;
    CopyDib(copy, art.dib());
    const auto pixels = PicturePixels::Make(copy, {}, error);

    QBuffer out;
    out.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&out);
    pdf.setResolution(300);
    pdf.setPageSize(QPageSize(QSizeF(151, 120), QPageSize::Millimeter));
    QPainter painter(&pdf);
    CoverScales scales;
    ObjectTable front(scales), back(scales), disc(scales);
    {  // the measuring device restores the painter before the pages are drawn
      QtDevice measuring(painter);
      AlbumStyle style{FontSpec{"Liberation Sans"}, ReadableColorsOver(art.dib())};
      TextMeasure measure(measuring, style.font);
      PlaceFrontTexts(front, texts, {0, 0, 120 * kMm, 120 * kMm}, style, measure, &art.dib());
      AlbumStyle plain{style.font, {0x000000, 0xFFFFFF}};
      PlaceBackInlay(back, texts, {0, 0, 151 * kMm, 118 * kMm}, 13 * kMm / 2, plain, measure);
      PlaceDiscArt(disc, pixels, {0, 0, 118 * kMm, 118 * kMm});
      PlaceDiscTexts(disc, texts, {0, 0, 118 * kMm, 118 * kMm}, 40 * kMm, style, measure);
    }
    PrintPart(pdf, painter, front, &art.dib(), 120 * kMm, 120 * kMm, false);
    PrintPart(pdf, painter, back, nullptr, 151 * kMm, 118 * kMm, true);
    PrintPart(pdf, painter, disc, nullptr, 118 * kMm, 118 * kMm, true);
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
