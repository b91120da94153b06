#include "retouch/RetouchSelection.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

int32_t RoundHalfEven(double v) {
  if (!(v == v)) return 0;
  v = std::clamp(v, -2147483648.0, 2147483647.0);
  const double f = std::floor(v);
  const double diff = v - f;
  double r = f;
  if (diff > 0.5 || (diff == 0.5 && std::fmod(f, 2.0) != 0)) r = f + 1;
  return static_cast<int32_t>(std::min(r, 2147483647.0));
}

ViewSize RetouchViewSize(int32_t dibWidth, int32_t dibHeight, int zoom) {
  return {static_cast<int32_t>(int64_t(dibWidth) * zoom / 100),
          static_cast<int32_t>(int64_t(dibHeight) * zoom / 100)};
}

void RetouchSelection::layout(ViewSize view, int32_t dibWidth, int32_t dibHeight,
                              const PictureSelection& sel) {
  view_ = view;
  dibWidth_ = dibWidth;
  dibHeight_ = dibHeight;
  ScaleX = dibWidth > 0 ? double(view.width) / dibWidth : 0;
  ScaleY = dibHeight > 0 ? double(view.height) / dibHeight : 0;
  MaxX = view.width - 1;
  MaxY = view.height - 1;
  viewFromPicture(sel);
}

void RetouchSelection::viewFromPicture(const PictureSelection& sel) {
  auto scale = [](int32_t v, int32_t viewSide, int32_t dibSide) {
    return dibSide > 0 ? RoundHalfEven(double(int64_t(v) * viewSide) / dibSide) : 0;
  };
  SelViewLeft = scale(sel.Left, view_.width, dibWidth_);
  SelViewRight = scale(sel.Right, view_.width, dibWidth_);
  SelViewTop = scale(sel.Top, view_.height, dibHeight_);
  SelViewBottom = scale(sel.Bottom, view_.height, dibHeight_);
  if (SelViewRight > MaxX) SelViewRight = MaxX;
  if (SelViewBottom > MaxY) SelViewBottom = MaxY;
}

int32_t RetouchSelection::toPictureX(int32_t x) const {
  return ScaleX > 0 ? RoundHalfEven(x / ScaleX) : 0;
}

int32_t RetouchSelection::toPictureY(int32_t y) const {
  return ScaleY > 0 ? RoundHalfEven(y / ScaleY) : 0;
}

RetouchSelection::Press RetouchSelection::press(int32_t x, int32_t y, PictureSelection sel) {
  if (OverSelEdge) {
    SelDragging = 1;
    return Press::EdgeDrag;
  }
  if (x > MaxX || y > MaxY || x < 0 || y < 0) return Press::Ignored;
  SelDragging = 1;
  SelViewLeft = SelViewRight = x;
  SelViewTop = SelViewBottom = y;
  DragRight = DragBottom = true;
  DragLeft = DragTop = false;
  sel.Left = sel.Right = toPictureX(x);
  sel.Top = sel.Bottom = toPictureY(y);
  viewFromPicture(sel);
  return Press::NewSelection;
}

bool RetouchSelection::move(int32_t x, int32_t y, PictureSelection sel) {
  if (SelDragging != 1) {
    hover(x, y);
    return false;
  }
  if (DragLeft) SelViewLeft = x;
  if (DragRight) SelViewRight = x;
  if (DragTop) SelViewTop = y;
  if (DragBottom) SelViewBottom = y;
  // A view without pixels (maximum -1) pins every edge to 0.
  const int32_t maxX = std::max(MaxX, 0), maxY = std::max(MaxY, 0);
  SelViewLeft = std::clamp(SelViewLeft, 0, maxX);
  SelViewRight = std::clamp(SelViewRight, 0, maxX);
  SelViewTop = std::clamp(SelViewTop, 0, maxY);
  SelViewBottom = std::clamp(SelViewBottom, 0, maxY);
  sel.Left = toPictureX(SelViewLeft);
  sel.Right = toPictureX(SelViewRight);
  sel.Top = toPictureY(SelViewTop);
  sel.Bottom = toPictureY(SelViewBottom);
  if (sel.Right < sel.Left) {
    std::swap(sel.Left, sel.Right);
    std::swap(DragLeft, DragRight);
  }
  if (sel.Bottom < sel.Top) {
    std::swap(sel.Top, sel.Bottom);
    std::swap(DragTop, DragBottom);
  }
  viewFromPicture(sel);
  return true;
}

void RetouchSelection::hover(int32_t x, int32_t y) {
  const bool inRows = SelViewTop <= y && y <= SelViewBottom;
  const bool inCols = SelViewLeft <= x && x <= SelViewRight;
  const bool l = std::abs(x - SelViewLeft) < 5 && x < SelViewRight && inRows;
  const bool r = !l && std::abs(x - SelViewRight) < 5 && x > SelViewLeft && inRows;
  const bool t = std::abs(y - SelViewTop) < 5 && y < SelViewBottom && inCols;
  const bool b = !t && std::abs(y - SelViewBottom) < 5 && y > SelViewTop && inCols;
  SelectionCursor c = SelectionCursor::Arrow;
  if ((l || r) && !t && !b) c = SelectionCursor::SizeWE;
  if ((t || b) && !l && !r) c = SelectionCursor::SizeNS;
  if ((l && t) || (r && b)) c = SelectionCursor::SizeNWSE;
  if ((r && t) || (l && b)) c = SelectionCursor::SizeNESW;
  DragLeft = l;
  DragRight = r;
  DragTop = t;
  DragBottom = b;
  OverSelEdge = l || r || t || b;
  Cursor = c;
}

bool RetouchSelection::release() {
  if (SelDragging != 1) return false;
  SelDragging = 0;
  return true;
}
