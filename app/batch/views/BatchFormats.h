#pragma once
// `quendrix formats`: lists the paper formats, or imports and exports label template files.
#include "app/batch/BatchCommands.h"

int RunFormatsCommand(const Args& args);
void RegisterFormatsCommand();
