#pragma once
// The part of the paper format dialog that edits what paper.dat cannot hold: the shape, the
// bleed, the sheet size, the grids after the first and the guides (all in millimetres), with a
// drawing of the sheet that follows every field.
#include <QWidget>
#include <functional>

#include "print/FormatDetails.h"

class QComboBox;
class QDoubleSpinBox;
class QPushButton;
class QTableWidget;

// A small drawing of the sheet with every element of every grid in its shape.
class SheetDrawing : public QWidget {
  Q_OBJECT
 public:
  explicit SheetDrawing(QWidget* parent = nullptr);
  void setFormat(const PaperFormat& fmt, const FormatDetails& d);
  QSize sizeHint() const override { return {180, 250}; }

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  PaperFormat fmt_;
  FormatDetails details_;
};

class FormatShapeEditor : public QWidget {
  Q_OBJECT
 public:
  explicit FormatShapeEditor(QWidget* parent = nullptr);
  void setDetails(const FormatDetails& d);
  FormatDetails details() const;

  QComboBox* kindBox = nullptr;  // a label sheet or one printable disc in the disc tray
  QComboBox *shapeBox = nullptr, *sheetBox = nullptr;
  QDoubleSpinBox *cornerEdit = nullptr, *outerEdit = nullptr, *holeEdit = nullptr,
                 *bleedEdit = nullptr, *bleedYEdit = nullptr;  // left and right, top and bottom
  QDoubleSpinBox *sheetWidthEdit = nullptr, *sheetHeightEdit = nullptr;
  QTableWidget* gridTable = nullptr;  // left, top, steps across and down, counts
  QPushButton *addGridButton = nullptr, *removeGridButton = nullptr;
  QWidget* guidesGroup = nullptr;      // placed by the dialog beside the drawing, where it fits
  QTableWidget* guideTable = nullptr;  // kind (a box in the cell), x1, y1, x2, y2
  QPushButton *addGuideButton = nullptr, *removeGuideButton = nullptr;

 signals:
  void changed();

 private:
  void onSheetChosen();
  void onKindChosen();
  void enableFields();
  void addGrid(const LabelGrid& g);
  void addGuide(const FormatGuide& g);
};
