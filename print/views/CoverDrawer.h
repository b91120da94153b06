#pragma once
// Draws the cover (picture, then objects at the same scale) with a painter: the one drawing
// used by the centering view, the sheet preview and the printout.
#include "cover/ObjectTable.h"
#include "platform/dib/Dib.h"
#include "print/views/PrintJob.h"

// The drawer reads `dib` and `objects` each time it runs, so it always shows the current document.
CoverDrawer MakeCoverDrawer(const Dib& dib, ObjectTable& objects);
