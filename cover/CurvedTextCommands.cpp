// The editor's commands for text along the arc.
#include <algorithm>

#include "cover/Editor.h"

TextLayout* Editor::selectedLayout() {
  const CoverObject* o = selected();
  if (!o || o->Kind != kText || o->SubKind == 1) return nullptr;
  return &table_.layout(table_.selectedSlot);
}

CurvedTextState Editor::curvedTextState() {
  const TextLayout* l = selectedLayout();
  if (!l) return {};
  return {true, static_cast<int>(l->shape), l->arc, l->spacing};
}

bool Editor::setTextShape(int shape) {
  TextLayout* l = selectedLayout();
  if (!l || shape < 0 || shape > 2) return false;
  l->shape = static_cast<TextShape>(shape);
  return true;
}

bool Editor::setArc(int degrees) {
  TextLayout* l = selectedLayout();
  if (!l) return false;
  l->arc = std::clamp(degrees, TextLayout::kMinArc, TextLayout::kMaxArc);
  return true;
}

bool Editor::setLetterSpacing(int percent) {
  TextLayout* l = selectedLayout();
  if (!l) return false;
  l->spacing = std::clamp(percent, TextLayout::kMinSpacing, TextLayout::kMaxSpacing);
  return true;
}
