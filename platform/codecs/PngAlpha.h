#pragma once
// The alpha channel of PNG files, which the picture reader lays over white: for pictures placed
// over others, where the cover must show through.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/codecs/PictureCodecs.h"

// A PNG with alpha (or a transparent colour) as a 24-bit picture of its unblended colours and
// one alpha byte a pixel, rows from the top. False with `error` empty when the file has no
// alpha, with a reason when it is damaged or too large; `out` is then left empty.
bool ReadPngWithAlpha(ByteView file, Dib& out, std::vector<uint8_t>& alpha, std::string& error);
