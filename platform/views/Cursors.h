#pragma once
// The twelve numbered cursors of the views: 1-8 sizing, 9 grabbing hand, 10 arrow,
// 11 magnifier, 12 the pointer of the tools that add objects.
#include <QCursor>

QCursor CursorByNumber(int number);
