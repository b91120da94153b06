#include "print/PaperFormat.h"

#include <cmath>
#include <cstring>

#include "platform/AnsiText.h"
#include "platform/Units.h"

namespace {
// Keeps the first 50 Windows-1252 characters (one byte each).
std::string CutName(std::string ansi) {
  if (ansi.size() > static_cast<size_t>(kEttNameMax)) ansi.resize(kEttNameMax);
  return ansi;
}

int32_t TruncCount(double v) {
  if (!(v >= kEttCountMin)) return kEttCountMin;
  if (v > kEttCountMax) return kEttCountMax;
  return static_cast<int32_t>(std::trunc(v));
}

template <typename T>
void Put(uint8_t* at, T v) { std::memcpy(at, &v, sizeof v); }
template <typename T>
T Get(const uint8_t* at) {
  T v;
  std::memcpy(&v, at, sizeof v);
  return v;
}

bool SaneLength(double v) { return std::isfinite(v) && std::fabs(v) < 1e7; }
}  // namespace

TEttType EttFromDialog(const EttDialogValues& v) {
  const double f = kMmPerInch;
  TEttType t;
  t.RandLinks = v.left * f;
  t.RandOben = v.top * f;
  t.SchrittH = (v.width + v.spaceH) * f;
  t.SchrittV = (v.height + v.spaceV) * f;
  t.Breite = v.width * f;
  t.Hoehe = v.height * f;
  t.AnzH = TruncCount(v.countH);
  t.AnzV = TruncCount(v.countV);
  t.Name = CutName(Utf8ToAnsi(v.name));
  return t;
}

EttDialogValues EttToDialog(const TEttType& t) {
  const double f = kMmPerInch;
  EttDialogValues v;
  v.left = t.RandLinks / f;
  v.top = t.RandOben / f;
  v.spaceH = (t.SchrittH - t.Breite) / f;
  v.spaceV = (t.SchrittV - t.Hoehe) / f;
  v.width = t.Breite / f;
  v.height = t.Hoehe / f;
  v.countH = t.AnzH;
  v.countV = t.AnzV;
  v.name = AnsiToUtf8(t.Name);
  return v;
}

std::array<uint8_t, kEttRecordSize> EncodeEtt(const TEttType& t) {
  std::array<uint8_t, kEttRecordSize> r{};  // unused name bytes and the tail stay zero
  uint8_t* p = r.data();
  Put(p + 0, t.RandLinks);
  Put(p + 8, t.RandOben);
  Put(p + 16, t.SchrittH);
  Put(p + 24, t.SchrittV);
  Put(p + 32, t.Breite);
  Put(p + 40, t.Hoehe);
  Put(p + 48, t.AnzH);
  Put(p + 52, t.AnzV);
  const std::string name = CutName(t.Name);
  p[56] = static_cast<uint8_t>(name.size());
  std::memcpy(p + 57, name.data(), name.size());
  return r;
}

bool DecodeEtt(const uint8_t* p, TEttType& out) {
  TEttType t;
  t.RandLinks = Get<double>(p + 0);
  t.RandOben = Get<double>(p + 8);
  t.SchrittH = Get<double>(p + 16);
  t.SchrittV = Get<double>(p + 24);
  t.Breite = Get<double>(p + 32);
  t.Hoehe = Get<double>(p + 40);
  t.AnzH = Get<int32_t>(p + 48);
  t.AnzV = Get<int32_t>(p + 52);
  const uint8_t len = p[56];
  if (len > kEttNameMax) return false;
  t.Name.assign(reinterpret_cast<const char*>(p + 57), len);
  for (double v : {t.RandLinks, t.RandOben, t.SchrittH, t.SchrittV, t.Breite, t.Hoehe})
    if (!SaneLength(v)) return false;
  if (t.Breite < 0 || t.Hoehe < 0) return false;
  if (t.AnzH < kEttCountMin || t.AnzH > kEttCountMax || t.AnzV < kEttCountMin ||
      t.AnzV > kEttCountMax)
    return false;
  out = std::move(t);
  return true;
}
