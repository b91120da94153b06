#include "app/batch/views/BatchPrint.h"

#include <QCoreApplication>
#include <QPrinter>
#include <QScreen>
#include <cmath>
#include <cstdio>
#include <optional>

#include "app/Document.h"
#include "app/batch/views/BatchApplication.h"
#include "app/batch/views/BatchCalibration.h"
#include "app/coverfile/CoverFile.h"
#include "platform/AnsiText.h"
#include "platform/SettingsDir.h"
#include "platform/Translate.h"
#include "print/NextPosition.h"
#include "print/PageRange.h"
#include "print/StarterPaper.h"
#include "print/views/CoverDrawer.h"
#include "print/views/JobPrinterKey.h"
#include "print/views/PaperFormatPanel.h"
#include "print/views/PrintJob.h"

namespace {
struct PrintOptions {
  std::string cover, paper, pdf, printer;
  std::string skip, pages;  // "1,2,5" and "2-3,5", counted from 1
  int copies = 1, used = 0;
  CoverSettings settings;
  bool outlines = false, cropMarks = false;
};

std::optional<double> Number(const std::string& s) {
  try {
    size_t n = 0;
    const double v = std::stod(s, &n);
    if (n == s.size()) return v;
  } catch (...) {
  }
  return std::nullopt;
}

// Reads the options; returns an error text, empty when they are complete.
std::string Parse(const Args& args, PrintOptions& o) {
  if (args.empty())
    return Translate("BatchPrint", "print needs a cover file (see quendrix --help)");
  o.cover = args[0];
  for (size_t i = 1; i < args.size(); ++i) {
    const std::string& key = args[i];
    if (key == "--outlines" || key == "--crop-marks") {
      (key == "--outlines" ? o.outlines : o.cropMarks) = true;
      continue;
    }
    if (i + 1 >= args.size()) return Translate("BatchPrint", "missing value after ") + key;
    const std::string& value = args[++i];
    const auto v = Number(value);
    if (key == "--paper")
      o.paper = value;
    else if (key == "--pdf")
      o.pdf = value;
    else if (key == "--printer")
      o.printer = value;
    else if (key == "--skip")
      o.skip = value;
    else if (key == "--pages")
      o.pages = value;
    else if (!v)
      return Translate("BatchPrint", "not a number: ") + key + " " + value;
    else if (key == "--copies" && *v >= 1 && *v <= 1000 && *v == int(*v))
      o.copies = int(*v);
    else if (key == "--used" && *v >= 0 && *v == int(*v))
      o.used = int(*v);
    else if (key == "--size" && *v > 0 && *v <= 1000)
      o.settings.sizePercent = *v;
    else if ((key == "--left" || key == "--top") && std::fabs(*v) <= kMaxCoverShiftInch)
      (key == "--left" ? o.settings.leftInch : o.settings.topInch) = *v;
    else
      return Translate("BatchPrint", "unknown option or value out of range: ") + key + " " + value;
  }
  if (o.paper.empty()) return Translate("BatchPrint", "print needs --paper NAME or NUMBER");
  if (o.pdf.empty() == o.printer.empty())
    return Translate("BatchPrint", "print needs either --pdf FILE or --printer NAME");
  return {};
}

// The format named by its catalogue name or 1-based number.
const PaperFormat* FindFormat(const std::vector<PaperFormat>& formats, const std::string& key) {
  const auto n = Number(key);
  if (n && *n >= 1 && *n <= double(formats.size()) && *n == int(*n))
    return &formats[size_t(*n) - 1];
  for (const PaperFormat& f : formats)
    if (AnsiToUtf8(f.name) == key) return &f;
  return nullptr;
}
}  // namespace

