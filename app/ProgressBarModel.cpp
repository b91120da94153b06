#include "app/ProgressBarModel.h"

ProgressBarModel::Paint ProgressBarModel::set(int percent) {
  if (percent < progressPercent) {
    progressPercent = percent;
    return Paint::Erase;
  }
  progressPercent = percent;
  const int right = barRight(progressRect);
  if (right == drawnRight_) return Paint::Nothing;
  drawnRight_ = right;
  return Paint::Extend;
}

int ProgressBarModel::barRight(const PanelRect& r) const {
  return r.left + (r.right - r.left) * progressPercent / 100;
}

void ProgressBarModel::drawn(const PanelRect& r) {
  progressRect = r;
  drawnRight_ = barRight(r);
}
