#pragma once
// A tab of the main window: the header strip, an optional left panel with picture and title,
// and the tab's content.
#include <QLabel>
#include <QScrollArea>
#include <QWidget>

class TabPage : public QWidget {
  Q_OBJECT
 public:
  // An empty `title` gives no left panel (the Texts tab has its tool bar there instead).
  TabPage(const QString& header, const QString& title, const QString& picture,
          QWidget* parent = nullptr);
  // Puts `content` right of the left panel; the page takes ownership.
  void setContent(QWidget* content);
  QWidget* leftPanel() const { return leftPanel_; }
  // The scroll area around the left panel (nullptr without a panel).
  QScrollArea* panelScrollArea() const { return panelScroll_; }
  // Keeps the panel's controls together at its top, whatever was added to it.
  void settlePanel();
  QLabel* headerLabel() const { return header_; }

 private:
  QLabel* header_ = nullptr;
  QWidget* leftPanel_ = nullptr;
  QScrollArea* panelScroll_ = nullptr;
  QWidget* content_ = nullptr;
};
