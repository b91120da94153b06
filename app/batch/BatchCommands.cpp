#include "app/batch/BatchCommands.h"

#include <QString>
#include <QtGlobal>
#include <cstdio>

#include "app/batch/BatchConvert.h"
#include "app/batch/BatchParts.h"
#include "app/batch/BatchPlacePicture.h"
#include "app/batch/BatchRetouch.h"
#include "app/batch/BatchTracks.h"
#include "app/batch/ProgramVersion.h"
#include "platform/AnsiText.h"
#include "platform/Translate.h"

int RunScanCommand(const Args& args);

namespace {
int Help(const Args&) {
  std::fputs(Translate("BatchCommands",
                       "Usage: quendrix [FILE.cov]\n       quendrix COMMAND ARGS...\n\nCommands:\n")
                 .c_str(),
             stdout);
  for (const BatchCommand& c : BatchCommandList())
    std::printf("  %s %s\n      %s\n", c.name, c.usage,
                Translate("BatchCommands", c.summary).c_str());
  return 0;
}

int Version(const Args&) {
  std::printf("%s\n", ProgramVersionLine().c_str());
  return 0;
}
}  // namespace

namespace {
std::vector<BatchCommand>& Registered() {
  static std::vector<BatchCommand> list;
  return list;
}
}  // namespace

void RegisterBatchCommand(const BatchCommand& command) {
  Registered().push_back(command);
}

std::vector<BatchCommand> BatchCommandList() {
  std::vector<BatchCommand> list = {
      {"--help", "", QT_TRANSLATE_NOOP("BatchCommands", "Shows this list."), Help},
      {"--version", "", QT_TRANSLATE_NOOP("BatchCommands", "Prints the program's version."),
       Version},
      {"convert", "IN OUT [--format CODE]",
       QT_TRANSLATE_NOOP("BatchCommands",
                         "Converts a picture file; the format comes from OUT's extension or CODE "
                         "(3 bmp ... 14 png)."),
       RunConvert},
      {"info", "FILE",
       QT_TRANSLATE_NOOP("BatchCommands", "Prints the picture's width, height and bits per pixel."),
       RunInfo},
      {"scan",
       "OUT [--device NAME] [--resolution DPI] [--mode color|gray|lineart] [--area X,Y,W,H] "
       "[--option NAME=VALUE]... | --list | --list-options DEVICE",
       QT_TRANSLATE_NOOP("BatchCommands",
                         "Scans a picture (area in millimetres) into the picture file OUT, setting "
                         "any scanner option "
                         "(yes/no, numbers in the option's unit, list entries, arrays as a,b,c); "
                         "or lists the scanners "
                         "or a scanner's options."),
       RunScanCommand},
      {"retouch",
       "IN OUT [--crop X,Y,W,H] [--turn left|right] [--mirror h|v] [--brightness N] "
       "[--contrast K] [--effect NAME] [--depth24]",
       QT_TRANSLATE_NOOP("BatchCommands",
                         "Applies retouch operations to a picture file in the order given."),
       BatchRetouch},
      {"tracks", "PATH [--pattern P]",
       QT_TRANSLATE_NOOP(
           "BatchCommands",
           "Prints the track list of a folder of audio files, a cue sheet or a playlist "
           "(pattern fields %n %N %t %a %d %%)."),
       RunTracks},
      {"place-picture",
       "DESIGN.cov PICTURE --box X,Y,W,H [--fit contain|cover|stretch] [--opacity P] "
       "[--transparent RRGGBB[:TOLERANCE]] [--out OUT.cov]",
       QT_TRANSLATE_NOOP("BatchCommands",
                         "Places a picture over the design in the box given in pixels of the "
                         "design's picture and saves the design (or OUT.cov)."),
       RunPlacePicture},
      {"parts",
       "FILE.cov [--add NAME [--from OTHER.cov] [--paper N] | --rename OLD NEW | --remove NAME | "
       "--extract NAME OUT.cov | --new PRESET]",
       QT_TRANSLATE_NOOP("BatchCommands",
                         "Lists the parts of a design (number, name, paper format, picture size, "
                         "objects), or adds, renames, removes or extracts one, or makes a new "
                         "design from a preset (\"CD jewel case\", \"CD slim case\", \"DVD "
                         "case\", \"Paper sleeve\")."),
       RunParts},
  };
  list.insert(list.end(), Registered().begin(), Registered().end());
  return list;
}

bool IsBatchCommandLine(const Args& args) {
  if (args.empty()) return false;
  if (args[0] == "-h" || args[0] == "help") return true;
  for (const BatchCommand& c : BatchCommandList())
    if (args[0] == c.name) return true;
  return false;
}

bool RunsWithoutToolkit(const Args& args) {
  if (args.empty() || args[0] == "--help") return false;
  const size_t registered = Registered().size();
  const std::vector<BatchCommand> list = BatchCommandList();
  for (size_t i = 0; i + registered < list.size(); ++i)
    if (args[0] == list[i].name) return true;
  return false;
}

namespace {
// The toolkit's notes (runtime folder, painter states) would spoil the one-line reports.
void QuietMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtFatalMsg) std::fprintf(stderr, "quendrix: %s\n", qPrintable(message));
}
}  // namespace

int RunBatch(const Args& args) {
  if (args.empty() || args[0] == "-h" || args[0] == "help") return Help(args);
  for (const BatchCommand& c : BatchCommandList())
    if (args[0] == c.name) {
      const QtMessageHandler previous = qInstallMessageHandler(QuietMessages);
      const int code = c.run(Args(args.begin() + 1, args.end()));
      qInstallMessageHandler(previous);
      return code;
    }
  return Fail(kExitUsage, Translate("BatchCommands", "unknown command '") + args[0] +
                              Translate("BatchCommands", "' (see quendrix --help)"));
}

int Fail(int code, const std::string& reason) {
  if (!reason.empty())  // else told before
    std::fprintf(stderr, "quendrix: %s\n", EscapeControls(reason).c_str());
  return code;
}
