#include "print/settings/Calibration.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include "platform/KeptFiles.h"
#include "platform/SettingsFile.h"
#include "platform/Translate.h"
#include "platform/Units.h"

namespace {
int32_t Trunc(double v) {
  return TruncPixels(v);
}
}  // namespace

CalibrationLoad LoadCalibration(const std::string& path) {
  KeptState state = KeptState::Read;
  std::string why;
  const auto bytes = ReadKeptFile(path, kCalibrationFileSize + 1, &state, &why);
  if (state == KeptState::Missing) return {};
  if (!bytes) {
    CalibrationLoad r;
    r.damaged = true;
    r.message = Translate("Calibration", "The printer calibration ") + path +
                Translate("Calibration", " cannot be read (") + why + ")." + NoteUnreadable(path);
    return r;
  }
  if (state == KeptState::Damaged) {  // longer than ours: a later version's, read as far as known
    CalibrationLoad r = ParseCalibration(
        std::vector<uint8_t>(bytes->begin(), bytes->begin() + kCalibrationFileSize), path);
    NoteState(path, KeptState::Newer);  // refusing to write it will tell
    return r;
  }
  CalibrationLoad r = ParseCalibration(*bytes, path);
  if (r.damaged) r.message += NoteDamaged(path);
  return r;
}

CalibrationLoad ParseCalibration(const std::vector<uint8_t>& bytes, const std::string& path) {
  CalibrationLoad r;
  double* fields[4] = {&r.values.left, &r.values.top, &r.values.width, &r.values.height};
  const double lows[4] = {kCalibrationOffsetMin, kCalibrationOffsetMin, kCalibrationSizeMin,
                          kCalibrationSizeMin};
  const double highs[4] = {kCalibrationOffsetMax, kCalibrationOffsetMax, kCalibrationSizeMax,
                           kCalibrationSizeMax};
  FieldReader in(bytes);
  bool clamped = false;
  double v = 0;
  for (size_t i = 0; i < 4 && in.get(v); ++i) {
    if (std::isnan(v)) {  // no spin edit value at all: keep the default
      clamped = true;
      continue;
    }
    *fields[i] = std::clamp(v, lows[i], highs[i]);
    clamped = clamped || *fields[i] != v;
  }
  if (bytes.size() < kCalibrationFileSize) {
    r.damaged = true;
    r.message = Translate("Calibration", "The printer calibration ") + path +
                Translate("Calibration", " is shorter than 32 bytes; the values ") +
                Translate("Calibration", "it lacks are set to their defaults.");
  } else if (clamped) {
    r.damaged = true;
    r.message =
        Translate("Calibration", "The printer calibration ") + path +
        Translate("Calibration",
                  " holds values outside their ranges; they are set to the nearest allowed value.");
  }
  return r;
}

KeptWrite SaveCalibration(const std::string& path, const Calibration& c) {
  FieldWriter out;
  for (double v : {c.left, c.top, c.width, c.height}) out.put(v);
  return WriteKeptFile(path, out.bytes());
}

PixelSize PrintElementSize(const PaperFormat& fmt, const Calibration& c, int dpx, int dpy) {
  const double f = kMmPerInch;
  return {Trunc(c.width * (fmt.width / f) / 100 * dpx),
          Trunc(c.height * (fmt.height / f) / 100 * dpy)};
}

uint64_t PrintElementBytes(PixelSize size, PixelSize bleed, bool clipped) {
  const uint64_t w = uint64_t(std::max(0, size.w)) + 2 * uint64_t(std::max(0, bleed.w));
  const uint64_t h = uint64_t(std::max(0, size.h)) + 2 * uint64_t(std::max(0, bleed.h));
  return w * h * 4 * (clipped ? 3 : 1);
}

PixelPoint PrintElementPos(const PaperFormat& fmt, const Calibration& c, const SheetPosition& p,
                           int dpx, int dpy) {
  const double f = kMmPerInch;
  return {Trunc(c.width * (fmt.stepAcross / f) / 100 * dpx * p.col +
                c.width * ((fmt.leftMargin - c.left) / f) / 100 * dpx),
          Trunc(c.height * (fmt.stepDown / f) / 100 * dpy * p.row +
                c.height * ((fmt.topMargin - c.top) / f) / 100 * dpy)};
}

PixelRect PrintCover(const CoverSettings& s, const Calibration& c, int32_t elementWidth,
                     int32_t dibW, int32_t dibH, int dpx, int dpy) {
  const double f = kMmPerInch;
  PixelRect r;
  r.w = Trunc(s.sizePercent * elementWidth / 100);
  r.h = dibW > 0 ? Trunc(static_cast<double>(dibH) * r.w / dibW) : 0;
  r.x = Trunc(c.width * (s.leftInch * f * dpx / f) / 100);
  r.y = Trunc(c.height * (s.topInch * f * dpy / f) / 100);
  return r;
}

PixelSize TestRectangleSize(int dpx, int dpy) {
  return {Trunc(100 / kMmPerInch * dpx), Trunc(100 / kMmPerInch * dpy)};
}
