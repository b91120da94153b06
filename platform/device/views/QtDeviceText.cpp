// Pens, brushes, shapes, fonts and text of the Qt device.
#include <QFontMetricsF>
#include <QPainterPath>
#include <QRawFont>
#include <QStringList>
#include <cmath>

#include "platform/AnsiText.h"
#include "platform/device/views/QtDevice.h"

namespace {
QColor ToColor(COLORREF c) {
  return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

QString FromAnsi(const std::string& text) {
  return QString::fromStdString(AnsiToUtf8(text));
}

// Lines of a text: breaks at CR, LF or CR LF; with `wrap`, also between words that would run
// past `width`. A single word wider than the width keeps its own line.
QStringList LayoutLines(const QString& text, bool wrap, double width, const QFontMetricsF& fm) {
  QString normal = text;
  normal.replace(QStringLiteral("\r\n"), QStringLiteral("\r")).replace(QChar('\n'), QChar('\r'));
  QStringList out;
  for (const QString& paragraph : normal.split(QChar('\r'))) {
    if (!wrap) {
      out << paragraph;
      continue;
    }
    QString line;
    bool first = true;
    for (const QString& word : paragraph.split(QChar(' '))) {
      const QString candidate = first ? word : line + QChar(' ') + word;
      if (first || fm.horizontalAdvance(candidate) <= width) {
        line = candidate;
      } else {
        out << line;
        line = word;
      }
      first = false;
    }
    out << line;
  }
  return out;
}
}  // namespace

void QtDevice::ApplyState() {
  if (!painter_) return;
  QPen pen(ToColor(penColor_));
  pen.setWidth(penWidth_ <= 1 ? 0 : penWidth_);
  pen.setCapStyle(Qt::FlatCap);
  pen.setJoinStyle(Qt::MiterJoin);
  painter_->setPen(pen);
  painter_->setBrush(brushStyle_ == BrushStyle::Solid ? QBrush(ToColor(brushColor_))
                                                      : QBrush(Qt::NoBrush));
  painter_->setFont(font_);
}

void QtDevice::SetPenColor(COLORREF color) {
  penColor_ = color;
  ApplyState();
}

void QtDevice::SetPenWidth(int width) {
  penWidth_ = width;
  ApplyState();
}

void QtDevice::SetBrushColor(COLORREF color) {
  brushColor_ = color;
  ApplyState();
}

void QtDevice::SetBrushStyle(BrushStyle style) {
  brushStyle_ = style;
  ApplyState();
}

COLORREF QtDevice::SetTextColor(COLORREF color) {
  const COLORREF old = textColor_;
  textColor_ = color;
  return old;
}

int QtDevice::SetBkMode(int mode) {
  const int old = bkMode_;
  bkMode_ = mode;
  return old;
}

uint32_t QtDevice::SetTextAlign(uint32_t align) {
  const uint32_t old = textAlign_;
  textAlign_ = align;
  return old;
}

QFont QtDevice::MakeFont(const LogFont& f) const {
  QFont font(FromAnsi(f.faceName));
  if (f.weight > 0) font.setWeight(QFont::Weight(std::clamp(f.weight, 1, 1000)));
  font.setItalic(f.italic);
  font.setUnderline(f.underline);
  font.setStrikeOut(f.strikeOut);
  // Negative: the character height; positive: the cell height; zero: a 12-point default.
  int pixels = f.height < 0 ? -f.height : f.height;
  if (pixels == 0) pixels = std::max(1, int(std::lround(12.0 * dpiY_ / 72.0)));
  font.setPixelSize(std::max(1, pixels));
  if (f.height > 0) {
    const double cell = QFontMetricsF(font).height();
    if (cell > 0) font.setPixelSize(std::max(1, int(std::lround(pixels * pixels / cell))));
  }
  return font;
}

LogFont QtDevice::SelectFont(const LogFont& font) {
  const LogFont old = logFont_;
  LogFont upright = font;
  upright.escapement = old.escapement;
  upright.orientation = old.orientation;
  logFont_ = font;
  // Letters of curved text differ only in their angle, which TextOut applies: keep the font.
  if (fontMade_ && upright == old) return old;
  font_ = MakeFont(font);
  fontMade_ = true;
  letterGlyphs_.clear();
  ApplyState();
  return old;
}

void QtDevice::Rectangle(int l, int t, int r, int b) {
  if (painter_) painter_->drawRect(QRect(l, t, r - l - 1, b - t - 1));
}

void QtDevice::Ellipse(int l, int t, int r, int b) {
  if (painter_) painter_->drawEllipse(QRect(l, t, r - l - 1, b - t - 1));
}

void QtDevice::RoundRect(int l, int t, int r, int b, int w, int h) {
  if (painter_) painter_->drawRoundedRect(QRect(l, t, r - l - 1, b - t - 1), w / 2.0, h / 2.0);
}

void QtDevice::Line(int x1, int y1, int x2, int y2) {
  if (painter_) painter_->drawLine(QPoint(x1, y1), QPoint(x2, y2));
}

const QGlyphRun& QtDevice::LetterGlyph(QChar c) {
  auto it = letterGlyphs_.find(c);
  if (it != letterGlyphs_.end()) return *it;
  // Letters the font lacks (index 0) stay empty: text layout then finds a fallback font.
  QGlyphRun run;
  const QRawFont raw = QRawFont::fromFont(font_);
  const QList<quint32> indexes =
      raw.isValid() ? raw.glyphIndexesForString(QString(c)) : QList<quint32>();
  if (indexes.size() == 1 && indexes[0] != 0) {
    run.setRawFont(raw);
    run.setGlyphIndexes(indexes);
    run.setPositions({QPointF(0, 0)});
    run.setUnderline(font_.underline());
    run.setStrikeOut(font_.strikeOut());
  }
  return *letterGlyphs_.insert(c, run);
}

bool QtDevice::SetTextOutline(int width) {
  textOutline_ = std::max(0, width);
  return true;
}

void QtDevice::DrawOutline(const QPainterPath& path) {
  const QColor colour = ToColor(textColor_);
  const double w = textOutline_;
  painter_->save();
  painter_->setRenderHint(QPainter::Antialiasing);
  // The copies at the four corners give the square outline of the text drawn at every offset;
  // the stroke fills what lies between them.
  for (const QPointF corner : {QPointF(-w, -w), QPointF(w, -w), QPointF(-w, w), QPointF(w, w)})
    painter_->fillPath(path.translated(corner), colour);
  if (textOutline_ > 1)
    painter_->strokePath(path, QPen(colour, 2 * w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter_->restore();
}

void QtDevice::TextOut(int x, int y, const std::string& text) {
  if (!painter_) return;
  const QString s = FromAnsi(text);
  // A single letter on its baseline without a background (curved text): its glyph is kept.
  if (textOutline_ == 0 && s.size() == 1 && (textAlign_ & TA_BASELINE) == TA_BASELINE &&
      bkMode_ != OPAQUE) {
    const QGlyphRun& glyph = LetterGlyph(s[0]);
    if (!glyph.glyphIndexes().isEmpty()) {
      const QTransform oldTransform = painter_->worldTransform();
      const QPen oldPen = painter_->pen();
      painter_->translate(x, y);
      painter_->rotate(-logFont_.escapement / 10.0);
      painter_->setPen(ToColor(textColor_));
      painter_->drawGlyphRun(QPointF(0, 0), glyph);
      painter_->setWorldTransform(oldTransform);
      painter_->setPen(oldPen);
      return;
    }
  }
  painter_->save();
  painter_->translate(x, y);
  painter_->rotate(-logFont_.escapement / 10.0);
  double baseline = 0.0;
  // Metrics only where they are needed: letters of curved text are drawn one by one.
  if ((textAlign_ & TA_BASELINE) != TA_BASELINE || bkMode_ == OPAQUE) {
    const QFontMetricsF fm(font_, painter_->device());
    if ((textAlign_ & TA_BASELINE) != TA_BASELINE) baseline = fm.ascent();
    if (bkMode_ == OPAQUE)
      painter_->fillRect(QRectF(0, baseline - fm.ascent(), fm.horizontalAdvance(s), fm.height()),
                         ToColor(bkColor_));
  }
  painter_->setPen(ToColor(textColor_));
  if (textOutline_ > 0) {
    QPainterPath path;
    path.addText(QPointF(0, baseline), font_, s);
    DrawOutline(path);
  } else {
    painter_->drawText(QPointF(0, baseline), s);
  }
  painter_->restore();
}

int QtDevice::DrawText(const std::string& text, const RECT& rect, uint32_t format) {
  if (!painter_) return 0;
  const QFontMetricsF fm(font_, painter_->device());
  const double width = rect.right - rect.left;
  const QStringList lines = LayoutLines(FromAnsi(text), (format & DT_WORDBREAK) != 0, width, fm);
  const double lineHeight = fm.height();
  painter_->save();
  painter_->translate(rect.left, rect.top);
  painter_->rotate(-logFont_.escapement / 10.0);
  if (!(format & DT_NOCLIP))  // an outline reaches as far as the text moved by its width
    painter_->setClipRect(
        QRect(-textOutline_, -textOutline_, rect.right - rect.left + 2 * textOutline_,
              rect.bottom - rect.top + 2 * textOutline_),
        Qt::IntersectClip);
  painter_->setPen(ToColor(textColor_));
  QPainterPath outline;
  double top = 0;
  for (const QString& line : lines) {
    const double advance = fm.horizontalAdvance(line);
    double left = 0;
    if (format & DT_CENTER)
      left = (width - advance) / 2;
    else if (format & DT_RIGHT)
      left = width - advance;
    if (bkMode_ == OPAQUE)
      painter_->fillRect(QRectF(left, top, advance, lineHeight), ToColor(bkColor_));
    if (textOutline_ > 0)
      outline.addText(QPointF(left, top + fm.ascent()), font_, line);
    else
      painter_->drawText(QPointF(left, top + fm.ascent()), line);
    top += lineHeight;
  }
  if (textOutline_ > 0) DrawOutline(outline);
  painter_->restore();
  return int(std::lround(top));
}

FontMetrics QtDevice::GetFontMetrics(const LogFont& font) {
  const QFontMetricsF fm(MakeFont(font), painter_ ? painter_->device() : nullptr);
  return {fm.ascent(), fm.descent()};
}

std::vector<double> QtDevice::GetCharWidths(const LogFont& font, const std::string& text) {
  const QFontMetricsF fm(MakeFont(font), painter_ ? painter_->device() : nullptr);
  std::vector<double> widths;
  widths.reserve(text.size());
  const QString s = FromAnsi(text);  // one character per byte
  for (QChar c : s) widths.push_back(fm.horizontalAdvance(c));
  widths.resize(text.size());
  return widths;
}
