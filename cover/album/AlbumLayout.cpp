#include "cover/album/AlbumLayout.h"

#include <algorithm>
#include <cmath>

#include "cover/Truncate.h"
#include "cover/text/TextLines.h"
#include "platform/Units.h"

namespace {
constexpr double kMeasureHeight = 1000;  // device pixels the font is measured at
constexpr double kSlack = 1.04;          // room for kerning and rounding of the drawing device
constexpr double kPi = 3.14159265358979323846;

double PtToUnits(double pt) {
  return pt / 72.0 * kMmPerInch * kUnitsPerMm;
}

// The line cut with "..." until it fits `width`; unchanged when it fits.
std::string CutToWidth(const std::string& line, double width, double charHeight,
                       const TextMeasure& measure) {
  if (measure.width(line, charHeight) * kSlack <= width) return line;
  const std::vector<double> advances = measure.advances(line);
  double room = width / kSlack / charHeight - measure.width("...", 1);
  size_t keep = 0;
  while (keep < advances.size() && (room -= advances[keep]) >= 0) ++keep;
  return keep == 0 ? std::string() : line.substr(0, keep) + "...";
}

// A straight text object in the box, in the style's font at `size` and colours.
int MakeText(ObjectTable& table, const std::string& text, ElementBox box, int32_t size,
             const AlbumStyle& style, bool shadow, int align) {
  const int slot = table.createObject(Tool::Text, 0, 0, style.font);
  if (slot == 0) return 0;
  CoverObject& o = table[slot];
  o.X = box.x, o.Y = box.y, o.W = box.w, o.H = box.h;
  o.Text = text;
  o.FontSize = size;
  o.Color = o.FontColor = style.colors.text;
  o.Align = align;
  o.ShadowOn = shadow;
  o.FillOrShadow = int32_t(style.colors.shadow);
  o.ShadowDX = o.ShadowDY = std::max(1, size / 12);
  return slot;
}

// The largest size from `largest` down to the legible one at which `line` fits `width` (and
// whose line fits `height`); the legible size when none does.
int32_t LargestFitting(const std::string& line, double width, double height, int32_t largest,
                       const CoverScales& scales, double printScale, const TextMeasure& measure) {
  const int32_t smallest = FontSizeForPt(kMinLegiblePt, scales, printScale);
  const double perUnit = measure.width(line, 1) * kSlack;  // widths grow with the height
  for (int32_t size = std::max(largest, smallest); size > smallest; --size) {
    const double ch = CharHeightUnits(size, scales);
    if (perUnit * ch <= width && measure.lineHeight(ch) <= height) return size;
  }
  return smallest;
}

// The box inset on every side by `m`.
ElementBox Inset(ElementBox b, int32_t m) {
  return {b.x + m, b.y + m, std::max(0, b.w - 2 * m), std::max(0, b.h - 2 * m)};
}
}  // namespace

TextMeasure::TextMeasure(Device& dc, const FontSpec& font) : dc_(dc) {
  font_.height = -int32_t(kMeasureHeight);
  font_.weight = (font.style & 1) ? 700 : 400;
  font_.italic = font.style & 2;
  font_.faceName = font.name;
  const FontMetrics m = dc_.GetFontMetrics(font_);
  if (m.ascent > 0) ascent_ = m.ascent / kMeasureHeight, descent_ = m.descent / kMeasureHeight;
}

std::vector<double> TextMeasure::advances(const std::string& line) const {
  std::vector<double> widths = dc_.GetCharWidths(font_, line);
  for (double& w : widths) w /= kMeasureHeight;
  return widths;
}

double TextMeasure::width(const std::string& line, double charHeight) const {
  double sum = 0;
  for (double w : dc_.GetCharWidths(font_, line)) sum += w;
  return sum / kMeasureHeight * charHeight;
}

double CharHeightUnits(int32_t fontSize, const CoverScales& scales) {
  return fontSize * scales.BaseScale;
}

int32_t FontSizeForPt(double pt, const CoverScales& scales, double printScale) {
  return std::max(1, int32_t(std::ceil(PtToUnits(pt) * printScale / scales.BaseScale - 1e-6)));
}

