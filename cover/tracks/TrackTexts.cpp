#include "cover/tracks/TrackTexts.h"

#include "cover/Truncate.h"
#include "cover/text/TextLines.h"

namespace {
// A block whose text a design could not hold is split over several blocks of whole lines (a
// line too long on its own over several), each as high as its share of the lines.
std::vector<TextBlock> FitTextLimit(const std::vector<TextBlock>& blocks) {
  std::vector<TextBlock> out;
  for (const TextBlock& block : blocks) {
    if (LinesToText(block.lines).size() <= kMaxObjectTextBytes) {
      out.push_back(block);
      continue;
    }
    std::vector<std::string> lines;
    for (const std::string& line : block.lines)
      for (size_t at = 0; at == 0 || at < line.size(); at += kMaxObjectTextBytes)
        lines.push_back(line.substr(at, kMaxObjectTextBytes));
    const double lineHeight = block.height / double(lines.size());
    TextBlock part{{}, block.width, 0};
    size_t bytes = 0;
    for (const std::string& line : lines) {
      const size_t more = line.size() + (part.lines.empty() ? 0 : 1);  // and its line break
      if (!part.lines.empty() && bytes + more > kMaxObjectTextBytes) {
        out.push_back(part);
        part.lines.clear();
        part.height = 0;
        bytes = 0;
      }
      bytes += line.size() + (part.lines.empty() ? 0 : 1);
      part.lines.push_back(line);
      part.height += lineHeight;
    }
    out.push_back(part);
  }
  return out;
}
}  // namespace

std::vector<int> PlaceTextBlocks(ObjectTable& table, int viewX, int viewY,
                                 const std::vector<TextBlock>& given, const FontSpec& font) {
  const std::vector<TextBlock> blocks = FitTextLimit(given);
  std::vector<int> slots;
  if (table.occupiedCount() + int(blocks.size()) > ObjectTable::kSlots) {
    ObjectTable::showTableFull();
    return slots;
  }
  const double base = table.scales().BaseScale;
  int32_t nextY = 0;
  for (const TextBlock& block : blocks) {
    const int slot = table.createObject(Tool::Text, viewX, viewY, font);
    if (slot == 0) break;
    CoverObject& o = table[slot];
    if (!slots.empty()) o.Y = nextY;
    o.W = TruncI32(block.width * base);
    o.H = TruncI32(block.height * base);
    o.Text = LinesToText(block.lines);
    nextY = TruncI32(double(o.Y) + o.H);
    slots.push_back(slot);
  }
  return slots;
}
