#pragma once
// The pixels of a PDF image stream of 8-bit components: inflated within a bound, and stored in
// fewer bytes without loss, as a palette or with PNG predictors, read and written a band at a time.
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "platform/codecs/ByteSink.h"

// Exactly `size` bytes inflated from the zlib stream `in`; nullopt when it is damaged, ends
// early or holds more.
std::optional<std::vector<uint8_t>> InflateExactly(std::span<const uint8_t> in, size_t size);

// Reads `count` rows from row `first` (top down) into `out`, one after another; called from any
// thread.
using RowsReader = std::function<void(int first, int count, uint8_t* out)>;

// The dictionary values that say how to read a stored stream, and its length.
struct StoredPixels {
  int bitsPerComponent = 8;
  std::string colourSpace;  // "/DeviceRGB", "/DeviceGray" or "[/Indexed /DeviceRGB n <...>]"
  std::string decodeParms;  // empty, or the predictor's "<< /Predictor 15 ... >>"
  std::string filter = "/FlateDecode";  // or "/DCTDecode" for a JPEG
  uint64_t length = 0;                  // Flate-compressed bytes appended
};

// Rows of `width` pixels of `components` (1: grey, 3: RGB) bytes appended to `out` as a
// Flate stream: RGB that is all grey as grey; with `mayIndex` and at most 256 colours as a
// palette of 1, 2, 4 or 8 bits (8-bit grey stays grey); else each row filtered by the PNG
// predictor that leaves the smallest differences, or with `jpegQuality` (1 to 100) as a JPEG.
// The bytes do not depend on the thread count. nullopt when `out` refuses them.
std::optional<StoredPixels> StorePixels(int width, int height, int components, bool mayIndex,
                                        const RowsReader& read, ByteSink& out, int jpegQuality = 0);

// Rows of a whole picture held in `raw`, for StorePixels.
RowsReader RowsOf(const std::vector<uint8_t>& raw, size_t rowBytes);
