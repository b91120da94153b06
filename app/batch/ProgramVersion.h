#pragma once
// The program's version line, as `quendrix --version` prints it.
#include <string>

// "Quendrix 1.1", followed by the source revision when the build recorded one.
std::string ProgramVersionLine();
