#pragma once
// MakeAlbumDesign measuring its texts through the toolkit's fonts, for the window and the
// `album` command alike; needs a running application.
#include "app/AlbumDesign.h"

bool MakeMeasuredAlbumDesign(Document& doc, const AlbumMusic& music, const PartPreset& preset,
                             uint32_t background, std::string& error, int* leftOut = nullptr);
