#include "platform/scanner/Scanner.h"

#include <sane/saneopts.h>

#include <algorithm>
#include <cmath>

#include "platform/AnsiText.h"
#include "platform/Translate.h"
#include "platform/scanner/SaneCalls.h"
#include "platform/scanner/ScanFrames.h"
#include "platform/scanner/ScannerOptions.h"
#include "platform/scanner/StallWatch.h"

namespace {
constexpr double kMmPerInchSane = 25.4;
constexpr size_t kReadChunk = 64 * 1024;
const char* const kGeometry[4] = {SANE_NAME_SCAN_TL_X, SANE_NAME_SCAN_TL_Y, SANE_NAME_SCAN_BR_X,
                                  SANE_NAME_SCAN_BR_Y};

// The first offered string containing one of the keys, trying the keys in order.
std::string FirstContaining(const std::vector<std::string>& offered,
                            std::initializer_list<const char*> keys) {
  for (const char* key : keys)
    for (const std::string& s : offered)
      if (AsciiLower(s).find(key) != std::string::npos) return s;
  return {};
}

// Millimetres to the option's unit and back (pixel options count at the scan resolution).
double ToUnit(double mm, SANE_Unit unit, double dpi) {
  return unit == SANE_UNIT_PIXEL ? mm / kMmPerInchSane * dpi : mm;
}
double FromUnit(double v, SANE_Unit unit, double dpi) {
  return unit == SANE_UNIT_PIXEL && dpi > 0 ? v * kMmPerInchSane / dpi : v;
}

bool SetResolution(SaneDevice& device, double dpi, AppliedSettings& applied, std::string& error) {
  for (const char* name : {SANE_NAME_SCAN_RESOLUTION, SANE_NAME_SCAN_X_RESOLUTION}) {
    const auto o = device.option(name);
    if (!o || !o->active() || !o->settable()) continue;
    const OptionOutcome r = device.setNumber(name, dpi);
    if (!r.ok) {
      error = r.error;
      return false;
    }
    if (r.inexact)
      applied.notes.push_back("resolution " + std::to_string(std::lround(r.number)) + " dpi");
    applied.resolution = r.number;
    if (std::string(name) == SANE_NAME_SCAN_X_RESOLUTION)
      device.setNumber(SANE_NAME_SCAN_Y_RESOLUTION, r.number);
    return true;
  }
  applied.resolution = dpi;  // a device without the setting scans at its only resolution
  return true;
}

bool SetArea(SaneDevice& device, const ScanArea& area, AppliedSettings& applied,
             std::string& error) {
  const double wanted[4] = {area.left, area.top, area.left + area.width, area.top + area.height};
  std::optional<ScanOption> opts[4];
  for (int i = 0; i < 4; ++i) opts[i] = device.option(kGeometry[i]);
  if (!opts[0] || !opts[1] || !opts[2] || !opts[3]) {
    applied.area = area;
    return true;
  }
  // The corner first goes to its minimum so that no intermediate area is turned round.
  for (int i : {0, 1})
    if (opts[i]->constraint == SANE_CONSTRAINT_RANGE) device.setNumber(kGeometry[i], opts[i]->min);
  double got[4];
  for (int i : {2, 3, 0, 1}) {
    const auto o = device.option(kGeometry[i]);  // read again: setting one may reload others
    if (!o) return false;
    const OptionOutcome r =
        device.setNumber(kGeometry[i], ToUnit(wanted[i], o->unit, applied.resolution));
    if (!r.ok) {
      error = r.error;
      return false;
    }
    got[i] = FromUnit(r.number, o->unit, applied.resolution);
  }
  applied.area = ScanArea{got[0], got[1], got[2] - got[0], got[3] - got[1]};
  if (applied.area.width <= 0 || applied.area.height <= 0) {
    error = Translate("Scanner", "The scan area lies outside the scanner's glass.");
    return false;
  }
  if (std::fabs(applied.area.width - area.width) > 1 ||
      std::fabs(applied.area.height - area.height) > 1 ||
      std::fabs(applied.area.left - area.left) > 1 || std::fabs(applied.area.top - area.top) > 1)
    applied.notes.push_back(Translate("Scanner", "scan area limited to the scanner's glass"));
  return true;
}

FrameKind KindOf(SANE_Frame f) {
  switch (f) {
    case SANE_FRAME_RGB:
      return FrameKind::Rgb;
    case SANE_FRAME_RED:
      return FrameKind::Red;
    case SANE_FRAME_GREEN:
      return FrameKind::Green;
    case SANE_FRAME_BLUE:
      return FrameKind::Blue;
    default:
      return FrameKind::Gray;
  }
}

bool KnownFrame(SANE_Frame f) {
  return f >= SANE_FRAME_GRAY && f <= SANE_FRAME_BLUE;
}

// Ends a scan that stopped early; the result says why.
void Stop(SANE_Handle h, SANE_Status status, const std::string& what, ScanResult& out) {
  Sane().cancel(h);
  if (status == SANE_STATUS_CANCELLED) {
    out.cancelled = true;
    out.error = SaneStatusText(status);
  } else {
    out.error = what + SaneStatusText(status);
  }
}
}  // namespace

