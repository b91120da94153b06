#pragma once
// `quendrix formats`: lists the paper formats, or imports and exports label template files.
#include <string>

#include "app/batch/BatchCommands.h"

int RunFormatsCommand(const Args& args);
// The same on the list in `paperFile` (tests use a scratch folder).
int RunFormatsCommandWith(const Args& args, const std::string& paperFile);
void RegisterFormatsCommand();
