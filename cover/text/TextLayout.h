#pragma once
// How a text object's lines run: straight in its box, or along the top or bottom arc of the
// ellipse inscribed in the box. Kept per slot beside the object table.
#include <cstdint>

enum class TextShape : uint8_t { Straight = 0, TopArc = 1, BottomArc = 2 };

struct TextLayout {
  static constexpr int32_t kMinArc = 30, kMaxArc = 360;           // degrees of the ellipse
  static constexpr int32_t kMinSpacing = -50, kMaxSpacing = 200;  // percent of the font height

  TextShape shape = TextShape::Straight;
  int32_t arc = 180;    // span centred on the top (or bottom) of the ellipse
  int32_t spacing = 0;  // extra room between letters

  bool curved() const { return shape != TextShape::Straight; }
  bool operator==(const TextLayout&) const = default;
};

inline bool ValidTextLayout(const TextLayout& l) {
  return static_cast<uint8_t>(l.shape) <= 2 && l.arc >= TextLayout::kMinArc &&
         l.arc <= TextLayout::kMaxArc && l.spacing >= TextLayout::kMinSpacing &&
         l.spacing <= TextLayout::kMaxSpacing;
}