std::string ChooseModeString(ScanMode mode, const std::vector<std::string>& offered) {
  switch (mode) {
    case ScanMode::Color:
      return FirstContaining(offered, {"color", "colour", "rgb"});
    case ScanMode::Gray:
      return FirstContaining(offered, {"gray", "grey"});
    case ScanMode::LineArt: {
      for (const std::string& s : offered) {
        const std::string l = AsciiLower(s);
        if (l.find("color") == std::string::npos &&
            (l.find("lineart") != std::string::npos || l.find("line art") != std::string::npos ||
             l.find("binary") != std::string::npos || l.find("black") != std::string::npos ||
             l.find("mono") != std::string::npos))
          return s;
      }
      return {};
    }
  }
  return {};
}

bool ApplyScanSettings(SaneDevice& device, const ScanSettings& s, AppliedSettings& applied,
                       std::string& error) {
  applied = AppliedSettings{};
  int depth = s.mode == ScanMode::LineArt ? 1 : 8;
  if (const auto mode = device.option(SANE_NAME_SCAN_MODE);
      mode && mode->settable() && mode->active()) {
    std::string wanted = ChooseModeString(s.mode, mode->strings);
    if (wanted.empty() && s.mode == ScanMode::LineArt)
      wanted = ChooseModeString(ScanMode::Gray, mode->strings);
    if (wanted.empty() && s.mode != ScanMode::Color)
      wanted = ChooseModeString(ScanMode::Color, mode->strings);
    if (!wanted.empty()) {
      const OptionOutcome r = device.setString(SANE_NAME_SCAN_MODE, wanted);
      if (!r.ok) {
        error = r.error;
        return false;
      }
      applied.modeString = r.text;
      if (s.mode == ScanMode::LineArt && ChooseModeString(ScanMode::LineArt, {r.text}).empty())
        applied.thresholdLineArt = true;  // grey at one bit, or grey turned black and white
      if (s.mode == ScanMode::LineArt && !applied.thresholdLineArt) depth = 0;  // the mode decides
    }
  } else if (s.mode == ScanMode::LineArt) {
    applied.thresholdLineArt = true;
  }
  if (depth > 0) {
    if (const auto o = device.option(SANE_NAME_BIT_DEPTH); o && o->active() && o->settable()) {
      const bool offered =
          o->constraint != SANE_CONSTRAINT_WORD_LIST ||
          std::find(o->words.begin(), o->words.end(), double(depth)) != o->words.end();
      const OptionOutcome r = device.setNumber(SANE_NAME_BIT_DEPTH, offered ? depth : 8);
      if (r.ok) applied.depth = int(r.number);
    }
  }
  if (applied.depth == 1 && s.mode == ScanMode::LineArt) applied.thresholdLineArt = false;
  if (!SetResolution(device, s.resolution, applied, error)) return false;
  return SetArea(device, s.area, applied, error);
}

std::optional<ScanArea> ScannerBed(const SaneDevice& device) {
  double lo[2], hi[2];
  for (int i = 0; i < 2; ++i) {
    const auto tl = device.option(kGeometry[i]);
    const auto br = device.option(kGeometry[i + 2]);
    if (!tl || !br || tl->constraint != SANE_CONSTRAINT_RANGE ||
        br->constraint != SANE_CONSTRAINT_RANGE || tl->unit != SANE_UNIT_MM ||
        br->unit != SANE_UNIT_MM)
      return std::nullopt;
    lo[i] = tl->min;
    hi[i] = br->max;
  }
  if (hi[0] <= lo[0] || hi[1] <= lo[1]) return std::nullopt;
  return ScanArea{lo[0], lo[1], hi[0] - lo[0], hi[1] - lo[1]};
}

