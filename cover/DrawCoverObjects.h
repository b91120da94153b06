#pragma once
// The cover object renderer: draws every object of the table onto any device at any scale.
#include "cover/ObjectTable.h"
#include "cover/Truncate.h"
#include "platform/device/Device.h"

// Draws the objects in slot order after the caller has drawn the picture. Every device
// coordinate is an object accessor under `scale` (device pixels per document unit) minus the
// offset. `fontDpi` is the font dialog's pixels per inch, `screenDpi` the window's.
void DrawCoverObjects(Device& canvas, ObjectTable& objects, int xOffset, int yOffset, double scale,
                      double fontDpi = 96.0, double screenDpi = 96.0);

// The scale for objects over a picture drawn `drawnWidth` device pixels wide (the horizontal
// factor serves both directions); 0 for an empty picture.
double RenderScaleFor(int drawnWidth, int pictureWidth, double baseScale);

// Turns the render scale on for the lifetime of the object, also on early return.
class RenderScaleScope {
 public:
  RenderScaleScope(CoverScales& scales, double scale);
  ~RenderScaleScope();
  RenderScaleScope(const RenderScaleScope&) = delete;
  RenderScaleScope& operator=(const RenderScaleScope&) = delete;

 private:
  CoverScales& scales_;
  bool oldUse_;
  double oldScale_;
};
