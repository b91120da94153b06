#pragma once
// The Center tab's view: one element of the selected paper format at its true size times the
// zoom, white, with the cover placed in it; dragged to scroll.
#include <QScrollArea>
#include <QWidget>
#include <functional>

#include "print/views/PrintJob.h"

class PaperFormatPanel;

class CenterView : public QWidget {
  Q_OBJECT
 public:
  // `pictureSize` gives the current picture's size in pixels.
  CenterView(PaperFormatPanel* paper, std::function<QSize()> pictureSize,
             QWidget* parent = nullptr);
  void setCoverDrawer(CoverDrawer draw) { draw_ = std::move(draw); }
  QScrollArea* scrollArea() const { return scrollArea_; }
  // Sizes the view for the format and zoom, then draws it again.
  void paintView();

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  PaperFormatPanel* paper_;
  std::function<QSize()> pictureSize_;
  CoverDrawer draw_;
  QScrollArea* scrollArea_ = nullptr;
};
