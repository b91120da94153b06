#pragma once
// The pixels of a PDF image stream of 8-bit components: inflated within a bound and stored again
// in fewer bytes without loss, as a palette or with PNG predictors.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

// Exactly `size` bytes inflated from the zlib stream `in`; nullopt when it is damaged, ends
// early or holds more.
std::optional<std::vector<uint8_t>> InflateExactly(std::span<const uint8_t> in, size_t size);

// The stream's data and the dictionary values that say how to read it.
struct StoredPixels {
  int bitsPerComponent = 8;
  std::string colourSpace;    // "/DeviceRGB", "/DeviceGray" or "[/Indexed /DeviceRGB n <...>]"
  std::string decodeParms;    // empty, or the predictor's "<< /Predictor 15 ... >>"
  std::vector<uint8_t> data;  // Flate-compressed
};

// RGB pixels that are all grey made one byte each; false, leaving them, when one is coloured.
bool MakeGrey(std::vector<uint8_t>& rgb);
// Rows of `width` pixels of `components` (1: grey, 3: RGB) bytes each, `raw` holding `height`
// of them. With at most 256 colours, indexed in 1, 2, 4 or 8 bits; else nullopt.
std::optional<StoredPixels> AsPalette(const std::vector<uint8_t>& raw, int width, int height,
                                      int components);
// Each row filtered by the PNG predictor that leaves the smallest differences, then compressed.
StoredPixels WithPredictors(const std::vector<uint8_t>& raw, int width, int height, int components);
