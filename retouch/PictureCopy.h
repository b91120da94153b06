#pragma once
// Helpers shared by the operations that build a new picture beside the old one.
#include "platform/dib/Dib.h"

// Carries the resolution of `from` over to `to` (exchanged for quarter turns).
void KeepResolution(const Dib& from, Dib& to, bool exchanged);
// Frees `dib` and makes `result` the picture.
void ReplaceDib(Dib& dib, Dib& result);
// A picture of the same kind (depth, colour table) as `dib` at another size; Bits null on failure.
void NewDibLike(const Dib& dib, int32_t width, int32_t height, Dib& out);
// An exact copy: header, pixels, colour table, LogPal and palette.
bool ExactCopy(const Dib& src, Dib& out);
