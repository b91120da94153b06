#include "app/views/MeasuredAlbumDesign.h"

#include <QImage>
#include <QPainter>

#include "platform/device/views/QtDevice.h"

bool MakeMeasuredAlbumDesign(Document& doc, const AlbumMusic& music, const PartPreset& preset,
                             uint32_t background, std::string& error, int* leftOut) {
  QImage scratch(1, 1, QImage::Format_RGB32);
  QPainter painter(&scratch);
  QtDevice dc(painter);
  return MakeAlbumDesign(doc, music, preset, background, dc, error, leftOut);
}
