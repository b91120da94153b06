#pragma once
// Conversions between device-independent bitmaps and QImages, used by the Qt device.
#include <QImage>
#include <QVector>

#include "platform/dib/Dib.h"

// True for uncompressed bottom-up DIBs of 1, 4, 8 or 24 bits that the device can read.
bool DibReadable(const uint8_t* bits, const BITMAPINFO* info);

// The colour table of a palette DIB as opaque colours (always 256 entries, unused ones black).
QVector<QRgb> DibColorTable(const BITMAPINFO* info);

// Converts `count` pixels from column x0 of a DIB row to opaque 0xAARRGGBB values; columns
// outside the row become black.
void DibRowToRgb32(const uint8_t* row, const BITMAPINFO* info, const QRgb* table, int x0, int count,
                   uint32_t* out);

// A top-down RGB32 image of the DIB's rows [y0, y0 + h) counted from the bottom and columns
// [x0, x0 + w); the DIB's bits hold the rows [startScan, startScan + lines). Missing pixels
// are black. Null when the size is not allowed.
QImage DibRegionToImage(const uint8_t* bits, const BITMAPINFO* info, int x0, int y0, int w, int h,
                        int startScan, int lines);
