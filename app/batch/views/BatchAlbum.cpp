#include "app/batch/views/BatchAlbum.h"

#include <QImage>
#include <QPainter>
#include <charconv>
#include <cstdio>

#include "app/Document.h"
#include "app/batch/views/BatchApplication.h"
#include "app/coverfile/CoverFile.h"
#include "cover/album/AlbumLayout.h"
#include "cover/album/AlbumMusic.h"
#include "cover/text/CoverText.h"
#include "platform/AnsiText.h"
#include "platform/Translate.h"
#include "platform/device/views/QtDevice.h"
#include "platform/views/PrinterInfo.h"

namespace {
const char kUsage[] = QT_TRANSLATE_NOOP(
    "BatchAlbum", "usage: quendrix album PATH --out DESIGN.cov [--background RRGGBB]");

bool ParseColour(const std::string& text, uint32_t& rgb) {
  const char* end = text.data() + text.size();
  const auto r = std::from_chars(text.data(), end, rgb, 16);
  return text.size() == 6 && r.ec == std::errc() && r.ptr == end;
}

void Note(const std::string& text) {
  std::fputs(("quendrix: " + EscapeControls(text) + "\n").c_str(), stderr);
}
}  // namespace

int RunAlbumCommand(const Args& args) {
  std::string path, out;
  uint32_t background = 0xFFFFFF;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if ((a == "--out" || a == "--background") && i + 1 < args.size()) {
      const std::string& v = args[++i];
      if (a == "--out")
        out = v;
      else if (!ParseColour(v, background))
        return Fail(kExitUsage, FillIn(Translate("BatchAlbum", "bad value '%1' for %2"), {v, a}));
    } else if (path.empty() && !a.starts_with("--")) {
      path = a;
    } else {
      return Fail(kExitUsage, Translate("BatchAlbum", kUsage));
    }
  }
  if (path.empty() || out.empty()) return Fail(kExitUsage, Translate("BatchAlbum", kUsage));
  AlbumMusic music;
  std::string error;
  if (!ReadAlbumMusic(path, kDefaultTrackPattern, music, error))
    return Fail(kExitFailure, path + ": " + error);
  for (const std::string& p : music.list.problems)
    Note(FillIn(Translate("BatchAlbum", "skipped %1"), {p}));
  for (const std::string& p : music.art.problems())
    Note(FillIn(Translate("BatchAlbum", "skipped the picture in %1"), {p}));
  if (!music.texts.unheld.empty()) {
    std::string replaced;
    for (const std::string& c : music.texts.unheld)
      replaced += (replaced.empty() ? "" : ", ") + c + " -> " + AnsiToUtf8(ToCoverText(c));
    Note(Translate("BatchAlbum",
                   "the cover cannot hold these characters and shows them "
                   "replaced: ") +
         replaced);
  }
  Dib picture;
  MakeFrontPicture(music.art, background, picture);
  if (!picture.Bits)
    return Fail(kExitFailure,
                Translate("BatchAlbum", "there is not enough memory for the picture"));
  const BatchApplication app;  // fonts are measured through the toolkit
  Document doc;                // on the page a new design gets
  const PrinterPage page = DefaultPrinterPage();
  doc.setPrinterPage(page.widthPx, page.heightPx, page.dpiX, page.dpiY);
  doc.replacePicture(picture);
  const double base = doc.scales.BaseScale;
  const ElementBox front{0, 0, int32_t(DibWidth(doc.picture) * base),
                         int32_t(DibHeight(doc.picture) * base)};
  const uint32_t bgr = (background & 0xFF) << 16 | (background & 0xFF00) | background >> 16;
  FontSpec font;
  font.style = 1;  // bold
  const AlbumStyle style{
      font, music.art.found() ? ReadableColorsOver(music.art.dib()) : ReadableColorsOver(bgr)};
  QImage scratch(1, 1, QImage::Format_RGB32);
  QPainter painter(&scratch);
  {
    QtDevice dc(painter);
    TextMeasure measure(dc, font);
    PlaceFrontTexts(doc.objects, music.texts, front, style, measure,
                    music.art.found() ? &music.art.dib() : nullptr);
  }
  painter.end();
  // SaveFile has said why it failed.
  return SaveFile(doc, out) ? 0 : kExitFailure;
}

void RegisterAlbumCommand() {
  RegisterBatchCommand(
      {"album", "PATH --out DESIGN.cov [--background RRGGBB]",
       QT_TRANSLATE_NOOP("BatchCommands",
                         "Makes a design from a folder of music, a cue sheet or a playlist: its "
                         "cover art (or a plain colour) with album and artist over it."),
       RunAlbumCommand});
}
