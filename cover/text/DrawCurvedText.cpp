#include "cover/text/DrawCurvedText.h"

#include <algorithm>
#include <cmath>

#include "cover/Truncate.h"
#include "cover/text/CurvedText.h"
#include "cover/text/TextLines.h"

namespace {
struct Letter {
  int32_t x, y;
  int32_t height, escapement;  // of the letter's font
  char c;
};

std::vector<Letter> PlaceLetters(Device& dc, const CoverObject& ob, const TextLayout& layout,
                                 const RECT& box, const LogFont& font) {
  const std::vector<std::string> lines = TextToLines(ob.Text);
  CurvedTextInput in;
  in.left = box.left;
  in.top = box.top;
  in.width = double(box.right) - box.left;
  in.height = double(box.bottom) - box.top;
  in.layout = layout;
  in.align = ob.Align;
  in.rotation = ob.Rotation;
  in.fontHeight = std::abs(double(font.height));
  const FontMetrics metrics = dc.GetFontMetrics(font);
  in.ascent = metrics.ascent;
  in.descent = metrics.descent;
  for (const std::string& line : lines) in.advances.push_back(dc.GetCharWidths(font, line));
  const std::vector<PlacedGlyph> glyphs = LayOutCurvedText(in);
  std::vector<Letter> letters;
  letters.reserve(glyphs.size());
  for (const PlacedGlyph& g : glyphs) {
    const char c = lines[g.line][g.index];
    if (c == ' ') continue;  // a blank only takes room
    const int32_t height =
        g.scale < 1 ? -std::max(1, TruncI32(in.fontHeight * g.scale)) : font.height;
    letters.push_back({int32_t(std::lround(g.x)), int32_t(std::lround(g.y)), height,
                       int32_t(std::lround(g.angle * 10)) % 3600, c});
  }
  return letters;
}

void DrawLetters(Device& dc, const std::vector<Letter>& letters, int32_t dx, int32_t dy,
                 LogFont& selected) {
  std::string text(1, ' ');
  for (const Letter& l : letters) {
    if (l.height != selected.height || l.escapement != selected.escapement) {
      selected.height = l.height;
      selected.escapement = selected.orientation = l.escapement;
      dc.SelectFont(selected);
    }
    text[0] = l.c;
    dc.TextOut(l.x + dx, l.y + dy, text);
  }
}
}  // namespace

void DrawCurvedText(Device& dc, const CoverObject& ob, const TextLayout& layout, const RECT& box,
                    const LogFont& font, const CurvedTextEffects& effects) {
  const std::vector<Letter> letters = PlaceLetters(dc, ob, layout, box, font);
  dc.SetTextAlign(TA_BASELINE);
  LogFont selected = font;
  if (ob.ShadowOn) {
    dc.SetTextColor(static_cast<COLORREF>(ob.FillOrShadow));
    DrawLetters(dc, letters, effects.shadowDX, effects.shadowDY, selected);
  }
  if (ob.BorderOn) {
    dc.SetTextColor(ob.BorderColor);
    const int32_t w = effects.outline;
    if (dc.SetTextOutline(w)) {  // each letter outlined at once
      DrawLetters(dc, letters, 0, 0, selected);
      dc.SetTextOutline(0);
    } else {
      for (int32_t x = -w; x <= w; ++x)
        for (int32_t y = -w; y <= w; ++y)
          if (x != 0 && y != 0) DrawLetters(dc, letters, x, y, selected);
    }
  }
  dc.SetTextColor(ob.Color);
  DrawLetters(dc, letters, 0, 0, selected);
}
