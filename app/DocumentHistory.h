#pragma once
// What of the document the undo history compares after every command: the object table, the
// texts' layouts and both selections. The picture records its own changes
// (retouch/PictureHistory.h); a later extension of the objects adds its own part beside these.
#include <memory>
#include <vector>

#include "platform/History.h"

struct Document;

// The parts for `doc`, in the order they are compared.
std::vector<std::unique_ptr<StatePart>> DocumentStateParts(Document& doc);
