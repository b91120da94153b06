#include "platform/SettingsDir.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

std::string SettingsDir() {
  std::error_code ec;
  const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  if (!ec && !exe.parent_path().empty() && access(exe.parent_path().c_str(), W_OK) == 0)
    return exe.parent_path().string();
  fs::path dir;
  const char* xdg = std::getenv("XDG_CONFIG_HOME");
  const char* home = std::getenv("HOME");
  if (xdg && *xdg)
    dir = fs::path(xdg) / "quendrix";
  else if (home && *home)
    dir = fs::path(home) / ".config" / "quendrix";
  else
    dir = fs::temp_directory_path(ec) / "quendrix";
  fs::create_directories(dir, ec);
  return dir.string();
}
