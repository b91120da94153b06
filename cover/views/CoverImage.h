#pragma once
// The cover as the Texts view paints it: the picture stretched over an image, then the objects.
#include <QImage>
#include <QPainter>
#include <string>

#include "cover/ObjectTable.h"
#include "platform/dib/Dib.h"

// Fills (0, 0, width, height) white, draws the whole picture stretched over it and the
// objects at `scale` device pixels per document unit. `fontDpi` is the font dialog's pixels
// per inch, `screenDpi` the window's. The painter's clip limits the work.
void PaintCover(QPainter& painter, int width, int height, const Dib& picture, ObjectTable& objects,
                double scale, double fontDpi, double screenDpi);
// The same over the whole of `image`.
void PaintCover(QImage& image, const Dib& picture, ObjectTable& objects, double scale,
                double fontDpi, double screenDpi);

// The cover at `zoomPercent` (100: one picture pixel per image pixel), without a selection
// frame. A null image and the reason in `error` when the size is empty or too large.
QImage RenderCover(const Dib& picture, ObjectTable& objects, double zoomPercent, double dpi,
                   std::string& error);

// A 24-bit picture of an image's pixels; Bits stays null when it cannot be made.
void ImageToDib24(const QImage& image, Dib& out);
// Saves the image as a 24-bit picture with the program's own writers (PNG unless the name's
// extension names another format), through a temporary file; says why on failure.
bool SaveCoverImage(const QImage& image, const std::string& fileName, std::string& error);
