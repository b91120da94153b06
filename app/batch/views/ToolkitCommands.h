#pragma once
// The batch commands that need the toolkit: rendering, printing and the paper formats.

// Registers them in the order help lists them (once, however often it is called).
void RegisterToolkitCommands();
