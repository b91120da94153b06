#include "cover/Editor.h"

#include <algorithm>
#include <cmath>

#include "cover/Truncate.h"

namespace {
struct Point {
  int x, y;
};

// Handle points 1..8 of a box (index 0 unused).
std::array<Point, 9> HandlePoints(int l, int t, int w, int h) {
  return {Point{0, 0},        {l, t},         {l + w, t},
          {l, t + h},         {l + w, t + h}, {l + w / 2, t},
          {l + w / 2, t + h}, {l, t + h / 2}, {l + w, t + h / 2}};
}

int ClampScroll(int v, int range) {
  return std::max(0, std::min(v, range - 1));
}

}  // namespace

Editor::Editor(ObjectTable& table, CoverDialogs& dialogs) : table_(table), dialogs_(dialogs) {}

CoverObject* Editor::selected() {
  return table_.selectedSlot >= 1 && table_.selectedSlot <= ObjectTable::kSlots
             ? &table_[table_.selectedSlot]
             : nullptr;
}

void Editor::setCursor(int number, EditorResult& result) {
  if (number == cursor) return;
  cursor = number;
  result.cursor = number;
}

void Editor::viewSize(int pictureWidth, int pictureHeight, int& vw, int& vh) const {
  const CoverScales& s = table_.scales();
  vw = TruncI32(pictureWidth * s.BaseScale * s.ViewZoom / s.ViewScale);
  vh = TruncI32(pictureHeight * s.BaseScale * s.ViewZoom / s.ViewScale);
}

PaintPlan Editor::planPaint(int pictureWidth, int pictureHeight, int viewWidth,
                            int viewHeight) const {
  PaintPlan plan;
  if (zoomBusy) return plan;
  viewSize(pictureWidth, pictureHeight, plan.width, plan.height);
  plan.resize = plan.width != viewWidth || plan.height != viewHeight;
  plan.draw = !plan.resize;
  return plan;
}

SelectionFrame Editor::selectionFrame(int xo, int yo) const {
  SelectionFrame f;
  const int sel = table_.selectedSlot;
  if (sel < 1 || sel > ObjectTable::kSlots) return f;
  const CoverObject& o = table_[sel];
  const int l = o.Left(), t = o.Top(), w = o.Width(), h = o.Height();
  f.visible = true;
  f.inverted = table_.dragState == 1;
  f.frame = RECT{l - xo, t - yo, l + w - xo, t + h - yo};
  f.handles = table_.dragState == 0;
  const auto points = HandlePoints(l, t, w, h);
  for (int i = 1; i <= 8; ++i)
    f.handle[i - 1] = RECT{points[i].x - 3 - xo, points[i].y - 3 - yo, points[i].x + 3 - xo,
                           points[i].y + 3 - yo};
  return f;
}

EditorResult Editor::beginDrag(int mx, int my) {
  EditorResult r;
  table_.dragMode = 0;
  grabX = grabY = 0;
  if (tool != Tool::Pointer) {
    setCursor(tool == Tool::Zoom   ? kCursorZoom
              : tool == Tool::Hand ? kCursorHand
                                   : kCursorPlace,
              r);
    return r;
  }
  const CoverObject* o = selected();
  if (!o) {
    setCursor(kCursorArrow, r);
    return r;
  }
  const int l = o->Left(), t = o->Top(), w = o->Width(), h = o->Height();
  const auto points = HandlePoints(l, t, w, h);
  for (int i = 1; i <= 8; ++i) {
    if (std::abs(mx - points[i].x) > 3 || std::abs(my - points[i].y) > 3) continue;
    table_.dragMode = i;
    grabX = i == 5 || i == 6 ? 0 : mx - points[i].x;
    grabY = i == 7 || i == 8 ? 0 : my - points[i].y;
    setCursor(i, r);
    return r;
  }
  if (l <= mx && mx <= l + w && t <= my && my <= t + h) {
    table_.dragMode = 9;
    grabX = mx - l;
    grabY = my - t;
    setCursor(kCursorHand, r);
    return r;
  }
  setCursor(kCursorArrow, r);
  return r;
}

void Editor::dragTo(int mx, int my, const ViewState& view) {
  CoverObject* o = selected();
  if (!o) return;
  const CoverScales& s = table_.scales();
  const int64_t px = TruncI32((mx - grabX) * s.ViewScale / s.ViewZoom);
  const int64_t py = TruncI32((my - grabY) * s.ViewScale / s.ViewZoom);
  int64_t x = o->X, y = o->Y, w = o->W, h = o->H;
  int& mode = table_.dragMode;
  switch (mode) {
    case 1:
      w += x - px;
      h += y - py;
      x = px;
      y = py;
      break;
    case 2:
      w = px - x;
      h += y - py;
      y = py;
      break;
    case 3:
      w += x - px;
      h = py - y;
      x = px;
      break;
    case 4:
      w = px - x;
      h = py - y;
      break;
    case 5:
      h += y - py;
      y = py;
      break;
    case 6:
      h = py - y;
      break;
    case 7:
      w += x - px;
      x = px;
      break;
    case 8:
      w = px - x;
      break;
    case 9:
      x = px;
      y = py;
      break;
    default:
      break;
  }
  if (w < 0) {
    x += w;
    w = -w;
    static constexpr int kMirrorX[10] = {0, 2, 1, 4, 3, 5, 6, 8, 7, 9};
    if (mode >= 0 && mode <= 9) mode = kMirrorX[mode];
  }
  if (h < 0) {
    y += h;
    h = -h;
    static constexpr int kMirrorY[10] = {0, 3, 4, 1, 2, 6, 5, 7, 8, 9};
    if (mode >= 0 && mode <= 9) mode = kMirrorY[mode];
  }
  if (x + w < 0) x = -w;
  if (y + h < 0) y = -h;
  const double maxX = view.viewWidth * s.ViewScale - 1;
  const double maxY = view.viewHeight * s.ViewScale - 1;
  if (x > maxX) x = TruncI32(maxX);
  if (y > maxY) y = TruncI32(maxY);
  const auto fit = [](int64_t v) { return TruncI32(static_cast<double>(v)); };
  o->X = fit(x), o->Y = fit(y), o->W = fit(w), o->H = fit(h);
}

