#include "print/PaperFormat.h"

#include <cmath>
#include <cstring>

#include "platform/AnsiText.h"
#include "platform/SettingsFile.h"
#include "platform/Units.h"

std::string CutPaperName(std::string ansi) {
  if (ansi.size() > static_cast<size_t>(kPaperNameMax)) ansi.resize(kPaperNameMax);
  return ansi;
}

namespace {
int32_t TruncCount(double v) {
  if (!(v >= kPaperCountMin)) return kPaperCountMin;
  if (v > kPaperCountMax) return kPaperCountMax;
  return static_cast<int32_t>(std::trunc(v));
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
  t.name = CutPaperName(Utf8ToAnsi(v.name));
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
  FieldWriter w;  // in the order the layout above PaperFormat gives
  for (double v : {t.leftMargin, t.topMargin, t.stepAcross, t.stepDown, t.width, t.height})
    w.put(v);
  w.put(t.columns);
  w.put(t.rows);
  const std::string name = CutPaperName(t.name);
  w.put(static_cast<uint8_t>(name.size()));
  w.putBytes(name.data(), name.size());
  std::array<uint8_t, kPaperRecordSize> r{};  // unused name bytes and the tail stay zero
  std::memcpy(r.data(), w.bytes().data(), w.size());
  return r;
}

bool DecodePaperFormat(const uint8_t* p, PaperFormat& out) {
  PaperFormat t;
  FieldReader in(p, kPaperRecordSize);
  uint8_t len = 0;
  for (double* v : {&t.leftMargin, &t.topMargin, &t.stepAcross, &t.stepDown, &t.width, &t.height})
    in.get(*v);
  in.get(t.columns);
  in.get(t.rows);
  in.get(len);
  if (len > kPaperNameMax) return false;
  t.name.assign(reinterpret_cast<const char*>(in.here()), len);
  for (double v : {t.leftMargin, t.topMargin, t.stepAcross, t.stepDown, t.width, t.height})
    if (!SaneLength(v)) return false;
  if (t.width < 0 || t.height < 0) return false;
  if (t.columns < kPaperCountMin || t.columns > kPaperCountMax || t.rows < kPaperCountMin ||
      t.rows > kPaperCountMax)
    return false;
  out = std::move(t);
  return true;
}
