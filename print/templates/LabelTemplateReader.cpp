#include <QXmlStreamReader>
#include <algorithm>
#include <cmath>
#include <map>
#include <optional>

#include "platform/AnsiText.h"
#include "platform/RegularFile.h"
#include "platform/SettingsFile.h"
#include "platform/Translate.h"
#include "print/templates/BoundedXml.h"
#include "print/templates/LabelTemplate.h"

namespace {
struct PaperSize {
  const char* id;
  double w, h;
};
constexpr PaperSize kPaperSizes[] = {{"A4", 210, 297},           {"US-Letter", 215.9, 279.4},
                                     {"US-Legal", 215.9, 355.6}, {"A5", 148, 210},
                                     {"A3", 297, 420},           {"A6", 105, 148}};

// The attribute, also under its translatable name with a leading underscore; looked up without
// making strings, as a whole database passes through here.
QStringView AttrView(const QXmlStreamAttributes& a, const char* name) {
  const QLatin1String n(name);
  QStringView translatable;
  for (const QXmlStreamAttribute& at : a) {
    const QStringView key = at.name();
    if (key == n) return at.value();
    if (key.size() == n.size() + 1 && key[0] == u'_' && key.mid(1) == n) translatable = at.value();
  }
  return translatable;
}

QString Attr(const QXmlStreamAttributes& a, const char* name) {
  return AttrView(a, name).toString();
}

bool ParseLength(QStringView text, double& mm);

class Lengths {
 public:
  explicit Lengths(const QXmlStreamAttributes& a) : a_(a) {}
  double operator()(const char* name) {
    double mm = 0;
    const QStringView text = AttrView(a_, name);
    if (!ParseLength(text, mm))
      bad = std::string(name) + "=\"" + text.toString().toStdString() + "\"";
    return mm;
  }
  bool has(const char* name) const { return !AttrView(a_, name).trimmed().isEmpty(); }
  std::string bad;

