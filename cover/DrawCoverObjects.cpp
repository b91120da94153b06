#include "cover/DrawCoverObjects.h"

#include <algorithm>

#include "cover/DrawPictureObject.h"
#include "cover/text/DrawCurvedText.h"

double RenderScaleFor(int drawnWidth, int pictureWidth, double baseScale) {
  if (pictureWidth <= 0 || baseScale <= 0) return 0.0;
  return drawnWidth / (pictureWidth * baseScale);
}

RenderScaleScope::RenderScaleScope(CoverScales& scales, double scale)
    : scales_(scales), oldUse_(scales.UseRenderScale), oldScale_(scales.RenderScale) {
  scales_.UseRenderScale = true;
  scales_.RenderScale = scale;
}

RenderScaleScope::~RenderScaleScope() {
  scales_.UseRenderScale = oldUse_;
  scales_.RenderScale = oldScale_;
}

namespace {
constexpr COLORREF kYellow = RGB(255, 255, 0);

struct Output {
  Device& dc;
  int xo, yo;
  double base, scale;  // one picture pixel is base * scale device pixels
  double fontDpi, screenDpi;

  int32_t Pixels(double v) const { return TruncI32(v * base * scale); }
};

// The box of an object in device pixels.
struct Box {
  int32_t left, top, width, height;  // accessor values, offsets not yet subtracted
  int32_t L(const Output& o) const { return left - o.xo; }
  int32_t T(const Output& o) const { return top - o.yo; }
  int32_t R(const Output& o) const { return left - o.xo + width; }
  int32_t B(const Output& o) const { return top - o.yo + height; }
};

void DrawShape(const Output& out, const CoverObject& ob, const Box& box) {
  Device& dc = out.dc;
  dc.SetBrushStyle(BrushStyle::Solid);
  if (ob.SubKind >= 6 && ob.SubKind <= 9) {
    dc.SetPenColor(ob.Color);
    dc.SetBrushColor(ob.Color);
  } else if (ob.FillOrShadow == 0) {
    dc.SetPenColor(ob.Color);
    dc.SetBrushColor(ob.Color);
  } else if (ob.FillOrShadow == 1) {
    dc.SetPenColor(ob.BorderColor);
    dc.SetBrushStyle(BrushStyle::Clear);
  } else if (ob.FillOrShadow == 2) {
    dc.SetPenColor(ob.BorderColor);
    dc.SetBrushColor(ob.Color);
  }
  const int32_t e = std::min(box.width, box.height);
  dc.SetPenWidth(std::max(1, out.Pixels(ob.LineWidth)));
  const int32_t L = box.L(out), T = box.T(out), R = box.R(out), B = box.B(out);
  switch (ob.SubKind) {
    case 0:
      dc.Ellipse(L, T, L + e, T + e);
      break;
    case 1:
      dc.Ellipse(L, T, R, B);
      break;
    case 2:
      dc.Rectangle(L, T, L + e, T + e);
      break;
    case 3:
      dc.Rectangle(L, T, R, B);
      break;
    case 4:
      dc.RoundRect(L, T, L + e, T + e, box.width / 3, box.height / 3);
      break;
    case 5:
      dc.RoundRect(L, T, R, B, box.width / 3, box.height / 3);
      break;
    case 6:
      dc.Line(L, T, R, T);
      break;
    case 7:
      dc.Line(L, T, L, B);
      break;
    case 8:
      dc.Line(L, B, R, T);
      break;
    case 9:
      dc.Line(L, T, R, B);
      break;
    default:
      break;
  }
  dc.SetPenWidth(1);
  dc.SetBrushStyle(BrushStyle::Solid);
}

LogFont FontFor(const Output& out, const CoverObject& ob) {
  LogFont f;
  // A zero height would mean the device's default size; tiny outputs keep one pixel instead.
  const int32_t height =
      std::max(1, TruncI32(ob.FontSize * out.base * out.scale * out.fontDpi / out.screenDpi));
  f.height = -height;
  f.escapement = f.orientation = 3600 - 900 * ob.Rotation;
  f.weight = (ob.FontStyle & 1) ? 700 : 400;
  f.italic = ob.FontStyle & 2;
  f.underline = ob.FontStyle & 4;
  f.strikeOut = ob.FontStyle & 8;
  f.faceName = ob.FontName;
  return f;
}

// The start of the baseline of a rotated line for a box whose top-left corner is (x, y).
void RotatedOrigin(int rotation, int32_t x, int32_t y, const Box& box, int32_t& rx, int32_t& ry) {
  rx = rotation == 1 ? x : x + box.width;
  ry = rotation == 3 ? y + box.height : y;
}

void DrawRotated(const Output& out, const CoverObject& ob, const Box& box, int32_t w) {
  Device& dc = out.dc;
  std::string line = ob.Text;
  std::replace(line.begin(), line.end(), '\r', ' ');
  dc.SetTextAlign(TA_BASELINE);
  int32_t rx = 0, ry = 0;
  RotatedOrigin(ob.Rotation, box.L(out), box.T(out), box, rx, ry);
  if (ob.ShadowOn) {
    dc.SetTextColor(static_cast<COLORREF>(ob.FillOrShadow));
    dc.TextOut(rx + out.Pixels(ob.ShadowDX), ry + out.Pixels(ob.ShadowDY), line);
  }
  if (ob.BorderOn) {
    dc.SetTextColor(ob.BorderColor);
    if (dc.SetTextOutline(w)) {  // one outlined drawing instead of (2w + 1)^2 copies
      dc.TextOut(rx, ry, line);
      dc.SetTextOutline(0);
    } else {
      for (int32_t x = box.left - w; x <= box.left + w; ++x)
        for (int32_t y = box.top - w; y <= box.top + w; ++y) {
          if (x == box.left || y == box.top) continue;
          int32_t ox = 0, oy = 0;
          RotatedOrigin(ob.Rotation, x - out.xo, y - out.yo, box, ox, oy);
          dc.TextOut(ox, oy, line);
        }
    }
  }
  dc.SetTextColor(ob.Color);
  dc.TextOut(rx, ry, line);
}

void DrawFlat(const Output& out, const CoverObject& ob, const Box& box, int32_t w) {
  Device& dc = out.dc;
  dc.SetTextAlign(TA_LEFT_TOP);
  uint32_t format = DT_WORDBREAK | DT_NOPREFIX;
  if (ob.Align == 1)
    format |= DT_CENTER;
  else if (ob.Align == 2)
    format |= DT_RIGHT;
  if (ob.ShadowOn) {
    dc.SetTextColor(static_cast<COLORREF>(ob.FillOrShadow));
    const double dx = ob.ShadowDX * out.base * out.scale;
    const double dy = ob.ShadowDY * out.base * out.scale;
    const RECT r{TruncI32(box.left + dx) - out.xo, TruncI32(box.top + dy) - out.yo,
                 TruncI32(double(box.left) + box.width + dx) - out.xo,
                 TruncI32(double(box.top) + box.height + dy) - out.yo};
    dc.DrawText(ob.Text, r, format);
  }
  if (ob.BorderOn) {
    dc.SetTextColor(ob.BorderColor);
    if (dc.SetTextOutline(w)) {
      dc.DrawText(ob.Text, RECT{box.L(out), box.T(out), box.R(out), box.B(out)}, format);
      dc.SetTextOutline(0);
    } else {
      for (int32_t x = box.left - w; x <= box.left + w; ++x)
        for (int32_t y = box.top - w; y <= box.top + w; ++y) {
          if (x == box.left || y == box.top) continue;
          dc.DrawText(ob.Text,
                      RECT{x - out.xo, y - out.yo, x + box.width - out.xo, y + box.height - out.yo},
                      format);
        }
    }
  }
  dc.SetTextColor(ob.Color);
  dc.DrawText(ob.Text, RECT{box.L(out), box.T(out), box.R(out), box.B(out)}, format);
}

void DrawTextObject(const Output& out, const CoverObject& ob, const TextLayout& layout,
                    const Box& box) {
  Device& dc = out.dc;
  if (ob.SubKind == 1) {
    dc.SetBrushStyle(BrushStyle::Solid);
    dc.SetBrushColor(kYellow);
    dc.SetPenColor(RGB(0, 0, 0));
    dc.Rectangle(box.L(out) - 5, box.T(out) - 5, box.R(out) + 5, box.B(out) + 5);
  }
  dc.SetTextColor(ob.Color);
  dc.SetBkMode(TRANSPARENT);
  const LogFont font = FontFor(out, ob);
  const LogFont previous = dc.SelectFont(font);
  const int32_t w = std::max(1, TruncI32(0.2 * out.base * out.scale));
  if (layout.curved() && ob.SubKind != 1)  // notes stay straight
    DrawCurvedText(dc, ob, layout, RECT{box.L(out), box.T(out), box.R(out), box.B(out)}, font,
                   {out.Pixels(ob.ShadowDX), out.Pixels(ob.ShadowDY), w});
  else if (ob.Rotation >= 1 && ob.Rotation <= 3)
    DrawRotated(out, ob, box, w);
  else
    DrawFlat(out, ob, box, w);
  dc.SelectFont(previous);
}
}  // namespace

void DrawCoverObjects(Device& canvas, ObjectTable& objects, int xOffset, int yOffset, double scale,
                      double fontDpi, double screenDpi) {
  RenderScaleScope render(objects.scales(), scale);
  const Output out{canvas,
                   xOffset,
                   yOffset,
                   objects.scales().BaseScale,
                   scale,
                   fontDpi,
                   screenDpi > 0 ? screenDpi : 96.0};
  for (int slot = 1; slot <= ObjectTable::kSlots; ++slot) {
    const CoverObject& ob = objects[slot];
    if (ob.Kind != kShape && ob.Kind != kText) continue;
    const Box box{ob.Left(), ob.Top(), ob.Width(), ob.Height()};
    if (objects.isPicture(slot))
      DrawPictureObject(canvas, ob, objects.picture(slot),
                        RECT{box.L(out), box.T(out), box.R(out), box.B(out)},
                        out.Pixels(ob.ShadowDX), out.Pixels(ob.ShadowDY), out.Pixels(ob.LineWidth));
    else if (ob.Kind == kShape)
      DrawShape(out, ob, box);
    else
      DrawTextObject(out, ob, objects.layout(slot), box);
  }
}
