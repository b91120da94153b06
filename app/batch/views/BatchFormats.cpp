// quendrix formats [import FILE | export NUMBER FILE]: the paper format catalogue without a window.
#include <cstdio>

#include "app/batch/views/BatchPrint.h"
#include "platform/AnsiText.h"
#include "platform/SettingsDir.h"
#include "platform/Translate.h"
#include "print/DetailsFile.h"
#include "print/LabelTemplate.h"
#include "print/StarterPaper.h"
#include "print/views/PaperFormatPanel.h"

namespace {
std::string CatalogueFile() {
  return (SettingsDir() / "paper.dat").string();
}

std::string GridText(const LabelGrid& g) {
  return std::to_string(g.across) + " x " + std::to_string(g.down);
}

int List(const PaperLoadResult& c) {
  for (size_t i = 0; i < c.formats.size(); ++i) {
    const PaperFormat& t = c.formats[i];
    const FormatDetails d = i < c.details.size() ? c.details[i] : FormatDetails{};
    std::string grids;
    for (const LabelGrid& g : AllGrids(t, d)) grids += (grids.empty() ? "" : " + ") + GridText(g);
    std::fputs(FillIn(Translate("BatchFormats", "%1\t%2\t%3 x %4 mm\t%5\n"),
                      {std::to_string(i + 1), AnsiToUtf8(t.name), LocaleNumber(t.width, 2),
                       LocaleNumber(t.height, 2), grids})
                   .c_str(),
               stdout);
  }
  return 0;
}

int Import(PaperLoadResult& c, const std::string& file) {
  std::vector<LabelTemplate> templates;
  if (const std::string error = ImportTemplateFile(file, templates); !error.empty())
    return Fail(kExitFailure, error);
  c.details.resize(c.formats.size());
  for (const LabelTemplate& t : templates) {
    c.formats.push_back(t.record);
    c.details.push_back(t.details);
    std::printf("%zu\t%s\n", c.formats.size(), AnsiToUtf8(t.record.name).c_str());
  }
  if (const std::string error = SaveCatalogue(CatalogueFile(), c.formats, c.details);
      !error.empty())
    return Fail(kExitFailure, error);
  return 0;
}

int Export(const PaperLoadResult& c, const std::string& number, const std::string& file) {
  char* end = nullptr;
  const long n = std::strtol(number.c_str(), &end, 10);
  if (number.empty() || *end || n < 1 || static_cast<size_t>(n) > c.formats.size())
    return Fail(kExitUsage, Translate("BatchFormats", "no paper format ") + number);
  const size_t i = static_cast<size_t>(n - 1);
  const FormatDetails d = i < c.details.size() ? c.details[i] : FormatDetails{};
  if (const std::string error = ExportTemplateFile(file, c.formats[i], d); !error.empty())
    return Fail(kExitFailure, error);
  return 0;
}
}  // namespace

int RunFormatsCommand(const Args& args) {
  PaperLoadResult catalogue = LoadCatalogueAtStart(CatalogueFile(), StarterPaperFiles());
  if (args.empty()) return List(catalogue);
  if (args[0] == "import" && args.size() == 2) return Import(catalogue, args[1]);
  if (args[0] == "export" && args.size() == 3) return Export(catalogue, args[1], args[2]);
  return Fail(
      kExitUsage,
      Translate("BatchFormats", "formats takes no arguments, import FILE or export NUMBER FILE"));
}
