#pragma once
// `quendrix print`: the Print tab's job with the Center tab's values, without a window.
#include "app/BatchCommands.h"

int RunPrintCommand(const Args& args);
// Registers the batch commands that need the toolkit.
void RegisterToolkitCommands();
