// quendrix formats [import FILE | export NUMBER FILE]: the paper format catalogue without a window.
#include "app/batch/views/BatchFormats.h"

#include <cstdio>

#include "platform/AnsiText.h"
#include "platform/SettingsDir.h"
#include "platform/Translate.h"
#include "print/settings/DetailsFile.h"
#include "print/settings/PaperFormatList.h"
#include "print/settings/StarterPaper.h"
#include "print/templates/LabelTemplate.h"
#include "print/views/PaperFormatPanel.h"

namespace {
// "2 x 1", and the grid's own element size: "2 x 1 (6.00 x 116.00 mm)".
std::string GridText(const LabelGrid& g) {
  std::string text = std::to_string(g.across) + " x " + std::to_string(g.down);
  if (g.element)
    text += " (" + LocaleNumber(g.element->width, 2) + " x " + LocaleNumber(g.element->height, 2) +
            " mm)";
  return text;
}

std::string GuideText(const FormatGuide& g) {
  const auto mm = [](double v) { return LocaleNumber(v, 2); };
  switch (g.kind) {
    case GuideKind::Line:
      return FillIn(Translate("BatchFormats", "line %1/%2 to %3/%4"),
                    {mm(g.x1), mm(g.y1), mm(g.x2), mm(g.y2)});
    case GuideKind::Margin:
      return FillIn(Translate("BatchFormats", "margin %1"), {mm(g.x1)});
    case GuideKind::Circle:
      return FillIn(Translate("BatchFormats", "circle at %1/%2, radius %3"),
                    {mm(g.x1), mm(g.y1), mm(g.x2)});
  }
  return {};
}

int List(const PaperFormatList& c) {
  for (size_t i = 0; i < c.formats().size(); ++i) {
    const PaperFormat& t = c.formats()[i];
    const FormatDetails d = c.detailsAt(i);
    std::string grids;
    for (const LabelGrid& g : AllGrids(t, d)) grids += (grids.empty() ? "" : " + ") + GridText(g);
    std::string guides;  // a column only for formats that have guides
    for (const FormatGuide& g : d.guides) guides += (guides.empty() ? "\t" : "; ") + GuideText(g);
    std::fputs(FillIn(Translate("BatchFormats", "%1\t%2\t%3 x %4 mm\t%5\n"),
                      {std::to_string(i + 1), AnsiToUtf8(t.name), LocaleNumber(t.width, 2),
                       LocaleNumber(t.height, 2), grids + guides})
                   .c_str(),
               stdout);
  }
  return 0;
}

int Import(PaperFormatList& c, const std::string& file) {
  const size_t first = c.formats().size();
  if (const std::string error = c.importFile(file); !error.empty())
    return Fail(kExitFailure, error);
  for (size_t i = first; i < c.formats().size(); ++i)
    std::printf("%zu\t%s\n", i + 1, AnsiToUtf8(c.formats()[i].name).c_str());
  if (const PaperListSave saved = c.save(); saved.outcome != PaperListSave::Saved)
    return Fail(kExitFailure, saved.message);
  return 0;
}

int Export(const PaperFormatList& c, const std::string& number, const std::string& file) {
  char* end = nullptr;
  const long n = std::strtol(number.c_str(), &end, 10);
  if (number.empty() || *end || n < 1 || static_cast<size_t>(n) > c.formats().size())
    return Fail(kExitUsage, Translate("BatchFormats", "no paper format ") + number);
  if (const std::string error = c.exportFormat(static_cast<size_t>(n - 1), file); !error.empty())
    return Fail(kExitFailure, error);
  return 0;
}
}  // namespace

int RunFormatsCommand(const Args& args) {
  return RunFormatsCommandWith(args, UserPaperFile());
}

int RunFormatsCommandWith(const Args& args, const std::string& paperFile) {
  PaperFormatList catalogue;
  const std::string fault = catalogue.load(paperFile, StarterPaperFiles());
  // A list shown in part would pass for the whole one.
  if (args.empty()) return fault.empty() ? List(catalogue) : Fail(kExitFailure, fault);
  if (!fault.empty()) std::fprintf(stderr, "quendrix: %s\n", fault.c_str());
  if (args[0] == "import" && args.size() == 2) return Import(catalogue, args[1]);
  if (args[0] == "export" && args.size() == 3) return Export(catalogue, args[1], args[2]);
  return Fail(
      kExitUsage,
      Translate("BatchFormats", "formats takes no arguments, import FILE or export NUMBER FILE"));
}

void RegisterFormatsCommand() {
  RegisterBatchCommand(
      {"formats", "[import TEMPLATE.xml | export NUMBER TEMPLATE.xml]",
       QT_TRANSLATE_NOOP(
           "BatchCommands",
           "Lists the paper formats (number, name, element size in mm, grids, guides), or "
           "imports or exports a label template file."),
       RunFormatsCommand});
}
