#pragma once
// What a job on a printable disc asks of the printer's driver: the disc page, the disc tray
// slot, the disc's diameters and the fine adjustment, chosen from the queue's own options.
#include <string>
#include <utility>
#include <vector>

#include "platform/dialogs/Dialogs.h"
#include "print/PrintJobPlan.h"
#include "print/QueueOptions.h"

// The centring of one printer's disc tray: how far its prints land right and down, in mm.
struct DiscShift {
  double right = 0, down = 0;
  bool operator==(const DiscShift&) const = default;
};
constexpr double kMaxDiscShift = 10;  // mm either way

struct DiscJob {
  std::vector<std::pair<std::string, std::string>> options;  // option and choice for the job
  double pageWidth = 0, pageHeight = 0;                      // the driver's disc page, mm
  double moveRight = 0, moveDown = 0;  // what the drawing itself must still move, mm
  std::string missing;                 // what the driver lacks for discs; empty when none
};

// The job settings for a disc of `outer` and `hub` mm whose prints land `seen` off centre;
// the driver's fine adjustment takes as much of the correction as its steps allow.
DiscJob PlanDiscJob(const QueueOptions& queue, double outer, double hub, const DiscShift& seen);
// The move that undoes `seen` when no driver helps: the drawing shifted left and up by it.
DiscJob PlanDiscPdf(double page, const DiscShift& seen);

// The printer choice with the disc page and the driver's disc settings; the rest stays.
void UseDiscTray(PrinterChoice& choice, const DiscJob& job);
// The disc centred on the job's page (the driver's disc page, else the format's own) and moved
// as `job` says; a disc in its tray takes no sheet calibration.
void PlaceDiscOnPage(PrintRequest& request, const DiscJob& job);
// What the user hears of a printer whose driver offers no disc mode.
std::string NoDiscModeText(const std::string& queue, const std::string& missing);

struct DiscPrepared {
  std::string refusal;  // the driver has no disc mode and plain paper was not allowed
  std::string notes;    // what the user must hear of the settings files, else empty
};
// Readies a job on a printable disc: on `queue` (empty: a PDF file) with its driver's disc
// settings and the printer's centring kept beside `optionsFile`; a driver without disc mode
// prints the same page on plain paper when `plainPaper` allows, else the job is refused.
DiscPrepared PrepareDiscJob(PrintRequest& request, PrinterChoice& choice, const std::string& queue,
                            bool plainPaper, const std::string& optionsFile);
