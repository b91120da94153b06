#include "print/PrintJobPlan.h"

#include "print/PageRange.h"
#include "print/settings/NextPosition.h"

PrintJobPlan::PrintJobPlan(const JobChoices& c) {
  request_.format = c.format;
  request_.details = c.details;
  request_.used = CorrectUsed(c.format, c.details, c.used);
  request_.marked = c.marked;
  request_.copies = c.copies;
  request_.outlines = c.outlines;
  request_.cropMarks = c.cropMarks;
  layout_ = LayoutFor(c.format, c.details, request_.used, request_.marked, request_.copies);
  if (c.pages.empty()) return;
  NumberListParse pages = ParseNumberList(c.pages, layout_.pages, NumberListOf::Pages);
  pagesError_ = std::move(pages.error);
  if (pagesError_.empty()) request_.sheets = std::move(pages.numbers);
}

std::string PrintJobPlan::finish(bool printed, const std::string& paperFile) const {
  // Only a whole job ends a sheet; a job with wrong pages never printed.
  if (!printed || !pagesError_.empty() || !request_.sheets.empty()) return {};
  return RememberNextPosition(paperFile, request_.format, NextAfter(layout_)).message;
}
