#pragma once
// `quendrix print`: the Print tab's job with the Center tab's values, without a window.
#include "app/batch/BatchCommands.h"

int RunPrintCommand(const Args& args);
void RegisterPrintCommand();
