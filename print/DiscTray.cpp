#include "print/DiscTray.h"

#include <cmath>
#include <cstdlib>
#include <limits>

#include "platform/AnsiText.h"
#include "platform/Translate.h"
#include "print/settings/DiscShifts.h"

namespace {
constexpr double kPointMm = 25.4 / 72;  // the driver's disc lengths are in points

bool Mentions(const QueueChoice& c, const char* what) {
  const std::string k = AsciiLower(c.keyword), t = AsciiLower(c.text);
  return k.rfind(what, 0) == 0 || t.find(what) != std::string::npos;
}
bool DiscPage(const QueueChoice& c) {
  return (Mentions(c, "cd") || Mentions(c, "disc")) && c.width > 0 &&
         std::fabs(c.width - c.height) < 0.5;
}

// The option whose keyword ends with `name` ("StpCDOuterDiameter", "CDOuterDiameter").
const QueueOption* Named(const QueueOptions& q, const std::string& name) {
  for (const QueueOption& o : q)
    if (o.keyword.size() >= name.size() &&
        o.keyword.compare(o.keyword.size() - name.size(), name.size(), name) == 0)
      return &o;
  return nullptr;
}

// The numeric choice nearest to `mm` (choices in points); false when none is numeric.
bool Nearest(const QueueOption& o, double mm, std::string* keyword, double* chosenMm) {
  double best = std::numeric_limits<double>::infinity();
  for (const QueueChoice& c : o.choices) {
    char* end = nullptr;
    const double pt = std::strtod(c.keyword.c_str(), &end);
    if (c.keyword.empty() || *end != '\0' || !std::isfinite(pt)) continue;
    if (std::fabs(pt * kPointMm - mm) < best) {
      best = std::fabs(pt * kPointMm - mm);
      *keyword = c.keyword;
      *chosenMm = pt * kPointMm;
    }
  }
  return std::isfinite(best);
}
}  // namespace

DiscJob PlanDiscJob(const QueueOptions& queue, double outer, double hub, const DiscShift& seen) {
  DiscJob job;
  const QueueChoice* page = nullptr;
  if (const QueueOption* sizes = FindQueueOption(queue, "PageSize"))
    for (const QueueChoice& c : sizes->choices)
      if (DiscPage(c) && c.width >= outer - 0.5 && (!page || c.width < page->width)) page = &c;
  const QueueChoice* slot = nullptr;
  if (const QueueOption* slots = FindQueueOption(queue, "InputSlot"))
    for (const QueueChoice& c : slots->choices)
      if (!slot && (Mentions(c, "cd") || Mentions(c, "disc"))) slot = &c;
  if (!page || !slot) {
    job.missing = !page && !slot ? Translate("DiscTray", "a disc page size and a disc tray slot")
                  : !page        ? Translate("DiscTray", "a disc page size that holds the disc")
                                 : Translate("DiscTray", "a disc tray slot");
    return job;
  }
  job.pageWidth = page->width;
  job.pageHeight = page->height;
  job.options = {{"PageSize", page->keyword}, {"InputSlot", slot->keyword}};
  std::string keyword;
  double chosen = 0;
  if (const QueueOption* o = Named(queue, "CDOuterDiameter");
      o && Nearest(*o, outer, &keyword, &chosen))
    job.options.emplace_back(o->keyword, keyword);
  if (const QueueOption* o = Named(queue, "CDInnerDiameter");
      o && Nearest(*o, hub, &keyword, &chosen))
    job.options.emplace_back(o->keyword, keyword);
  job.moveRight = -seen.right;
  job.moveDown = -seen.down;
  if (const QueueOption* o = Named(queue, "CDXAdjustment");
      o && Nearest(*o, job.moveRight, &keyword, &chosen)) {
    job.options.emplace_back(o->keyword, keyword);
    job.moveRight -= chosen;
  }
  if (const QueueOption* o = Named(queue, "CDYAdjustment");
      o && Nearest(*o, job.moveDown, &keyword, &chosen)) {
    job.options.emplace_back(o->keyword, keyword);
    job.moveDown -= chosen;
  }
  return job;
}

DiscJob PlanDiscPdf(double page, const DiscShift& seen) {
  DiscJob job;
  job.pageWidth = job.pageHeight = page;
  job.moveRight = -seen.right;
  job.moveDown = -seen.down;
  return job;
}

void UseDiscTray(PrinterChoice& choice, const DiscJob& job) {
  std::vector<std::string> kept;
  for (size_t i = 0; i + 1 < choice.driverOptions.size(); i += 2) {
    bool replaced = choice.driverOptions[i] == "PageRegion";
    for (const auto& [name, value] : job.options)
      replaced = replaced || name == choice.driverOptions[i];
    if (!replaced) kept.insert(kept.end(), {choice.driverOptions[i], choice.driverOptions[i + 1]});
  }
  for (const auto& [name, value] : job.options) {
    kept.insert(kept.end(), {name, value});
    if (name == "PageSize") choice.paperKey = choice.paperName = value;
  }
  choice.driverOptions = std::move(kept);
  choice.paperWidthPt = job.pageWidth / kPointMm;
  choice.paperHeightPt = job.pageHeight / kPointMm;
  choice.landscape = false;
  choice.paperSource = -1;  // the slot is the driver's InputSlot
}

void PlaceDiscOnPage(PrintRequest& request, const DiscJob& job) {
  FormatDetails& d = request.details;
  if (job.pageWidth > 0) {
    d.sheetWidth = job.pageWidth;
    d.sheetHeight = job.pageHeight;
  }
  PaperFormat& f = request.format;
  f.leftMargin = (d.sheetWidth - f.width) / 2 + job.moveRight;
  f.topMargin = (d.sheetHeight - f.height) / 2 + job.moveDown;
  request.calibration = Calibration{};
}

std::string NoDiscModeText(const std::string& queue, const std::string& missing) {
  return FillIn(Translate("DiscTray",
                          "The printer %1 cannot print on discs: its driver lacks %2. Choose "
                          "a printer with a disc tray, or print the same page on plain paper to "
                          "try the layout."),
                {queue, missing});
}

DiscPrepared PrepareDiscJob(PrintRequest& request, PrinterChoice& choice, const std::string& queue,
                            bool plainPaper, const std::string& optionsFile) {
  DiscPrepared out;
  DiscJob disc;  // a PDF file: the format's own disc page
  if (!queue.empty()) {
    std::string why;
    const QueueOptions options = ReadQueueOptions(queue, &why);
    const DiscShiftsLoad shifts = LoadDiscShifts(DiscShiftsFileFor(optionsFile));
    out.notes = shifts.message;
    const LabelShape& s = request.details.shape;
    const DiscJob tray = PlanDiscJob(options, DiscDiameter(request.format, s), s.holeDiameter,
                                     DiscShiftFor(shifts.entries, queue));
    if (tray.missing.empty()) {
      UseDiscTray(choice, disc = tray);
    } else if (!plainPaper) {
      out.refusal = NoDiscModeText(queue, tray.missing) + (why.empty() ? "" : " (" + why + ")");
      return out;
    }
  }
  PlaceDiscOnPage(request, disc);
  return out;
}
