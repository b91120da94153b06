#include "print/templates/ProductCatalogue.h"

#include <QXmlStreamReader>
#include <QtGlobal>
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <functional>

#include "platform/AnsiText.h"
#include "platform/RegularFile.h"
#include "platform/SettingsFile.h"
#include "platform/Translate.h"
#include "print/templates/BoundedXml.h"

namespace fs = std::filesystem;

namespace {
constexpr size_t kMaxListFileSize = 1u << 20;  // paper-sizes.xml, categories.xml, vendors.xml

std::string Attr(const QXmlStreamAttributes& a, const char* name) {
  const QString n = QString::fromLatin1(name);
  return (a.hasAttribute(n) ? a.value(n) : a.value(QLatin1Char('_') + n)).toString().toStdString();
}

// Calls `take` with the attributes of every `element` of a small list file; false when it is
// damaged.
bool ReadListFile(const std::string& path, const char* element,
                  const std::function<void(const QXmlStreamAttributes&)>& take) {
  bool truncated = false;
  const auto bytes = ReadFileLimited(path, kMaxListFileSize, &truncated);
  if (!bytes || truncated || !XmlBoundsProblem(*bytes).empty()) return false;
  QXmlStreamReader r(QByteArray(reinterpret_cast<const char*>(bytes->data()),
                                static_cast<qsizetype>(bytes->size())));
  int depth = 0;
  while (!r.atEnd()) {
    ReadNextBounded(r, depth);
    if (r.isStartElement() && r.name() == QLatin1String(element)) take(r.attributes());
  }
  return !r.hasError();
}

// The files of a folder that hold templates, sorted by name; at most kMaxCatalogueFiles.
std::vector<std::string> TemplateFiles(const std::string& folder) {
  std::vector<std::string> out;
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    const bool templates = name.ends_with("-templates.xml") || name.ends_with(".template");
    if (templates && it->is_regular_file(ec)) out.push_back(it->path().string());
    if (out.size() >= static_cast<size_t>(kMaxCatalogueFiles)) break;
  }
  std::sort(out.begin(), out.end());
  return out;
}

std::string FolderFromEnvironment(const char* variable, const char* fallbackBelowHome) {
  const char* value = std::getenv(variable);
  if (value && *value == '/') return value;
  const char* home = std::getenv("HOME");
  return home && *home ? (fs::path(home) / fallbackBelowHome).string() : std::string();
}
}  // namespace

CatalogueFolders DefaultCatalogueFolders() {
  CatalogueFolders f;
  std::string dirs = std::getenv("XDG_DATA_DIRS") ? std::getenv("XDG_DATA_DIRS") : "";
  if (dirs.empty()) dirs = "/usr/local/share:/usr/share";
  for (size_t start = 0; start <= dirs.size();) {
    const size_t colon = std::min(dirs.find(':', start), dirs.size());
    const std::string dir = dirs.substr(start, colon - start);
    if (!dir.empty() && dir[0] == '/')
      f.database.push_back((fs::path(dir) / "libglabels-3.0" / "templates").string());
    start = colon + 1;
  }
  const std::string config = FolderFromEnvironment("XDG_CONFIG_HOME", ".config");
  if (!config.empty()) f.user = (fs::path(config) / "libglabels" / "templates").string();
  return f;
}

