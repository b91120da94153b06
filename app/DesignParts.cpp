#include "app/DesignParts.h"

#include <algorithm>

#include "platform/Translate.h"

std::string DefaultPartName() {
  return Translate("DesignParts", "Cover");
}

std::string PartNameFault(const DesignParts& parts, const std::string& name, size_t except) {
  if (name.empty()) return Translate("DesignParts", "a part needs a name");
  if (name.size() > kMaxPartNameBytes || name.find('\0') != std::string::npos)
    return FillIn(Translate("DesignParts", "a part's name has at most %1 bytes"),
                  {std::to_string(kMaxPartNameBytes)});
  for (size_t i = 0; i < parts.list.size(); ++i)
    if (i != except && parts.list[i].name == name)
      return FillIn(Translate("DesignParts", "there is already a part called %1"), {name});
  return {};
}

std::optional<size_t> FindPart(const DesignParts& parts, const std::string& key) {
  for (size_t i = 0; i < parts.list.size(); ++i)
    if (parts.list[i].name == key) return i;
  if (!key.empty() && key.size() < 4 &&
      std::all_of(key.begin(), key.end(), [](char c) { return c >= '0' && c <= '9'; })) {
    const size_t n = std::stoul(key);
    if (n >= 1 && n <= parts.list.size()) return n - 1;
  }
  return std::nullopt;
}

std::vector<size_t> PartsAtPositions(const DesignParts& parts, int32_t positions) {
  std::vector<size_t> at(size_t(std::max(positions, 0)), parts.current);
  for (const auto& [k, part] : parts.placed)
    if (k < positions && part < parts.list.size()) at[size_t(k)] = part;
  return at;
}

void PlacePart(DesignParts& parts, int32_t k, size_t part) {
  if (part == parts.current || part >= parts.list.size())
    parts.placed.erase(k);
  else
    parts.placed[k] = part;
}
