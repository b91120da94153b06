#include "print/settings/DiscShifts.h"

#include <algorithm>
#include <cmath>

#include "platform/SettingsFile.h"
#include "platform/Translate.h"
#include "print/settings/KeptLoad.h"
#include "print/settings/PrinterCalibrations.h"

namespace {
constexpr size_t kEntryFixed = 2 + 2 * 8;  // name length, right, down
constexpr size_t kFileLimit = 12 + kMaxDiscShifts * (kEntryFixed + kMaxQueueNameBytes);

DiscShiftsLoad Refused(const std::string& name, const std::string& why) {
  DiscShiftsLoad r;
  r.message = FillIn(Translate("DiscShifts",
                               "The disc tray centrings %1 are damaged (%2); the printers after "
                               "the damage print discs without correction."),
                     {name, why});
  return r;
}
}  // namespace

bool DiscShiftInRange(const DiscShift& s) {
  return std::isfinite(s.right) && std::isfinite(s.down) && std::fabs(s.right) <= kMaxDiscShift &&
         std::fabs(s.down) <= kMaxDiscShift;
}

DiscShiftsLoad ParseDiscShifts(const std::vector<uint8_t>& bytes, const std::string& name) {
  FieldReader in(bytes);
  int32_t magic = 0, version = 0, count = 0;
  if (!in.get(magic) || magic != kDiscShiftsMagic || !in.get(version))
    return Refused(name, Translate("DiscShifts", "not a disc tray centrings file"));
  if (version != kDiscShiftsVersion) {
    DiscShiftsLoad r;
    r.newer = true;
    return r;
  }
  if (!in.get(count) || count < 0 || count > kMaxDiscShifts)
    return Refused(name, Translate("DiscShifts", "impossible number of printers"));
  DiscShiftsLoad r;
  for (int32_t i = 0; i < count; ++i) {
    uint16_t length = 0;
    PrinterDiscShift e;
    if (!in.get(length) || length == 0 || length > kMaxQueueNameBytes || in.left() < length) {
      r.message = Refused(name, FillIn(Translate("DiscShifts", "entry %1 has no readable name"),
                                       {std::to_string(i + 1)}))
                      .message;
      return r;
    }
    e.queue.assign(reinterpret_cast<const char*>(in.here()), length);
    in.skip(length);
    if (!in.get(e.shift.right) || !in.get(e.shift.down) || !DiscShiftInRange(e.shift)) {
      r.message = Refused(name, FillIn(Translate("DiscShifts", "entry %1 is damaged"),
                                       {std::to_string(i + 1)}))
                      .message;
      return r;
    }
    r.entries.push_back(std::move(e));
  }
  if (in.left() != 0)
    r.message = Refused(name, Translate("DiscShifts", "bytes after the last entry")).message;
  return r;
}

std::vector<uint8_t> EncodeDiscShifts(const std::vector<PrinterDiscShift>& entries) {
  FieldWriter out;
  out.put(kDiscShiftsMagic);
  out.put(kDiscShiftsVersion);
  out.put(static_cast<int32_t>(entries.size()));
  for (const PrinterDiscShift& e : entries) {
    const std::string queue = e.queue.substr(0, kMaxQueueNameBytes);
    out.put(static_cast<uint16_t>(queue.size()));
    out.putBytes(queue.data(), queue.size());
    out.put(e.shift.right);
    out.put(e.shift.down);
  }
  return std::move(out.bytes());
}

DiscShiftsLoad LoadDiscShifts(const std::string& path) {
  return LoadKeptFile<DiscShiftsLoad>(path, kFileLimit, ParseDiscShifts, Refused);
}

KeptWrite SaveDiscShifts(const std::string& path, const std::vector<PrinterDiscShift>& entries) {
  if (entries.empty()) return RemoveKeptFile(path);
  for (const PrinterDiscShift& e : entries)
    if (e.queue.size() > kMaxQueueNameBytes) {  // cut, it would never match again
      KeptWrite r;
      r.outcome = KeptWrite::NotWritten;
      r.message = FillIn(Translate("DiscShifts",
                                   "The printer name %1 is longer than 255 bytes; its disc tray "
                                   "centring cannot be kept."),
                         {e.queue});
      return r;
    }
  return WriteKeptFile(path, EncodeDiscShifts(entries));
}

std::string DiscShiftsFileFor(const std::string& optionsFile) {
  return SideFile(optionsFile, "-discs.dat");
}

DiscShift DiscShiftFor(const std::vector<PrinterDiscShift>& entries, const std::string& queue) {
  for (const PrinterDiscShift& e : entries)
    if (!queue.empty() && e.queue == queue) return e.shift;
  return {};
}

void SetDiscShift(std::vector<PrinterDiscShift>& entries, const std::string& queue,
                  const DiscShift& shift) {
  std::erase_if(entries, [&](const PrinterDiscShift& e) { return e.queue == queue; });
  if (shift != DiscShift{}) entries.push_back({queue, shift});
}
