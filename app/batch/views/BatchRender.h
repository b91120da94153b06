#pragma once
// `quendrix render`: the cover as the Texts view paints it, into a PNG file.
#include "app/batch/BatchCommands.h"

int RunRenderCommand(const Args& args);
void RegisterRenderCommand();
