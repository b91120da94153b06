#pragma once
// The Texts tab's seven mutually exclusive tools, top to bottom; the pointer is down at start.
#include <QWidget>
#include <array>

#include "cover/ObjectTable.h"

class QButtonGroup;
class QLabel;
class QToolButton;

class TextsToolBar : public QWidget {
  Q_OBJECT
 public:
  explicit TextsToolBar(QWidget* parent = nullptr);
  Tool tool() const;
  // Puts the tool's button down without signalling.
  void setTool(Tool tool);

  std::array<QToolButton*, 7> buttons{};   // in the order of enum Tool
  QToolButton* trackListButton = nullptr;  // a command, not a tool
  QToolButton* guideButton = nullptr;      // shows where the printed element falls, never printed
  QToolButton* valuesButton = nullptr;     // shows the texts' fields with the first copy's values
  QLabel* printedSizeLine = nullptr;       // the selected object's size and font as printed

 signals:
  void toolChosen(Tool tool);
  void trackListClicked();

 private:
  QButtonGroup* group_;
};
