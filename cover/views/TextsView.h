#pragma once
// The Texts tab: the tool bar, the view PaintBox1 in the scroll area ScrollBox1, the property
// pages and the pop-up menu; gestures and keys go to the editor, which decides what changes.
#include <QImage>
#include <QLineEdit>
#include <QScrollArea>
#include <QWidget>

#include "cover/Editor.h"
#include "platform/dib/Dib.h"

class TextsView;
class TextsToolBar;
class PropertyPages;
class ObjectMenu;

// What the view shows of the document; the references live as long as the document.
struct TextsDocument {
  const TDib& Dib;
  ObjectTable& Obs;
  const int32_t& PageWidth;
  const int32_t& PageHeight;
};

// The view inside the scroll area; paints and mouse go to the Texts view.
class TextsPaintBox : public QWidget {
  Q_OBJECT
 public:
  explicit TextsPaintBox(TextsView* view);

 protected:
  void paintEvent(QPaintEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void mouseDoubleClickEvent(QMouseEvent* e) override;

 private:
  TextsView* view_;
};

// The hidden field that takes the keyboard for the view: Delete, Up and Down; others swallowed.
class KeyField : public QLineEdit {
  Q_OBJECT
 public:
  KeyField(TextsView* view, QWidget* parent);

 protected:
  bool event(QEvent* e) override;

 private:
  TextsView* view_;
};

class TextsView : public QWidget {
  Q_OBJECT
 public:
  TextsView(TextsDocument doc, CoverDialogs& dialogs, QWidget* parent = nullptr);

  Editor& editor() { return editor_; }
  const QImage& viewBuffer() const { return ViewBuffer; }
  int paintsDrawn() const { return drawn_; }

  // Gives the view the page's size at the current scales and paints (start-up, New, Open).
  void SizeForPage();
  // Paints the whole view again (after every command).
  void RepaintView();

  // The paint handler, run in the paint box's paint event.
  void PaintBox1Paint(const QRect& exposed);
  void PaintBox1MouseDown(Qt::MouseButton button, QPoint pos);
  void PaintBox1MouseMove(QPoint pos);
  void PaintBox1MouseUp(Qt::MouseButton button, QPoint pos);
  void PaintBox1DblClick();
  void KeyEditKeyDown(int key);

  TextsToolBar* ToolBar;
  QScrollArea* ScrollBox1;
  TextsPaintBox* PaintBox1;
  KeyField* KeyEdit;
  PropertyPages* Pages;
  ObjectMenu* PopupMenu1;

 protected:
  bool eventFilter(QObject* watched, QEvent* e) override;
  void showEvent(QShowEvent* e) override;

 private:
  ViewState State() const;
  void Apply(const EditorResult& r);
  // Moves the inverted frame in the buffer: erase at the old place, draw at the new one.
  void InvertFrame();

  // Draws everything straight onto the box when the buffer would be too large to hold.
  void PaintUnbuffered(const QRect& exposed);

  TextsDocument doc_;
  Editor editor_;
  QImage ViewBuffer;
  bool fullPaint_ = true;  // the next paint draws everything, also during a drag
  int drawn_ = 0;          // paints that drew picture and objects
};
