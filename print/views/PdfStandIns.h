#pragma once
// The stand-ins of a job that prints into a PDF file: each 24-bit picture is stored once by the
// job (PictureStreams), at its own size or, where finer than the printer, area-averaged to it,
// and the PDF writer draws a 4 × 1 image in its place.
#include "platform/device/views/PictureImages.h"
#include "print/PictureStreams.h"

class PdfStandIns : public PictureStandIns {
 public:
  explicit PdfStandIns(const QPaintDevice* printer) : printer_(printer) {}
  bool standsInOn(const QPaintDevice* device) const override { return device == printer_; }
  QImage standIn(const uint8_t* bits, const BITMAPINFO* info, const QRect& source,
                 QSize size) override;
  PictureStreams& streams() { return streams_; }
  // Photographs (pictures of more than 256 colours) as JPEGs: a smaller file, with losses.
  void setJpegPictures(bool jpeg) { streams_.setJpegQuality(jpeg ? kJpegQuality : 0); }
  static constexpr int kJpegQuality = 90;  // as the program saves JPEG files

 private:
  QImage made(const uint8_t* bits, const BITMAPINFO* info, const QRect& source, QSize size);

  const QPaintDevice* printer_;
  PictureStreams streams_;
};
