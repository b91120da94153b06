#include "print/settings/NextPosition.h"

#include <algorithm>
#include <filesystem>

#include "platform/KeptFiles.h"
#include "platform/RegularFile.h"
#include "platform/ReplacingFile.h"
#include "platform/SettingsFile.h"
#include "platform/Translate.h"
#include "print/settings/KeptLoad.h"

namespace {
constexpr int32_t kMaxMarks = kPaperCountMax * kPaperCountMax * kMaxGrids;
constexpr size_t kFileLimit =
    12 + size_t(kMaxNextPositionEntries) * (kPaperRecordSize + 8) + 4 * 1000000;

NextPositionLoad Refused(const std::string& name, const std::string& why) {
  return {{},
          Translate("NextPosition", "The remembered print positions ") + name +
              Translate("NextPosition", " are damaged (") + why +
              Translate("NextPosition", "); every sheet starts fresh.")};
}

// Damage after whole entries: those are kept, the formats after the damage start fresh.
NextPositionLoad DamagedAfter(NextPositionLoad read, const std::string& name,
                              const std::string& why) {
  read.message = FillIn(Translate("NextPosition",
                                  "The remembered print positions %1 are damaged (%2); the "
                                  "formats after the damage start fresh."),
                        {name, why});
  return read;
}
}  // namespace

NextPosition NextAfter(const SheetLayout& l) {
  const std::vector<SheetPosition> printed = l.printed();
  if (printed.empty()) return {};
  const int32_t last = printed.back().k;
  NextPosition next;
  next.used = last % l.perSheet + 1;
  if (last < l.perSheet)
    for (int32_t k : l.marked)
      if (k > last) next.marked.push_back(k);
  if (next.used + static_cast<int32_t>(next.marked.size()) >= l.perSheet) return {};
  return next;
}

NextPositionLoad ParseNextPositions(const std::vector<uint8_t>& bytes, const std::string& name) {
  FieldReader in(bytes);
  int32_t magic = 0, version = 0, count = 0;
  if (!in.get(magic) || magic != kNextPositionMagic || !in.get(version))
    return Refused(name, Translate("NextPosition", "not a file of print positions"));
  if (version != kNextPositionVersion) {
    NextPositionLoad r;  // a later version's entries may be laid out otherwise
    r.newer = true;
    return r;
  }
  if (!in.get(count) || count < 0 || count > kMaxNextPositionEntries)
    return Refused(name, Translate("NextPosition", "impossible number of formats"));
  NextPositionLoad r;
  for (int32_t i = 0; i < count; ++i) {
    const std::string entry = "entry " + std::to_string(i + 1);
    NextPositionEntry e;
    if (!in.getBytes(e.record.data(), kPaperRecordSize))
      return DamagedAfter(std::move(r), name, entry + Translate("NextPosition", " ends early"));
    int32_t marks = 0;
    if (!in.get(e.next.used) || !in.get(marks))
      return DamagedAfter(std::move(r), name, entry + Translate("NextPosition", " ends early"));
    if (e.next.used < 0 || e.next.used >= kMaxMarks || marks < 0 || marks > kMaxMarks)
      return DamagedAfter(std::move(r), name,
                          entry + Translate("NextPosition", " holds impossible positions"));
    for (int32_t m = 0; m < marks; ++m) {
      int32_t k = 0;
      if (!in.get(k))
        return DamagedAfter(std::move(r), name, entry + Translate("NextPosition", " ends early"));
      const int32_t before = e.next.marked.empty() ? e.next.used - 1 : e.next.marked.back();
      if (k <= before || k >= kMaxMarks)
        return DamagedAfter(std::move(r), name,
                            entry + Translate("NextPosition", " holds impossible positions"));
      e.next.marked.push_back(k);
    }
    r.entries.push_back(std::move(e));
  }
  if (in.left() != 0)
    return DamagedAfter(std::move(r), name,
                        Translate("NextPosition", "bytes after the last entry"));
  return r;
}

std::vector<uint8_t> EncodeNextPositions(const std::vector<NextPositionEntry>& entries) {
  FieldWriter out;
  out.put(kNextPositionMagic);
  out.put(kNextPositionVersion);
  out.put(static_cast<int32_t>(entries.size()));
  for (const NextPositionEntry& e : entries) {
    out.putBytes(e.record.data(), e.record.size());
    out.put(e.next.used);
    out.put(static_cast<int32_t>(e.next.marked.size()));
    for (int32_t k : e.next.marked) out.put(k);
  }
  return std::move(out.bytes());
}

std::string NextPositionFileFor(const std::string& paperFile) {
  return SideFile(paperFile, "-next.dat");
}

namespace {
NextPositionLoad Load(const std::string& file) {
  return LoadKeptFile<NextPositionLoad>(file, kFileLimit, ParseNextPositions, Refused);
}
}  // namespace

std::optional<NextPosition> RecallNextPosition(const std::string& paperFile,
                                               const PaperFormat& format, std::string* message) {
  const NextPositionLoad load = Load(NextPositionFileFor(paperFile));
  if (message) *message = load.message;
  const auto record = EncodePaperFormat(format);
  for (const NextPositionEntry& e : load.entries)
    if (e.record == record && !e.next.fresh()) return e.next;
  return std::nullopt;
}

KeptWrite RememberNextPosition(const std::string& paperFile, const PaperFormat& format,
                               const NextPosition& next) {
  const std::string file = NextPositionFileFor(paperFile);
  std::vector<NextPositionEntry> entries = Load(file).entries;
  const auto record = EncodePaperFormat(format);
  std::erase_if(entries, [&](const NextPositionEntry& e) { return e.record == record; });
  if (!next.fresh()) entries.push_back({record, next});
  if (entries.empty() && !std::filesystem::exists(file)) return {};
  return WriteKeptFile(file, EncodeNextPositions(entries));
}
