#pragma once
// The Text page's layout controls and the pop-up menu's layout items: straight or along the
// top or bottom arc, the arc and the letter spacing. They forward to the editor.
#include <QMenu>
#include <QWidget>
#include <array>

#include "cover/Editor.h"

class QButtonGroup;
class QRadioButton;
class QSpinBox;

extern const char* const kTextShapeCaptions[3];

class CurvedTextControls : public QWidget {
  Q_OBJECT
 public:
  CurvedTextControls(Editor& editor, QWidget* parent);
  // Shows the state without firing a command.
  void load(const CurvedTextState& state);

  std::array<QRadioButton*, 3> shapes{};
  QSpinBox* arcEdit;
  QSpinBox* spacingEdit;

 signals:
  void changed();

 private:
  Editor& editor_;
  QButtonGroup* shapeGroup_;
};

// The layout items of the pop-up menu, added to `menu` where it stands.
class CurvedTextMenuItems : public QObject {
  Q_OBJECT
 public:
  CurvedTextMenuItems(Editor& editor, QMenu* menu);
  void load(const CurvedTextState& state);

  std::array<QAction*, 3> shapes{};
  QMenu* arcMenu;
  QMenu* spacingMenu;

 signals:
  void changed();

 private:
  Editor& editor_;
};
