#pragma once
// The Print tab's controls: positions already used, copies, the page shown, the preview zoom,
// and the printer setup, print and calibration buttons.
#include <QCoreApplication>
#include <QWidget>
#include <functional>

#include "print/settings/views/CalibrationDialog.h"
#include "print/views/PrintJob.h"

class ImageButton;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

// The design's other parts, as the window gives them to the Print tab.
struct PanelParts {
  std::function<size_t()> count;
  // Every part's job with `shared`'s copies, outlines and crop marks, and in `held` what they
  // draw from, kept while they print; an error text, empty when they are made.
  std::function<std::string(const JobChoices& shared, std::vector<PartPrint>& jobs,
                            std::shared_ptr<void>& held)>
      all;
  // The other parts at the positions chosen for them; an error text, empty when placed.
  std::function<std::string(PartPrint& job)> place;
};

class PrintPanel : public QWidget {
  Q_OBJECT
 public:
  // `selected` gives the paper format chosen on the Center tab (nullptr: none).
  PrintPanel(std::function<const PaperFormat*()> selected, const std::string& optionsFile,
             QWidget* parent = nullptr);

  // Renders the element at the printer's resolution (the cover placed as on the Center tab).
  void setElementRenderer(ElementRenderer render) { render_ = std::move(render); }
  // Or, read at every print: the cover to place, rendered with the calibration in use.
  void setCover(std::function<CoverJob()> cover) { cover_ = std::move(cover); }

  // The selected format's shape, grids and bleed, read at every correction and print.
  void setSelectedDetails(std::function<FormatDetails()> details) { details_ = std::move(details); }
  FormatDetails selectedDetails() const { return details_ ? details_() : FormatDetails{}; }

  // Chooses where a job goes: the printer, or a PDF file asked for (no printer installed).
  void setPrintTarget(std::function<bool(std::string& pdfPath)> target) {
    target_ = std::move(target);
  }

  // The values of each copy's fields, and the objects whose texts hold them; "Merge..." chooses
  // a table for them.
  void setCopyFields(CopyFields* fields, ObjectTable* objects);
  CopyFields* copyFields() const { return fields_; }
  ObjectTable* fieldObjects() const { return objects_; }
  void chooseMerge();
  // The copies the job prints: the merge table's lines, else the copies chosen.
  int32_t jobCopies() const;

  // The design's parts: "Print all parts" shows when there are several.
  void setParts(PanelParts parts);
  void refreshParts();
  void printAllParts();

  // Limits the used positions and the page shown to the selected format; false without one.
  bool correctInputs();
  void printCovers();
  void setUpPrinter();
  void calibratePrinter();

  // Positions of the first sheet marked used by a click, besides the first "Already used".
  const std::vector<int32_t>& markedPositions() const { return marked_; }
  void setMarkedPositions(std::vector<int32_t> marked);
  // Marks position `k` of the first sheet used, or frees it; the first "Already used" stay.
  void toggleUsed(int32_t k);
  // The layout of the job as the controls set it (the format must be selected).
  SheetLayout currentLayout() const;
  // Sets the used positions to those the last completed print on this format left.
  void continueLastPrint();

  const PrinterChoice& printerChoice() const { return choice_; }
  CalibrationDialog* calibrationDialog() const { return calibrationDialog_; }
  int zoom() const;

  QSpinBox *usedEdit = nullptr, *copiesEdit = nullptr, *pageEdit = nullptr, *zoomEdit = nullptr;
  ImageButton *setupButton = nullptr, *goButton = nullptr;
  QPushButton* calibrateButton = nullptr;
  QPushButton* allPartsButton = nullptr;
  QPushButton* continueButton = nullptr;
  QPushButton* mergeButton = nullptr;
  QLabel* mergeLabel = nullptr;
  QLineEdit* pagesEdit = nullptr;  // the sheets to print, such as 2-3,5; empty: all
  QCheckBox *outlinesBox = nullptr, *cropMarksBox = nullptr, *jpegBox = nullptr;

  static constexpr const char* kNoFormat =
      QT_TRANSLATE_NOOP("PrintPanel", "You have to select a paper format under \"Center\" first.");

 signals:
  void previewChanged();
  // The printer or its page changed: the document's page size follows.
  void printerPageChanged(const PrinterPage& page);

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  void refreshContinue();
  void refreshMerge();
  // Readies a printable disc on the job's printer; false when the user keeps it from printing.
  bool readyDisc(PrintRequest& request, PrinterChoice& choice, const std::string& pdf);

  std::function<const PaperFormat*()> selected_;
  ElementRenderer render_;
  std::function<CoverJob()> cover_;
  std::function<FormatDetails()> details_;
  PanelParts parts_;
  PrinterChoice choice_;
  std::function<bool(std::string&)> target_ = PrintTargetChosen;
  CalibrationDialog* calibrationDialog_ = nullptr;
  std::vector<int32_t> marked_;
  PaperFormat markedFormat_;  // the format the marks belong to
  std::string paperFile_;
  CopyFields* fields_ = nullptr;
  ObjectTable* objects_ = nullptr;
  std::string calibrationFile_;  // options.dat, beside which the disc tray centrings are kept
};
