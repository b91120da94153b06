#include <QXmlStreamWriter>
#include <algorithm>
#include <cmath>
#include <optional>

#include "platform/AnsiText.h"
#include "platform/ReplacingFile.h"
#include "platform/SettingsFile.h"
#include "print/templates/LabelTemplate.h"

namespace {
QString Mm(double v) {
  QString s = QString::number(v, 'f', 4);
  while (s.contains(QLatin1Char('.')) &&
         (s.endsWith(QLatin1Char('0')) || s.endsWith(QLatin1Char('.'))))
    s.chop(1);
  return s + QStringLiteral("mm");
}

bool Near(double a, double b) {
  return std::fabs(a - b) < 0.5;
}

void WriteSize(QXmlStreamWriter& w, double width, double height) {
  if (Near(width, 210) && Near(height, 297)) {
    w.writeAttribute(QStringLiteral("size"), QStringLiteral("A4"));
  } else if (Near(width, 215.9) && Near(height, 279.4)) {
    w.writeAttribute(QStringLiteral("size"), QStringLiteral("US-Letter"));
  } else {
    w.writeAttribute(QStringLiteral("size"), QStringLiteral("other"));
    w.writeAttribute(QStringLiteral("width"), Mm(width));
    w.writeAttribute(QStringLiteral("height"), Mm(height));
  }
}

void WriteLabel(QXmlStreamWriter& w, const PaperFormat& fmt, const FormatDetails& d, int id) {
  const LabelShape& s = d.shape;
  switch (s.kind) {
    case ShapeKind::Rectangle:
      w.writeStartElement(QStringLiteral("Label-rectangle"));
      w.writeAttribute(QStringLiteral("id"), QString::number(id));
      w.writeAttribute(QStringLiteral("width"), Mm(fmt.width));
      w.writeAttribute(QStringLiteral("height"), Mm(fmt.height));
      w.writeAttribute(QStringLiteral("round"), Mm(s.cornerRadius));
      w.writeAttribute(QStringLiteral("x_waste"), Mm(d.bleedX));
      w.writeAttribute(QStringLiteral("y_waste"), Mm(d.bleedY));
      return;
    case ShapeKind::Round:
      w.writeStartElement(QStringLiteral("Label-round"));
      w.writeAttribute(QStringLiteral("id"), QString::number(id));
      w.writeAttribute(QStringLiteral("radius"), Mm(fmt.width / 2));
      break;
    case ShapeKind::Ellipse:
      w.writeStartElement(QStringLiteral("Label-ellipse"));
      w.writeAttribute(QStringLiteral("id"), QString::number(id));
      w.writeAttribute(QStringLiteral("width"), Mm(fmt.width));
      w.writeAttribute(QStringLiteral("height"), Mm(fmt.height));
      break;
    case ShapeKind::Disc: {
      const double outer = DiscDiameter(fmt, s);
      w.writeStartElement(QStringLiteral("Label-cd"));
      w.writeAttribute(QStringLiteral("id"), QString::number(id));
      w.writeAttribute(QStringLiteral("radius"), Mm(outer / 2));
      w.writeAttribute(QStringLiteral("hole"), Mm(s.holeDiameter / 2));
      if (fmt.width < outer - 1e-6) w.writeAttribute(QStringLiteral("width"), Mm(fmt.width));
      if (fmt.height < outer - 1e-6) w.writeAttribute(QStringLiteral("height"), Mm(fmt.height));
      break;
    }
  }
  w.writeAttribute(QStringLiteral("waste"), Mm(std::max(d.bleedX, d.bleedY)));
  if (d.bleedX != d.bleedY) {  // our own reader keeps both; others take the larger for all sides
    w.writeAttribute(QStringLiteral("x_waste"), Mm(d.bleedX));
    w.writeAttribute(QStringLiteral("y_waste"), Mm(d.bleedY));
  }
}
void WriteMarkup(QXmlStreamWriter& w, const FormatGuide& g) {
  switch (g.kind) {
    case GuideKind::Line:
      w.writeEmptyElement(QStringLiteral("Markup-line"));
      w.writeAttribute(QStringLiteral("x1"), Mm(g.x1));
      w.writeAttribute(QStringLiteral("y1"), Mm(g.y1));
      w.writeAttribute(QStringLiteral("x2"), Mm(g.x2));
      w.writeAttribute(QStringLiteral("y2"), Mm(g.y2));
      return;
    case GuideKind::Margin:
      w.writeEmptyElement(QStringLiteral("Markup-margin"));
      w.writeAttribute(QStringLiteral("size"), Mm(g.x1));
      return;
    case GuideKind::Circle:
      w.writeEmptyElement(QStringLiteral("Markup-circle"));
      w.writeAttribute(QStringLiteral("x0"), Mm(g.x1));
      w.writeAttribute(QStringLiteral("y0"), Mm(g.y1));
      w.writeAttribute(QStringLiteral("radius"), Mm(g.x2));
      return;
  }
}
}  // namespace