void ProductCatalogue::load(const CatalogueFolders& folders) {
  *this = ProductCatalogue{};
  for (const std::string& folder : folders.database) {
    if (TemplateFiles(folder).empty()) continue;
    haveDatabase_ = true;
    readFolder(folder, true);
    break;
  }
  if (!haveDatabase_)
    message_ =
        Translate("ProductCatalogue",
                  "The label template database is not installed. Install the package glabels-data "
                  "(sudo apt-get install glabels-data) and open the catalogue again.\n");
  if (!folders.user.empty()) readFolder(folders.user, false);
  for (LabelTemplate& joined : JoinedProducts(products_)) {
    if (products_.size() >= static_cast<size_t>(kMaxCatalogueProducts)) break;
    products_.push_back(std::move(joined));
  }
  // By maker and part; an alias was resolved while its file was read, so the order is free.
  std::vector<std::pair<std::string, size_t>> order;  // lower-case maker and part, index
  order.reserve(products_.size());
  for (size_t i = 0; i < products_.size(); ++i)
    order.emplace_back(
        AsciiLower(products_[i].product.brand) + '\n' + AsciiLower(products_[i].product.part), i);
  std::stable_sort(order.begin(), order.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  std::vector<LabelTemplate> sorted;
  sorted.reserve(order.size());
  for (const auto& [key, i] : order) sorted.push_back(std::move(products_[i]));
  products_ = std::move(sorted);
  byPart_.clear();
  haystacks_.clear();
  for (size_t i = 0; i < products_.size(); ++i) {
    const TemplateProduct& p = products_[i].product;
    byPart_.emplace(AsciiLower(p.brand) + '\n' + AsciiLower(p.part), i);
    haystacks_.push_back(AsciiLower(p.brand + '\n' + p.part + '\n' + p.description));
  }
  loaded_ = true;
}

void ProductCatalogue::readFolder(const std::string& folder, bool database) {
  if (database) {
    const fs::path dir(folder);
    const bool sizes = ReadListFile((dir / "paper-sizes.xml").string(), "Paper-size",
                                    [&](const QXmlStreamAttributes& a) {
                                      double w = 0, h = 0;
                                      const std::string id = Attr(a, "id");
                                      if (id.empty() || !ParseTemplateLength(Attr(a, "width"), w) ||
                                          !ParseTemplateLength(Attr(a, "height"), h))
                                        return;
                                      paperSizes_[id] = {w, h};
                                      paperNames_[id] = Attr(a, "name");
                                    });
    const bool categories = ReadListFile((dir / "categories.xml").string(), "Category",
                                         [&](const QXmlStreamAttributes& a) {
                                           CatalogueCategory c{Attr(a, "id"), Attr(a, "name")};
                                           if (!c.id.empty()) categories_.push_back(c);
                                         });
    const bool vendors =
        ReadListFile((dir / "vendors.xml").string(), "Vendor", [&](const QXmlStreamAttributes& a) {
          vendorUrls_[AsciiLower(Attr(a, "name"))] = Attr(a, "url");
        });
    for (const auto& [ok, file] : {std::pair{sizes, "paper-sizes.xml"},
                                   {categories, "categories.xml"},
                                   {vendors, "vendors.xml"}})
      if (!ok)
        message_ += Translate("ProductCatalogue", "Cannot read ") + (dir / file).string() + ".\n";
    std::stable_partition(categories_.begin(), categories_.end(),
                          [](const CatalogueCategory& c) { return c.id == "media"; });
  }
  TemplateContext context;
  context.paperSizes = paperSizes_;
  context.keepUnusable = true;
  context.earlier = [this](const std::string& brand,
                           const std::string& part) -> const LabelTemplate* {
    const auto it = byPart_.find(brand + '\n' + part);
    return it == byPart_.end() ? nullptr : &products_[it->second];
  };
  for (const std::string& file : TemplateFiles(folder)) readTemplateFile(file, context);
}

void ProductCatalogue::readTemplateFile(const std::string& path, const TemplateContext& context) {
  bool truncated = false;
  const auto bytes = ReadFileLimited(path, kMaxTemplateFileSize, &truncated);
  const std::string why = bytes ? std::string() : FileErrorText(errno);
  LabelTemplateReader reader;
  if (!bytes || truncated || !reader.read(*bytes, context)) {
    message_ += Translate("ProductCatalogue", "The template file ") + path +
                Translate("ProductCatalogue", " cannot be used") +
                (!bytes       ? ": " + why
                 : !truncated ? ": " + reader.error()
                              : "") +
                ".\n";
    return;
  }
  for (const LabelTemplate& t : reader.templates()) {
    if (products_.size() >= static_cast<size_t>(kMaxCatalogueProducts)) {
      message_ += Translate("ProductCatalogue", "There are more than ") +
                  std::to_string(kMaxCatalogueProducts) +
                  Translate("ProductCatalogue", " templates; the rest are left out.\n");
      return;
    }
    byPart_.emplace(t.product.brand + '\n' + t.product.part, products_.size());
    products_.push_back(t);
  }
}

std::vector<size_t> ProductCatalogue::search(const CatalogueFilter& filter) const {
  std::vector<std::string> words;
  const std::string text = AsciiLower(filter.text);
  for (size_t start = 0; start < text.size();) {
    const size_t space = std::min(text.find_first_of(" \t", start), text.size());
    if (space > start) words.push_back(text.substr(start, space - start));
    start = space + 1;
  }
  std::vector<size_t> out;
  for (size_t i = 0; i < products_.size(); ++i) {
    const LabelTemplate& t = products_[i];
    if (filter.paper != PaperClass::Any && PaperClassOf(t.product) != filter.paper) continue;
    if (filter.shape && (!t.product.unusable.empty() || t.details.shape.kind != *filter.shape))
      continue;
    const auto& cats = t.product.categories;
    if (!filter.category.empty() &&
        std::find(cats.begin(), cats.end(), filter.category) == cats.end())
      continue;
    const std::string& hay = haystacks_[i];
    if (std::all_of(words.begin(), words.end(),
                    [&](const std::string& w) { return hay.find(w) != std::string::npos; }))
      out.push_back(i);
  }
  std::stable_partition(out.begin(), out.end(), [this](size_t i) { return IsCdDvd(products_[i]); });
  return out;
}

bool IsCdDvd(const LabelTemplate& t) {
  const auto& cats = t.product.categories;
  return t.details.shape.kind == ShapeKind::Disc ||
         std::find(cats.begin(), cats.end(), "media") != cats.end();
}

std::string TrayNote(const LabelTemplate& t) {
  const std::string named = AsciiLower(t.product.part + " " + t.product.description);
  if (t.details.shape.kind != ShapeKind::Disc || named.find("tray") == std::string::npos) return {};
  return Translate("ProductCatalogue",
                   "a sheet shaped like a disc tray, for printers whose driver has no disc mode; "
                   "with one, print on a printable disc format instead");
}

const LabelTemplate* ProductCatalogue::find(const std::string& maker,
                                            const std::string& part) const {
  const auto it = byPart_.find(AsciiLower(maker) + '\n' + AsciiLower(part));
  return it == byPart_.end() ? nullptr : &products_[it->second];
}

std::string ProductCatalogue::paperName(const LabelTemplate& t) const {
  if (const auto it = paperNames_.find(t.product.paperId);
      it != paperNames_.end() && !it->second.empty())
    return it->second;
  if (t.details.sheetWidth <= 0)
    return t.product.paperId.empty() ? Translate("ProductCatalogue", "unknown paper")
                                     : t.product.paperId;
  char text[64];
  std::snprintf(text, sizeof text, "%.1f x %.1f mm", t.details.sheetWidth, t.details.sheetHeight);
  return text;
}

std::string ProductCatalogue::vendorUrl(const std::string& maker) const {
  const auto it = vendorUrls_.find(AsciiLower(maker));
  return it == vendorUrls_.end() ? std::string() : it->second;
}

namespace {
// The part's name before its bracket ("CD13" of "CD13 (box1)"); empty when it has none.
std::string PartFamily(const std::string& part) {
  const size_t open = part.find(" (");
  return open == std::string::npos || open == 0 || !part.ends_with(")") ? std::string()
                                                                        : part.substr(0, open);
}

// `t`'s grids as grids of a sheet whose record is `first`'s: with their own element where it
// differs from the first's.
void AppendGrids(const LabelTemplate& first, const LabelTemplate& t, FormatDetails& to) {
  for (LabelGrid g : AllGrids(t.record, t.details)) {
    const PaperFormat box = WithGrid(t.record, g);
    const GridElement element{box.width, box.height, GridShape(t.details, g)};
    if (element != GridElement{first.record.width, first.record.height, first.details.shape})
      g.element = element;
    else
      g.element.reset();
    to.moreGrids.push_back(g);
  }
}
}  // namespace

std::vector<LabelTemplate> JoinedProducts(const std::vector<LabelTemplate>& products) {
  std::vector<LabelTemplate> out;
  std::unordered_map<std::string, std::vector<size_t>> families;  // key -> members in order
  std::vector<std::string> order;
  for (size_t i = 0; i < products.size(); ++i) {
    const LabelTemplate& t = products[i];
    const std::string family = PartFamily(t.product.part);
    if (family.empty() || !t.product.unusable.empty() || !t.product.equivOf.empty() ||
        !t.product.joins.empty())
      continue;
    char sheet[64];
    std::snprintf(sheet, sizeof sheet, "%.3f\n%.3f", t.details.sheetWidth, t.details.sheetHeight);
    const std::string key = AsciiLower(t.product.brand) + '\n' + t.product.paperId + '\n' + sheet +
                            '\n' + AsciiLower(family);
    auto& members = families[key];
    if (members.empty()) order.push_back(key);
    members.push_back(i);
  }
  for (const std::string& key : order) {
    const std::vector<size_t>& members = families[key];
    if (members.size() < 2) continue;
    const LabelTemplate& first = products[members[0]];
    LabelTemplate joined = first;
    joined.product.part =
        PartFamily(first.product.part) + " (" + Translate("ProductCatalogue", "all parts") + ")";
    for (size_t m : members) {
      const LabelTemplate& t = products[m];
      joined.product.joins.push_back(t.product.part);
      for (const std::string& c : t.product.categories)
        if (std::find(joined.product.categories.begin(), joined.product.categories.end(), c) ==
            joined.product.categories.end())
          joined.product.categories.push_back(c);
      if (m != members[0]) AppendGrids(first, t, joined.details);
    }
    if (joined.details.moreGrids.size() + 1 > static_cast<size_t>(kMaxGrids) ||
        !CheckDetails(joined.record, joined.details).empty())
      continue;
    out.push_back(std::move(joined));
  }
  return out;
}

ProductCatalogue& SharedCatalogue() {
  static ProductCatalogue catalogue;
  if (!catalogue.loaded()) catalogue.load(DefaultCatalogueFolders());
  return catalogue;
}

PaperClass PaperClassOf(const TemplateProduct& p) {
  if (p.paperId == "A4") return PaperClass::A4;
  if (p.paperId == "US-Letter") return PaperClass::Letter;
  return PaperClass::Other;
}

std::string ShapeText(const LabelTemplate& t) {
  if (!t.product.unusable.empty())
    return Translate("ProductCatalogue", "not printable: ") + t.product.unusable;
  constexpr const char* kNames[] = {QT_TRANSLATE_NOOP("ProductCatalogue", "rectangle"),
                                    QT_TRANSLATE_NOOP("ProductCatalogue", "round"),
                                    QT_TRANSLATE_NOOP("ProductCatalogue", "ellipse"),
                                    QT_TRANSLATE_NOOP("ProductCatalogue", "disc")};
  return Translate("ProductCatalogue", kNames[static_cast<int>(t.details.shape.kind) & 3]);
}

std::string ProductFormatName(const TemplateProduct& p) {
  // A joined sheet is named by its parts alone: the description is that of its first part.
  std::string name =
      Utf8ToAnsi(p.brand + ' ' + p.part + (p.joins.empty() ? ' ' + p.description : ""));
  if (name.size() > static_cast<size_t>(kPaperNameMax)) name.resize(kPaperNameMax);
  while (!name.empty() && name.back() == ' ') name.pop_back();
  return name;
}

LabelTemplate ProductAsFormat(const LabelTemplate& t) {
  LabelTemplate out = t;
  out.record.name = ProductFormatName(t.product);
  return out;
}
