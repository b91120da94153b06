#include "cover/views/TextBoxSize.h"

#include <QFont>
#include <QFontMetricsF>
#include <algorithm>

#include "platform/AnsiText.h"

namespace {
// Measured four times larger than one picture pixel, where hinting rounds less.
constexpr double kMeasureScale = 4.0;
// Room for glyphs that reach past their advance and for the renderer's rounding.
constexpr double kSlack = 1.08;
constexpr double kMarginPixels = 2.0;
}  // namespace

QSizeF TextBoxSize(const std::vector<std::string>& lines, const FontSpec& font, double fontDpi,
                   double screenDpi) {
  QFont f(QString::fromStdString(font.name));
  f.setWeight((font.style & 1) ? QFont::Bold : QFont::Normal);
  f.setItalic(font.style & 2);
  f.setUnderline(font.style & 4);
  f.setStrikeOut(font.style & 8);
  const double dpiRatio = screenDpi > 0 ? fontDpi / screenDpi : 1.0;
  f.setPixelSize(std::max(1, int(font.size * kMeasureScale * dpiRatio)));
  const QFontMetricsF metrics(f);
  double width = 0;
  for (const std::string& line : lines)
    width = std::max(width, metrics.horizontalAdvance(QString::fromStdString(AnsiToUtf8(line))));
  const double height = metrics.height() * double(std::max<size_t>(lines.size(), 1));
  return QSizeF(width * kSlack / kMeasureScale + kMarginPixels,
                height * kSlack / kMeasureScale + kMarginPixels);
}
