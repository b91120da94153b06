#pragma once
// Batch commands on picture files: `quendrix convert IN OUT [--format CODE]`, `quendrix info FILE`.
#include "app/batch/BatchCommands.h"

int RunConvert(const Args& args);
int RunInfo(const Args& args);
