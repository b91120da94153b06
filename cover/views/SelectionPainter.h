#pragma once
// Draws the selection frame of the Texts view and maps toolkit input to the editor's terms.
#include <QPainter>

#include "cover/Editor.h"

// The frame (inverting during a drag) and, without a drag, the eight filled handles.
void PaintSelection(QPainter& painter, const SelectionFrame& frame);

MouseButton EditorButton(Qt::MouseButton button);
EditorKey EditorKeyOf(int qtKey);
