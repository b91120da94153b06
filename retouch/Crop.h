#pragma once
// "Crop to selection": the selected part of the picture becomes the picture.
#include "platform/dib/Dib.h"
#include "platform/dib/RowRelease.h"
#include "retouch/PictureSelection.h"

// Copies the w x h block at (left, top) into `out` (same depth and colour table); 8- and
// 24-bit pictures row by row, 1- and 4-bit pictures pixel by pixel. False when the block is
// not inside the picture or memory runs out.
bool CropDib(const Dib& src, int32_t left, int32_t top, int32_t w, int32_t h, Dib& out,
             OldPixels old = OldPixels::Kept);

// Crops `dib` to the selection (limited to the picture) and selects the whole result.
// An empty selection shows "Select an area with the mouse first!". True when `dib` changed.
bool CropToSelection(Dib& dib, PictureSelection sel);
