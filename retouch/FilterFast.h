#pragma once
// Effect filtering with vector kernels; results equal FilterReference byte for byte.
#include "platform/Dib.h"
#include "retouch/EffectFilters.h"

enum class KernelLevel { Sse2, Avx2, Avx512 };

// The widest instruction set of this machine that the kernels use.
KernelLevel BestKernelLevel();
bool KernelLevelSupported(KernelLevel level);
const char* KernelLevelName(KernelLevel level);

// Same contract as FilterReference. Entries of the table run vector kernels on 16-bit lanes;
// any other filter falls back to the plain loop. Memory: five widened working rows.
void FilterFast(const TDib& work, const TFilterRec& f, TDib& dib);
void FilterFast(const TDib& work, const TFilterRec& f, TDib& dib, KernelLevel level);
