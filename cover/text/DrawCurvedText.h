#pragma once
// Curved text on a device: one TextOut per letter in a font turned to the letter's angle.
#include "cover/CoverObject.h"
#include "cover/text/TextLayout.h"
#include "platform/device/Device.h"

struct CurvedTextEffects {
  int32_t shadowDX = 0, shadowDY = 0;  // device pixels
  int32_t outline = 1;                 // outline thickness, device pixels
};

// Draws the object's text along the arc of `layout` inside `box` (device pixels) in `font`
// (its height is the character height): shadow, outline and letters as straight text has them.
// Leaves the text alignment at the baseline and the last letter's font selected.
void DrawCurvedText(Device& dc, const CoverObject& ob, const TextLayout& layout, const RECT& box,
                    const LogFont& font, const CurvedTextEffects& effects);
