#pragma once
// The folder of the program's settings files (paper.dat, options.dat, scanner.dat): the
// program's own folder when it is writable, otherwise $XDG_CONFIG_HOME/quendrix or
// ~/.config/quendrix (created when missing).
#include <string>

std::string SettingsDir();
