#include "print/settings/PrinterCalibrations.h"

#include <algorithm>

#include "platform/KeptFiles.h"
#include "platform/RegularFile.h"
#include "platform/ReplacingFile.h"
#include "platform/SettingsFile.h"
#include "platform/Translate.h"
#include "print/settings/KeptLoad.h"

namespace {
constexpr size_t kHeaderSize = 12;
constexpr size_t kEntryFixed = 2 + 4 + 4 * 8;  // name length, resolution, four values
constexpr size_t kFileLimit =
    kHeaderSize + kMaxPrinterCalibrations * (kEntryFixed + kMaxQueueNameBytes);

PrinterCalibrationsLoad Refused(const std::string& name, const std::string& why) {
  PrinterCalibrationsLoad r;
  r.message =
      Translate("PrinterCalibrations", "The printer calibrations ") + name +
      Translate("PrinterCalibrations", " are damaged (") + why +
      Translate("PrinterCalibrations", "); every printer uses the calibration of options.dat.");
  return r;
}

// Damage after whole entries: those are kept, the printers after the damage use options.dat.
PrinterCalibrationsLoad DamagedAfter(PrinterCalibrationsLoad read, const std::string& name,
                                     const std::string& why) {
  read.message = FillIn(Translate("PrinterCalibrations",
                                  "The printer calibrations %1 are damaged (%2); the printers "
                                  "after the damage use the calibration of options.dat."),
                        {name, why});
  return read;
}
}  // namespace

bool CalibrationInRange(const Calibration& c) {
  const auto in = [](double v, double lo, double hi) { return v >= lo && v <= hi; };
  return in(c.left, kCalibrationOffsetMin, kCalibrationOffsetMax) &&
         in(c.top, kCalibrationOffsetMin, kCalibrationOffsetMax) &&
         in(c.width, kCalibrationSizeMin, kCalibrationSizeMax) &&
         in(c.height, kCalibrationSizeMin, kCalibrationSizeMax);
}

PrinterCalibrationsLoad ParsePrinterCalibrations(const std::vector<uint8_t>& bytes,
                                                 const std::string& name) {
  FieldReader in(bytes);
  int32_t magic = 0, version = 0, count = 0;
  if (!in.get(magic) || magic != kPrinterCalibrationsMagic || !in.get(version))
    return Refused(name, Translate("PrinterCalibrations", "not a printer calibrations file"));
  if (version != kPrinterCalibrationsVersion) {
    PrinterCalibrationsLoad r;  // a later version's entries may be laid out otherwise
    r.newer = true;
    return r;
  }
  if (!in.get(count) || count < 0 || count > kMaxPrinterCalibrations)
    return Refused(name, Translate("PrinterCalibrations", "impossible number of printers"));
  PrinterCalibrationsLoad r;
  for (int32_t i = 0; i < count; ++i) {
    const std::string entry = "entry " + std::to_string(i + 1);
    uint16_t length = 0;
    if (!in.get(length) || length == 0 || length > kMaxQueueNameBytes || in.left() < length)
      return DamagedAfter(
          std::move(r), name,
          entry + Translate("PrinterCalibrations", " has no readable printer name"));
    PrinterCalibration e;
    e.printer.queue.assign(reinterpret_cast<const char*>(in.here()), length);
    in.skip(length);
    int32_t dpi = 0;
    Calibration& c = e.values;
    if (!in.get(dpi) || !in.get(c.left) || !in.get(c.top) || !in.get(c.width) || !in.get(c.height))
      return DamagedAfter(std::move(r), name,
                          entry + Translate("PrinterCalibrations", " ends early"));
    if (dpi < 0 || dpi > 100000 || !CalibrationInRange(c))
      return DamagedAfter(
          std::move(r), name,
          entry + Translate("PrinterCalibrations", " holds values outside their ranges"));
    e.printer.resolution = dpi;
    r.entries.push_back(std::move(e));
  }
  if (in.left() != 0)
    return DamagedAfter(std::move(r), name,
                        Translate("PrinterCalibrations", "bytes after the last entry"));
  return r;
}

std::vector<uint8_t> EncodePrinterCalibrations(const std::vector<PrinterCalibration>& entries) {
  FieldWriter out;
  out.put(kPrinterCalibrationsMagic);
  out.put(kPrinterCalibrationsVersion);
  out.put(static_cast<int32_t>(entries.size()));
  for (const PrinterCalibration& e : entries) {
    const std::string queue = e.printer.queue.substr(0, kMaxQueueNameBytes);
    out.put(static_cast<uint16_t>(queue.size()));
    out.putBytes(queue.data(), queue.size());
    out.put(static_cast<int32_t>(e.printer.resolution));
    for (double v : {e.values.left, e.values.top, e.values.width, e.values.height}) out.put(v);
  }
  return std::move(out.bytes());
}

PrinterCalibrationsLoad LoadPrinterCalibrations(const std::string& path) {
  return LoadKeptFile<PrinterCalibrationsLoad>(path, kFileLimit, ParsePrinterCalibrations, Refused);
}

KeptWrite SavePrinterCalibrations(const std::string& path,
                                  const std::vector<PrinterCalibration>& entries) {
  if (entries.empty()) return RemoveKeptFile(path);
  for (const PrinterCalibration& e : entries)
    if (e.printer.queue.size() > kMaxQueueNameBytes) {  // cut, it would never match again
      KeptWrite r;
      r.outcome = KeptWrite::NotWritten;
      r.message = Translate("PrinterCalibrations", "The printer name ") + e.printer.queue +
                  Translate("PrinterCalibrations",
                            " is longer than 255 bytes; its calibration "
                            "cannot be kept.");
      return r;
    }
  return WriteKeptFile(path, EncodePrinterCalibrations(entries));
}

std::string PrinterCalibrationsFileFor(const std::string& optionsFile) {
  return SideFile(optionsFile, "-printers.dat");
}

const PrinterCalibration* FindPrinterCalibration(const std::vector<PrinterCalibration>& entries,
                                                 const PrinterKey& printer) {
  const auto it = std::find_if(entries.begin(), entries.end(),
                               [&](const PrinterCalibration& e) { return e.printer == printer; });
  return it == entries.end() ? nullptr : &*it;
}

Calibration CalibrationFor(const std::vector<PrinterCalibration>& entries,
                           const PrinterKey& printer, const Calibration& fallback) {
  if (printer.queue.empty()) return fallback;
  const PrinterCalibration* e = FindPrinterCalibration(entries, printer);
  return e ? e->values : fallback;
}

void SetPrinterCalibration(std::vector<PrinterCalibration>& entries, const PrinterKey& printer,
                           const Calibration& values) {
  for (PrinterCalibration& e : entries)
    if (e.printer == printer) {
      e.values = values;
      return;
    }
  entries.push_back({printer, values});
}

bool RemovePrinterCalibration(std::vector<PrinterCalibration>& entries, const PrinterKey& printer) {
  const auto before = entries.size();
  std::erase_if(entries, [&](const PrinterCalibration& e) { return e.printer == printer; });
  return entries.size() != before;
}

Calibration JobCalibration(const std::string& optionsFile, const PrinterKey& printer,
                           std::string* message) {
  const CalibrationLoad fallback = LoadCalibration(optionsFile);
  if (printer.queue.empty()) return fallback.values;
  const PrinterCalibrationsLoad own =
      LoadPrinterCalibrations(PrinterCalibrationsFileFor(optionsFile));
  if (message) *message = own.message;
  return CalibrationFor(own.entries, printer, fallback.values);
}
