#include <QXmlStreamReader>
#include <cmath>
#include <map>

#include "platform/AnsiText.h"
#include "print/LabelTemplate.h"
#include "print/SettingsFile.h"

namespace {
struct PaperSize {
  const char* id;
  double w, h;
};
constexpr PaperSize kPaperSizes[] = {{"A4", 210, 297},        {"US-Letter", 215.9, 279.4},
                                     {"US-Legal", 215.9, 355.6}, {"A5", 148, 210},
                                     {"A3", 297, 420},        {"A6", 105, 148}};

// The attribute, also under its translatable name with a leading underscore.
QString Attr(const QXmlStreamAttributes& a, const char* name) {
  const QString n = QString::fromLatin1(name);
  if (a.hasAttribute(n)) return a.value(n).toString();
  return a.value(QLatin1Char('_') + n).toString();
}

class Lengths {
 public:
  explicit Lengths(const QXmlStreamAttributes& a) : a_(a) {}
  double operator()(const char* name) {
    double mm = 0;
    const QString text = Attr(a_, name);
    if (!ParseTemplateLength(text.toStdString(), mm)) bad = std::string(name) + "=\"" + text.toStdString() + "\"";
    return mm;
  }
  bool has(const char* name) const {
    return !Attr(a_, name).trimmed().isEmpty();
  }
  std::string bad;

 private:
  const QXmlStreamAttributes& a_;
};

int Count(const QString& text, bool& ok) {
  const int n = text.trimmed().toInt(&ok);
  ok = ok && n >= kPaperCountMin && n <= kPaperCountMax;
  return n;
}

std::string CutName(const QString& name) {
  std::string ansi = Utf8ToAnsi(name.simplified().toStdString());
  if (ansi.size() > static_cast<size_t>(kPaperNameMax)) ansi.resize(kPaperNameMax);
  return ansi;
}
}  // namespace

bool ParseTemplateLength(const std::string& text, double& mm) {
  const QString t = QString::fromStdString(text).trimmed();
  if (t.isEmpty()) {
    mm = 0;
    return true;
  }
  struct Unit {
    const char* suffix;
    double mm;
  };
  constexpr Unit kUnits[] = {{"pt", 25.4 / 72}, {"mm", 1}, {"cm", 10}, {"in", 25.4}, {"pc", 25.4 / 6}};
  QString number = t;
  double factor = 25.4 / 72;  // a bare number is points
  for (const Unit& u : kUnits)
    if (t.endsWith(QLatin1String(u.suffix))) {
      number = t.chopped(2).trimmed();
      factor = u.mm;
    }
  bool ok = false;
  const double v = number.toDouble(&ok);
  if (!ok || !std::isfinite(v) || std::fabs(v) > 1e6) return false;
  mm = v * factor;
  return true;
}

