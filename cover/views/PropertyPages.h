#pragma once
// The Texts tab's property pages; every control forwards to the editor, loading follows it.
#include <QTabWidget>
#include <array>
#include <functional>

#include "cover/Editor.h"

class QButtonGroup;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;

class PropertyPages : public QTabWidget {
  Q_OBJECT
 public:
  explicit PropertyPages(Editor& editor, QWidget* parent = nullptr);
  // Runs CheckAllPanelOptions and shows its result; fires no command.
  void refresh();

  QWidget* FigurSheet;
  QWidget* TextSheet;
  QWidget* AllgemeinSheet;
  std::array<QRadioButton*, 10> forms{};
  QPushButton* ColorBtn;
  QPushButton* UColorBtn;
  std::array<QRadioButton*, 3> fills{};
  QSpinBox* LinieEd;
  QPushButton* EnterTextBtn;
  QPushButton* Color2Btn;
  QPushButton* FontBtn;
  QPushButton* TextFXBtn;
  std::array<QRadioButton*, 3> aligns{};
  QPushButton* rottextleftbtn;
  QPushButton* rottextrightbtn;
  QPushButton* Del1Btn;
  QPushButton* Front1Btn;
  QPushButton* Back1Btn;

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
