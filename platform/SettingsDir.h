#pragma once
// The folder of the settings files (paper.dat, options.dat).
#include <filesystem>

// The program's own folder when it is writable, otherwise $XDG_CONFIG_HOME/quendrix
// (~/.config/quendrix), created when needed.
std::filesystem::path SettingsDir();
// The same choice for a given program folder and environment values (null when unset).
std::filesystem::path SettingsDirFor(const std::filesystem::path& programDir,
                                     const char* xdgConfigHome, const char* home);
// The folder of the running program file.
std::filesystem::path ProgramDir();
