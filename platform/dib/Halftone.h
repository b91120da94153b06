#pragma once
// Approximates a 24-bit picture by an 8-bit picture with a fixed palette (a 6 x 7 x 6 colour
// cube and four greys) using error diffusion, for displays of 256 colours or fewer.
#include <cstdint>
#include <functional>

#include "platform/dib/Dib.h"

// Same size as `src`; palette pictures are expanded first. Bits null on failure.
void HalftoneDib(Dib& out, const Dib& src);
// Resampled to width x height first (area averaging), then halftoned. Bits null on failure.
void HalftoneDibToSize(Dib& out, const Dib& src, int32_t width, int32_t height);
// Resamples any picture to a 24-bit picture of the given size by area averaging.
void ResampleDib24(Dib& out, const Dib& src, int32_t width, int32_t height);
// The same for rows of 3 bytes a pixel read by `row` (top down, any thread); each row of the
// result goes to `put` (any thread, rows in any order).
void ResampleRows24(int32_t srcWidth, int32_t srcHeight,
                    const std::function<const uint8_t*(int32_t y)>& row, int32_t width,
                    int32_t height, const std::function<void(int32_t y, const uint8_t*)>& put);
// The rows [first, first + count) of that result alone, on the calling thread.
void ResampleRowRange24(int32_t srcWidth, int32_t srcHeight,
                        const std::function<const uint8_t*(int32_t y)>& row, int32_t width,
                        int32_t height, int32_t first, int32_t count,
                        const std::function<void(int32_t y, const uint8_t*)>& put);
