#pragma once
// The folder of the settings files (paper.dat, options.dat).
#include <filesystem>

// The program's own folder when it is writable, otherwise $XDG_CONFIG_HOME/quendrix
// (~/.config/quendrix), created when needed.
std::filesystem::path SettingsDir();
// The same choice for a given program folder and environment values (null when unset).
std::filesystem::path SettingsDirFor(const std::filesystem::path& programDir,
                                     const char* xdgConfigHome, const char* home);
// The folder of the program the user starts: the running program file's, or for the toolkit
// program installed as PREFIX/lib/quendrix/quendrix-toolkit, PREFIX/bin.
std::filesystem::path ProgramDir();
// ProgramDir for a given running program file.
std::filesystem::path ProgramDirOf(const std::filesystem::path& exe);
// The program that runs the window and the commands that need the toolkit: beside the program
// the user starts (a build folder), or in PREFIX/lib/quendrix when installed.
std::filesystem::path ToolkitProgram();
