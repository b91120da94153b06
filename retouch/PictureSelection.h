#pragma once
// The retouch selection in picture pixels (right and bottom exclusive), bound to the fields
// that hold it, so operations can reset it.
#include <cstdint>

struct PictureSelection {
  int32_t& left;
  int32_t& top;
  int32_t& right;
  int32_t& bottom;
  void set(int32_t left, int32_t top, int32_t right, int32_t bottom) {
    this->left = left, this->top = top, this->right = right, this->bottom = bottom;
  }
};

// Four numbers that a PictureSelection can be bound to (tests, batch commands).
struct SelectionBox {
  int32_t left = 0, top = 0, right = 0, bottom = 0;
  PictureSelection ref() { return {left, top, right, bottom}; }
};
