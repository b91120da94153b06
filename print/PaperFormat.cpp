#include "print/PaperFormat.h"

#include <cmath>
#include <cstring>

#include "platform/AnsiText.h"
#include "platform/Units.h"

namespace {
// Keeps the first 50 Windows-1252 characters (one byte each).
std::string CutName(std::string ansi) {
  if (ansi.size() > static_cast<size_t>(kPaperNameMax)) ansi.resize(kPaperNameMax);
  return ansi;
}

int32_t TruncCount(double v) {
  if (!(v >= kPaperCountMin)) return kPaperCountMin;
  if (v > kPaperCountMax) return kPaperCountMax;
  return static_cast<int32_t>(std::trunc(v));
}

template <typename T>
void Put(uint8_t* at, T v) {
  std::memcpy(at, &v, sizeof v);
}
template <typename T>
T Get(const uint8_t* at) {
  T v;
  std::memcpy(&v, at, sizeof v);
  return v;
}

bool SaneLength(double v) {
  return std::isfinite(v) && std::fabs(v) < 1e7;
}
}  // namespace

PaperFormat PaperFormatFromFields(const PaperFormatFields& v) {
  const double f = kMmPerInch;
  PaperFormat t;
  t.leftMargin = v.left * f;
  t.topMargin = v.top * f;
  t.stepAcross = (v.width + v.spaceH) * f;
  t.stepDown = (v.height + v.spaceV) * f;
  t.width = v.width * f;
  t.height = v.height * f;
  t.columns = TruncCount(v.countH);
  t.rows = TruncCount(v.countV);
  t.name = CutName(Utf8ToAnsi(v.name));
  return t;
}

PaperFormatFields FieldsFromPaperFormat(const PaperFormat& t) {
  const double f = kMmPerInch;
  PaperFormatFields v;
  v.left = t.leftMargin / f;
  v.top = t.topMargin / f;
  v.spaceH = (t.stepAcross - t.width) / f;
  v.spaceV = (t.stepDown - t.height) / f;
  v.width = t.width / f;
  v.height = t.height / f;
  v.countH = t.columns;
  v.countV = t.rows;
  v.name = AnsiToUtf8(t.name);
  return v;
}

PaperFormat EditedPaperFormat(const PaperFormat& old, const PaperFormatFields& shown,
                              const PaperFormatFields& confirmed) {
  const PaperFormat fresh = PaperFormatFromFields(confirmed);
  PaperFormat t = old;
  const auto take = [&](bool changed, auto PaperFormat::*field) {
    if (changed) t.*field = fresh.*field;
  };
  take(shown.left != confirmed.left, &PaperFormat::leftMargin);
  take(shown.top != confirmed.top, &PaperFormat::topMargin);
  take(shown.width != confirmed.width, &PaperFormat::width);
  take(shown.height != confirmed.height, &PaperFormat::height);
  take(shown.width != confirmed.width || shown.spaceH != confirmed.spaceH,
       &PaperFormat::stepAcross);
  take(shown.height != confirmed.height || shown.spaceV != confirmed.spaceV,
       &PaperFormat::stepDown);
  take(shown.countH != confirmed.countH, &PaperFormat::columns);
  take(shown.countV != confirmed.countV, &PaperFormat::rows);
  take(shown.name != confirmed.name, &PaperFormat::name);
  return t;
}

std::array<uint8_t, kPaperRecordSize> EncodePaperFormat(const PaperFormat& t) {
  std::array<uint8_t, kPaperRecordSize> r{};  // unused name bytes and the tail stay zero
  uint8_t* p = r.data();
  Put(p + 0, t.leftMargin);
  Put(p + 8, t.topMargin);
  Put(p + 16, t.stepAcross);
  Put(p + 24, t.stepDown);
  Put(p + 32, t.width);
  Put(p + 40, t.height);
  Put(p + 48, t.columns);
  Put(p + 52, t.rows);
  const std::string name = CutName(t.name);
  p[56] = static_cast<uint8_t>(name.size());
  std::memcpy(p + 57, name.data(), name.size());
  return r;
}

bool DecodePaperFormat(const uint8_t* p, PaperFormat& out) {
  PaperFormat t;
  t.leftMargin = Get<double>(p + 0);
  t.topMargin = Get<double>(p + 8);
  t.stepAcross = Get<double>(p + 16);
  t.stepDown = Get<double>(p + 24);
  t.width = Get<double>(p + 32);
  t.height = Get<double>(p + 40);
  t.columns = Get<int32_t>(p + 48);
  t.rows = Get<int32_t>(p + 52);
  const uint8_t len = p[56];
  if (len > kPaperNameMax) return false;
  t.name.assign(reinterpret_cast<const char*>(p + 57), len);
  for (double v : {t.leftMargin, t.topMargin, t.stepAcross, t.stepDown, t.width, t.height})
    if (!SaneLength(v)) return false;
  if (t.width < 0 || t.height < 0) return false;
  if (t.columns < kPaperCountMin || t.columns > kPaperCountMax || t.rows < kPaperCountMin ||
      t.rows > kPaperCountMax)
    return false;
  out = std::move(t);
  return true;
}