 private:
  const QXmlStreamAttributes& a_;
};

int Count(const QString& text, bool& ok) {
  const int n = text.trimmed().toInt(&ok);
  ok = ok && n >= kPaperCountMin && n <= kPaperCountMax;
  return n;
}

// The element's shape from a Label- element; an error text, empty when the program can print it.
std::string ReadLabel(const QString& name, Lengths& len, LabelTemplate& current) {
  PaperFormat& t = current.record;
  LabelShape& s = current.details.shape;
  const double waste = len("waste");  // one bleed for every side, unless one is given per axis
  if (name == QLatin1String("Label-rectangle")) {
    t.width = len("width");
    t.height = len("height");
    s.cornerRadius = len("round");
  } else if (name == QLatin1String("Label-round")) {
    s.kind = ShapeKind::Round;
    t.width = t.height = 2 * len("radius");
  } else if (name == QLatin1String("Label-ellipse")) {
    s.kind = ShapeKind::Ellipse;
    t.width = len("width");
    t.height = len("height");
  } else if (name == QLatin1String("Label-cd")) {
    s.kind = ShapeKind::Disc;
    s.outerDiameter = 2 * len("radius");
    s.holeDiameter = 2 * len("hole");
    t.width = len.has("width") ? len("width") : s.outerDiameter;
    t.height = len.has("height") ? len("height") : s.outerDiameter;
  } else if (name == QLatin1String("Label-path")) {
    return Translate("LabelTemplateReader", "a free outline (path) cannot be printed");
  } else if (name == QLatin1String("Label-continuous")) {
    return Translate("LabelTemplateReader", "a continuous roll cannot be printed");
  } else {
    return Translate("LabelTemplateReader", "the label shape ") + name.toStdString() +
           Translate("LabelTemplateReader", " cannot be used");
  }
  current.details.bleedX = len.has("x_waste") ? len("x_waste") : waste;
  current.details.bleedY = len.has("y_waste") ? len("y_waste") : waste;
  return len.bad.empty() ? std::string()
                         : Translate("LabelTemplateReader", "no length: ") + len.bad;
}

// One Markup- element of the label as guides: a line, a margin, a circle, or a rectangle as its
// four sides; an error text, empty when read or when the markup is of a kind we do not draw.
std::string ReadMarkup(const QString& name, Lengths& len, FormatDetails& d) {
  std::vector<FormatGuide> guides;
  if (name == QLatin1String("Markup-line")) {
    guides.push_back(GuideLine(len("x1"), len("y1"), len("x2"), len("y2")));
  } else if (name == QLatin1String("Markup-margin")) {
    guides.push_back(GuideMargin(len("size")));
  } else if (name == QLatin1String("Markup-circle")) {
    guides.push_back(GuideCircle(len("x0"), len("y0"), len("radius")));
  } else if (name == QLatin1String("Markup-rect")) {
    const double x = len("x1"), y = len("y1"), r = x + len("w"), b = y + len("h");
    guides = {GuideLine(x, y, r, y), GuideLine(r, y, r, b), GuideLine(r, b, x, b),
              GuideLine(x, b, x, y)};
  }
  if (!len.bad.empty()) return Translate("LabelTemplateReader", "no length: ") + len.bad;
  if (d.guides.size() + guides.size() > static_cast<size_t>(kMaxGuides))
    return Translate("LabelTemplateReader", "too many markups");
  d.guides.insert(d.guides.end(), guides.begin(), guides.end());
  return {};
}

// One Layout: the record's grid when it is the first, else one more grid, of `element` when it
// lies in a later label of another size or shape.
std::string ReadLayout(const QXmlStreamAttributes& a, Lengths& len, int& grids,
                       const std::optional<GridElement>& element, LabelTemplate& current) {
  if (++grids > kMaxGrids) return Translate("LabelTemplateReader", "too many layouts");
  bool okX = false, okY = false;
  LabelGrid g;
  g.across = Count(Attr(a, "nx"), okX);
  g.down = Count(Attr(a, "ny"), okY);
  g.left = len("x0");
  g.top = len("y0");
  g.stepH = len("dx");
  g.stepV = len("dy");
  if (!okX || !okY) return Translate("LabelTemplateReader", "a layout has no usable nx or ny");
  if (!len.bad.empty()) return Translate("LabelTemplateReader", "no length: ") + len.bad;
  // A single column or row has no step of its own: take the element's.
  const double width = element ? element->width : current.record.width;
  const double height = element ? element->height : current.record.height;
  if (g.across == 1 && g.stepH < width) g.stepH = width;
  if (g.down == 1 && g.stepV < height) g.stepV = height;
  g.element = element;
  if (grids == 1 && element)
    return Translate("LabelTemplateReader", "its first label has no layout");
  if (grids == 1)
    current.record = WithGrid(current.record, g);
  else
    current.details.moreGrids.push_back(g);
  return {};
}

// The sheet of a Template's size attribute: a known paper, "other" with its own width and height.
std::string ReadSheet(const QXmlStreamAttributes& a, const TemplateContext& context,
                      FormatDetails& d) {
  const QString size = Attr(a, "size");
  if (size.isEmpty()) return {};
  if (size.compare(QLatin1String("roll"), Qt::CaseInsensitive) == 0)
    return Translate("LabelTemplateReader", "a continuous roll cannot be printed");
  if (size.compare(QLatin1String("other"), Qt::CaseInsensitive) == 0) {
    Lengths len(a);
    d.sheetWidth = len("width");
    d.sheetHeight = len("height");
    return len.bad.empty() ? std::string()
                           : Translate("LabelTemplateReader", "no length: ") + len.bad;
  }
  for (const PaperSize& s : kPaperSizes)
    if (size == QLatin1String(s.id)) {
      d.sheetWidth = s.w;
      d.sheetHeight = s.h;
    }
  if (const auto it = context.paperSizes.find(size.toStdString()); it != context.paperSizes.end()) {
    d.sheetWidth = it->second.first;
    d.sheetHeight = it->second.second;
  }
  return {};
}

using EarlierTemplate = std::function<const LabelTemplate*(const std::string&, const std::string&)>;

// Reads one Template from its start element to its end; an error text, empty when it makes a
// format. The product's texts are filled in either case.
std::string ReadTemplate(QXmlStreamReader& r, int& depth, const TemplateContext& context,
                         const EarlierTemplate& earlier, LabelTemplate& current) {
  const QXmlStreamAttributes a = r.attributes();
  TemplateProduct product;
  product.brand = Attr(a, "brand").toStdString();
  product.part = Attr(a, "part").toStdString();
  product.equivOf = Attr(a, "equiv").toStdString();
  product.description = Attr(a, "description").toStdString();
  product.paperId = Attr(a, "size").toStdString();
  std::string why;
  bool haveLabel = false;
  int grids = 0;
  std::optional<GridElement> element;  // of the label whose layouts are read
  bool laterLabel = false;             // reading a label after the first
  if (!product.equivOf.empty()) {
    const LabelTemplate* from = earlier(product.brand, product.equivOf);
    if (!from) {
      why = Translate("LabelTemplateReader", "it copies the unknown part ") + product.equivOf;
    } else {
      current = *from;
      why = from->product.unusable;
      haveLabel = true;
      grids = 1 + static_cast<int>(current.details.moreGrids.size());
      product.categories = from->product.categories;
      if (product.description.empty()) product.description = from->product.description;
      if (product.paperId.empty()) product.paperId = from->product.paperId;
    }
  }
  const QString brand = QString::fromStdString(product.brand),
                part = QString::fromStdString(product.part);
  // The program's own exports carry the format's name as the part.
  const QString title =
      brand == QLatin1String("Quendrix") ? part : (brand + QLatin1Char(' ') + part).trimmed();
  current.record.name = CutPaperName(
      Utf8ToAnsi((title.isEmpty() ? QString::fromStdString(product.description) : title)
                     .simplified()
                     .toStdString()));
  if (why.empty()) why = ReadSheet(a, context, current.details);
  current.product = std::move(product);
  while (!r.atEnd()) {
    ReadNextBounded(r, depth);
    if (r.isEndElement() && r.name() == QLatin1String("Template")) break;
    if (!r.isStartElement()) continue;
    const QString name = r.name().toString();
    const QXmlStreamAttributes attrs = r.attributes();
    if (name == QLatin1String("Meta")) {
      const std::string category = Attr(attrs, "category").toStdString();
      auto& cats = current.product.categories;
      if (!category.empty() && std::find(cats.begin(), cats.end(), category) == cats.end())
        cats.push_back(category);
      continue;
    }
    if (!why.empty()) continue;
    Lengths len(attrs);
    if (name.startsWith(QLatin1String("Label-")) && haveLabel) {
      // A later label: the grids of its layouts have elements of their own.
      laterLabel = true;
      LabelTemplate later = current;
      later.details.shape = {};
      why = ReadLabel(name, len, later);
      element = GridElement{later.record.width, later.record.height, later.details.shape};
      if (*element ==
          GridElement{current.record.width, current.record.height, current.details.shape})
        element.reset();
    } else if (name.startsWith(QLatin1String("Label-"))) {
      haveLabel = true;
      why = ReadLabel(name, len, current);
    } else if (haveLabel && name == QLatin1String("Layout")) {
      why = ReadLayout(attrs, len, grids, element, current);
    } else if (haveLabel && !laterLabel && name.startsWith(QLatin1String("Markup-"))) {
      why = ReadMarkup(name, len, current.details);  // the guides of the format's own element
    }
  }
  if (!why.empty()) return why;
  if (!haveLabel) return Translate("LabelTemplateReader", "it has no label");
  if (grids == 0)
    current.record =
        WithGrid(current.record, {0, 0, current.record.width, current.record.height, 1, 1, {}});
  return CheckDetails(current.record, current.details);
}
}  // namespace

