#pragma once
// Promotion of palette pictures (1, 4, 8 bits) to 24 bits per pixel.
#include "platform/dib/Dib.h"

// Only depth 24 is supported. A 1-bit picture becomes pure black and white (its colour table
// is not consulted); 4- and 8-bit pixels take the colour of their LogPal entry. Other depths
// and a failed allocation leave `dib` as it was; callers check DibColorCount afterwards.
void PromoteDepth(Dib& dib, int depth);
