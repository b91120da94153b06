#include "platform/SettingsDir.h"

#include <unistd.h>

#include <cstdlib>
#include <system_error>

namespace fs = std::filesystem;

fs::path ProgramDir() {
  std::error_code ec;
  const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  if (ec) return fs::current_path(ec);
  return exe.parent_path();
}

fs::path SettingsDirFor(const fs::path& programDir, const char* xdgConfigHome, const char* home) {
  if (!programDir.empty() && ::access(programDir.c_str(), W_OK) == 0) return programDir;
  fs::path base;
  if (xdgConfigHome && *xdgConfigHome == '/') {  // relative values are ignored, as XDG says
    base = xdgConfigHome;
  } else if (home && *home) {
    base = fs::path(home) / ".config";
  } else {
    base = fs::temp_directory_path();
  }
  const fs::path dir = base / "quendrix";
  std::error_code ec;
  fs::create_directories(dir, ec);
  return dir;
}

fs::path SettingsDir() {
  return SettingsDirFor(ProgramDir(), std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"));
}