std::vector<int> PlaceTrackList(ObjectTable& table, const std::vector<std::string>& lines,
                                ElementBox box, const AlbumStyle& style, TextMeasure& measure,
                                int* leftOut) {
  std::vector<int> slots;
  if (leftOut) *leftOut = 0;
  if (lines.empty() || box.w <= 0 || box.h <= 0) return slots;
  const CoverScales& scales = table.scales();
  const int32_t smallest = FontSizeForPt(kMinLegiblePt, scales, style.printScale);
  const int32_t largest =
      std::max(smallest, int32_t(PtToUnits(kMaxTrackListPt) * style.printScale / scales.BaseScale));
  std::vector<double> widths;  // at a character height of one unit
  for (const std::string& line : lines) widths.push_back(measure.width(line, 1) * kSlack);
  const int n = int(lines.size());
  int32_t size = smallest;
  int columns = 0;
  double gap = 0;
  // The largest size first, the fewest columns at it.
  for (int32_t s = largest; s >= smallest && columns == 0; --s) {
    const double ch = CharHeightUnits(s, scales), lh = measure.lineHeight(ch);
    const int rows = int(box.h / lh);
    if (rows < 1) continue;
    for (int c = (n + rows - 1) / rows; c <= 8 && columns == 0; ++c) {
      const double g = ch, colWidth = (box.w - (c - 1) * g) / c;
      const int perColumn = (n + c - 1) / c;
      bool fits = colWidth > 0;
      for (int i = 0; fits && i < n; ++i) fits = widths[i] * ch <= colWidth;
      if (fits && perColumn <= rows) size = s, columns = c, gap = g;
    }
  }
  const double ch = CharHeightUnits(size, scales), lh = measure.lineHeight(ch);
  if (lh > box.h) {  // not one legible line fits
    if (leftOut) *leftOut = n;
    return slots;
  }
  int rows = int(box.h / lh);
  if (columns == 0) {  // not even at the legible size: as many columns as fit, lines cut
    columns = std::clamp((n + rows - 1) / rows, 1, 8);
    gap = ch;
  }
  rows = std::min(rows, (n + columns - 1) / columns);
  const double colWidth = (box.w - (columns - 1) * gap) / columns;
  for (int c = 0; c < columns; ++c) {
    std::vector<std::string> part;
    for (int r = 0; r < rows && c * rows + r < n; ++r)
      part.push_back(CutToWidth(lines[c * rows + r], colWidth, ch, measure));
    if (part.empty()) break;
    const ElementBox col{box.x + TruncI32(c * (colWidth + gap)), box.y, TruncI32(colWidth),
                         std::min(box.h, TruncI32(std::ceil(lh * double(part.size()))))};
    const int slot = MakeText(table, LinesToText(part), col, size, style, false, 0);
    if (slot == 0) break;
    slots.push_back(slot);
  }
  if (leftOut) *leftOut = std::max(0, n - columns * rows);
  return slots;
}

std::vector<int> PlaceFrontTexts(ObjectTable& table, const AlbumTexts& texts, ElementBox front,
                                 const AlbumStyle& style, TextMeasure& measure, const Dib* art) {
  std::vector<int> slots;
  const ElementBox inner = Inset(front, std::min(front.w, front.h) / 16);
  const CoverScales& scales = table.scales();
  const struct {
    const std::string& text;
    double share;  // of the front's height, at most
    bool top;
  } rows[] = {{texts.album, 0.12, true}, {texts.artist, 0.08, false}};
  for (const auto& row : rows) {
    if (row.text.empty()) continue;
    const int32_t most = int32_t(front.h * row.share / scales.BaseScale);
    const int32_t size =
        LargestFitting(row.text, inner.w, inner.h / 3.0, most, scales, style.printScale, measure);
    const double ch = CharHeightUnits(size, scales);
    const int32_t h = TruncI32(std::ceil(measure.lineHeight(ch)));
    if (h > inner.h / 2) continue;  // the front is too small for a legible line
    const ElementBox box{inner.x, row.top ? inner.y : inner.y + inner.h - h, inner.w, h};
    AlbumStyle own = style;
    if (art && art->Bits && front.h > 0)
      own.colors = ReadableColorsOver(*art, double(box.y - front.y) / front.h,
                                      double(box.y + box.h - front.y) / front.h);
    const int slot =
        MakeText(table, CutToWidth(row.text, inner.w, ch, measure), box, size, own, true, 1);
    if (slot == 0) break;
    slots.push_back(slot);
  }
  return slots;
}