bool ParseTemplateLength(const std::string& text, double& mm) {
  return ParseLength(QString::fromStdString(text), mm);
}

namespace {
bool ParseLength(QStringView text, double& mm) {
  const QStringView t = text.trimmed();
  if (t.isEmpty()) {
    mm = 0;
    return true;
  }
  struct Unit {
    const char* suffix;
    double mm;
  };
  constexpr Unit kUnits[] = {
      {"pt", 25.4 / 72}, {"mm", 1}, {"cm", 10}, {"in", 25.4}, {"pc", 25.4 / 6}};
  QStringView number = t;
  double factor = 25.4 / 72;  // a bare number is points
  for (const Unit& u : kUnits)
    if (t.endsWith(QLatin1String(u.suffix))) {
      number = t.chopped(2).trimmed();
      factor = u.mm;
    }
  bool ok = number.isEmpty();  // a unit alone is 0, as the database's own reader takes it
  const double v = ok ? 0 : number.toDouble(&ok);
  if (!ok || !std::isfinite(v) || std::fabs(v) > 1e6) return false;
  mm = v * factor;
  return true;
}
}  // namespace

bool LabelTemplateReader::read(const std::vector<uint8_t>& xml, const TemplateContext& context) {
  templates_.clear();
  error_.clear();
  if (const std::string why = XmlBoundsProblem(xml); !why.empty()) {
    error_ = Translate("LabelTemplateReader", "it is no template file (") + why + ")";
    return false;
  }
  QXmlStreamReader r(
      QByteArray(reinterpret_cast<const char*>(xml.data()), static_cast<qsizetype>(xml.size())));
  std::map<std::string, size_t> byPart;  // brand + part, for equiv
  auto fail = [&](const std::string& why) {
    error_ = why;
    templates_.clear();
    return false;
  };
  const auto earlier = [&](const std::string& brand,
                           const std::string& part) -> const LabelTemplate* {
    const auto it = byPart.find(brand + '\n' + part);
    if (it != byPart.end()) return &templates_[it->second];
    return context.earlier ? context.earlier(brand, part) : nullptr;
  };
  int depth = 0;
  while (!r.atEnd()) {
    ReadNextBounded(r, depth);
    if (!r.isStartElement() || r.name() != QLatin1String("Template")) continue;
    if (templates_.size() >= static_cast<size_t>(kMaxTemplates))
      return fail(Translate("LabelTemplateReader", "too many templates"));
    LabelTemplate t;
    const std::string why = ReadTemplate(r, depth, context, earlier, t);
    if (r.hasError()) break;
    if (!why.empty()) {
      if (!context.keepUnusable)
        return fail(Translate("LabelTemplateReader", "template ") + t.product.part + ": " + why);
      // Nothing of an unprintable template is used but its name and sheet.
      PaperFormat blank;
      blank.name = t.record.name;
      FormatDetails sheet;
      sheet.sheetWidth = t.details.sheetWidth;
      sheet.sheetHeight = t.details.sheetHeight;
      t.record = blank;
      t.details = sheet;
      t.product.unusable = why;
    }
    byPart[t.product.brand + '\n' + t.product.part] = templates_.size();
    templates_.push_back(std::move(t));
  }
  if (r.hasError())
    return fail(Translate("LabelTemplateReader", "it is no template file (") +
                r.errorString().toStdString() + ")");
  if (templates_.empty()) return fail(Translate("LabelTemplateReader", "it holds no template"));
  return true;
}

std::string ImportTemplateFile(const std::string& path, std::vector<LabelTemplate>& out) {
  bool truncated = false;
  const auto bytes = ReadFileLimited(path, kMaxTemplateFileSize, &truncated);
  if (!bytes)
    return Translate("LabelTemplateReader", "Cannot read ") + path + ": " + FileErrorText(errno) +
           ".";
  if (truncated)
    return Translate("LabelTemplateReader", "The template file ") + path +
           Translate("LabelTemplateReader", " is too large.");
  LabelTemplateReader reader;
  if (!reader.read(*bytes))
    return Translate("LabelTemplateReader", "The template file ") + path +
           Translate("LabelTemplateReader", " cannot be used: ") + reader.error() + ".";
  out = reader.templates();
  return {};
}
