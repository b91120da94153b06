#include "app/batch/views/BatchPrint.h"

#include <QCoreApplication>
#include <QPrinter>
#include <QScreen>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>
#include <optional>

#include "app/Document.h"
#include "app/batch/views/BatchApplication.h"
#include "app/batch/views/BatchCalibration.h"
#include "app/coverfile/CoverFile.h"
#include "app/coverfile/PartEdits.h"
#include "app/coverfile/PartPresets.h"
#include "app/views/PartPrints.h"
#include "cover/merge/CopyFields.h"
#include "platform/AnsiText.h"
#include "platform/SettingsDir.h"
#include "platform/Translate.h"
#include "print/DiscTray.h"
#include "print/PageRange.h"
#include "print/settings/NextPosition.h"
#include "print/settings/PaperFormatList.h"
#include "print/settings/StarterPaper.h"
#include "print/settings/views/JobPrinterKey.h"
#include "print/views/CoverDrawer.h"
#include "print/views/PrintJob.h"

namespace {
struct PrintOptions {
  std::string cover, paper, pdf, printer;
  std::string skip, pages;          // "1,2,5" and "2-3,5", counted from 1
  std::string merge;                // a table whose every line prints one copy
  std::string part;                 // the design's part by name or number; empty: the first
  std::vector<std::string> places;  // "2-3=Spine": other parts at positions of every sheet
  int copies = 1, used = 0, firstNumber = 1;
  CoverSettings settings;
  bool outlines = false, cropMarks = false;
  bool dryRunOnPaper = false;  // a printer without disc mode prints a disc's page on paper
  bool jpegPictures = false;   // photographs in the PDF as JPEG
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
    if (key == "--dry-run-on-paper" || key == "--jpeg-pictures") {
      (key == "--dry-run-on-paper" ? o.dryRunOnPaper : o.jpegPictures) = true;
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
    else if (key == "--merge")
      o.merge = value;
    else if (key == "--part")
      o.part = value;
    else if (key == "--place")
      o.places.push_back(value);
    else if (!v)
      return Translate("BatchPrint", "not a number: ") + key + " " + value;
    else if (key == "--copies" && *v >= 1 && *v <= 1000 && *v == int(*v))
      o.copies = int(*v);
    else if (key == "--used" && *v >= 0 && *v == int(*v))
      o.used = int(*v);
    else if (key == "--first-number" && *v >= 0 && *v <= 999999 && *v == int(*v))
      o.firstNumber = int(*v);
    else if (key == "--size" && *v > 0 && *v <= 1000)
      o.settings.sizePercent = *v;
    else if ((key == "--left" || key == "--top") && std::fabs(*v) <= kMaxCoverShiftInch)
      (key == "--left" ? o.settings.leftInch : o.settings.topInch) = *v;
    else
      return Translate("BatchPrint", "unknown option or value out of range: ") + key + " " + value;
  }
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

// --part all: every part on its own format in one job, in part order, each from a new sheet.
int PrintAllParts(const PrintOptions& o, Document& doc) {
  if (o.used || !o.skip.empty() || !o.pages.empty() || !o.merge.empty())
    return Fail(kExitUsage, Translate("BatchPrint",
                                      "--part all prints whole sheets: without --used, --skip, "
                                      "--pages and --merge"));
  PaperFormatList catalogue;
  catalogue.load(UserPaperFile(), StarterPaperFiles());
  PrinterChoice choice;
  choice.printerName = o.printer;
  std::string damage;
  const Calibration calibration = JobCalibration((SettingsDir() / "options.dat").string(),
                                                 JobPrinterKey(choice, o.pdf), &damage);
  if (!damage.empty()) std::fprintf(stderr, "quendrix: %s\n", damage.c_str());
  CopyFields fields;  // numbers each part's copies
  fields.setFirstNumber(o.firstNumber);
  AllPartsChoices choices;
  choices.list = &catalogue;
  if (!o.paper.empty()) {
    choices.paper = FindFormat(catalogue.formats(), o.paper);
    if (!choices.paper)
      return Fail(kExitUsage, Translate("BatchPrint", "no paper format ") + o.paper);
  }
  choices.settings = o.settings;
  choices.copies = o.copies;
  choices.outlines = o.outlines;
  choices.cropMarks = o.cropMarks;
  choices.calibration = calibration;
  choices.fields = &fields;
  PartCovers covers(doc);
  std::vector<PartPrint> parts;
  std::string error;
  if (!AllPartPrints(doc, covers, choices, parts, error))
    return Fail(kExitUsage, o.cover + ": " + error);
  auto printer = MakeJobPrinter(choice, o.pdf);
  printer->setJpegPictures(o.jpegPictures);
  UseSheetSize(*printer, parts.front().request.details);
  const PrintResult r = PrintParts(*printer, parts);
  if (!r.ok) return Fail(kExitFailure, r.error);
  std::fputs(
      FillIn(Translate("BatchPrint", "%1 pages printed\n"), {std::to_string(r.pages)}).c_str(),
      stdout);
  return 0;
}
}  // namespace

int RunPrintCommand(const Args& args) {
  PrintOptions o;
  if (const std::string error = Parse(args, o); !error.empty()) return Fail(kExitUsage, error);
  BatchApplication app;
  Document doc;
  const QScreen* screen = QGuiApplication::primaryScreen();
  doc.setScreenDpi(screen ? screen->logicalDotsPerInchX() : 96.0);
  if (!OpenFile(doc, o.cover))
    return Fail(kExitFailure, Translate("BatchPrint", "cannot open the cover ") + o.cover);
  if (o.part == "all") return PrintAllParts(o, doc);
  if (!o.part.empty()) {
    const auto index = FindPart(doc.parts, o.part);
    if (!index)
      return Fail(kExitUsage, Translate("BatchPrint", "the design has no part ") + o.part);
    std::string error;
    if (!SwitchPart(doc, *index, error)) return Fail(kExitFailure, o.cover + ": " + error);
  }

  PaperFormatList catalogue;
  catalogue.load(UserPaperFile(), StarterPaperFiles());
  const std::vector<PaperFormat>& formats = catalogue.formats();
  // Without --paper a part prints on its own format.
  const std::optional<PaperFormat>& own = doc.parts.list[doc.parts.current].format;
  if (o.paper.empty() && !own)
    return Fail(kExitUsage, Translate("BatchPrint", "print needs --paper NAME or NUMBER"));
  const PaperFormat* format = o.paper.empty() ? &*own : FindFormat(formats, o.paper);
  if (!format) return Fail(kExitUsage, Translate("BatchPrint", "no paper format ") + o.paper);
  const FormatDetails details = PartFormatDetails(formats, catalogue.details(), *format);

  const int positions = PositionsPerSheet(*format, details);
  if (o.used >= positions)  // one position at least is left to print on
    return Fail(kExitUsage, "--used: " + std::to_string(o.used) +
                                Translate("BatchPrint", " of a sheet of ") +
                                std::to_string(positions) +
                                Translate("BatchPrint", " positions leave none to print on"));
  CopyFields fields;  // numbers each copy, and with a table prints one copy per line
  fields.setFirstNumber(o.firstNumber);
  if (!o.merge.empty()) {
    auto table = std::make_shared<MergeTable>();
    std::string error;
    if (!ReadMergeTable(o.merge, *table, error))
      return Fail(kExitFailure, "--merge: " + o.merge + ": " + error);
    if (table->lines.empty())
      return Fail(kExitFailure, "--merge: " + o.merge + ": " +
                                    Translate("BatchPrint", "the table has no line to print"));
    fields.setMerge(std::move(table), o.merge);
    if (const std::string unknown = fields.check(doc.objects); !unknown.empty())
      return Fail(kExitFailure, unknown);
    if (const std::string note = fields.replacedNote(); !note.empty())
      std::fprintf(stderr, "quendrix: %s\n", note.c_str());
  }
  JobChoices choices;
  choices.format = *format;
  choices.details = details;
  choices.used = o.used;
  choices.copies = fields.copiesFor(o.copies);
  choices.pages = o.pages;
  choices.outlines = o.outlines;
  choices.cropMarks = o.cropMarks;
  if (!o.skip.empty()) {
    const NumberListParse skip = ParseNumberList(o.skip, positions, NumberListOf::Positions);
    if (!skip.error.empty()) return Fail(kExitUsage, "--skip: " + skip.error);
    choices.marked = skip.numbers;
  }
  PrintJobPlan plan(choices);
  if (!plan.pagesError().empty()) return Fail(kExitUsage, "--pages: " + plan.pagesError());
  PrintRequest& request = plan.request();
  PrinterChoice choice;
  choice.printerName = o.printer;
  std::string damage;
  request.calibration = JobCalibration((SettingsDir() / "options.dat").string(),
                                       JobPrinterKey(choice, o.pdf), &damage);
  if (!damage.empty()) std::fprintf(stderr, "quendrix: %s\n", damage.c_str());
  if (details.printableDisc) {
    const DiscPrepared disc =
        PrepareDiscJob(request, choice, o.pdf.empty() ? JobPrinterKey(choice).queue : "",
                       o.dryRunOnPaper, (SettingsDir() / "options.dat").string());
    if (!disc.notes.empty()) std::fprintf(stderr, "quendrix: %s\n", disc.notes.c_str());
    if (!disc.refusal.empty())
      return Fail(
          kExitFailure,
          disc.refusal + Translate("BatchPrint", " (--dry-run-on-paper prints it on paper)"));
  }
  auto printer = MakeJobPrinter(choice, o.pdf);
  printer->setJpegPictures(o.jpegPictures);
  UseSheetSize(*printer, request.details);
  PartPrint job{request,
                CoverJob{o.settings, DibWidth(doc.picture), DibHeight(doc.picture),
                         MakeCoverDrawer(doc.picture, doc.objects), &doc.objects, &fields},
                {}};
  // Other parts at the positions --place gives them, on every sheet.
  std::vector<size_t> partAt(size_t(positions), doc.parts.current);
  for (const std::string& place : o.places) {
    const size_t equals = place.find('=');
    const NumberListParse at =
        ParseNumberList(place.substr(0, equals), positions, NumberListOf::Positions);
    const auto index =
        equals == std::string::npos ? std::nullopt : FindPart(doc.parts, place.substr(equals + 1));
    if (!at.error.empty() || !index)
      return Fail(kExitUsage,
                  "--place " + place + ": " +
                      (at.error.empty() ? Translate("BatchPrint", "no such part") : at.error));
    for (int32_t n : at.numbers) partAt[size_t(n)] = *index;
  }
  PartCovers covers(doc);
  if (std::string error; !PlaceParts(doc, covers, partAt, job, error))
    return Fail(kExitFailure, o.cover + ": " + error);
  const PrintResult r = PrintParts(*printer, {job});
  if (!r.ok) return Fail(kExitFailure, r.error);
  std::fputs((r.pages == 1 ? Translate("BatchPrint", "1 page printed\n")
                           : FillIn(Translate("BatchPrint", "%1 pages printed\n"),
                                    {std::to_string(r.pages)}))
                 .c_str(),
             stdout);
  if (const std::string error = plan.finish(r.ok, UserPaperFile()); !error.empty())
    std::fprintf(stderr, "quendrix: %s\n", error.c_str());
  return 0;
}

void RegisterPrintCommand() {
  RegisterBatchCommand(
      {"print",
       "FILE.cov [--paper NAME|NUMBER] [--part NAME|NUMBER|all] [--place POSITIONS=PART]... "
       "[--copies N] [--merge TABLE.csv] "
       "[--first-number K] "
       "[--used N] [--skip 1,2,5] [--pages 2-3,5] "
       "[--size PERCENT] [--left INCH] "
       "[--top INCH] [--outlines] [--crop-marks] (--pdf OUT.pdf [--jpeg-pictures] | --printer NAME "
       "[--dry-run-on-paper])",
       QT_TRANSLATE_NOOP(
           "BatchCommands",
           "Prints copies of a cover (or of the part given, or of every part in one job, each "
           "on its own paper format unless --paper is given) on a paper format, into a PDF file "
           "or on a printer; a printable disc goes into the printer's disc tray, or with "
           "--dry-run-on-paper on plain paper when its driver has no disc mode. With "
           "--jpeg-pictures the PDF holds photographs as JPEG: a much smaller file, with slight "
           "losses."),
       RunPrintCommand});
}
