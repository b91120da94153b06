#pragma once
// Mirrors and quarter turns. Each builds a complete new picture of the same depth and colour
// table beside the old one and then replaces it; nothing changes when memory runs out.
#include "platform/dib/Dib.h"
#include "retouch/PictureSelection.h"

// Pixel work into a prepared result of the right size and depth (used by the commands and
// by benchmarks). Pixel values pass through unchanged at every depth.
void MirrorPixels(const TDib& src, TDib& dst);          // result (x, y) = source (W-1-x, y)
void MirrorVerticalPixels(const TDib& src, TDib& dst);  // stored rows in reverse order
void TurnLeftPixels(const TDib& src, TDib& dst);        // source (x, y) -> result (y, W-1-x)
void TurnRightPixels(const TDib& src, TDib& dst);       // source (x, y) -> result (H-1-y, x)

// The menu commands; false when the result could not be created. Mirrors keep the selection
// numbers; turns select the whole new picture.
bool MirrorDib(TDib& dib);
bool MirrorDibVertical(TDib& dib);
bool TurnDibLeft(TDib& dib, PictureSelection sel);
bool TurnDibRight(TDib& dib, PictureSelection sel);