int RunPrintCommand(const Args& args) {
  PrintOptions o;
  if (const std::string error = Parse(args, o); !error.empty()) return Fail(kExitUsage, error);
  BatchApplication app;
  const PaperLoadResult catalogue =
      LoadCatalogueAtStart((SettingsDir() / "paper.dat").string(), StarterPaperFiles());
  const std::vector<PaperFormat>& formats = catalogue.formats;
  const PaperFormat* format = FindFormat(formats, o.paper);
  if (!format) return Fail(kExitUsage, Translate("BatchPrint", "no paper format ") + o.paper);
  const size_t index = static_cast<size_t>(format - formats.data());
  const FormatDetails details =
      index < catalogue.details.size() ? catalogue.details[index] : FormatDetails{};

  Document doc;
  const QScreen* screen = QGuiApplication::primaryScreen();
  doc.SetScreenDpi(screen ? screen->logicalDotsPerInchX() : 96.0);
  if (!OpenFile(doc, o.cover))
    return Fail(kExitFailure, Translate("BatchPrint", "cannot open the cover ") + o.cover);

  PrintRequest request;
  request.format = *format;
  const int positions = PositionsPerSheet(*format, details);
  if (o.used >= positions)  // one position at least is left to print on
    return Fail(kExitUsage, "--used: " + std::to_string(o.used) +
                                Translate("BatchPrint", " of a sheet of ") +
                                std::to_string(positions) +
                                Translate("BatchPrint", " positions leave none to print on"));
  request.used = o.used;
  request.details = details;
  request.outlines = o.outlines;
  request.cropMarks = o.cropMarks;
  request.copies = o.copies;
  if (!o.skip.empty()) {
    const NumberListParse skip = ParseNumberList(o.skip, positions, "position");
    if (!skip.error.empty()) return Fail(kExitUsage, "--skip: " + skip.error);
    request.marked = skip.numbers;
  }
  const SheetLayout layout =
      LayoutFor(*format, details, request.used, request.marked, request.copies);
  if (!o.pages.empty()) {
    const NumberListParse pages = ParseNumberList(o.pages, layout.pages, "page");
    if (!pages.error.empty()) return Fail(kExitUsage, "--pages: " + pages.error);
    request.sheets = pages.numbers;
  }
  PrinterChoice choice;
  choice.printerName = o.printer;
  std::string damage;
  request.calibration = JobCalibration((SettingsDir() / "options.dat").string(),
                                       JobPrinterKey(choice, o.pdf), &damage);
  if (!damage.empty()) std::fprintf(stderr, "quendrix: %s\n", damage.c_str());
  auto printer = MakeJobPrinter(choice, o.pdf);
  UseSheetSize(*printer, details);
  const CoverJob cover{o.settings, DibWidth(doc.picture), DibHeight(doc.picture),
                       MakeCoverDrawer(doc.picture, doc.objects)};
  const PrintResult r =
      PrintSheets(*printer, request, MakeCoverRenderer(cover, request.calibration, details.bleed));
  if (!r.ok) return Fail(kExitFailure, r.error);
  std::printf(Translate("BatchPrint", "%d page%s printed\n").c_str(), r.pages,
              r.pages == 1 ? "" : "s");
  if (request.sheets.empty()) {  // a whole job: the next print may continue after it
    const std::string error =
        RememberNextPosition((SettingsDir() / "paper.dat").string(), *format, NextAfter(layout));
    if (!error.empty()) std::fprintf(stderr, "quendrix: %s\n", error.c_str());
  }
  return 0;
}

void RegisterToolkitCommands() {
  static bool registered = false;
  if (registered) return;
  registered = true;
  RegisterBatchCommand(
      {"render", "FILE.cov OUT.png [--zoom PERCENT]",
       QT_TRANSLATE_NOOP(
           "BatchCommands",
           "Saves the cover as the Texts tab shows it (100 % unless given) as a PNG file."),
       RunRenderCommand});
  RegisterBatchCommand(
      {"print",
       "FILE.cov --paper NAME|NUMBER [--copies N] [--used N] [--skip 1,2,5] [--pages 2-3,5] "
       "[--size PERCENT] [--left INCH] "
       "[--top INCH] [--outlines] [--crop-marks] (--pdf OUT.pdf | --printer NAME)",
       QT_TRANSLATE_NOOP(
           "BatchCommands",
           "Prints copies of a cover on a paper format, into a PDF file or on a printer."),
       RunPrintCommand});
  RegisterBatchCommand(
      {"calibration",
       "[--printer NAME [--remove]] [--left MM] [--top MM] [--width MM] [--height MM]",
       QT_TRANSLATE_NOOP(
           "BatchCommands",
           "Shows the calibration for every printer without its own, or the one a printer uses; "
           "sets the values given (for that printer only with --printer); --remove drops its own."),
       RunCalibrationCommand});
  RegisterBatchCommand(
      {"formats", "[import TEMPLATE.xml | export NUMBER TEMPLATE.xml]",
       QT_TRANSLATE_NOOP("BatchCommands",
                         "Lists the paper formats (number, name, element size in mm, grids), or "
                         "imports or exports a label template file."),
       RunFormatsCommand});
  RegisterBatchCommand(
      {"catalogue", "[TEXT] [--category NAME] [--paper A4|Letter] | --add MAKER:PART",
       QT_TRANSLATE_NOOP(
           "BatchCommands",
           "Lists the label and cover products that match (maker, part, description, paper, "
           "shape, element size, elements per sheet), or adds one to the paper formats."),
       RunCatalogueCommand});
}
