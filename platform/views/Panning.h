#pragma once
// Drag-to-scroll: the grabbed point of a scroll area's content stays under the mouse. One
// state shared by the scan view, the centering view and the print preview.
#include <QPoint>
#include <cstdint>

class QScrollArea;

struct PanFields {
  bool Panning = false;
  int32_t PanStartX = 0;  // mouse position in content coordinates where the gesture started
  int32_t PanStartY = 0;
};

// The main window's drag-to-scroll state.
PanFields& SharedPan();

// Mouse down on the content: focus to the scroll area, the gesture starts at `pos`.
void startPan(QScrollArea& area, QPoint pos);
// Mouse move while panning: scrolls by the distance from the start point, within the ranges.
void movePan(QScrollArea& area, QPoint pos);
// Mouse up: the gesture ends.
void endPan();
