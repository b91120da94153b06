#include "platform/dialogs/FileFolders.h"

#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace {
std::array<std::string, 4> g_lastFolder;

std::string Env(const char* name) {
  const char* v = std::getenv(name);
  return v ? v : "";
}

// Reads `key`="$HOME/Folder" from user-dirs.dirs.
std::string XdgUserDir(const std::string& key, const std::string& home) {
  std::string config = Env("XDG_CONFIG_HOME");
  if (config.empty()) config = home + "/.config";
  std::ifstream in(config + "/user-dirs.dirs");
  for (std::string line; std::getline(in, line);) {
    if (line.rfind(key + "=\"", 0) != 0 || line.back() != '"') continue;
    std::string value = line.substr(key.size() + 2, line.size() - key.size() - 3);
    if (value.rfind("$HOME", 0) == 0) value = home + value.substr(5);
    return value;
  }
  return {};
}

bool IsFolder(const std::string& path) {
  std::error_code ec;
  return !path.empty() && std::filesystem::is_directory(path, ec);
}
}  // namespace

std::string UserFolder(FileKind kind) {
  const std::string home = Env("HOME");
  const bool pictures = kind == FileKind::Picture;
  const std::string xdg = XdgUserDir(pictures ? "XDG_PICTURES_DIR" : "XDG_DOCUMENTS_DIR", home);
  if (IsFolder(xdg) && xdg != home) return xdg;
  const std::string plain = home + (pictures ? "/Pictures" : "/Documents");
  if (IsFolder(plain)) return plain;
  return IsFolder(home) ? home : "/";
}

std::string StartFolder(FileKind kind, const std::string& requested) {
  if (!requested.empty()) return requested;
  const std::string& last = g_lastFolder[static_cast<size_t>(kind)];
  return IsFolder(last) ? last : UserFolder(kind);
}

void RememberFolder(FileKind kind, const std::string& chosenFile) {
  const std::string folder = std::filesystem::path(chosenFile).parent_path().string();
  if (!folder.empty()) g_lastFolder[static_cast<size_t>(kind)] = folder;
}

void ForgetFolders() {
  g_lastFolder = {};
}
