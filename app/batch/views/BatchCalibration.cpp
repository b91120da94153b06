#include "app/batch/views/BatchCalibration.h"

#include <QCoreApplication>
#include <cmath>
#include <cstdio>
#include <optional>

#include "app/batch/views/BatchApplication.h"
#include "platform/SettingsDir.h"
#include "platform/Translate.h"
#include "print/settings/DiscShifts.h"
#include "print/settings/PrinterCalibrations.h"
#include "print/settings/views/JobPrinterKey.h"
#include "print/views/DiscTestPage.h"

namespace {
double AsShown(double v);

struct CalibrationOptions {
  std::string printer;
  bool remove = false;
  std::optional<double> values[4];  // left, top, width, height
  std::optional<DiscShift> discShift;
  bool discTest = false;
};

// "X,Y": mm right and down, each within the disc tray's range.
std::optional<DiscShift> ParseDiscShift(const std::string& value) {
  const size_t comma = value.find(',');
  if (comma == std::string::npos) return std::nullopt;
  const std::string x = value.substr(0, comma), y = value.substr(comma + 1);
  char *endX = nullptr, *endY = nullptr;
  const DiscShift s{AsShown(std::strtod(x.c_str(), &endX)), AsShown(std::strtod(y.c_str(), &endY))};
  if (x.empty() || y.empty() || *endX != '\0' || *endY != '\0' || !DiscShiftInRange(s))
    return std::nullopt;
  return s;
}

constexpr const char* kNames[4] = {"--left", "--top", "--width", "--height"};

// The dialog's spin boxes keep two decimals.
double AsShown(double v) {
  return std::nearbyint(v * 100) / 100;
}

std::string Parse(const Args& args, CalibrationOptions& o) {
  const double lows[4] = {kCalibrationOffsetMin, kCalibrationOffsetMin, kCalibrationSizeMin,
                          kCalibrationSizeMin};
  const double highs[4] = {kCalibrationOffsetMax, kCalibrationOffsetMax, kCalibrationSizeMax,
                           kCalibrationSizeMax};
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& key = args[i];
    if (key == "--remove") {
      o.remove = true;
      continue;
    }
    if (key == "--disc-test") {
      o.discTest = true;
      continue;
    }
    if (i + 1 >= args.size()) return Translate("BatchCalibration", "missing value after ") + key;
    const std::string& value = args[++i];
    if (key == "--printer") {
      o.printer = value;
      continue;
    }
    if (key == "--disc-shift") {
      o.discShift = ParseDiscShift(value);
      if (!o.discShift)
        return Translate("BatchCalibration",
                         "--disc-shift takes X,Y: mm right and down, each from -10 to 10: ") +
               value;
      continue;
    }
    int field = -1;
    for (int f = 0; f < 4; ++f)
      if (key == kNames[f]) field = f;
    if (field < 0) return Translate("BatchCalibration", "unknown option ") + key;
    char* end = nullptr;
    const double v = AsShown(std::strtod(value.c_str(), &end));
    if (value.empty() || *end != '\0' || !(v >= lows[field] && v <= highs[field]))
      return key + Translate("BatchCalibration", " must be a number from ") +
             std::to_string(int(lows[field])) + Translate("BatchCalibration", " to ") +
             std::to_string(int(highs[field])) + " mm: " + value;
    o.values[field] = v;
  }
  if (o.remove && o.printer.empty())
    return Translate("BatchCalibration", "--remove needs --printer NAME");
  if ((o.discShift || o.discTest) && o.printer.empty())
    return Translate("BatchCalibration", "--disc-shift and --disc-test need --printer NAME");
  if (o.remove && (o.values[0] || o.values[1] || o.values[2] || o.values[3]))
    return Translate("BatchCalibration", "--remove takes no values");
  return {};
}

void Show(const std::string& heading, const Calibration& c) {
  std::fputs(FillIn(Translate("BatchCalibration",
                              "%1\nleft %2 mm\ntop %3 mm\nwidth %4 mm\nheight %5 mm\n"),
                    {heading, LocaleNumber(c.left, 2), LocaleNumber(c.top, 2),
                     LocaleNumber(c.width, 2), LocaleNumber(c.height, 2)})
                 .c_str(),
             stdout);
}
}  // namespace

