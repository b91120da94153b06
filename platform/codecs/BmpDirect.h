#pragma once
// Plain 24-bit bottom-up BMP files (what scanners and most programs write) store their rows
// exactly as the picture holds them in memory, so they are read straight into the picture.
#include <string>

#include "platform/dib/Dib.h"

enum class DirectRead { NotApplicable, Done, Failed };

// Reads `fileName` into `out` when it is such a file; NotApplicable leaves everything to the
// general readers. Failed says why in `error` and leaves `out` empty.
DirectRead ReadPlainBmp(const std::string& fileName, Dib& out, std::string& error);