std::vector<int> PlaceSpineText(ObjectTable& table, const AlbumTexts& texts, ElementBox spine,
                                int rotation, const AlbumStyle& style, TextMeasure& measure) {
  std::vector<int> slots;
  std::string line = texts.album;
  if (!texts.album.empty() && !texts.artist.empty()) line += " - ";
  line += texts.artist;
  if (line.empty() || spine.w <= 0 || spine.h <= 0) return slots;
  const CoverScales& scales = table.scales();
  const double length = spine.h * 0.94;  // the text runs along the spine's height
  // The text's height across the spine is ascent plus descent; keep a fifth of it free.
  const int32_t most = int32_t(spine.w * 0.8 / (measure.lineHeight(1) * scales.BaseScale));
  const int32_t size =
      LargestFitting(line, length, spine.w, most, scales, style.printScale, measure);
  const double ch = CharHeightUnits(size, scales);
  line = CutToWidth(line, length, ch, measure);
  const double across = measure.lineHeight(ch), along = measure.width(line, ch) * kSlack;
  if (across > spine.w || line.empty()) return slots;  // too narrow for a legible line
  // Drawn from the baseline: reading downwards the letters stand to its right, upwards to its left.
  const double side = (spine.w - across) / 2;
  const int32_t y = spine.y + TruncI32((spine.h - along) / 2), h = TruncI32(along);
  ElementBox box;
  if (rotation == 3) {
    const int32_t right = spine.x + TruncI32(spine.w - side - measure.descent(ch));
    box = {spine.x, y, right - spine.x, h};
  } else {
    rotation = 1;
    const int32_t left = spine.x + TruncI32(side + measure.descent(ch));
    box = {left, y, spine.x + spine.w - left, h};
  }
  const int slot = MakeText(table, line, box, size, style, false, 0);
  if (slot == 0) return slots;
  table[slot].Rotation = rotation;
  slots.push_back(slot);
  return slots;
}

std::vector<int> PlaceBackInlay(ObjectTable& table, const AlbumTexts& texts, ElementBox back,
                                int32_t spineWidth, const AlbumStyle& style, TextMeasure& measure,
                                int* leftOut) {
  spineWidth = std::clamp(spineWidth, 0, back.w / 4);
  const int32_t margin = back.h / 20;
  const ElementBox list{back.x + spineWidth + margin, back.y + margin,
                        std::max(0, back.w - 2 * (spineWidth + margin)),
                        std::max(0, back.h - 2 * margin)};
  std::vector<int> slots = PlaceTrackList(table, texts.trackLines, list, style, measure, leftOut);
  for (const int32_t x : {back.x, back.x + back.w - spineWidth})
    for (int slot :
         PlaceSpineText(table, texts, {x, back.y, spineWidth, back.h}, 1, style, measure))
      slots.push_back(slot);
  return slots;
}

std::vector<int> PlaceDiscTexts(ObjectTable& table, const AlbumTexts& texts, ElementBox disc,
                                int32_t innerDiameter, const AlbumStyle& style,
                                TextMeasure& measure) {
  std::vector<int> slots;
  const int32_t diameter = std::min(disc.w, disc.h);
  const int32_t ring = (diameter - innerDiameter) / 2;
  if (ring <= 0) return slots;
  const int32_t margin = std::max(1, ring / 12);
  // A square box centred on the disc, its inscribed circle just inside the edge.
  const ElementBox box{disc.x + (disc.w - diameter) / 2 + margin,
                       disc.y + (disc.h - diameter) / 2 + margin, diameter - 2 * margin,
                       diameter - 2 * margin};
  const CoverScales& scales = table.scales();
  const TextLayout arcs[] = {{TextShape::TopArc, 140, 0}, {TextShape::BottomArc, 140, 0}};
  const std::string* lines[] = {&texts.album, &texts.artist};
  for (int i = 0; i < 2; ++i) {
    if (lines[i]->empty()) continue;
    // The letters stay within a third of the ring; the line fits the span at its baseline.
    const int32_t most = int32_t(ring / 3.0 / (measure.lineHeight(1) * scales.BaseScale));
    const double span = (box.w / 2.0 - ring / 3.0) * arcs[i].arc * kPi / 180;
    const int32_t size =
        LargestFitting(*lines[i], span, ring / 3.0, most, scales, style.printScale, measure);
    if (measure.lineHeight(CharHeightUnits(size, scales)) > ring / 2.0) break;  // ring too narrow
    const std::string line = CutToWidth(*lines[i], span, CharHeightUnits(size, scales), measure);
    const int slot = MakeText(table, line, box, size, style, false, 1);
    if (slot == 0) break;
    table.layout(slot) = arcs[i];
    slots.push_back(slot);
  }
  return slots;
}

int PlaceDiscArt(ObjectTable& table, std::shared_ptr<const PicturePixels> art, ElementBox disc) {
  if (!art) return 0;
  PictureSettings settings;
  settings.fit = PictureFit::Cover;
  return table.createPicture(std::move(art), disc.x, disc.y, disc.w, disc.h, settings);
}
