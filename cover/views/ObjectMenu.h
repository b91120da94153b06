#pragma once
// The pop-up menu of a cover object; items forward to the editor's property commands.
#include <QMenu>
#include <array>
#include <functional>

#include "cover/Editor.h"

class CurvedTextMenuItems;

class ObjectMenu : public QMenu {
  Q_OBJECT
 public:
  explicit ObjectMenu(Editor& editor, QWidget* parent = nullptr);
  // Shows the enablement and checks of the editor's last preparePopupMenu.
  void load();

  QAction* deleteAction;
  QAction* toFrontAction;
  QAction* toBackAction;
  QAction* colorAction;
  QAction* fontAction;
  QAction* textEffectsAction;
  std::array<QAction*, 3> aligns{};
  QAction* rotateLeftAction;
  QAction* rotateRightAction;
  CurvedTextMenuItems* curvedText;
  std::array<QAction*, 10> forms{};
  QAction* trackListAction;
  QAction* placePictureAction;
  // "Undo ..." and "Redo ..."; the main window runs and labels them.
  QAction* undoAction;
  QAction* redoAction;

 signals:
  void changed();
  void trackListRequested();

 private:
  QAction* item(const QString& caption, const char* name, const QString& hint,
                std::function<bool(Editor&)> action);
  Editor& editor_;
};