std::vector<uint8_t> LabelTemplateWriter::write(const PaperFormat& fmt, const FormatDetails& d,
                                                double fallbackWidth, double fallbackHeight) const {
  QByteArray out;
  QXmlStreamWriter w(&out);
  w.setAutoFormatting(true);
  w.setAutoFormattingIndent(2);
  w.writeStartDocument();
  w.writeStartElement(QStringLiteral("Glabels-templates"));
  w.writeStartElement(QStringLiteral("Template"));
  const QString name = QString::fromStdString(AnsiToUtf8(fmt.name));
  w.writeAttribute(QStringLiteral("brand"), QStringLiteral("Quendrix"));
  w.writeAttribute(QStringLiteral("part"), name);
  const bool sheet = d.sheetWidth > 0 && d.sheetHeight > 0;
  WriteSize(w, sheet ? d.sheetWidth : fallbackWidth, sheet ? d.sheetHeight : fallbackHeight);
  w.writeAttribute(QStringLiteral("description"), name);
  w.writeEmptyElement(QStringLiteral("Meta"));
  w.writeAttribute(QStringLiteral("category"), QStringLiteral("label"));
  // Grids of another element go into labels of their own, in the order of the grids; the guides
  // belong to the first label's element.
  std::optional<GridElement> label;
  int labels = 0;
  WriteLabel(w, fmt, d, labels++);
  for (const FormatGuide& g : d.guides) WriteMarkup(w, g);
  for (const LabelGrid& g : AllGrids(fmt, d)) {
    if (g.element != label) {
      w.writeEndElement();
      label = g.element;
      FormatDetails shaped = d;
      shaped.shape = GridShape(d, g);
      WriteLabel(w, WithGrid(fmt, g), shaped, labels++);
    }
    w.writeEmptyElement(QStringLiteral("Layout"));
    w.writeAttribute(QStringLiteral("nx"), QString::number(g.across));
    w.writeAttribute(QStringLiteral("ny"), QString::number(g.down));
    w.writeAttribute(QStringLiteral("x0"), Mm(g.left));
    w.writeAttribute(QStringLiteral("y0"), Mm(g.top));
    w.writeAttribute(QStringLiteral("dx"), Mm(g.stepH));
    w.writeAttribute(QStringLiteral("dy"), Mm(g.stepV));
  }
  w.writeEndElement();  // the label
  w.writeEndElement();  // Template
  w.writeEndElement();
  w.writeEndDocument();
  return std::vector<uint8_t>(out.begin(), out.end());
}

std::string ExportTemplateFile(const std::string& path, const PaperFormat& fmt,
                               const FormatDetails& d, double fallbackWidth,
                               double fallbackHeight) {
  return WriteFileReplacing(path,
                            LabelTemplateWriter().write(fmt, d, fallbackWidth, fallbackHeight));
}
