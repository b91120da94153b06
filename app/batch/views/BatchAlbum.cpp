#include "app/batch/views/BatchAlbum.h"

#include <charconv>
#include <cstdio>

#include "app/Document.h"
#include "app/batch/views/BatchApplication.h"
#include "app/coverfile/CoverFile.h"
#include "app/coverfile/PartPresets.h"
#include "app/views/MeasuredAlbumDesign.h"
#include "cover/album/AlbumMusic.h"
#include "cover/text/CoverText.h"
#include "platform/AnsiText.h"
#include "platform/Translate.h"
#include "platform/views/PrinterInfo.h"

namespace {
const char kUsage[] = QT_TRANSLATE_NOOP(
    "BatchAlbum",
    "usage: quendrix album PATH [--preset NAME] --out DESIGN.cov [--background RRGGBB]");

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
  std::string path, out, presetName = "CD jewel case";
  uint32_t background = 0xFFFFFF;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if ((a == "--out" || a == "--background" || a == "--preset") && i + 1 < args.size()) {
      const std::string& v = args[++i];
      if (a == "--out")
        out = v;
      else if (a == "--preset")
        presetName = v;
      else if (!ParseColour(v, background))
        return Fail(kExitUsage, FillIn(Translate("BatchAlbum", "bad value '%1' for %2"), {v, a}));
    } else if (path.empty() && !a.starts_with("--")) {
      path = a;
    } else {
      return Fail(kExitUsage, Translate("BatchAlbum", kUsage));
    }
  }
  if (path.empty() || out.empty()) return Fail(kExitUsage, Translate("BatchAlbum", kUsage));
  const PartPreset* preset = FindPartPreset(presetName);
  if (!preset)
    return Fail(kExitUsage,
                FillIn(Translate("BatchAlbum", "bad value '%1' for %2"), {presetName, "--preset"}));
  AlbumMusic music;
  std::string error;
  if (!ReadAlbumMusic(path, kDefaultTrackPattern, music, error))
    return Fail(kExitFailure, path + ": " + error);
  for (const std::string& p : music.list.problems)
    Note(FillIn(Translate("BatchAlbum", "skipped %1"), {p}));
  for (const std::string& p : music.art.problems())
    Note(FillIn(Translate("BatchAlbum", "skipped the picture in %1"), {p}));
  if (!music.texts.unheld.empty())
    Note(Translate("BatchAlbum",
                   "the cover cannot hold these characters and shows them "
                   "replaced: ") +
         ReplacedCharacters(music.texts));
  const BatchApplication app;  // fonts are measured through the toolkit
  Document doc;                // on the page a new design gets
  const PrinterPage page = DefaultPrinterPage();
  doc.setPrinterPage(page.widthPx, page.heightPx, page.dpiX, page.dpiY);
  int leftOut = 0;
  if (!MakeMeasuredAlbumDesign(doc, music, *preset, background, error, &leftOut))
    return Fail(kExitFailure, error);
  if (leftOut > 0)
    Note(FillIn(Translate("BatchAlbum", "%1 tracks did not fit on the back"),
                {std::to_string(leftOut)}));
  // SaveFile has said why it failed.
  return SaveFile(doc, out) ? 0 : kExitFailure;
}

void RegisterAlbumCommand() {
  RegisterBatchCommand(
      {"album", "PATH [--preset NAME] --out DESIGN.cov [--background RRGGBB]",
       QT_TRANSLATE_NOOP("BatchCommands",
                         "Makes a design of every part of a preset (\"CD jewel case\" unless "
                         "named) from a folder of music, a cue sheet or a playlist: the cover art "
                         "(or a plain colour) with album and artist on the front, the track list "
                         "and both spines on the back, album and artist on the disc's arcs."),
       RunAlbumCommand});
}
