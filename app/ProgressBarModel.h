#pragma once
// State of the status bar's progress panel: which drawing a new value needs.

struct PanelRect {
  int left = 0, top = 0, right = 0, bottom = 0;
};

class ProgressBarModel {
 public:
  enum class Paint { Nothing, Erase, Extend };

  int progressPercent = 0;
  PanelRect progressRect;

  // A lower value erases the panel; a higher or equal one extends the bar in place, but only
  // when its drawn width changes (a new row of a long picture rarely moves it by a pixel).
  Paint set(int percent);
  // Right edge of the bar for the current value inside `r`.
  int barRight(const PanelRect& r) const;
  // The panel was drawn into `r` (owner draw).
  void drawn(const PanelRect& r);

 private:
  int drawnRight_ = 0;
};
