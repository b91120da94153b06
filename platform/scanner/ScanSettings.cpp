#include "platform/scanner/ScanSettings.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <sstream>

#include "platform/RegularFile.h"
#include "platform/ReplacingFile.h"
#include "platform/SettingsDir.h"
#include "platform/SettingsFile.h"
#include "platform/Translate.h"

namespace {
constexpr size_t kMaxSettingsBytes = 64 * 1024;
constexpr size_t kMaxDeviceName = 1024;
constexpr double kMaxAreaMm = 10000;
constexpr size_t kMaxOptionsBytes = 4 * 1024 * 1024;

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

bool WriteReplacing(const std::string& path, const std::string& text, std::string& error) {
  error = WriteFileReplacing(path, text.data(), text.size());
  return error.empty();
}

bool LoadOptionChoices(const std::string& path, DeviceOptionChoices& out, std::string& error) {
  bool tooLarge = false;
  const auto bytes = ReadFileLimited(path, kMaxOptionsBytes, &tooLarge);
  if (!bytes && errno == ENOENT) return true;
  if (!bytes || tooLarge) {
    error = Translate("ScanSettings", "The scanner options file ") + path +
            Translate("ScanSettings", " is damaged (too large or unreadable).");
    return false;
  }
  int badLine = 0;
  if (!ReadOptionChoiceText(std::string(bytes->begin(), bytes->end()), out, badLine)) {
    error = Translate("ScanSettings", "The scanner options file ") + path +
            Translate("ScanSettings", " is damaged (line ") + std::to_string(badLine) + ").";
    return false;
  }
  return true;
}

// Without options no file is left behind, so a settings folder looks as it always did.
bool SaveOptionChoices(const std::string& path, const DeviceOptionChoices& choices,
                       std::string& error) {
  const std::string lines = OptionChoiceLines(choices);
  if (!lines.empty()) return WriteReplacing(path, "# Quendrix scanner options\n" + lines, error);
  std::error_code ec;
  if (std::filesystem::remove(path, ec) || !ec) return true;
  error = Translate("ScanSettings", "The scanner options file ") + path +
          Translate("ScanSettings", " cannot be removed: ") + ec.message();
  return false;
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
  bool tooLarge = false;
  const auto bytes = ReadFileLimited(path, kMaxSettingsBytes, &tooLarge);
  if (!bytes && errno == ENOENT) return true;
  if (tooLarge) {
    error = Translate("ScanSettings", "The scanner settings file ") + path +
            Translate("ScanSettings", " is damaged (too large or unreadable).");
    return false;
  }
  if (!bytes) {
    error = Translate("ScanSettings", "The scanner settings file ") + path +
            Translate("ScanSettings", " cannot be read.");
    return false;
  }
  std::istringstream in(std::string(bytes->begin(), bytes->end()));
  ScanSettings read;
  std::string line;
  int lineNo = 0;
  while (std::getline(in, line)) {
    ++lineNo;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#') continue;
    const size_t eq = line.find('=');
    const std::string key = line.substr(0, eq),
                      value = eq == std::string::npos ? "" : line.substr(eq + 1);
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
      error = Translate("ScanSettings", "The scanner settings file ") + path +
              Translate("ScanSettings", " is damaged (line ") + std::to_string(lineNo) + ").";
      return false;
    }
  }
  if (!LoadOptionChoices(ScanOptionsPath(path), read.options, error)) return false;
  out = read;
  return true;
}

bool SaveScanSettings(const std::string& path, const ScanSettings& s, std::string& error) {
  std::string device = s.device;  // one line: control characters would end it
  device.erase(
      std::remove_if(device.begin(), device.end(), [](unsigned char c) { return c < 0x20; }),
      device.end());
  std::ostringstream text;
  text.precision(10);
  text << "# Quendrix scanner settings\n"
       << "device=" << device << "\nresolution=" << s.resolution
       << "\nmode=" << ScanModeName(s.mode) << "\narea=" << s.area.left << ',' << s.area.top << ','
       << s.area.width << ',' << s.area.height << '\n';
  return SaveOptionChoices(ScanOptionsPath(path), s.options, error) &&
         WriteReplacing(path, text.str(), error);
}

std::string ScanOptionsPath(const std::string& settingsPath) {
  return SideFile(settingsPath, "-options.dat");
}

std::string ScanSettingsPath() {
  return (std::filesystem::path(SettingsDir()) / "scanner.dat").string();
}
