#pragma once
// The one document of the main window: picture, retouch selection, cover objects, page size,
// the Texts view's scales and the file it belongs to.
#include <memory>
#include <string>
#include <vector>

#include "app/DesignParts.h"
#include "cover/ObjectTable.h"
#include "cover/merge/CopyFields.h"
#include "platform/History.h"
#include "platform/dib/Dib.h"

struct Document {
  Document();
  ~Document();
  Document(const Document&) = delete;
  Document& operator=(const Document&) = delete;

  Dib picture;
  int32_t selLeft = 0, selTop = 0, selRight = 0, selBottom = 0;
  CoverScales scales;
  ObjectTable objects{scales};
  int32_t pageWidth = 0, pageHeight = 0;
  int32_t printerPageWidth = 0, printerPageHeight = 0;
  std::string savedFileName;
  // Counts the whole designs put in by undo and redo, so the window knows to show all anew.
  uint64_t designVersion = 0;
  // The design's parts; the fields above hold the current one.
  DesignParts parts;
  // What the texts' fields print: numbers, the date, a merge table chosen on the Print tab.
  CopyFields copyFields;
  // Undo and redo of the picture, the objects and both selections; not saved with the design.
  History history{DefaultHistoryBudget()};
  std::vector<std::unique_ptr<StatePart>> historyParts;

  // Replaces Dib by `dib` (the old picture is freed) and selects the whole picture,
  // right and bottom exclusive: (0, 0, width, height).
  void replacePicture(const Dib& dib);
  // The same as one undo step named `what` (a scan, an opened picture).
  void replacePictureAsStep(const Dib& dib, const char* what);
  // The start picture: white, 320 x 200, 24 bits, selected whole.
  void resetPicture();
  // Sets the screen resolution: BaseScale and ViewScale for `dpi`, ViewZoom 1.
  void setScreenDpi(double dpi);
  // Sets the printer page in device pixels at the printer's resolution; the page follows it.
  void setPrinterPage(int widthPx, int heightPx, double dpiX, double dpiY);
  // Provisional size of the Texts view: the page at the current zoom and scale.
  int32_t viewWidthForPage() const;
  int32_t viewHeightForPage() const;
  // Caption text for the current file name.
  std::string caption() const;
};

// "TAVIRON Quendrix 1.1 - [name.cov]" with the file name without its folder; noname.cov if empty.
std::string CaptionFor(const std::string& fileName);
