#pragma once
// Where the next free position of a paper format is after the last completed print, kept per
// format in a file beside paper.dat and matched to its format by the whole 112-byte record.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "platform/KeptFiles.h"
#include "print/SheetLayout.h"

// The sheet the last print ended on: its first `used` positions are used, and `marked` ones after.
struct NextPosition {
  int32_t used = 0;
  std::vector<int32_t> marked;  // counted from 0, increasing
  bool fresh() const { return used == 0 && marked.empty(); }
  bool operator==(const NextPosition&) const = default;
};

struct NextPositionEntry {
  std::array<uint8_t, kPaperRecordSize> record{};
  NextPosition next;
};

constexpr int32_t kNextPositionMagic = 0x4e505851;  // "QXPN"
constexpr int32_t kNextPositionVersion = 1;
constexpr int32_t kMaxNextPositionEntries = 10000;

struct NextPositionLoad {
  std::vector<NextPositionEntry> entries;  // those before any damage; none when missing
  std::string message;                     // what the user must hear of the file
  bool newer = false;                      // a later version wrote it: no entries are known
};

// The used positions of the sheet that the job of `layout` ended on; fresh when it is full.
NextPosition NextAfter(const SheetLayout& layout);

NextPositionLoad ParseNextPositions(const std::vector<uint8_t>& bytes, const std::string& name);
std::vector<uint8_t> EncodeNextPositions(const std::vector<NextPositionEntry>& entries);
// The file beside a paper.dat.
std::string NextPositionFileFor(const std::string& paperFile);
// The remembered position for `format`, if one is not fresh; damage is reported in `message`.
std::optional<NextPosition> RecallNextPosition(const std::string& paperFile,
                                               const PaperFormat& format,
                                               std::string* message = nullptr);
// Keeps `next` for `format` (a fresh sheet removes its entry), as KeptFiles allows.
KeptWrite RememberNextPosition(const std::string& paperFile, const PaperFormat& format,
                               const NextPosition& next);
