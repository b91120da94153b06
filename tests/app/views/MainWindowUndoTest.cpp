// Undo and redo in the main window: keys, document-row buttons and the views' menu items.
#include <gtest/gtest.h>

#include <QTest>
#include <QToolButton>

#include "app/views/MainWindow.h"
#include "cover/views/ObjectMenu.h"
#include "cover/views/TextsToolBar.h"
#include "cover/views/TextsView.h"
#include "platform/dialogs/ScriptedDialogs.h"
#include "retouch/views/RetouchView.h"

namespace {
class MainWindowUndoTest : public ::testing::Test {
 protected:
  ScriptedDialogs dialogs;
  ScopedDialogs scoped{dialogs};
  MainWindow form{false};
  void SetUp() override {
    form.resize(900, 600);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  }
  void Settle() {
    for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
  }
  void Key(Qt::Key key, Qt::KeyboardModifiers mods) {
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &form, key, mods);
    Settle();
  }
  // What every control shows: the two buttons' hints and the four menu items.
  void ExpectControls(const QString& undo, const QString& redo) {
    EXPECT_EQ(form.undoButton()->toolTip(), undo);
    EXPECT_EQ(form.redoButton()->toolTip(), redo);
    const bool canUndo = undo.startsWith("Undo "), canRedo = redo.startsWith("Redo ");
    EXPECT_EQ(form.undoButton()->isEnabled(), canUndo);
    EXPECT_EQ(form.redoButton()->isEnabled(), canRedo);
    for (QAction* a : {form.retouchView()->undoAction, form.textsView()->objectMenu->undoAction}) {
      EXPECT_EQ(a->text(), canUndo ? undo : "Undo");
      EXPECT_EQ(a->isEnabled(), canUndo);
    }
    for (QAction* a : {form.retouchView()->redoAction, form.textsView()->objectMenu->redoAction}) {
      EXPECT_EQ(a->text(), canRedo ? redo : "Redo");
      EXPECT_EQ(a->isEnabled(), canRedo);
    }
  }
};
}  // namespace

TEST_F(MainWindowUndoTest, KeysButtonsAndMenuItemsUndoAndRedoARetouchCommand) {
  form.tabs()->setCurrentIndex(MainWindow::kRetouchTab);
  ExpectControls("Nothing to undo", "Nothing to redo");
  form.retouchView()->retouchMenu()->findChild<QAction*>("turnLeftAction")->trigger();
  EXPECT_EQ(DibWidth(form.doc().picture), 200);
  ExpectControls("Undo Rotate to the left", "Nothing to redo");
  Key(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(DibWidth(form.doc().picture), 320);
  EXPECT_EQ(form.retouchView()->paintBox()->width(), 320);
  ExpectControls("Nothing to undo", "Redo Rotate to the left");
  Key(Qt::Key_Y, Qt::ControlModifier);
  EXPECT_EQ(DibWidth(form.doc().picture), 200);
  QTest::mouseClick(form.undoButton(), Qt::LeftButton);
  EXPECT_EQ(DibWidth(form.doc().picture), 320);
  Key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(DibWidth(form.doc().picture), 200);
  form.retouchView()->undoAction->trigger();
  EXPECT_EQ(DibWidth(form.doc().picture), 320);
  form.documentCommands().newCover();  // New clears the history
  Settle();
  ExpectControls("Nothing to undo", "Nothing to redo");
}

TEST_F(MainWindowUndoTest, ADragInTheTextsViewIsOneStepAndCtrlZReachesTheView) {
  form.tabs()->setCurrentIndex(MainWindow::kTextsTab);
  Settle();
  TextsView* view = form.textsView();
  QTest::mouseClick(view->toolBar->buttons[int(Tool::Object)], Qt::LeftButton);
  QTest::mouseClick(view->paintBox, Qt::LeftButton, {}, QPoint(40, 40));
  Settle();
  ASSERT_EQ(form.doc().objects.occupiedCount(), 1);
  ExpectControls("Undo Create object", "Nothing to redo");
  const int32_t x = form.doc().objects[1].X;
  QTest::mousePress(view->paintBox, Qt::LeftButton, {}, QPoint(60, 60));
  for (int p = 62; p <= 90; p += 4) QTest::mouseMove(view->paintBox, QPoint(p, 60));
  QTest::mouseRelease(view->paintBox, Qt::LeftButton, {}, QPoint(90, 60));
  Settle();
  ASSERT_NE(form.doc().objects[1].X, x);
  ExpectControls("Undo Move object", "Nothing to redo");
  ASSERT_EQ(QApplication::focusWidget(), view->keyField);
  Key(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(form.doc().objects[1].X, x);
  Key(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(form.doc().objects.occupiedCount(), 0);
  EXPECT_EQ(form.doc().objects.selectedSlot, 0);
  ExpectControls("Nothing to undo", "Redo Create object");
}
