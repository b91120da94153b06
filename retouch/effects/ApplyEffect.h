#pragma once
// Applying an effect filter to the picture, with the user's confirmation.
#include <functional>

#include "platform/dib/Dib.h"
#include "retouch/effects/EffectFilters.h"

enum class FilterOutcome { NotTrueColour, NoMemory, Kept, Restored };

// Filters a 24-bit `dib` without asking. False (nothing changed) for other depths or when
// memory runs out.
bool ApplyFilter(Dib& dib, const EffectFilter& f);

// Filters `dib` (a big picture through RunLongWork), calls `showResult` so the user sees it, then
// asks "Is the result okay?"; No brings the untouched pixels back byte for byte. Pictures of 256
// colours or fewer are left alone. "Not enough memory" when the copy of the untouched pixels cannot
// be made.
FilterOutcome FilterWithConfirmation(Dib& dib, const EffectFilter& f,
                                     const std::function<void()>& showResult);

// Asks to promote a palette picture to 24 bits and does it; true when `dib` is 24 bits now.
bool PromoteForEffect(Dib& dib);

// The Effects menu's item `index`: asks to promote a palette picture to 24 bits first, then
// runs FilterWithConfirmation and calls `repaint`. Returns true when the picture may have changed.
bool applyEffect(Dib& dib, int index, const std::function<void()>& repaint);
