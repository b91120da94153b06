#pragma once
// The Retouch tab: a tool bar with the File, Effects and Retouch menus and the zoom, above the
// zoomed picture with its dotted selection frame, which the mouse edits.
#include <QMenu>
#include <QScrollArea>
#include <QSpinBox>
#include <QWidget>

#include "platform/History.h"
#include "platform/dib/Dib.h"
#include "retouch/PictureSelection.h"
#include "retouch/RetouchSelection.h"

class RetouchView;
class MenuButton;

// The paint box inside the scroll box; paints and mouse go to the view.
class RetouchPaintBox : public QWidget {
  Q_OBJECT
 public:
  explicit RetouchPaintBox(RetouchView* view);
  int paintsDrawn() const { return drawn_; }

 protected:
  void paintEvent(QPaintEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;

 private:
  RetouchView* view_;
  int drawn_ = 0;  // paints that drew the picture
};

class RetouchView : public QWidget {
  Q_OBJECT
 public:
  // Works on the document's picture and selection, which outlive the view.
  RetouchView(Dib& dib, PictureSelection sel, QWidget* parent = nullptr);

  QScrollArea* scrollArea() const { return scrollBox_; }
  RetouchPaintBox* paintBox() const { return box_; }
  QSpinBox* zoomEdit() const { return zoomEd_; }
  MenuButton* fileButton() const { return fileButton_; }
  MenuButton* effectsButton() const { return effectsButton_; }
  MenuButton* retouchButton() const { return retouchButton_; }
  QMenu* fileMenu() const { return fileMenu_; }
  QMenu* effectsMenu() const { return effectsMenu_; }
  QMenu* retouchMenu() const { return retouchMenu_; }
  const RetouchSelection& selection() const { return sel_; }
  // The history that every picture command adds its step to (none: nothing is kept).
  void setHistory(History* history) { history_ = history; }
  // "Undo ..." and "Redo ..." of the Retouch menu; the main window runs and labels them.
  QAction* undoAction = nullptr;
  QAction* redoAction = nullptr;

  // Resizes the paint box to the picture at the zoom when it differs (the resize repaints);
  // otherwise paints it at once.
  void paintView();
  // The paint rule: lays out the selection for the current size; true when the box had to be
  // resized and nothing may be drawn.
  bool resizeBoxIfNeeded();
  void drawView(QPainter& painter, const QRect& exposed);

  // Mouse handlers, in paint box coordinates (outside the box while the mouse is captured).
  void onMousePressed(QPoint p);
  void onMouseMoved(QPoint p);
  void onMouseReleased();

  // Menu commands; each repaints the view and reports the change.
  void cropToSelection();
  void turnLeft();
  void turnRight();
  void mirrorHorizontally();
  void mirrorVertically();
  void changeBrightnessContrast();
  void applyEffect(QAction* sender);

 signals:
  // The picture or its selection changed; the other views repaint.
  void pictureChanged();
  // "Save as..." of the File menu: the picture is to be saved to a file.
  void saveRequested();

 private:
  QWidget* buildToolBar();
  void buildMenus();
  void setSelectionCursor(SelectionCursor cursor);
  void pictureWasChanged();

  Dib& dib_;
  PictureSelection pictureSel_;
  RetouchSelection sel_;
  QScrollArea* scrollBox_ = nullptr;
  RetouchPaintBox* box_ = nullptr;
  QSpinBox* zoomEd_ = nullptr;
  QMenu* fileMenu_ = nullptr;
  QMenu* effectsMenu_ = nullptr;
  QMenu* retouchMenu_ = nullptr;
  MenuButton* fileButton_ = nullptr;
  MenuButton* effectsButton_ = nullptr;
  MenuButton* retouchButton_ = nullptr;
  History* history_ = nullptr;
};
