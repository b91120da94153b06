#include "platform/scanner/ScanSettings.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <sstream>

#include "platform/KeptFiles.h"
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

bool WriteKept(const std::string& path, const std::string& text, std::string& error) {
  const KeptWrite written = WriteKeptFile(path, std::vector<uint8_t>(text.begin(), text.end()));
  error = written.message;
  return written.written();
}

// Reads a settings text of at most `limit` bytes into `out`; false with `error` set when it is
// damaged or unreadable (`out` then holds what could be read).
bool ReadText(const std::string& path, size_t limit, const std::string& what,
              std::istringstream& out, std::string& error) {
  KeptState state = KeptState::Read;
  std::string why;
  const auto bytes = ReadKeptFile(path, limit, &state, &why);
  if (bytes) out.str(std::string(bytes->begin(), bytes->end()));
  if (state == KeptState::Unreadable)
    error = what + path + Translate("ScanSettings", " cannot be read.") + NoteUnreadable(path);
  else if (state == KeptState::Damaged)
    error = what + path + Translate("ScanSettings", " is damaged (too large or unreadable).") +
            NoteDamaged(path);
  return state == KeptState::Read || state == KeptState::Missing;
}

std::string DamagedLine(const std::string& what, const std::string& path, int lineNo) {
  return what + path + Translate("ScanSettings", " is damaged (line ") + std::to_string(lineNo) +
         ")." + NoteDamaged(path);
}

// Reads the options of each device; a damaged line is skipped and reported, the rest kept.
bool LoadOptionChoices(const std::string& path, DeviceOptionChoices& out, std::string& error) {
  const std::string what = Translate("ScanSettings", "The scanner options file ");
  std::istringstream in;
  bool ok = ReadText(path, kMaxOptionsBytes, what, in, error);
  int badLine = 0;
  if (!ReadOptionChoiceText(in.str(), out, badLine) && ok) {
    error = DamagedLine(what, path, badLine);
    ok = false;
  }
  return ok;
}

// Without options no file is left behind, so a settings folder looks as it always did.
bool SaveOptionChoices(const std::string& path, const DeviceOptionChoices& choices,
                       std::string& error) {
  const std::string lines = OptionChoiceLines(choices);
  if (!lines.empty()) return WriteKept(path, "# Quendrix scanner options\n" + lines, error);
  const KeptWrite removed = RemoveKeptFile(path);
  error = removed.message;
  return removed.written();
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
  const std::string what = Translate("ScanSettings", "The scanner settings file ");
  std::istringstream in;
  bool ok = ReadText(path, kMaxSettingsBytes, what, in, error);
  std::string line;
  int lineNo = 0;
  while (std::getline(in, line)) {
    ++lineNo;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#') continue;
    const size_t eq = line.find('=');
    const std::string key = line.substr(0, eq),
                      value = eq == std::string::npos ? "" : line.substr(eq + 1);
    bool good = eq != std::string::npos;
    if (good && key == "device") {
      good = value.size() <= kMaxDeviceName;
      for (unsigned char c : value) good = good && c >= 0x20;
      if (good) out.device = value;
    } else if (good && key == "resolution") {
      good = ParseInt(value, out.resolution);
    } else if (good && key == "mode") {
      good = ParseScanMode(value, out.mode);
    } else if (good && key == "area") {
      good = ParseArea(value, out.area);
    }
    if (!good && ok) {  // the line keeps its default; the other lines are still read
      error = DamagedLine(what, path, lineNo);
      ok = false;
    }
  }
  std::string optionsError;
  if (!LoadOptionChoices(ScanOptionsPath(path), out.options, optionsError) && ok) {
    error = optionsError;
    ok = false;
  }
  return ok;
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
         WriteKept(path, text.str(), error);
}

std::string ScanOptionsPath(const std::string& settingsPath) {
  return SideFile(settingsPath, "-options.dat");
}

std::string ScanSettingsPath() {
  return (std::filesystem::path(SettingsDir()) / "scanner.dat").string();
}
