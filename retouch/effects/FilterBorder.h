#pragma once
// The working copy of a 24-bit picture with a two-pixel border of replicated edge pixels:
// picture pixel (x, y) sits at (x + 2, y + 2) of the copy.
#include "platform/dib/Dib.h"

// False (work empty) when `dib` is not 24 bits or memory runs out. Reports row progress.
bool MakeBorderedCopy(const Dib& dib, Dib& work);
// Puts the picture's pixels back from the working copy; padding bytes are left alone.
void RestoreFromBordered(const Dib& work, Dib& dib);
