#pragma once
// Paper formats shared as label template files (the gLabels template XML): one Template with
// a Label-rectangle, Label-round, Label-ellipse or Label-cd and its Layout grids.
#include <string>
#include <vector>

#include "print/FormatDetails.h"

// A format as a template file describes it.
struct LabelTemplate {
  PaperFormat record;  // the first grid's rectangle and the name
  FormatDetails details;
  bool operator==(const LabelTemplate&) const = default;
};

constexpr size_t kMaxTemplateFileSize = 16u << 20;
constexpr int kMaxTemplates = 10000;

// A length of a template file in millimetres: a number with pt, mm, cm, in or pc, a bare number
// being points; an empty text is 0. False when it is no length.
bool ParseTemplateLength(const std::string& text, double& mm);

// Reads every Template of a file; `equiv` templates copy an earlier one of the same brand.
class LabelTemplateReader {
 public:
  // False with error() set when the file is damaged or holds no usable template.
  bool read(const std::vector<uint8_t>& xml);
  const std::vector<LabelTemplate>& templates() const { return templates_; }
  const std::string& error() const { return error_; }

 private:
  std::vector<LabelTemplate> templates_;
  std::string error_;
};

// Writes one format as a template file in millimetres, brand "Quendrix", the format's name as
// part. A format without a sheet size gets `fallbackWidth` x `fallbackHeight` (the printer's page).
class LabelTemplateWriter {
 public:
  std::vector<uint8_t> write(const PaperFormat& fmt, const FormatDetails& d,
                             double fallbackWidth = 210, double fallbackHeight = 297) const;
};

// Reads a template file; an error text, empty on success.
std::string ImportTemplateFile(const std::string& path, std::vector<LabelTemplate>& out);
// Writes a template file through a temporary file; an error text, empty on success.
std::string ExportTemplateFile(const std::string& path, const PaperFormat& fmt, const FormatDetails& d,
                               double fallbackWidth = 210, double fallbackHeight = 297);
