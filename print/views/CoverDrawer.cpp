#include "print/views/CoverDrawer.h"

#include <QPainter>

#include "cover/DrawCoverObjects.h"
#include "picture/DrawDib.h"
#include "platform/device/views/QtDevice.h"

CoverDrawer MakeCoverDrawer(const Dib& dib, ObjectTable& objects) {
  return [&dib, &objects](QPainter& painter, const PixelRect& cover, int, int) {
    if (!dib.Bits || cover.w <= 0 || cover.h <= 0) return;
    QtDevice dc(painter);
    DrawDib(dc, cover.x, cover.y, cover.w, cover.h, dib, 0, 0, DibWidth(dib), DibHeight(dib), true,
            SRCCOPY, true, nullptr);
    DrawCoverObjects(dc, objects, -cover.x, -cover.y,
                     RenderScaleFor(cover.w, DibWidth(dib), objects.scales().BaseScale));
  };
}
