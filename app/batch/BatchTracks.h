#pragma once
// `quendrix tracks PATH [--pattern P]`: the track list lines of a folder, cue sheet or playlist.
#include "app/batch/BatchCommands.h"

int RunTracks(const Args& args);
