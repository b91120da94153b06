#pragma once
// The Retouch tab: a tool bar with the File, Effects and Retouch menus and the zoom, above the
// zoomed picture with its dotted selection frame, which the mouse edits.
#include <QMenu>
#include <QScrollArea>
#include <QSpinBox>
#include <QWidget>

#include "platform/dib/Dib.h"
#include "retouch/PictureSelection.h"
#include "retouch/RetouchSelection.h"

class RetouchView;
class MenuButton;

// The paint box inside the scroll box; paints and mouse go to the view.
class RetuschPaint : public QWidget {
  Q_OBJECT
 public:
  explicit RetuschPaint(RetouchView* view);
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
  RetouchView(TDib& dib, PictureSelection sel, QWidget* parent = nullptr);

  QScrollArea* RetuschScrollBox() const { return scrollBox_; }
  RetuschPaint* paintBox() const { return box_; }
  QSpinBox* ZoomEd2() const { return zoomEd_; }
  MenuButton* DateiButton() const { return fileButton_; }
  MenuButton* EffekteButton() const { return effectsButton_; }
  MenuButton* RetuscheButton() const { return retouchButton_; }
  QMenu* DateiPopup() const { return filePopup_; }
  QMenu* EffektPopup() const { return effektPopup_; }
  QMenu* RetuschePopup() const { return retuschePopup_; }
  const RetouchSelection& selection() const { return sel_; }

  // Resizes the paint box to the picture at the zoom when it differs (the resize repaints);
  // otherwise paints it at once.
  void RetuschPaintPaint();
  // The paint rule: lays out the selection for the current size; true when the box had to be
  // resized and nothing may be drawn.
  bool ResizeBoxIfNeeded();
  void DrawView(QPainter& painter, const QRect& exposed);

  // Mouse handlers, in paint box coordinates (outside the box while the mouse is captured).
  void RetuschPaintMouseDown(QPoint p);
  void RetuschPaintMouseMove(QPoint p);
  void RetuschPaintMouseUp();

  // Menu commands; each repaints the view and reports the change.
  void SchnittBtnClick();
  void RotLeftBtnClick();
  void RotRightBtnClick();
  void FlipHBtnClick();
  void FlipVBtnClick();
  void HellpBtnClick();
  void EffektClick(QAction* sender);

 signals:
  // The picture or its selection changed; the other views repaint.
  void pictureChanged();
  // "Save as..." of the File menu: the picture is to be saved to a file.
  void saveRequested();

 private:
  QWidget* BuildToolBar();
  void BuildMenus();
  void setcursor(SelectionCursor cursor);
  void Changed();

  TDib& dib_;
  PictureSelection pictureSel_;
  RetouchSelection sel_;
  QScrollArea* scrollBox_ = nullptr;
  RetuschPaint* box_ = nullptr;
  QSpinBox* zoomEd_ = nullptr;
  QMenu* filePopup_ = nullptr;
  QMenu* effektPopup_ = nullptr;
  QMenu* retuschePopup_ = nullptr;
  MenuButton* fileButton_ = nullptr;
  MenuButton* effectsButton_ = nullptr;
  MenuButton* retouchButton_ = nullptr;
};
