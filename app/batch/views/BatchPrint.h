#pragma once
// `quendrix print`: the Print tab's job with the Center tab's values, without a window.
#include "app/batch/BatchCommands.h"

int RunPrintCommand(const Args& args);
// `quendrix render`: the cover as the Texts view paints it, into a PNG file.
int RunRenderCommand(const Args& args);
// `quendrix formats`: lists the paper formats, or imports and exports label template files.
int RunFormatsCommand(const Args& args);
// Registers the batch commands that need the toolkit (once, however often it is called).
void RegisterToolkitCommands();
