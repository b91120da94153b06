#pragma once
// Places ready-made texts (a track list and its title) as new text objects.
#include <string>
#include <vector>

#include "cover/ObjectTable.h"

// One text object to make: its lines in the cover's single-byte text and the size of the
// box that holds them, in picture pixels.
struct TextBlock {
  std::vector<std::string> lines;
  double width = 0, height = 0;
};

// Creates one text object per block, in order, the first with its top-left corner at the
// view point (viewX, viewY) and each next one below the one before, all with `font` as a new
// text gets it. A block longer than a text may hold is split over several texts. Creates none
// and shows the full-table message when the slots do not suffice.
// Returns the slots made; the last one is selected.
std::vector<int> PlaceTextBlocks(ObjectTable& table, int viewX, int viewY,
                                 const std::vector<TextBlock>& blocks, const FontSpec& font);
