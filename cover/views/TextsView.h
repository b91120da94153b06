#pragma once
// The Texts tab: the tool bar, the view paintBox in the scroll area scrollArea, the property
// pages and the pop-up menu; gestures and keys go to the editor, which decides what changes.
#include <QImage>
#include <QLineEdit>
#include <QPainterPath>
#include <QScrollArea>
#include <QWidget>
#include <functional>

#include "cover/Editor.h"
#include "cover/merge/TextFields.h"
#include "platform/History.h"
#include "platform/dib/Dib.h"

class TextsView;
class TextsToolBar;
class PropertyPages;
class ObjectMenu;

// What the view shows of the document; the references live as long as the document.
struct TextsDocument {
  const Dib& picture;
  ObjectTable& objects;
  const int32_t& pageWidth;
  const int32_t& pageHeight;
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

// Where the printed element's outline falls on the cover (picture pixels) and the printed
// length of one picture pixel in millimetres (0: no paper format).
struct PrintGuide {
  QPainterPath outline;
  QPainterPath lines;  // the format's guides: fold and spine lines, margins, circles
  double mmPerPixel = 0;
};

class TextsView : public QWidget {
  Q_OBJECT
 public:
  TextsView(TextsDocument doc, CoverDialogs& dialogs, QWidget* parent = nullptr);

  Editor& editor() { return editor_; }
  // The off-screen copy of the part of the view on the screen, and where that part lies.
  const QImage& viewBuffer() const { return viewBuffer_; }
  QRect bufferArea() const { return bufferArea_; }
  int paintsDrawn() const { return drawn_; }

  // Gives the view the page's size at the current scales and paints (start-up, New, Open).
  void sizeForPage();
  // Paints the whole view again (after every command).
  void repaintView();
  // The history that each finished gesture, key and command adds its step to.
  void setHistory(History* history) { history_ = history; }
  // Supplies the outline guide and the printed sizes for the current format.
  void setPrintGuide(std::function<PrintGuide()> guide) { guide_ = std::move(guide); }
  // Supplies the first copy's values, which "Show values" puts in place of the fields.
  void setFieldValues(std::function<const FieldValues&()> values) { values_ = std::move(values); }

  // The paint handler, run in the paint box's paint event.
  void paintView(const QRect& exposed);
  void onMousePressed(Qt::MouseButton button, QPoint pos);
  void onMouseMoved(QPoint pos);
  void onMouseReleased(Qt::MouseButton button, QPoint pos);
  void onDoubleClicked();
  void onKeyPressed(int key);
  // "Track list...": the dialog, then its texts.
  void showTrackList();
  // Makes text objects of the title and list lines (UTF-8) at the top left of the visible part.
  void addTrackTexts(const std::vector<std::string>& title, const std::vector<std::string>& list);

  TextsToolBar* toolBar;
  QScrollArea* scrollArea;
  TextsPaintBox* paintBox;
  KeyField* keyField;
  PropertyPages* propertyPages;
  ObjectMenu* objectMenu;

 protected:
  bool eventFilter(QObject* watched, QEvent* e) override;
  void showEvent(QShowEvent* e) override;

 private:
  ViewState viewState() const;
  void apply(const EditorResult& r);
  // Moves the inverted frame in the buffer: erase at the old place, draw at the new one.
  void invertFrame();

  // The part of the paint box the scroll area shows.
  QRect visiblePart() const;
  // Draws straight onto the box where the buffer does not reach (a grab of a hidden part).
  void paintUnbuffered(const QRect& exposed);
  // The outline guide over the cover, when shown; the printed size line.
  void paintGuide(QPainter& p);
  void updatePrintedSize(double mmPerPixel);
  std::function<PrintGuide()> guide_;
  std::function<const FieldValues&()> values_;
  // Ends a command: what it changed becomes one step; a drag ends with its release.
  void commitStep();
  History* history_ = nullptr;

  TextsDocument doc_;
  Editor editor_;
  QImage viewBuffer_;
  QRect bufferArea_;       // the part of the paint box the buffer holds
  bool fullPaint_ = true;  // the next paint draws everything, also during a drag
  int drawn_ = 0;          // paints that drew picture and objects
};
