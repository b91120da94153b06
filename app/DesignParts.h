#pragma once
// The parts of one design (booklet front, tray inlay, disc label), each a complete cover. The
// current part lives in the document's own fields; every other part is kept as the bytes of a
// one-part cover file, the same bytes the design's file stores for it.
#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/History.h"
#include "print/PaperFormat.h"
#include "print/SheetLayout.h"

constexpr size_t kMaxPartNameBytes = 64;
constexpr size_t kMaxParts = 64;

struct DesignPart {
  std::string name;                   // UTF-8, unique within the design
  std::optional<PaperFormat> format;  // the format it prints on; none: the one chosen when printing
  std::vector<uint8_t> cover;         // a one-part cover file; empty for the current part
  std::shared_ptr<History::Steps> steps = nullptr;  // its undo steps while another part is current
  CoverSettings center{};  // its size and displacement on the Center tab, while the design is open
  bool operator==(const DesignPart&) const = default;
};

// The name of the only part of a design that names none (a file of one part).
std::string DefaultPartName();

struct DesignParts {
  std::vector<DesignPart> list{DesignPart{DefaultPartName(), {}, {}}};  // in order, never empty
  size_t current = 0;
  // Positions of a sheet (from 0) that print another part than the current one, as chosen on
  // the Print tab's first sheet; they belong to the design while it is open.
  std::map<int32_t, size_t> placed;
};

// Why `name` cannot name a part (empty, too long, a zero byte, taken by another part than
// `except`); empty when it can.
std::string PartNameFault(const DesignParts& parts, const std::string& name,
                          size_t except = SIZE_MAX);
// The part called `key`, or numbered `key` counting from 1.
std::optional<size_t> FindPart(const DesignParts& parts, const std::string& key);
// The part that prints at each of a sheet's `positions`: the placed one, else the current one.
std::vector<size_t> PartsAtPositions(const DesignParts& parts, int32_t positions);
// Places `part` at position `k`; the current part there clears the choice.
void PlacePart(DesignParts& parts, int32_t k, size_t part);
