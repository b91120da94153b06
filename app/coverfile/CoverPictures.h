#pragma once
// The picture objects' block after the picture rows. Per picture object a record: slot (i32),
// version (u16), size of the rest (u32); for version 1 the fit (u8: 0 contain, 1 cover,
// 2 stretch), quarter turns (u8), mirrors (u8: 1 left-right, 2 top-bottom), opacity (u8,
// percent), key colour on (u8), key colour (u32, 0x00RRGGBB), tolerance (u8), shadow colour
// (u32), the pixels as a PNG file (u32 length, bytes) and the alpha, one byte a pixel, rows
// from the top, zlib-compressed (u32 length, bytes; 0 for none). The slot itself is the
// rectangle shape older programs draw.
#include <cstdint>
#include <vector>

#include "app/coverfile/CoverFile.h"

inline constexpr char kPictureObjectsTag[4] = {'P', 'I', 'C', 'O'};

// The block's records, empty when the design has no picture object.
std::vector<uint8_t> PictureObjectRecords(const Document& doc);
// Reads `length` bytes of records into `out.pictures`; false with the reason in `out.why`.
bool ReadPictureObjects(ByteSource& s, uint32_t length, CoverContents& out);
