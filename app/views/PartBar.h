#pragma once
// The design's parts as tabs beside the stage tabs: a click makes a part the current one, a drag
// moves it, a double click renames it, the context menu adds, duplicates and removes parts.
#include <QLineEdit>
#include <QTabBar>
#include <functional>

struct Document;
struct PartPreset;

class PartBar : public QTabBar {
  Q_OBJECT
 public:
  // `replaced` runs after the current part changed (the views show the new one).
  PartBar(Document& doc, std::function<void()> replaced, QWidget* parent = nullptr);

  // Shows the document's parts again (after New, Open and every change of the parts).
  void showParts();
  void addPart();
  void duplicatePart(int index);
  void removePart(int index);
  // Opens the name field over the tab; Return renames the part, Escape leaves it.
  void startRename(int index);
  QLineEdit* nameField() const { return nameField_; }
  // No wider than the room it is given, so the stage tabs beside it stay whole.
  QSize sizeHint() const override;
  // What "New design from preset" of the context menu runs.
  std::function<void(const PartPreset&)> newFromPreset;

 signals:
  // The parts were shown again: one was added, removed, renamed or moved.
  void partsShown();

 protected:
  void contextMenuEvent(QContextMenuEvent* e) override;
  void mouseDoubleClickEvent(QMouseEvent* e) override;

 private:
  void choose(int index);
  void moved(int from, int to);
  void finishRename();
  // A free name "Part N" for a new part.
  std::string freeName() const;
  // Shows `error` in a message box when it is not empty.
  void tell(const std::string& error);

  Document& doc_;
  std::function<void()> replaced_;
  bool showing_ = false;  // tabs being made again: no part is chosen by it
  QLineEdit* nameField_ = nullptr;
  int renaming_ = -1;
};
