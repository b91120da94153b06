#pragma once
// The design parts' block after the other blocks, written only for a design of two or more
// parts: version (u16), part count (u16), then per part in order its name (zero-ended), a
// format flag (u8: 1 when a 112-byte paper.dat record follows), the length of its cover (u32)
// and that many bytes: a whole one-part cover file. The first part's cover is the file itself,
// so its length is 0; a program that knows one part opens the file as its first part.
#include <cstdint>
#include <vector>

#include "app/coverfile/CoverFile.h"

inline constexpr char kDesignPartsTag[4] = {'P', 'R', 'T', 'S'};
// The parts' size and displacement on the Center tab, a block right after the parts' block:
// part count (u16), then per part its size in percent and its left and top shift in inch (f64).
inline constexpr char kPartCentersTag[4] = {'P', 'C', 'E', 'N'};
constexpr size_t kPartCenterSize = 3 * 8;

// The block's body, empty for a design of one part; the current part is written from the document.
std::vector<uint8_t> DesignPartsRecords(const Document& doc);
// Reads `length` bytes of records into `out.parts`, each part's cover read and checked; false
// with the reason in `out.why`.
bool ReadDesignParts(ByteSource& s, uint32_t length, CoverContents& out);
// The centers' block body, empty for a design of one part.
std::vector<uint8_t> PartCentersRecords(const Document& doc);
// Reads the centers into the parts `out` holds already; false with the reason in `out.why`.
bool ReadPartCenters(ByteSource& s, uint32_t length, CoverContents& out);
