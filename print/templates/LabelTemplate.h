#pragma once
// Paper formats shared as label template files (the gLabels template XML): one Template with
// a Label-rectangle, Label-round, Label-ellipse or Label-cd and its Layout grids.
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "print/FormatDetails.h"

// The product a template describes, as the field's database files it (UTF-8 texts).
struct TemplateProduct {
  std::string brand, part, description;
  std::string paperId;  // the size attribute: "A4", "US-Letter", "other", "roll", ...
  std::string equivOf;  // the part this one is another name of; empty for its own frame
  std::vector<std::string> categories;  // the Meta category ids
  std::string unusable;  // why it cannot be printed (a free path, a roll); empty when it can
  std::vector<std::string> joins;  // the parts of one sheet this product joins; empty for one
  bool operator==(const TemplateProduct&) const = default;
};

// A format as a template file describes it.
struct LabelTemplate {
  PaperFormat record;  // the first grid's rectangle and the name
  FormatDetails details;
  TemplateProduct product;
  bool operator==(const LabelTemplate&) const = default;
};

constexpr size_t kMaxTemplateFileSize = 16u << 20;
constexpr int kMaxTemplates = 10000;

// A length of a template file in millimetres: a number with pt, mm, cm, in or pc, a bare number
// being points; an empty text is 0. False when it is no length.
bool ParseTemplateLength(const std::string& text, double& mm);

// What a reader of a whole template database knows beyond the one file.
struct TemplateContext {
  std::map<std::string, std::pair<double, double>> paperSizes;  // id -> width, height in mm
  // A template of an earlier file, for `equiv` parts the file does not hold; nullptr if none.
  std::function<const LabelTemplate*(const std::string& brand, const std::string& part)> earlier;
  // Keep templates that cannot be printed, with the reason in product.unusable, instead of
  // refusing the file.
  bool keepUnusable = false;
};

// Reads every Template of a file; `equiv` templates copy an earlier one of the same brand.
class LabelTemplateReader {
 public:
  // False with error() set when the file is damaged or holds no usable template.
  bool read(const std::vector<uint8_t>& xml, const TemplateContext& context = {});
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
std::string ExportTemplateFile(const std::string& path, const PaperFormat& fmt,
                               const FormatDetails& d, double fallbackWidth = 210,
                               double fallbackHeight = 297);
