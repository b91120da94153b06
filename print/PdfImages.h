#pragma once
// A PDF the print job wrote, its images stored again in fewer bytes without loss: a picture of
// at most 256 colours as a palette of 1, 2, 4 or 8 bits, any other with PNG predictors where
// that is smaller, and the job's stand-ins replaced by their pictures. Only the image objects,
// their lengths and the cross-reference table change; a file of any other build than the plain
// one the job writes is left as it is.
#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "print/ImageStream.h"

class PictureStreams;

// Files and pictures beyond these are left as they are. Storing again holds the file and the
// largest image drawn by the PDF writer itself twice.
inline constexpr size_t kMaxCompactedPdfBytes = size_t(256) << 20;
inline constexpr uint64_t kMaxCompactedImageBytes = uint64_t(256) << 20;

enum class PdfStored {
  Stored,     // the new file went through the sink
  AsWritten,  // better left as it is: nothing to gain, too big or anything unexpected in it
  Failed,     // the sink refused, or stand-ins could not be replaced: the file is of no use
};

// Pages (counted from 1) the job left empty, each with the earlier page it shows.
using RepeatedPages = std::map<int, int>;

// Writes the PDF `pdf` into `out` with its images stored compactly, every stand-in of
// `standIns` (may be null) replaced by its picture's stream and every repeated page showing
// its page's contents and resources.
PdfStored StorePdfImages(std::span<const uint8_t> pdf, PictureStreams* standIns, ByteSink& out,
                         const RepeatedPages& repeats = {});
// The PDF with its images stored compactly; empty when it is better left as it is.
std::vector<uint8_t> CompactPdfImages(std::span<const uint8_t> pdf);
// The PDF file at `path` within kMaxCompactedPdfBytes; nullopt when it is larger, unreadable, or
// memory is short.
std::optional<std::vector<uint8_t>> ReadPdfToStore(const std::string& path);
