#pragma once
// The designs a new disc starts from: each part with a picture of its size at 300 dpi and a
// starter format of one element centred on an A4 sheet.
#include <string>
#include <vector>

#include "app/Document.h"
#include "print/FormatDetails.h"

struct PartPreset {
  const char* name;  // QT_TRANSLATE_NOOP("PartPresets", ...)
  struct Part {
    const char* name;  // QT_TRANSLATE_NOOP("PartPresets", ...)
    double widthMm, heightMm;
    std::vector<double> foldsMm = {};  // fold and spine lines from the left edge, top to bottom
    double holeMm = 0;                 // a disc label with this hole; 0: a rectangle
  };
  std::vector<Part> parts;
};

const std::vector<PartPreset>& PartPresets();
// A part's starter format: one element of its size centred on an A4 sheet, turned across for
// a part wider than the upright sheet.
PaperFormat StarterPartFormat(const std::string& name, double widthMm, double heightMm);
// A part's starter format's details: its fold lines, a disc label's shape, a sheet across.
FormatDetails StarterPartDetails(const PartPreset::Part& part);
// The details of a part's format: the list's entry for its record, else those of the preset
// part whose starter format it is (in English or the user's language), else plain.
FormatDetails PartFormatDetails(const std::vector<PaperFormat>& formats,
                                const std::vector<FormatDetails>& details,
                                const PaperFormat& record);
// A part's picture size in pixels for a length in millimetres.
int32_t PresetPixels(double mm);
// The preset called `name` (in English or the user's language, any case); nullptr when none.
const PartPreset* FindPartPreset(const std::string& name);
// A new part's page: the design's printer page in the window; in a batch command, which has
// no printer, the part's picture.
void SetPartPage(Document& part, const Document& design);
// Replaces `doc` by a new design of the preset's parts, the first one current.
void NewDesignFromPreset(Document& doc, const PartPreset& preset);
