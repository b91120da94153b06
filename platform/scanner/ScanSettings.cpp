#include "platform/scanner/ScanSettings.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/SettingsDir.h"

namespace {
constexpr std::uintmax_t kMaxSettingsBytes = 64 * 1024;
constexpr size_t kMaxDeviceName = 1024;
constexpr double kMaxAreaMm = 10000;

bool ParseInt(const std::string& text, int& out) {
  char* end = nullptr;
  const long v = std::strtol(text.c_str(), &end, 10);
  if (text.empty() || *end || v < kMinScanResolution || v > kMaxScanResolution) return false;
  out = static_cast<int>(v);
  return true;
}

bool ParseArea(const std::string& text, ScanArea& out) {
  double v[4];
  char tail = 0;
  if (std::sscanf(text.c_str(), "%lf,%lf,%lf,%lf%c", &v[0], &v[1], &v[2], &v[3], &tail) != 4)
    return false;
  for (double d : v)
    if (!std::isfinite(d) || d < 0 || d > kMaxAreaMm) return false;
  if (v[2] <= 0 || v[3] <= 0) return false;
  out = ScanArea{v[0], v[1], v[2], v[3]};
  return true;
}
}  // namespace

const char* ScanModeName(ScanMode mode) {
  return mode == ScanMode::Color ? "color" : mode == ScanMode::Gray ? "gray" : "lineart";
}

bool ParseScanMode(const std::string& text, ScanMode& mode) {
  for (ScanMode m : {ScanMode::Color, ScanMode::Gray, ScanMode::LineArt})
    if (text == ScanModeName(m)) {
      mode = m;
      return true;
    }
  return false;
}

bool LoadScanSettings(const std::string& path, ScanSettings& out, std::string& error) {
  out = ScanSettings{};
  std::error_code ec;
  if (!std::filesystem::exists(path, ec)) return true;
  const auto size = std::filesystem::file_size(path, ec);
  if (ec || size > kMaxSettingsBytes) {
    error = "The scanner settings file " + path + " is damaged (too large or unreadable).";
    return false;
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    error = "The scanner settings file " + path + " cannot be read.";
    return false;
  }
  ScanSettings read;
  std::string line;
  int lineNo = 0;
  while (std::getline(in, line)) {
    ++lineNo;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#') continue;
    const size_t eq = line.find('=');
    const std::string key = line.substr(0, eq), value = eq == std::string::npos ? "" : line.substr(eq + 1);
    bool ok = eq != std::string::npos;
    if (ok && key == "device") {
      ok = value.size() <= kMaxDeviceName;
      for (unsigned char c : value) ok = ok && c >= 0x20;
      if (ok) read.device = value;
    } else if (ok && key == "resolution") {
      ok = ParseInt(value, read.resolution);
    } else if (ok && key == "mode") {
      ok = ParseScanMode(value, read.mode);
    } else if (ok && key == "area") {
      ok = ParseArea(value, read.area);
    }
    if (!ok) {
      error = "The scanner settings file " + path + " is damaged (line " +
              std::to_string(lineNo) + ").";
      return false;
    }
  }
  out = read;
  return true;
}

bool SaveScanSettings(const std::string& path, const ScanSettings& s, std::string& error) {
  std::string device = s.device;  // one line: control characters would end it
  device.erase(std::remove_if(device.begin(), device.end(),
                              [](unsigned char c) { return c < 0x20; }),
               device.end());
  std::ostringstream text;
  text.precision(10);
  text << "# Quendrix scanner settings\n"
       << "device=" << device << "\nresolution=" << s.resolution
       << "\nmode=" << ScanModeName(s.mode) << "\narea=" << s.area.left << ',' << s.area.top
       << ',' << s.area.width << ',' << s.area.height << '\n';
  const std::string tmp = path + ".tmp";
  {
    std::ofstream out(tmp, std::ios::binary | std::ios::trunc);
    out << text.str();
    out.flush();
    if (!out) {
      error = "The scanner settings cannot be written to " + path + ".";
      std::error_code ec;
      std::filesystem::remove(tmp, ec);
      return false;
    }
  }
  std::error_code ec;
  std::filesystem::rename(tmp, path, ec);
  if (ec) {
    error = "The scanner settings cannot be written to " + path + ": " + ec.message();
    std::filesystem::remove(tmp, ec);
    return false;
  }
  return true;
}

std::string ScanSettingsPath() {
  return (std::filesystem::path(SettingsDir()) / "scanner.dat").string();
}
