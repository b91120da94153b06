#pragma once
// Finds the cover lying on the scanner's glass in a preview of the whole glass: the part that
// differs from the lid's background, as a rectangle rounded out to whole millimetres.
#include <cstdint>
#include <optional>
#include <vector>

#include "platform/scanner/ScanSettings.h"

// A picture as 0xRRGGBB values, rows from the top.
struct RgbPicture {
  int width = 0, height = 0;
  std::vector<uint32_t> pixels;
};

// Larger previews are refused (a preview has about 500 pixels on its longer side).
constexpr int64_t kMaxCoverFinderPixels = int64_t(4096) * 4096;

// The cover's rectangle in millimetres on `bed`, which the preview covers; nothing when no part
// of the preview stands out from the background (or the preview is empty or too large).
std::optional<ScanArea> FindCover(const RgbPicture& preview, const ScanArea& bed);
