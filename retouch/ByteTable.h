#pragma once
// Mapping bytes through a 256-entry table, the inner loop of brightness and contrast.
#include <cstddef>
#include <cstdint>

// dst[i] = table[src[i]] for i < n; src and dst may be the same. Uses 64-byte table lookups
// where the processor has them.
void MapBytes(const uint8_t* src, uint8_t* dst, size_t n, const uint8_t table[256]);
// The portable path, one lookup per byte.
void MapBytesPortable(const uint8_t* src, uint8_t* dst, size_t n, const uint8_t table[256]);
