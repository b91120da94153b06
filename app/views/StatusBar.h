#pragma once
// The status bar: an empty first panel of 250 pixels and the owner-drawn progress panel.
#include <QWidget>

#include "app/ProgressBarModel.h"

class StatusBar : public QWidget {
  Q_OBJECT
 public:
  explicit StatusBar(QWidget* parent = nullptr);
  void setProgress(int percent);
  const ProgressBarModel& model() const { return model_; }
  int eraseCount() const { return erases_; }
  int extendCount() const { return extends_; }
  QRect progressPanelRect() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void paintProgressMore();
  ProgressBarModel model_;
  int erases_ = 0;
  int extends_ = 0;
};
