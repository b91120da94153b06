#include "app/ProgressBarModel.h"

ProgressBarModel::Paint ProgressBarModel::Set(int percent) {
  if (percent < ProgressPercent) {
    ProgressPercent = percent;
    return Paint::Erase;
  }
  ProgressPercent = percent;
  const int right = BarRight(ProgressRect);
  if (right == drawnRight_) return Paint::Nothing;
  drawnRight_ = right;
  return Paint::Extend;
}

int ProgressBarModel::BarRight(const PanelRect& r) const {
  return r.left + (r.right - r.left) * ProgressPercent / 100;
}

void ProgressBarModel::Drawn(const PanelRect& r) {
  ProgressRect = r;
  drawnRight_ = BarRight(r);
}
