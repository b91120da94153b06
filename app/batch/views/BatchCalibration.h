#pragma once
// `quendrix calibration`: shows or sets the default calibration or a printer's own.
#include "app/batch/BatchCommands.h"

// `optionsFile` is the options.dat whose neighbour holds the printers' own calibrations.
int RunCalibrationCommandWith(const Args& args, const std::string& optionsFile);
int RunCalibrationCommand(const Args& args);
void RegisterCalibrationCommand();
