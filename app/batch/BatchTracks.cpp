#include "app/batch/BatchTracks.h"

#include <cstdio>

#include "cover/tracks/TrackSource.h"
#include "platform/AnsiText.h"
#include "platform/Translate.h"

int RunTracks(const Args& args) {
  std::string path, pattern = kDefaultTrackPattern;
  bool havePath = false;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--pattern") {
      if (i + 1 >= args.size())
        return Fail(kExitUsage,
                    Translate("BatchTracks", "--pattern needs a pattern such as \"%n. %t\""));
      pattern = args[++i];
    } else if (!havePath) {
      path = args[i];
      havePath = true;
    } else {
      return Fail(kExitUsage,
                  Translate("BatchTracks", "usage: quendrix tracks PATH [--pattern P]"));
    }
  }
  if (!havePath)
    return Fail(kExitUsage, Translate("BatchTracks", "usage: quendrix tracks PATH [--pattern P]"));
  TrackList list;
  std::string error;
  const bool read = ReadTrackList(path, list, error);
  for (const std::string& p : list.problems)
    std::fputs(
        FillIn(Translate("BatchTracks", "quendrix: skipped %1\n"), {EscapeControls(p)}).c_str(),
        stderr);
  if (!read) return Fail(kExitFailure, path + ": " + error);
  for (const std::string& line : TrackLines(list, pattern))
    std::printf("%s\n", EscapeControls(line).c_str());
  return 0;
}
