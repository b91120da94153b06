// "New from music...": a whole design of the chosen preset made from a folder, a cue sheet or a
// playlist, as New makes an empty one.
#include <QtGlobal>
#include <filesystem>

#include "app/Document.h"
#include "app/coverfile/DesignStep.h"
#include "app/views/DocumentCommands.h"
#include "app/views/MeasuredAlbumDesign.h"
#include "cover/tracks/TrackList.h"
#include "platform/AnsiText.h"
#include "platform/Translate.h"

namespace {
// What the reading left out or changed, one line each; empty when nothing.
std::string MusicReport(const AlbumMusic& music, int leftOut) {
  std::string report;
  auto line = [&report](const std::string& text) { report += text + "\n"; };
  for (const std::string& p : music.list.problems)
    line(FillIn(Translate("DocumentMusic", "Skipped: %1"), {p}));
  for (const std::string& p : music.art.problems())
    line(FillIn(Translate("DocumentMusic", "Skipped the picture in: %1"), {p}));
  if (!music.texts.unheld.empty())
    line(FillIn(Translate("DocumentMusic", "The cover shows these characters replaced: %1"),
                {ReplacedCharacters(music.texts)}));
  if (leftOut > 0)
    line(FillIn(Translate("DocumentMusic", "%1 tracks did not fit on the back."),
                {std::to_string(leftOut)}));
  return report;
}
}  // namespace

void DocumentCommands::newFromMusic(const PartPreset& preset) {
  if (!askFirst(Translate("DocumentCommands", "File/New from music"))) return;
  FileRequest request;
  request.title = Translate("DocumentCommands", "New from music");
  request.filter = Translate("DocumentCommands",
                             "Music, cue sheets and playlists (*.flac *.mp3 *.ogg *.opus *.m4a "
                             "*.wav *.cue *.m3u *.m3u8)|*.flac;*.mp3;*.ogg;*.opus;*.m4a;*.wav;"
                             "*.cue;*.m3u;*.m3u8");
  const auto answer = CurrentDialogs().openFile(request);
  if (!answer) return;
  // A cue sheet or playlist is read itself; any other file stands for its folder.
  const std::string ext = LowerExtension(answer->path);
  const std::string path = ext == ".cue" || ext == ".m3u" || ext == ".m3u8"
                               ? answer->path
                               : std::filesystem::path(answer->path).parent_path().string();
  AlbumMusic music;
  std::string error;
  if (!ReadAlbumMusic(path, kDefaultTrackPattern, music, error))
    return ShowError(path + ": " + error);
  uint32_t background = 0xFFFFFF;
  if (!music.art.found()) {  // the parts get a plain colour of the user's choice
    const auto bgr = CurrentDialogs().chooseColor(0xFFFFFF);
    if (!bgr) return;
    background = (*bgr & 0xFF) << 16 | (*bgr & 0xFF00) | *bgr >> 16;
  }
  int leftOut = 0;  // the document stays as it was when the design cannot be made
  if (!ReplaceDesignAsStep(doc_, QT_TRANSLATE_NOOP("History", "New from music"), [&] {
        return MakeMeasuredAlbumDesign(doc_, music, preset, background, error, &leftOut);
      }))
    return ShowError(error);
  nameChanged_();
  stepped_();
  if (const std::string report = MusicReport(music, leftOut); !report.empty())
    CurrentDialogs().messageBox(report, Translate("DocumentCommands", "New from music"),
                                MsgButtons::Ok, MsgIcon::Information);
}
