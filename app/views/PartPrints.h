#pragma once
// A design's parts in one print job, for the Print tab and the print command alike: every part
// on its own format, or other parts at chosen positions of the current part's sheets.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/Document.h"
#include "print/settings/PaperFormatList.h"
#include "print/views/PrintJob.h"

// The covers of a design's parts, each other part read once from its bytes and kept while they
// stay the same; the current part is drawn straight from the document.
class PartCovers {
 public:
  explicit PartCovers(Document& doc) : doc_(doc) {}
  // Part `index` placed by `settings`, its fields filled from `fields`; nullptr with `error`
  // when its bytes do not read. Valid until the next call for the same part.
  const CoverJob* cover(size_t index, const CoverSettings& settings, CopyFields* fields,
                        std::string& error);

 private:
  struct Kept {
    std::vector<uint8_t> bytes;
    std::unique_ptr<Document> doc;
    CoverJob job;
  };
  Document& doc_;
  std::vector<std::unique_ptr<Kept>> kept_;  // by part
  CoverJob current_;
};

// What every part of a job shares.
struct AllPartsChoices {
  const PaperFormatList* list = nullptr;  // the formats whose details the parts' formats take
  const PaperFormat* paper = nullptr;     // every part on this format instead of its own
  const PaperFormat* fallback = nullptr;  // the format of a part that has none
  std::optional<CoverSettings> settings;  // every part placed so; none: each part's own
  int32_t copies = 1;
  bool outlines = false, cropMarks = false;
  Calibration calibration;
  CopyFields* fields = nullptr;
};

// Every part in part order, each on its own format from a new sheet; false with `error` naming
// the part that has no format or does not read.
bool AllPartPrints(Document& doc, PartCovers& covers, const AllPartsChoices& c,
                   std::vector<PartPrint>& out, std::string& error);
// Puts the part `partAt` gives for each position of a sheet (counted from 0) there on every
// sheet of `job`, placed as the job's own cover; false with `error` when a part does not read.
// `covers` holds them while the job prints.
bool PlaceParts(Document& doc, PartCovers& covers, const std::vector<size_t>& partAt,
                PartPrint& job, std::string& error);
