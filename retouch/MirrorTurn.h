#pragma once
// Mirrors and quarter turns. Each builds a complete new picture of the same depth and colour
// table beside the old one and then replaces it; nothing changes when memory runs out.
#include "platform/dib/Dib.h"
#include "platform/dib/RowRelease.h"
#include "retouch/PictureSelection.h"

// Pixel work into a prepared result of the right size and depth (used by the commands and
// by benchmarks). Pixel values pass through unchanged at every depth.
void MirrorPixels(const Dib& src, Dib& dst);          // result (x, y) = source (W-1-x, y)
void MirrorVerticalPixels(const Dib& src, Dib& dst);  // stored rows in reverse order
void TurnLeftPixels(const Dib& src, Dib& dst);        // source (x, y) -> result (y, W-1-x)
void TurnRightPixels(const Dib& src, Dib& dst);       // source (x, y) -> result (H-1-y, x)

// The menu commands; false when the result could not be created. Mirrors keep the selection
// numbers; turns select the whole new picture.
bool MirrorDib(Dib& dib);
bool MirrorDibVertical(Dib& dib);
bool TurnDibLeft(Dib& dib, PictureSelection sel, OldPixels old = OldPixels::Kept);
bool TurnDibRight(Dib& dib, PictureSelection sel, OldPixels old = OldPixels::Kept);
