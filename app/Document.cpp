#include "app/Document.h"

#include "app/DocumentHistory.h"
#include "platform/Units.h"
#include "retouch/PictureHistory.h"

Document::Document() {
  resetPicture();
  historyParts = DocumentStateParts(*this);
  for (auto& part : historyParts) history.addPart(*part);
}

Document::~Document() {
  FreeDib(picture);
}

void Document::replacePicture(const Dib& dib) {
  FreeDib(picture);
  picture = dib;
  selLeft = 0;
  selTop = 0;
  selRight = DibWidth(picture);
  selBottom = DibHeight(picture);
}

void Document::replacePictureAsStep(const Dib& dib, const char* what) {
  KeepReplacedPicture(&history, picture);
  replacePicture(dib);
  history.commit(what);
}

void Document::resetPicture() {
  Dib white;
  NewWhiteDib(white, 320, 200);
  replacePicture(white);
  // The start picture's selection ends on its last pixel, unlike a scanned or opened picture's.
  selRight = 319;
  selBottom = 199;
}

void Document::setScreenDpi(double dpi) {
  scales.ViewZoom = 1.0;
  scales.ViewScale = BaseScaleForDpi(dpi);
  scales.BaseScale = scales.ViewScale;
}

void Document::setPrinterPage(int widthPx, int heightPx, double dpiX, double dpiY) {
  printerPageWidth = PixelsToUnits(widthPx, dpiX);
  printerPageHeight = PixelsToUnits(heightPx, dpiY);
  pageWidth = printerPageWidth;
  pageHeight = printerPageHeight;
}

int32_t Document::viewWidthForPage() const {
  return static_cast<int32_t>(pageWidth * scales.ViewZoom / scales.ViewScale);
}

int32_t Document::viewHeightForPage() const {
  return static_cast<int32_t>(pageHeight * scales.ViewZoom / scales.ViewScale);
}

std::string Document::caption() const {
  return CaptionFor(savedFileName);
}

std::string CaptionFor(const std::string& fileName) {
  std::string base = fileName;
  const auto slash = base.find_last_of("/\\");
  if (slash != std::string::npos) base = base.substr(slash + 1);
  if (base.empty()) base = "noname.cov";
  return "TAVIRON Quendrix 1.1 - [" + base + "]";
}
