#pragma once
// The Texts tab's six mutually exclusive tools, top to bottom; the pointer is down at start.
#include <QWidget>
#include <array>

#include "cover/ObjectTable.h"

class QButtonGroup;
class QToolButton;

class TextsToolBar : public QWidget {
  Q_OBJECT
 public:
  explicit TextsToolBar(QWidget* parent = nullptr);
  Tool tool() const;
  // Puts the tool's button down without signalling.
  void setTool(Tool tool);

  std::array<QToolButton*, 6> buttons{};  // in the order of enum Tool
  QToolButton* trackListButton;           // a command, not a tool

 signals:
  void toolChosen(Tool tool);
  void trackListClicked();

 private:
  QButtonGroup* group_;
};