EditorResult Editor::zoom(bool in, int mx, int my, const ViewState& view) {
  CoverScales& s = table_.scales();
  const int32_t px = TruncI32(mx * s.ViewScale / s.ViewZoom);
  const int32_t py = TruncI32(my * s.ViewScale / s.ViewZoom);
  if (in && s.ViewScale > 9000.0) s.ViewScale = s.ViewScale / 1.5;
  if (!in && s.ViewScale < 500000.0) s.ViewScale = s.ViewScale * 1.5;
  EditorResult r;
  r.resizeView = true;
  r.viewWidth = TruncI32(view.pageWidth * s.ViewZoom / s.ViewScale);
  r.viewHeight = TruncI32(view.pageHeight * s.ViewZoom / s.ViewScale);
  r.scroll = true;
  r.scrollX =
      ClampScroll(TruncI32(px * s.ViewZoom / s.ViewScale) - view.areaWidth / 2, r.viewWidth);
  r.scrollY =
      ClampScroll(TruncI32(py * s.ViewZoom / s.ViewScale) - view.areaHeight / 2, r.viewHeight);
  r.repaint = true;
  return r;
}

EditorResult Editor::panWithHand(int mx, int my, const ViewState& view) {
  EditorResult r;
  r.scroll = true;
  r.scrollX = ClampScroll(view.scrollX + handX - mx, view.rangeX);
  r.scrollY = ClampScroll(view.scrollY + handY - my, view.rangeY);
  return r;
}

EditorResult Editor::mouseDown(MouseButton button, int mx, int my, const ViewState& view) {
  EditorResult r;
  if (button == MouseButton::Left) {
    if (tool == Tool::Hand) {
      handX = mx, handY = my;
      table_.dragState = 2;
    } else if (tool == Tool::Zoom) {
      r = zoom(true, mx, my, view);
    } else if (tool == Tool::Picture) {
      placeX_ = mx, placeY_ = my;
    } else if (tool == Tool::Pointer) {
      if (skipMouseDown) {
        skipMouseDown = false;
        return r;
      }
      r = beginDrag(mx, my);
      if (table_.dragMode > 0) {
        table_.dragState = 1;
        r.repaint = true;
      } else {
        const int hit = table_.hitTest(mx, my);
        r.repaint = hit != table_.selectedSlot || hit == 0;
        table_.selectedSlot = hit;
      }
    }
  } else if (button == MouseButton::Right) {
    if (tool == Tool::Zoom) return zoom(false, mx, my, view);
    const int keep = table_.dragMode;
    r = beginDrag(mx, my);
    bool open = table_.dragMode != 0;
    if (!open) {
      const int hit = table_.hitTest(mx, my);
      if (hit > 0) {
        r.repaint = hit != table_.selectedSlot;
        table_.selectedSlot = hit;
        open = true;
      }
    }
    if (open && preparePopupMenu()) {
      r.popup = true;
      r.popupX = popup_.x = mx, r.popupY = popup_.y = my;
    }
    table_.dragMode = keep;
  }
  return r;
}

EditorResult Editor::mouseMove(int mx, int my, const ViewState& view) {
  EditorResult r;
  if (table_.dragState == 2) return panWithHand(mx, my, view);
  if (table_.dragState == 1) {
    dragTo(mx, my, view);
    r.moveFrame = true;
    return r;
  }
  return beginDrag(mx, my);
}

EditorResult Editor::mouseUp(MouseButton button, int mx, int my, const ViewState& view) {
  EditorResult r;
  if (button != MouseButton::Left) return r;
  if (table_.dragState == 2) {
    r = panWithHand(mx, my, view);
    table_.dragState = 0;
  } else if (table_.dragState == 1) {
    dragTo(mx, my, view);
    table_.dragState = 0;
    r.repaint = true;
  } else if (tool == Tool::Picture) {
    if (placePending(mx, my)) {
      tool = Tool::Pointer;
      r.repaint = true;
      r.pointerTool = true;
    }
  } else if (table_.createObject(tool, mx, my, dialogFont) > 0) {
    tool = Tool::Pointer;
    r.repaint = true;
    r.pointerTool = true;
  }
  return r;
}

EditorResult Editor::doubleClick() {
  EditorResult r;
  const CoverObject* o = selected();
  if (tool != Tool::Pointer || !o || o->Kind != kText) return r;
  skipMouseDown = true;
  r.repaint = enterTexts();
  return r;
}

EditorResult Editor::keyDown(EditorKey key) {
  EditorResult r;
  if (key == EditorKey::Delete) {
    r.repaint = table_.deleteSelected();
  } else if ((key == EditorKey::Up || key == EditorKey::Down) && table_.selectedSlot > 0) {
    table_.selectNext();
    r.repaint = true;
  }
  return r;
}
