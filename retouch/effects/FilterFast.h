#pragma once
// Effect filtering with vector kernels; results equal FilterReference byte for byte.
#include <cstdint>

#include "platform/dib/Dib.h"
#include "retouch/effects/EffectFilters.h"

enum class KernelLevel { Sse2, Avx2, Avx512 };

// The widest instruction set of this machine that the kernels use.
KernelLevel BestKernelLevel();
bool KernelLevelSupported(KernelLevel level);
const char* KernelLevelName(KernelLevel level);

// Filters the 24-bit `dib` in place with edge replication. Each source row is read once into
// a ring of five bordered rows (16-bit lanes) before it is overwritten, so no copy of the
// picture is needed; when `backup` is given (width x 3 x height bytes) it receives the
// untouched rows, top row first. Entries of the table run vector kernels; any other filter
// runs the plain loop on a bordered copy. False (nothing changed) when memory runs out or
// the picture is not 24 bits.
bool FilterInPlace(Dib& dib, const EffectFilter& f, uint8_t* backup = nullptr);
bool FilterInPlace(Dib& dib, const EffectFilter& f, uint8_t* backup, KernelLevel level);
