#pragma once
// The retouch selection in picture pixels (right and bottom exclusive), bound to the fields
// that hold it, so operations can reset it.
#include <cstdint>

struct PictureSelection {
  int32_t& Left;
  int32_t& Top;
  int32_t& Right;
  int32_t& Bottom;
  void set(int32_t left, int32_t top, int32_t right, int32_t bottom) {
    Left = left, Top = top, Right = right, Bottom = bottom;
  }
};

// Four numbers that a PictureSelection can be bound to (tests, batch commands).
struct SelectionBox {
  int32_t Left = 0, Top = 0, Right = 0, Bottom = 0;
  PictureSelection ref() { return {Left, Top, Right, Bottom}; }
};
