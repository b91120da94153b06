#pragma once
// Draws any picture, stretched, onto a screen or printer device: halftoning for displays of
// 8 bits or fewer, an own row-by-row nearest-neighbour stretch for 24- and 8-bit pictures on
// screens, the device's stretch otherwise, with fallbacks when the device refuses it.
#include <cstdint>

#include "platform/device/Device.h"
#include "platform/dib/Dib.h"

// Colour depth of the screen; 24 until the window sets it from the screen at start.
int ScreenBitsPerPixel();
void SetScreenBitsPerPixel(int bitsPerPixel);

// The graphics library's halftoning (24-bit picture in, palette picture out; Bits null on
// failure). The library's own are installed from the start; tests may replace them.
using HalftoneDibFn = void (*)(Dib& out, const Dib& src);
using HalftoneDibXYFn = void (*)(Dib& out, const Dib& src, int32_t width, int32_t height);
void SetHalftoneFunctions(HalftoneDibFn halftone, HalftoneDibXYFn halftoneXY);
bool HalftoneAvailable();

// Draws the source rectangle (lower-left corner srcX, srcY counted from the bottom row) of
// `pic` into the destination rectangle of `dc`.
void DrawDib(Device& dc, int32_t x, int32_t y, int32_t destW, int32_t destH, const Dib& pic,
             int32_t srcX, int32_t srcY, int32_t srcW, int32_t srcH, bool halftone, uint32_t rop,
             bool useOwnPalette, HPALETTE paletteHandle);

// Nearest-neighbour stretch one destination row at a time; srcTop counts from the top row.
// Destination rows whose source row lies outside the picture are sent as zero bytes.
void StretchDibRows24(Device& dc, int32_t x, int32_t y, int32_t destW, int32_t destH,
                      const Dib& pic, int32_t srcX, int32_t srcTop, int32_t srcW, int32_t srcH);
void StretchDibRows8(Device& dc, int32_t x, int32_t y, int32_t destW, int32_t destH, const Dib& pic,
                     int32_t srcX, int32_t srcTop, int32_t srcW, int32_t srcH);
