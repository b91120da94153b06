#pragma once
// Draws a picture object: its shadow, the picture fitted into its box (scaled once for each
// size and kept), and its frame.
#include "cover/CoverObject.h"
#include "cover/PictureObject.h"
#include "platform/device/Device.h"

// Where the picture lands for a box of device pixels: the whole picture's rectangle (larger
// than the box for "Cover") before it is clipped to the box.
RECT FittedPictureRect(const RECT& box, int32_t pictureWidth, int32_t pictureHeight,
                       const PictureSettings& settings);

// `box` in device pixels; shadow offset and line width already in device pixels.
void DrawPictureObject(Device& dc, const CoverObject& ob, const PlacedPicture& picture,
                       const RECT& box, int32_t shadowDX, int32_t shadowDY, int32_t lineWidth);