bool LabelTemplateReader::read(const std::vector<uint8_t>& xml) {
  templates_.clear();
  error_.clear();
  QXmlStreamReader r(QByteArray(reinterpret_cast<const char*>(xml.data()), static_cast<qsizetype>(xml.size())));
  std::map<QString, LabelTemplate> byPart;  // brand + part, for equiv
  LabelTemplate current;
  QString brand, part;
  bool inTemplate = false, haveLabel = false;
  int grids = 0;
  auto fail = [&](const std::string& why) {
    error_ = why;
    templates_.clear();
    return false;
  };
  while (!r.atEnd()) {
    r.readNext();
    if (r.isStartElement()) {
      const QString name = r.name().toString();
      const QXmlStreamAttributes a = r.attributes();
      Lengths len(a);
      if (name == QLatin1String("Template")) {
        current = LabelTemplate{};
        inTemplate = true;
        haveLabel = false;
        grids = 0;
        brand = Attr(a, "brand");
        part = Attr(a, "part");
        const QString equiv = Attr(a, "equiv");
        if (!equiv.isEmpty()) {
          const auto it = byPart.find(brand + QLatin1Char('\n') + equiv);
          if (it == byPart.end()) return fail("template " + part.toStdString() + " copies an unknown template");
          current = it->second;
          haveLabel = true;
          grids = 1 + static_cast<int>(current.details.moreGrids.size());
        }
        const QString description = Attr(a, "description");
        // The program's own exports carry the format's name as the part.
        const QString title = brand == QLatin1String("Quendrix") ? part : (brand + QLatin1Char(' ') + part).trimmed();
        current.record.name = CutName(title.isEmpty() ? description : title);
        const QString size = Attr(a, "size");
        for (const PaperSize& s : kPaperSizes)
          if (size == QLatin1String(s.id)) {
            current.details.sheetWidth = s.w;
            current.details.sheetHeight = s.h;
          }
        if (size.compare(QLatin1String("other"), Qt::CaseInsensitive) == 0) {
          current.details.sheetWidth = len("width");
          current.details.sheetHeight = len("height");
        }
      } else if (inTemplate && name.startsWith(QLatin1String("Label-"))) {
        if (haveLabel) return fail("template " + part.toStdString() + " holds more than one label");
        haveLabel = true;
        PaperFormat& t = current.record;
        LabelShape& s = current.details.shape;
        double bleed = len("waste");
        if (name == QLatin1String("Label-rectangle")) {
          t.width = len("width");
          t.height = len("height");
          s.cornerRadius = len("round");
          bleed = std::max({bleed, len("x_waste"), len("y_waste")});
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
        } else {
          return fail("the label shape " + name.toStdString() + " cannot be used");
        }
        current.details.bleed = bleed;
        if (!len.bad.empty()) return fail("no length: " + len.bad);
      } else if (inTemplate && haveLabel && name == QLatin1String("Layout")) {
        if (++grids > kMaxGrids) return fail("too many layouts");
        bool okX = false, okY = false;
        LabelGrid g;
        g.across = Count(Attr(a, "nx"), okX);
        g.down = Count(Attr(a, "ny"), okY);
        g.left = len("x0");
        g.top = len("y0");
        g.stepH = len("dx");
        g.stepV = len("dy");
        if (!okX || !okY) return fail("a layout has no usable nx or ny");
        if (!len.bad.empty()) return fail("no length: " + len.bad);
        // A single column or row has no step of its own: take the element's.
        if (g.across == 1 && g.stepH < current.record.width) g.stepH = current.record.width;
        if (g.down == 1 && g.stepV < current.record.height) g.stepV = current.record.height;
        if (grids == 1) {
          PaperFormat& t = current.record;
          t = WithGrid(t, g);
        } else {
          current.details.moreGrids.push_back(g);
        }
      }
    } else if (r.isEndElement() && r.name() == QLatin1String("Template") && inTemplate) {
      inTemplate = false;
      if (!haveLabel) return fail("template " + part.toStdString() + " has no label");
      if (grids == 0) current.record = WithGrid(current.record, {0, 0, current.record.width, current.record.height, 1, 1});
      const std::string why = CheckDetails(current.record, current.details);
      if (!why.empty()) return fail("template " + part.toStdString() + ": " + why);
      if (templates_.size() >= static_cast<size_t>(kMaxTemplates)) return fail("too many templates");
      byPart[brand + QLatin1Char('\n') + part] = current;
      templates_.push_back(current);
    }
  }
  if (r.hasError()) return fail("it is no template file (" + r.errorString().toStdString() + ")");
  if (templates_.empty()) return fail("it holds no template");
  return true;
}

std::string ImportTemplateFile(const std::string& path, std::vector<LabelTemplate>& out) {
  bool truncated = false;
  const auto bytes = ReadFileLimited(path, kMaxTemplateFileSize, &truncated);
  if (!bytes) return "Cannot read " + path + ".";
  if (truncated) return "The template file " + path + " is too large.";
  LabelTemplateReader reader;
  if (!reader.read(*bytes)) return "The template file " + path + " cannot be used: " + reader.error() + ".";
  out = reader.templates();
  return {};
}
