#pragma once
// The plain definition of an effect filter, kept as the yardstick of the fast kernels.
#include "platform/dib/Dib.h"
#include "retouch/effects/EffectFilters.h"

// Writes into `dib` (W x H, 24 bits) the filter applied to the bordered copy `work`: every
// byte is the weighted sum of its 25 neighbours, divided (toward zero), biased and clamped.
void FilterReference(const Dib& work, const EffectFilter& f, Dib& dib);
