#include "cover/CoverObject.h"

int32_t CoverObject::ToOutput(int32_t v) const {
  if (!Scales) return v;
  if (Scales->UseRenderScale) return static_cast<int32_t>(v * Scales->RenderScale);
  return static_cast<int32_t>(v * Scales->ViewZoom / Scales->ViewScale);
}

int32_t CoverObject::FromView(int32_t v) const {
  if (!Scales) return v;
  return static_cast<int32_t>(v / Scales->ViewZoom * Scales->ViewScale);
}
