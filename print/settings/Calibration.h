#pragma once
// The printer calibration of options.dat and the printed positions it corrects.
#include <QtGlobal>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/KeptFiles.h"
#include "print/SheetLayout.h"

struct Calibration {
  double left = 0, top = 0;          // printable area's offset from the paper edges, mm
  double width = 100, height = 100;  // measured size of the 100 mm test rectangle, mm
  bool operator==(const Calibration&) const = default;
};

constexpr double kCalibrationOffsetMin = 0, kCalibrationOffsetMax = 10;
constexpr double kCalibrationSizeMin = 70, kCalibrationSizeMax = 130;
constexpr size_t kCalibrationFileSize = 32;

struct CalibrationLoad {
  Calibration values;  // the values the file holds, clamped to their ranges; defaults for the rest
  bool damaged = false;
  std::string message;
};

// A missing file gives the defaults silently. A short file keeps the whole values it holds and
// a value outside the dialog's range is clamped to it, as its spin edit would; both with a message.
// A longer file is a later version's: its first values are read and it is never rewritten.
CalibrationLoad LoadCalibration(const std::string& path);
// The same rules for bytes already read; `name` names the file in the message.
CalibrationLoad ParseCalibration(const std::vector<uint8_t>& bytes, const std::string& name);
// Replaces `path` as KeptFiles allows.
KeptWrite SaveCalibration(const std::string& path, const Calibration& c);

// A printer whose horizontal and vertical resolutions differ.
constexpr const char* kPrinterUnusable =
    QT_TRANSLATE_NOOP("Calibration", "This printer can not be used!");
inline bool PrinterUsable(int dpx, int dpy) {
  return dpx == dpy;
}

// The element at printer resolution, scaled by the calibration.
PixelSize PrintElementSize(const PaperFormat& fmt, const Calibration& c, int dpx, int dpy);
// Most memory the rendered element of one job may take, every copy of it counted.
constexpr uint64_t kMaxPrintElementBytes = uint64_t(1) << 30;
// The memory a job takes for an element of `size` with `bleed` more on every side: 4 bytes a
// pixel, and two more copies (the clipped image and its brush) when it is clipped to its shape.
uint64_t PrintElementBytes(PixelSize size, PixelSize bleed, bool clipped);
// An element's top-left corner from the printable area's origin.
PixelPoint PrintElementPos(const PaperFormat& fmt, const Calibration& c, const SheetPosition& p,
                           int dpx, int dpy);
// The cover inside a printed element `elementWidth` pixels wide.
PixelRect PrintCover(const CoverSettings& s, const Calibration& c, int32_t elementWidth,
                     int32_t dibW, int32_t dibH, int dpx, int dpy);
// The test rectangle: 100 mm square at the printable area's origin, never calibrated.
PixelSize TestRectangleSize(int dpx, int dpy);
