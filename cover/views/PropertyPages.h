#pragma once
// The Texts tab's property pages; every control forwards to the editor, loading follows it.
#include <QTabWidget>
#include <array>
#include <functional>

#include "cover/Editor.h"

class CurvedTextControls;
class PicturePage;
class QButtonGroup;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;

class PropertyPages : public QTabWidget {
  Q_OBJECT
 public:
  explicit PropertyPages(Editor& editor, QWidget* parent = nullptr);
  // Runs refreshPanel and shows its result; fires no command.
  void refresh();

  QWidget* shapePage;
  QWidget* textPage;
  QWidget* objectPage;
  PicturePage* picturePage;
  std::array<QRadioButton*, 10> forms{};
  QPushButton* colorButton;
  QPushButton* borderColorButton;
  std::array<QRadioButton*, 3> fills{};
  QSpinBox* lineWidthEdit;
  QPushButton* enterTextButton;
  QPushButton* textColorButton;
  QPushButton* fontButton;
  QPushButton* textEffectsButton;
  std::array<QRadioButton*, 3> aligns{};
  QPushButton* rotateLeftButton;
  QPushButton* rotateRightButton;
  CurvedTextControls* curvedText;
  QPushButton* deleteButton;
  QPushButton* toFrontButton;
  QPushButton* toBackButton;

 signals:
  // An object changed: the view repaints (and its paint refreshes the pages).
  void changed();

 protected:
  void resizeEvent(QResizeEvent* e) override;

 private:
  QWidget* buildKindPage();
  QWidget* buildTextPage();
  QWidget* buildObjectPage();
  void run(bool changedSomething);
  void command(QPushButton* button, std::function<bool(Editor&)> action);

  Editor& editor_;
  QButtonGroup* formGroup_;
  QButtonGroup* fillGroup_;
  QButtonGroup* alignGroup_;
  QLabel* hint_;  // in place of the pages while no object is selected
};