namespace {
void ScanOnce(const ScanRequest& request, const std::atomic<bool>& cancel,
              const std::function<void(int)>& progress, ScanResult& out) {
  auto report = [&, last = -1](int percent) mutable {
    if (percent != last && progress) progress(percent);
    last = percent;
  };
  report(0);
  SaneLibrary library;
  if (!library.ok()) {
    out.error = library.error();
    return;
  }
  SaneDevice device;
  if (!device.open(request.settings.device, out.error)) return;
  ScanSettings settings = request.settings;
  if (request.preview) {
    settings.mode = ScanMode::Color;
    if (const auto bed = ScannerBed(device)) {
      settings.area = *bed;
      settings.resolution =
          std::max(1, int(kPreviewLongSide * kMmPerInchSane / std::max(bed->width, bed->height)));
    } else {
      settings.resolution = 50;
    }
  }
  if (!ApplyScanSettings(device, settings, out.applied, out.error)) return;
  // The further options come last, so they may depend on the mode and override the rest.
  auto choices = settings.options.find(device.name());
  if (choices == settings.options.end()) choices = settings.options.find(settings.device);
  if (choices != settings.options.end() &&
      !ApplyOptionChoices(device, choices->second, out.applied.notes, out.error))
    return;
  SANE_Handle h = device.handle();
  StallWatch watch(request.stallSeconds, h);
  const auto stalled = [&] {
    if (!watch.stalled()) return false;
    Sane().cancel(h);
    out.error = FillIn(Translate("Scanner", "The scanner delivered no data for %1 seconds."),
                       {LocaleNumber(request.stallSeconds, 0)});
    return true;
  };
  FrameAssembler frames(out.applied.thresholdLineArt);
  const double hintLines = settings.area.height / kMmPerInchSane * out.applied.resolution;
  std::vector<uint8_t> buf(kReadChunk);
  bool last = false;
  while (!last) {
    if (cancel) return Stop(h, SANE_STATUS_CANCELLED, {}, out);
    SANE_Status status = Sane().start(h);
    if (stalled()) return;
    if (status != SANE_STATUS_GOOD)
      return Stop(h, status, Translate("Scanner", "The scan cannot start: "), out);
    SANE_Parameters p{};
    status = Sane().get_parameters(h, &p);
    if (status != SANE_STATUS_GOOD)
      return Stop(h, status, Translate("Scanner", "The scanner gives no picture format: "), out);
    if (!KnownFrame(p.format)) {
      Sane().cancel(h);
      out.error =
          Translate("Scanner", "The scanner sends a picture format the program cannot read.");
      return;
    }
    last = p.last_frame;
    if (!frames.beginFrame({KindOf(p.format), bool(p.last_frame), p.bytes_per_line,
                            p.pixels_per_line, p.lines, p.depth})) {
      Sane().cancel(h);
      out.error = frames.error();
      return;
    }
    for (;;) {
      if (cancel) return Stop(h, SANE_STATUS_CANCELLED, {}, out);
      SANE_Int len = 0;
      status = Sane().read(h, buf.data(), SANE_Int(buf.size()), &len);
      if (stalled()) return;
      if (status == SANE_STATUS_GOOD && len > 0) watch.fed();
      if (status == SANE_STATUS_EOF) break;
      if (status != SANE_STATUS_GOOD)
        return Stop(h, status, Translate("Scanner", "The scan failed: "), out);
      if (!frames.addBytes(buf.data(),
                           size_t(std::clamp<SANE_Int>(len, 0, SANE_Int(buf.size()))))) {
        Sane().cancel(h);
        out.error = frames.error();
        return;
      }
      int percent = frames.percent();
      if (p.lines < 0 && hintLines >= 1)
        percent = std::min(99, int(frames.linesDone() * 100 / hintLines));
      report(percent);
    }
    if (!frames.endFrame()) {
      Sane().cancel(h);
      out.error = frames.error();
      return;
    }
    last = last || frames.complete();  // a grey or RGB frame is the whole picture
  }
  Sane().cancel(h);  // a finished scan is ended this way, too
  if (!frames.takePicture(out.dib)) out.error = frames.error();
}
}  // namespace

void RunScan(const ScanRequest& request, const std::atomic<bool>& cancel,
             const std::function<void(int)>& progress, ScanResult& out) {
  ScanOnce(request, cancel, progress, out);
  if (progress) progress(0);  // whatever the outcome
}

ScanJob::~ScanJob() {
  cancel();
  if (thread_.joinable()) thread_.join();
}

bool ScanJob::start(const ScanRequest& request, Progress progress, Done done) {
  if (running()) return false;
  if (thread_.joinable()) thread_.join();
  cancel_ = false;
  finished_ = false;
  result_ = std::make_unique<ScanResult>();
  thread_ = std::thread([this, request, progress = std::move(progress), done = std::move(done)] {
    RunScan(request, cancel_, progress, *result_);
    finished_ = true;
    if (done) done();
  });
  return true;
}

std::unique_ptr<ScanResult> ScanJob::finish() {
  if (thread_.joinable()) thread_.join();
  return std::move(result_);
}
