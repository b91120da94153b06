// quendrix catalogue [TEXT] [--category NAME] [--paper A4|Letter] | --add MAKER:PART: the
// catalogue of label and cover products without a window.
#include <QCoreApplication>
#include <cstdio>
#include <optional>

#include "app/batch/views/BatchPrint.h"
#include "platform/AnsiText.h"
#include "platform/SettingsDir.h"
#include "platform/Translate.h"
#include "print/DetailsFile.h"
#include "print/StarterPaper.h"
#include "print/views/PaperFormatPanel.h"

namespace {
std::string Lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

// The category's id for its id or its name, any case; empty when there is none.
std::string CategoryId(const ProductCatalogue& c, const std::string& wanted) {
  for (const CatalogueCategory& k : c.categories())
    if (Lower(k.id) == Lower(wanted) || Lower(k.name) == Lower(wanted)) return k.id;
  return {};
}

void PrintLine(const ProductCatalogue& c, const LabelTemplate& t) {
  const TemplateProduct& p = t.product;
  std::string size = "-", count = "-";
  if (p.unusable.empty()) {
    char text[64];
    std::snprintf(text, sizeof text, "%.2f x %.2f mm", t.record.width, t.record.height);
    size = text;
    count = std::to_string(PositionsPerSheet(t.record, t.details)) +
            Translate("BatchCatalogue", " per sheet");
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
  PaperLoadResult list = LoadCatalogueAtStart(paperFile, StarterPaperFiles());
  if (list.status == PaperLoadResult::Damaged) return Fail(kExitFailure, list.message);
  const LabelTemplate added = ProductAsFormat(*t);
  list.details.resize(list.formats.size());
  list.formats.push_back(added.record);
  list.details.push_back(added.details);
  if (const std::string error = SaveCatalogue(paperFile, list.formats, list.details);
      !error.empty())
    return Fail(kExitFailure, error);
  std::printf("%zu\t%s\n", list.formats.size(), AnsiToUtf8(added.record.name).c_str());
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
      const std::string paper = Lower(args[++i]);
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
  return RunCatalogueCommandWith(args, SharedCatalogue(), (SettingsDir() / "paper.dat").string());
}
