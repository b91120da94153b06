#pragma once
// The alpha channel of PNG, TIFF and TGA files, which the picture readers lay over white: for
// pictures placed over others, where the cover must show through.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/codecs/PictureCodecs.h"

// A file with alpha as a 24-bit picture of its unblended colours and one alpha byte a pixel,
// rows from the top. False with `error` empty when the file has no alpha (the plain reader
// then serves), with a reason when it is damaged or too large; `out` is then left empty.
bool ReadPngWithAlpha(ByteView file, Dib& out, std::vector<uint8_t>& alpha, std::string& error);
bool ReadTiffWithAlpha(ByteView file, Dib& out, std::vector<uint8_t>& alpha, std::string& error);
// 32-bit true-colour TGA files with eight alpha bits.
bool ReadTgaWithAlpha(ByteView file, Dib& out, std::vector<uint8_t>& alpha, std::string& error);
