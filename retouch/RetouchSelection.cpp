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
  scaleX = dibWidth > 0 ? double(view.width) / dibWidth : 0;
  scaleY = dibHeight > 0 ? double(view.height) / dibHeight : 0;
  maxX = view.width - 1;
  maxY = view.height - 1;
  viewFromPicture(sel);
}

void RetouchSelection::viewFromPicture(const PictureSelection& sel) {
  auto scale = [](int32_t v, int32_t viewSide, int32_t dibSide) {
    return dibSide > 0 ? RoundHalfEven(double(int64_t(v) * viewSide) / dibSide) : 0;
  };
  selViewLeft = scale(sel.left, view_.width, dibWidth_);
  selViewRight = scale(sel.right, view_.width, dibWidth_);
  selViewTop = scale(sel.top, view_.height, dibHeight_);
  selViewBottom = scale(sel.bottom, view_.height, dibHeight_);
  if (selViewRight > maxX) selViewRight = maxX;
  if (selViewBottom > maxY) selViewBottom = maxY;
}

int32_t RetouchSelection::toPictureX(int32_t x) const {
  return scaleX > 0 ? RoundHalfEven(x / scaleX) : 0;
}

int32_t RetouchSelection::toPictureY(int32_t y) const {
  return scaleY > 0 ? RoundHalfEven(y / scaleY) : 0;
}

RetouchSelection::Press RetouchSelection::press(int32_t x, int32_t y, PictureSelection sel) {
  if (overSelEdge) {
    selDragging = 1;
    return Press::EdgeDrag;
  }
  if (x > maxX || y > maxY || x < 0 || y < 0) return Press::Ignored;
  selDragging = 1;
  selViewLeft = selViewRight = x;
  selViewTop = selViewBottom = y;
  dragRight = dragBottom = true;
  dragLeft = dragTop = false;
  sel.left = sel.right = toPictureX(x);
  sel.top = sel.bottom = toPictureY(y);
  viewFromPicture(sel);
  return Press::NewSelection;
}

bool RetouchSelection::move(int32_t x, int32_t y, PictureSelection sel) {
  if (selDragging != 1) {
    hover(x, y);
    return false;
  }
  if (dragLeft) selViewLeft = x;
  if (dragRight) selViewRight = x;
  if (dragTop) selViewTop = y;
  if (dragBottom) selViewBottom = y;
  // A view without pixels (maximum -1) pins every edge to 0.
  const int32_t right = std::max(maxX, 0), bottom = std::max(maxY, 0);
  selViewLeft = std::clamp(selViewLeft, 0, right);
  selViewRight = std::clamp(selViewRight, 0, right);
  selViewTop = std::clamp(selViewTop, 0, bottom);
  selViewBottom = std::clamp(selViewBottom, 0, bottom);
  sel.left = toPictureX(selViewLeft);
  sel.right = toPictureX(selViewRight);
  sel.top = toPictureY(selViewTop);
  sel.bottom = toPictureY(selViewBottom);
  if (sel.right < sel.left) {
    std::swap(sel.left, sel.right);
    std::swap(dragLeft, dragRight);
  }
  if (sel.bottom < sel.top) {
    std::swap(sel.top, sel.bottom);
    std::swap(dragTop, dragBottom);
  }
  viewFromPicture(sel);
  return true;
}

void RetouchSelection::hover(int32_t x, int32_t y) {
  const bool inRows = selViewTop <= y && y <= selViewBottom;
  const bool inCols = selViewLeft <= x && x <= selViewRight;
  const bool l = std::abs(x - selViewLeft) < 5 && x < selViewRight && inRows;
  const bool r = !l && std::abs(x - selViewRight) < 5 && x > selViewLeft && inRows;
  const bool t = std::abs(y - selViewTop) < 5 && y < selViewBottom && inCols;
  const bool b = !t && std::abs(y - selViewBottom) < 5 && y > selViewTop && inCols;
  SelectionCursor c = SelectionCursor::Arrow;
  if ((l || r) && !t && !b) c = SelectionCursor::SizeWE;
  if ((t || b) && !l && !r) c = SelectionCursor::SizeNS;
  if ((l && t) || (r && b)) c = SelectionCursor::SizeNWSE;
  if ((r && t) || (l && b)) c = SelectionCursor::SizeNESW;
  dragLeft = l;
  dragRight = r;
  dragTop = t;
  dragBottom = b;
  overSelEdge = l || r || t || b;
  cursor = c;
}

bool RetouchSelection::release() {
  if (selDragging != 1) return false;
  selDragging = 0;
  return true;
}
