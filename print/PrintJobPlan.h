#pragma once
// A print job as the Print tab and the print command put it together from their choices: the
// request its sheets are printed from, the layout it fills, and after a whole job the position
// where the next print on the format starts.
#include <string>
#include <vector>

#include "print/Calibration.h"

struct PrintRequest {
  PaperFormat format;
  int32_t used = 0;  // already corrected to at most one less than a sheet
  int32_t copies = 1;
  Calibration calibration;
  FormatDetails details;        // shape, more grids and bleed; plain for a rectangle
  bool outlines = false;        // a thin line along each printed position's outline
  bool cropMarks = false;       // marks outside the corners of printed rectangular elements
  std::vector<int32_t> marked;  // positions of the first sheet marked used besides the first `used`
  std::vector<int32_t> sheets;  // the sheets (0-based) to print; empty: all
};

// The choices of a job, as the Print tab's controls or the print command's options give them.
struct JobChoices {
  PaperFormat format;
  FormatDetails details;
  int32_t used = 0;
  std::vector<int32_t> marked;  // positions of the first sheet used besides the first `used`
  int32_t copies = 1;
  std::string pages;  // the sheets to print again, such as "2-3,5"; empty: all
  bool outlines = false, cropMarks = false;
};

class PrintJobPlan {
 public:
  // Corrects the used positions to less than a sheet, lays out the sheets and reads the pages.
  explicit PrintJobPlan(const JobChoices& choices);
  // Why the pages are no list of the job's sheets; empty when they are (or none were given).
  const std::string& pagesError() const { return pagesError_; }
  // The calibration is the caller's to set: the printer decides which one applies.
  PrintRequest& request() { return request_; }
  const SheetLayout& layout() const { return layout_; }
  // After the job: a whole job that printed keeps where the next print on its format starts,
  // beside `paperFile`. An error text, empty when kept or when there is nothing to keep.
  std::string finish(bool printed, const std::string& paperFile) const;

 private:
  PrintRequest request_;
  SheetLayout layout_;
  std::string pagesError_;
};