int RunCalibrationCommandWith(const Args& args, const std::string& optionsFile) {
  CalibrationOptions o;
  if (const std::string error = Parse(args, o); !error.empty()) return Fail(kExitUsage, error);
  const CalibrationLoad fallback = LoadCalibration(optionsFile);
  if (!fallback.message.empty()) std::fprintf(stderr, "quendrix: %s\n", fallback.message.c_str());
  const std::string ownFile = PrinterCalibrationsFileFor(optionsFile);
  PrinterCalibrationsLoad own = LoadPrinterCalibrations(ownFile);
  if (!own.message.empty()) std::fprintf(stderr, "quendrix: %s\n", own.message.c_str());
  PrinterKey key;
  if (!o.printer.empty()) {
    PrinterChoice choice;
    choice.printerName = o.printer;
    key = JobPrinterKey(choice);
    if (key.queue != o.printer) key = {o.printer, 0};  // not installed here: by its name alone
  }
  const bool hasOwn = !key.queue.empty() && FindPrinterCalibration(own.entries, key);
  Calibration c = CalibrationFor(own.entries, key, fallback.values);
  bool set = false;
  double* fields[4] = {&c.left, &c.top, &c.width, &c.height};
  for (int f = 0; f < 4; ++f)
    if (o.values[f]) {
      *fields[f] = *o.values[f];
      set = true;
    }
  KeptWrite saved;
  if (o.remove) {
    if (RemovePrinterCalibration(own.entries, key))
      saved = SavePrinterCalibrations(ownFile, own.entries);
    c = fallback.values;
  } else if (set && key.queue.empty()) {
    saved = SaveCalibration(optionsFile, c);
  } else if (set) {
    SetPrinterCalibration(own.entries, key, c);
    saved = SavePrinterCalibrations(ownFile, own.entries);
  }
  if (!saved.written()) return Fail(kExitFailure, saved.message);
  const std::string discFile = DiscShiftsFileFor(optionsFile);
  DiscShiftsLoad discs;
  if (!key.queue.empty()) {
    discs = LoadDiscShifts(discFile);
    if (!discs.message.empty()) std::fprintf(stderr, "quendrix: %s\n", discs.message.c_str());
  }
  if (o.discShift || (o.remove && DiscShiftFor(discs.entries, key.queue) != DiscShift{})) {
    SetDiscShift(discs.entries, key.queue, o.discShift.value_or(DiscShift{}));
    if (const KeptWrite d = SaveDiscShifts(discFile, discs.entries); !d.written())
      return Fail(kExitFailure, d.message);
  }
  const bool ownNow = !o.remove && (hasOwn || (set && !key.queue.empty()));
  Show(key.queue.empty()
           ? Translate("BatchCalibration", "default calibration")
           : key.queue + (ownNow ? Translate("BatchCalibration", ": own calibration")
                                 : Translate("BatchCalibration", ": default calibration")),
       c);
  if (!key.queue.empty()) {
    const DiscShift shift = DiscShiftFor(discs.entries, key.queue);
    std::fputs(FillIn(Translate("BatchCalibration", "disc tray %1 mm right, %2 mm down\n"),
                      {LocaleNumber(shift.right, 2), LocaleNumber(shift.down, 2)})
                   .c_str(),
               stdout);
  }
  if (o.discTest) {
    PrinterChoice choice;
    choice.printerName = key.queue;
    const PrintResult r = PrintDiscTest(choice);
    if (!r.ok) return Fail(kExitFailure, r.error);
  }
  return 0;
}

int RunCalibrationCommand(const Args& args) {
  BatchApplication app;
  return RunCalibrationCommandWith(args, (SettingsDir() / "options.dat").string());
}

void RegisterCalibrationCommand() {
  RegisterBatchCommand(
      {"calibration",
       "[--printer NAME [--remove] [--disc-shift X,Y] [--disc-test]] [--left MM] [--top MM] "
       "[--width MM] [--height MM]",
       QT_TRANSLATE_NOOP(
           "BatchCommands",
           "Shows the calibration for every printer without its own, or the one a printer uses; "
           "sets the values given (for that printer only with --printer); --remove drops its own. "
           "--disc-shift sets how far the printer's disc prints land right and down (mm), "
           "--disc-test prints the disc centring test on it."),
       RunCalibrationCommand});
}
