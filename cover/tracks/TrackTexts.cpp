#include "cover/tracks/TrackTexts.h"

#include "cover/Truncate.h"
#include "cover/text/TextLines.h"

std::vector<int> PlaceTextBlocks(ObjectTable& table, int viewX, int viewY,
                                 const std::vector<TextBlock>& blocks, const FontSpec& font) {
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
