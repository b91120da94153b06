// quendrix catalogue [TEXT] [--category NAME] [--paper A4|Letter] | --add MAKER:PART: the
// catalogue of label and cover products without a window.
#include "app/batch/views/BatchCatalogue.h"

#include <QCoreApplication>
#include <cstdio>
#include <optional>

#include "platform/AnsiText.h"
#include "platform/SettingsDir.h"
#include "platform/Translate.h"
#include "print/settings/DetailsFile.h"
#include "print/settings/PaperFormatList.h"
#include "print/settings/StarterPaper.h"
#include "print/views/PaperFormatPanel.h"

namespace {
// The category's id for its id or its name, any case; empty when there is none.
std::string CategoryId(const ProductCatalogue& c, const std::string& wanted) {
  for (const CatalogueCategory& k : c.categories())
    if (AsciiLower(k.id) == AsciiLower(wanted) || AsciiLower(k.name) == AsciiLower(wanted))
      return k.id;
  return {};
}

void PrintLine(const ProductCatalogue& c, const LabelTemplate& t) {
  const TemplateProduct& p = t.product;
  std::string size = "-", count = "-";
  if (p.unusable.empty()) {
    size = FillIn(Translate("BatchCatalogue", "%1 x %2 mm"),
                  {LocaleNumber(t.record.width, 2), LocaleNumber(t.record.height, 2)});
    count = FillIn(Translate("BatchCatalogue", "%1 per sheet"),
                   {std::to_string(PositionsPerSheet(t.record, t.details))});
  }
  std::printf("%s\t%s\t%s\t%s\t%s\t%s\t%s\n", p.brand.c_str(), p.part.c_str(),
              p.description.c_str(), c.paperName(t).c_str(), ShapeText(t).c_str(), size.c_str(),
              count.c_str());
}

int Add(const ProductCatalogue& c, const std::string& which, const std::string& paperFile) {
  const size_t colon = which.find(':');
  if (colon == std::string::npos)
    return Fail(kExitUsage, Translate("BatchCatalogue", "--add takes MAKER:PART"));
  const LabelTemplate* t = c.find(which.substr(0, colon), which.substr(colon + 1));
  if (!t)
    return Fail(kExitFailure, Translate("BatchCatalogue", "no product ") + which +
                                  Translate("BatchCatalogue", " in the catalogue"));
  if (!t->product.unusable.empty())
    return Fail(kExitFailure,
                which + Translate("BatchCatalogue", " cannot be printed: ") + t->product.unusable);
  PaperFormatList list;
  // A damaged list is kept as .damaged when saved; an unreadable one is not saved.
  if (const std::string fault = list.load(paperFile, StarterPaperFiles()); !fault.empty())
    std::fprintf(stderr, "quendrix: %s\n", fault.c_str());
  const LabelTemplate added = ProductAsFormat(*t);
  list.add(added.record, added.details);
  if (const PaperListSave saved = list.save(); saved.outcome != PaperListSave::Saved)
    return Fail(kExitFailure, saved.message);
  std::printf("%zu\t%s\n", list.formats().size(), AnsiToUtf8(added.record.name).c_str());
  return 0;
}
}  // namespace

int RunCatalogueCommandWith(const Args& args, const ProductCatalogue& catalogue,
                            const std::string& paperFile) {
  CatalogueFilter filter;
  std::optional<std::string> add;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    const bool hasValue = i + 1 < args.size();
    if (a == "--add" && hasValue) {
      add = args[++i];
    } else if (a == "--category" && hasValue) {
      filter.category = CategoryId(catalogue, args[++i]);
      if (filter.category.empty())
        return Fail(kExitUsage, Translate("BatchCatalogue", "no category ") + args[i]);
    } else if (a == "--paper" && hasValue) {
      const std::string paper = AsciiLower(args[++i]);
      filter.paper = paper == "a4"       ? PaperClass::A4
                     : paper == "letter" ? PaperClass::Letter
                     : paper == "other"  ? PaperClass::Other
                                         : PaperClass::Any;
      if (filter.paper == PaperClass::Any)
        return Fail(kExitUsage, Translate("BatchCatalogue", "--paper takes A4, Letter or Other"));
    } else if (a.starts_with("--")) {
      return Fail(
          kExitUsage,
          Translate(
              "BatchCatalogue",
              "catalogue takes [TEXT] [--category NAME] [--paper A4|Letter] or --add MAKER:PART"));
    } else {
      filter.text += (filter.text.empty() ? "" : " ") + a;
    }
  }
  if (!catalogue.message().empty())
    std::fprintf(stderr, "quendrix: %s", catalogue.message().c_str());
  if (catalogue.products().empty()) return kExitFailure;
  if (add) return Add(catalogue, *add, paperFile);
  for (size_t i : catalogue.search(filter)) PrintLine(catalogue, catalogue.products()[i]);
  return 0;
}

int RunCatalogueCommand(const Args& args) {
  return RunCatalogueCommandWith(args, SharedCatalogue(), UserPaperFile());
}

void RegisterCatalogueCommand() {
  RegisterBatchCommand(
      {"catalogue", "[TEXT] [--category NAME] [--paper A4|Letter] | --add MAKER:PART",
       QT_TRANSLATE_NOOP(
           "BatchCommands",
           "Lists the label and cover products that match (maker, part, description, paper, "
           "shape, element size, elements per sheet), or adds one to the paper formats."),
       RunCatalogueCommand});
}
