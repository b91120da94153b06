#include "platform/SettingsDir.h"

#include <unistd.h>

#include <cstdlib>
#include <system_error>

namespace fs = std::filesystem;

namespace {
constexpr const char* kToolkitProgram = "quendrix-toolkit";
}  // namespace

fs::path ProgramDirOf(const fs::path& exe) {
  const fs::path dir = exe.parent_path();
  // Installed, both programs share one settings folder and one PREFIX/share.
  if (exe.filename() == kToolkitProgram && dir.filename() == "quendrix" &&
      dir.parent_path().filename() == "lib")
    return dir.parent_path().parent_path() / "bin";
  return dir;
}

fs::path ProgramDir() {
  std::error_code ec;
  const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  if (ec) return fs::current_path(ec);
  return ProgramDirOf(exe);
}

fs::path ToolkitProgram() {
  const fs::path dir = ProgramDir();
  std::error_code ec;
  if (fs::exists(dir / kToolkitProgram, ec)) return dir / kToolkitProgram;
  return dir.parent_path() / "lib" / "quendrix" / kToolkitProgram;
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
