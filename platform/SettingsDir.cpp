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

fs::path SettingsDir() {
  const fs::path program = ProgramDir();
  if (!program.empty() && ::access(program.c_str(), W_OK) == 0) return program;
  fs::path base;
  if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg == '/') {
    base = xdg;
  } else if (const char* home = std::getenv("HOME"); home && *home) {
    base = fs::path(home) / ".config";
  } else {
    base = fs::temp_directory_path();
  }
  const fs::path dir = base / "quendrix";
  std::error_code ec;
  fs::create_directories(dir, ec);
  return dir;
}
