// quendrix scan OUT [--device NAME] [--resolution DPI] [--mode color|gray|lineart]
//                   [--area X,Y,W,H] [--option NAME=VALUE]... | quendrix scan --list
//                   | quendrix scan --list-options DEVICE
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <csignal>
#include <cstdio>
#include <cstdlib>

#include "app/batch/BatchCommands.h"
#include "platform/Translate.h"
#include "platform/codecs/PictureFile.h"
#include "platform/scanner/Scanner.h"
#include "platform/scanner/ScannerOptions.h"

// A batch scan has nobody to press Cancel: a scanner that sends nothing this long has failed.
constexpr double kBatchScanStallSeconds = 30;

namespace {
std::atomic<bool> gInterrupted{false};

extern "C" void OnInterrupt(int) {
  gInterrupted = true;
}

// Prints the scanners SANE finds, one a line.
int ListDevices() {
  std::vector<ScannerInfo> list;
  std::string error;
  if (!ListScanners(list, error)) return Fail(kExitFailure, error);
  if (list.empty())
    std::fputs(Translate("BatchScan", "quendrix: no scanner was found\n").c_str(), stderr);
  for (const ScannerInfo& info : list)
    std::printf("%s\t%s %s\n", info.name.c_str(), info.vendor.c_str(), info.model.c_str());
  return 0;
}

// Every option of the device with its constraint and its value now.
int ListOptions(const std::string& name) {
  SaneLibrary library;
  if (!library.ok()) return Fail(kExitFailure, library.error());
  SaneDevice device;
  std::string error;
  if (!device.open(name, error)) return Fail(kExitFailure, error);
  std::fputs(FillIn(Translate("BatchScan", "Options of %1:\n%2"),
                    {device.name(), OptionListing(ReadOptionEntries(device))})
                 .c_str(),
             stdout);
  return 0;
}

bool ParseArea(const std::string& text, ScanArea& area) {
  double v[4];
  char tail = 0;
  if (std::sscanf(text.c_str(), "%lf,%lf,%lf,%lf%c", &v[0], &v[1], &v[2], &v[3], &tail) != 4)
    return false;
  if (!(v[0] >= 0 && v[1] >= 0 && v[2] > 0 && v[3] > 0 && v[0] + v[2] <= 10000 &&
        v[1] + v[3] <= 10000))
    return false;
  area = {v[0], v[1], v[2], v[3]};
  return true;
}

// Reads the options after OUT into `s`; an empty string means success, else the complaint.
std::string ParseOptions(const Args& args, ScanSettings& s) {
  OptionChoices extra;
  for (size_t i = 1; i < args.size(); i += 2) {
    const std::string& key = args[i];
    if (i + 1 >= args.size())
      return Translate("BatchScan", "option ") + key + Translate("BatchScan", " needs a value");
    const std::string& value = args[i + 1];
    if (key == "--device") {
      s.device = value;
    } else if (key == "--resolution") {
      char* end = nullptr;
      const long dpi = std::strtol(value.c_str(), &end, 10);
      if (value.empty() || *end || dpi < kMinScanResolution || dpi > kMaxScanResolution)
        return Translate("BatchScan", "the resolution must be a whole number from ") +
               std::to_string(kMinScanResolution) + Translate("BatchScan", " to ") +
               std::to_string(kMaxScanResolution);
      s.resolution = int(dpi);
    } else if (key == "--mode") {
      if (!ParseScanMode(value, s.mode))
        return Translate("BatchScan", "the mode must be color, gray or lineart");
    } else if (key == "--area") {
      if (!ParseArea(value, s.area))
        return Translate("BatchScan", "the area must be X,Y,W,H in millimetres (W and H above 0)");
    } else if (key == "--option") {
      OptionChoice c;
      if (!SplitOptionChoice(value, c))
        return Translate("BatchScan", "--option needs NAME=VALUE, not ") + value;
      KeepChoice(extra, c.name, c.value);
    } else {
      return Translate("BatchScan", "unknown option ") + key;
    }
  }
  // Given on the command line, they come after the kept ones for the device.
  for (const OptionChoice& c : extra) KeepChoice(s.options[s.device], c.name, c.value);
  return {};
}
}  // namespace

int RunScanCommand(const Args& args) {
  if (args.size() == 1 && args[0] == "--list") return ListDevices();
  if (args.size() == 2 && args[0] == "--list-options") return ListOptions(args[1]);
  if (args.empty() || args[0].rfind("--", 0) == 0)
    return Fail(
        kExitUsage,
        Translate("BatchScan", "scan needs the name of the picture file to write (or --list)"));
  const std::string out = args[0];
  const int format = SaveCodeForExtension(out);
  if (format == 0)
    return Fail(
        kExitUsage,
        Translate("BatchScan", "unknown picture type of ") + out +
            Translate(
                "BatchScan",
                " (use .bmp, .dib, .gif, .iff, .jif, .jpg, .lbm, .pcx, .rle, .tga, .tif or .png)"));
  ScanSettings settings;
  std::string error;
  if (!LoadScanSettings(ScanSettingsPath(), settings, error))
    std::fprintf(
        stderr, "quendrix: %s%s\n", error.c_str(),
        Translate("BatchScan", " What can be read is used, the defaults for the rest.").c_str());
  if (std::string complaint = ParseOptions(args, settings); !complaint.empty())
    return Fail(kExitUsage, complaint);

  gInterrupted = false;
  auto* previous = std::signal(SIGINT, OnInterrupt);
  const bool tty = isatty(STDERR_FILENO);
  ScanResult result;
  RunScan(
      {settings, false, kBatchScanStallSeconds}, gInterrupted,
      [tty](int percent) {
        if (tty) {
          char number[8];
          std::snprintf(number, sizeof number, "%3d", percent);
          std::fputs(("\r" + FillIn(Translate("BatchScan", "scanning: %1%"), {number})).c_str(),
                     stderr);
        }
      },
      result);
  std::signal(SIGINT, previous);
  if (tty) std::fprintf(stderr, "\r               \r");
  if (!result.dib.Bits) return Fail(kExitFailure, result.error);
  for (const std::string& note : result.applied.notes)
    std::fputs(
        FillIn(Translate("BatchScan", "quendrix: the scanner adjusted the %1\n"), {note}).c_str(),
        stderr);
  if (!SavePictureFile(result.dib, out, format, error)) return Fail(kExitFailure, error);
  return 0;
}
