#pragma once
// The cover object renderer: draws every object of the table onto any device at any scale.
#include "cover/ObjectTable.h"
#include "platform/Device.h"

// Draws the objects in slot order after the caller has drawn the picture. Every device
// coordinate is an object accessor under `scale` (device pixels per document unit) minus the
// offset. `fontDpi` is the font dialog's pixels per inch, `screenDpi` the window's.
void DrawVCart(Device& canvas, ObjectTable& obs, int xOffset, int yOffset, double scale,
               double fontDpi = 96.0, double screenDpi = 96.0);

// Truncates toward zero, saturating at the ends of the 32-bit range.
int32_t TruncI32(double v);

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
