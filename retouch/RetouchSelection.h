#pragma once
// The selection of the Retouch view: held in picture pixels (the master copy) and in view
// pixels of the zoomed picture; the mouse edits the view rectangle. The view forwards its
// mouse events here and paints the frame from the fields.
#include <cstdint>

#include "retouch/PictureSelection.h"

enum class SelectionCursor { Arrow, SizeWE, SizeNS, SizeNWSE, SizeNESW };

// Nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
int32_t RoundHalfEven(double v);

struct ViewSize {
  int32_t width = 0, height = 0;
};
// The zoomed picture's size in view pixels (zoom in per cent, sizes truncated).
ViewSize RetouchViewSize(int32_t dibWidth, int32_t dibHeight, int zoom);

class RetouchSelection {
 public:
  enum class Press { Ignored, EdgeDrag, NewSelection };

  int32_t selViewLeft = 0, selViewTop = 0, selViewRight = 0, selViewBottom = 0;
  bool overSelEdge = false;
  int32_t selDragging = 0;
  bool dragLeft = false, dragRight = false, dragTop = false, dragBottom = false;
  double scaleX = 1, scaleY = 1;
  int32_t maxX = 0, maxY = 0;
  SelectionCursor cursor = SelectionCursor::Arrow;

  // The paint's arithmetic for a view of view.width x view.height showing a picture of
  // dibWidth x dibHeight: scales, maxima and the view rectangle from the picture selection.
  void layout(ViewSize view, int32_t dibWidth, int32_t dibHeight, const PictureSelection& sel);
  // Button pressed: on an edge the drag starts (capture the mouse); inside the picture a new
  // empty selection starts there (capture and repaint); elsewhere nothing happens.
  Press press(int32_t x, int32_t y, PictureSelection sel);
  // Mouse moved. While dragging, moves the dragged edges and returns true (repaint);
  // otherwise updates the hover flags and cursor and returns false.
  bool move(int32_t x, int32_t y, PictureSelection sel);
  // Button released: true when a drag ended (release the capture).
  bool release();

 private:
  void viewFromPicture(const PictureSelection& sel);
  int32_t toPictureX(int32_t x) const;
  int32_t toPictureY(int32_t y) const;
  void hover(int32_t x, int32_t y);

  ViewSize view_;
  int32_t dibWidth_ = 0, dibHeight_ = 0;
};
