#pragma once
// A PDF the print job wrote, its images stored again in fewer bytes without loss: a picture of
// at most 256 colours as a palette of 1, 2, 4 or 8 bits, any other with PNG predictors where
// that is smaller. Only the image objects and the cross-reference table change; a file of any
// other build than the plain one the job writes is left as it is.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

// Files and pictures beyond these are left as they are. Storing again holds the file about three
// times and the largest picture's pixels twice.
inline constexpr size_t kMaxCompactedPdfBytes = size_t(256) << 20;
inline constexpr uint64_t kMaxCompactedImageBytes = uint64_t(256) << 20;

// The PDF with its images stored compactly; empty when it is better left as it is (nothing to
// gain, too big, or anything unexpected in it).
std::vector<uint8_t> CompactPdfImages(std::span<const uint8_t> pdf);
// The same for the PDF file at `path`, read within kMaxCompactedPdfBytes.
std::vector<uint8_t> CompactPdfFile(const std::string& path);
