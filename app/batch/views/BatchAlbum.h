#pragma once
// `quendrix album PATH --out DESIGN.cov [--background RRGGBB]`: a design whose picture is the
// music's cover art (or a plain colour) with album and artist over it.
#include "app/batch/BatchCommands.h"

int RunAlbumCommand(const Args& args);
void RegisterAlbumCommand();
