#pragma once
// Points SANE at a private configuration folder that holds only the `test` backend.
// SANE reads SANE_CONFIG_DIR once per process, so every test of a program shares one folder;
// test.conf is rewritten between tests and read again at the next start of the library.
#include <dlfcn.h>
#include <glob.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

struct SaneTestConfig {
  int devices = 2;
  std::string picture = "Color pattern";
  bool handScanner = false;  // lines not known in advance
  bool threePass = false;    // one frame per colour
  int readDelayUs = 0;       // slow reads (with small chunks) so a scan can be cancelled
  std::string readStatus = "Default";
};

// The folder lives as long as the test program and is removed at its end.
struct SaneTestFolder {
  SaneTestFolder() {
    path = std::filesystem::temp_directory_path() / ("quendrix-sane-" + std::to_string(::getpid()));
    std::filesystem::create_directories(path);
    std::ofstream(path / "dll.conf") << "test\n";
    ::setenv("SANE_CONFIG_DIR", path.c_str(), 1);
    // The backend stays loaded when SANE ends, so leak reports inside it can name it
    // (its reader thread keeps a buffer when a scan ends early).
    glob_t found{};
    if (::glob("/usr/lib/*/sane/libsane-test.so.1", 0, nullptr, &found) == 0 && found.gl_pathc > 0)
      ::dlopen(found.gl_pathv[0], RTLD_NOW | RTLD_NODELETE);
    ::globfree(&found);
  }
  ~SaneTestFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path, ec);
  }
  std::filesystem::path path;
};

inline const std::filesystem::path& SaneTestConfigDir() {
  static const SaneTestFolder folder;
  return folder.path;
}

inline void WriteSaneTestConfig(const SaneTestConfig& c = {}) {
  std::ofstream f(SaneTestConfigDir() / "test.conf", std::ios::trunc);
  const auto yes = [](bool b) { return b ? "true" : "false"; };
  f << "number_of_devices " << c.devices << "\nmode Gray\ndepth 8\n"
    << "hand-scanner " << yes(c.handScanner) << "\nthree-pass " << yes(c.threePass)
    << "\nthree-pass-order RGB\nresolution_min 1.0\nresolution_max 1200.0\n"
    << "resolution_quant 1.0\nresolution 50.0\ntest-picture \"" << c.picture << "\"\n"
    << "invert-endianess false\nread-limit " << yes(c.readDelayUs > 0)
    << "\nread-limit-size 512\nread-delay " << yes(c.readDelayUs > 0) << "\nread-delay-duration "
    << (c.readDelayUs > 0 ? c.readDelayUs : 1000) << "\nread-status-code \"" << c.readStatus
    << "\"\nfuzzy-parameters false\nppl-loss 0\n"
    << "non-blocking false\nselect-fd false\nenable-test-options true\n"
    << "geometry_min 0.0\ngeometry_max 250.0\ngeometry_quant 1.0\n"
    << "tl_x 0.0\ntl_y 0.0\nbr_x 80.0\nbr_y 100.0\n";
}
