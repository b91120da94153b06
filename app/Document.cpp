#include "app/Document.h"

#include "app/DocumentHistory.h"
#include "platform/Units.h"
#include "retouch/PictureHistory.h"

Document::Document() {
  ResetPicture();
  historyParts = DocumentStateParts(*this);
  for (auto& part : historyParts) history.addPart(*part);
}

Document::~Document() {
  FreeDib(picture);
}

void Document::ReplacePicture(const Dib& dib) {
  FreeDib(picture);
  picture = dib;
  SelLeft = 0;
  SelTop = 0;
  SelRight = DibWidth(picture);
  SelBottom = DibHeight(picture);
}

void Document::ReplacePictureAsStep(const Dib& dib, const char* what) {
  KeepReplacedPicture(&history, picture);
  ReplacePicture(dib);
  history.commit(what);
}

void Document::ResetPicture() {
  Dib white;
  NewWhiteDib(white, 320, 200);
  ReplacePicture(white);
  // The start picture's selection ends on its last pixel, unlike a scanned or opened picture's.
  SelRight = 319;
  SelBottom = 199;
}

void Document::SetScreenDpi(double dpi) {
  Scales.ViewZoom = 1.0;
  Scales.ViewScale = BaseScaleForDpi(dpi);
  Scales.BaseScale = Scales.ViewScale;
}

void Document::SetPrinterPage(int widthPx, int heightPx, double dpiX, double dpiY) {
  PrinterPageWidth = PixelsToUnits(widthPx, dpiX);
  PrinterPageHeight = PixelsToUnits(heightPx, dpiY);
  PageWidth = PrinterPageWidth;
  PageHeight = PrinterPageHeight;
}

int32_t Document::ViewWidthForPage() const {
  return static_cast<int32_t>(PageWidth * Scales.ViewZoom / Scales.ViewScale);
}

int32_t Document::ViewHeightForPage() const {
  return static_cast<int32_t>(PageHeight * Scales.ViewZoom / Scales.ViewScale);
}

std::string Document::Caption() const {
  return CaptionFor(SavedFileName);
}

std::string CaptionFor(const std::string& fileName) {
  std::string base = fileName;
  const auto slash = base.find_last_of("/\\");
  if (slash != std::string::npos) base = base.substr(slash + 1);
  if (base.empty()) base = "noname.cov";
  return "TAVIRON Quendrix 1.1 - [" + base + "]";
}
