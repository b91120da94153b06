// "Find cover" of "Select the scanner": the scan area becomes the cover found on the preview.
#include "platform/Translate.h"
#include "platform/dialogs/Dialogs.h"
#include "platform/scanner/CoverFinder.h"
#include "platform/scanner/views/ScanAreaPreview.h"
#include "platform/scanner/views/ScannerDialog.h"

namespace {
RgbPicture ToRgb(const QImage& image) {
  const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
  RgbPicture p{rgb.width(), rgb.height(), {}};
  p.pixels.reserve(size_t(p.width) * size_t(p.height));
  for (int y = 0; y < rgb.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
    for (int x = 0; x < rgb.width(); ++x) p.pixels.push_back(line[x] & 0xffffffu);
  }
  return p;
}
}  // namespace

void ScannerDialog::findCover() {
  const QImage& picture = preview_->picture();
  const auto found = picture.isNull() ? std::nullopt : FindCover(ToRgb(picture), preview_->bed());
  if (!found) {
    CurrentDialogs().messageBox(Translate("ScannerDialogCover",
                                          "No cover was found on the preview. Lay the cover on the "
                                          "glass, close the lid and click "
                                          "\"Preview\" again, or drag the scan area by hand."),
                                Translate("ScannerDialogCover", "Find cover"), MsgButtons::Ok,
                                MsgIcon::Information);
    return;
  }
  setAreaEdits(*found);  // stays adjustable by hand, like a dragged area
}
