#pragma once
// The Picture page of a picture object: its picture, fit, turn and mirrors, opacity, the colour
// left out, frame and shadow. Every control forwards to the editor.
#include <QWidget>
#include <array>

#include "cover/Editor.h"

class QButtonGroup;
class QCheckBox;
class QPushButton;
class QRadioButton;
class QSpinBox;

class PicturePage : public QWidget {
  Q_OBJECT
 public:
  PicturePage(Editor& editor, QWidget* parent);
  // Shows the state without firing a command.
  void load(const PictureState& state);

  QPushButton* replaceButton;
  std::array<QRadioButton*, 3> fits{};
  QPushButton* turnButton;
  QPushButton* mirrorButton;
  QPushButton* flipButton;
  QSpinBox* opacityEdit;
  QCheckBox* keyedBox;
  QSpinBox* toleranceEdit;
  QPushButton* pickColourButton;
  QCheckBox* frameBox;
  QPushButton* frameColorButton;
  QSpinBox* frameWidthEdit;
  QCheckBox* shadowBox;
  QPushButton* shadowColourButton;
  QSpinBox* shadowOffsetEdit;

 signals:
  void changed();

 private:
  void run(bool changedSomething);
  void pickColour();
  Editor& editor_;
  QButtonGroup* fitGroup_;
};
