#pragma once
// `quendrix parts FILE [--add NAME [--from OTHER.cov] [--paper N] | --rename OLD NEW |
// --remove NAME | --extract NAME OUT.cov | --new PRESET]`: lists or changes a design's parts.
#include "app/batch/BatchCommands.h"

int RunParts(const Args& args);
