#include "print/PaperFile.h"

#include <cstring>

#include "print/SettingsFile.h"

namespace {
int32_t ReadInt(const std::vector<uint8_t>& b, size_t at) {
  int32_t v;
  std::memcpy(&v, b.data() + at, 4);
  return v;
}

EttLoadResult Damaged(const std::string& path, const std::string& why,
                      std::vector<TEttType> kept = {}) {
  EttLoadResult r;
  r.status = EttLoadResult::Damaged;
  r.formats = std::move(kept);
  r.message = "The paper format file " + path + " is damaged: " + why;
  return r;
}
}  // namespace

EttLoadResult LoadEttTypes(const std::string& path) {
  const size_t limit = 8 + static_cast<size_t>(kMaxEttCount) * kEttRecordSize;
  const auto bytes = ReadFileLimited(path, limit);
  if (!bytes) return {};
  return ParseEttTypes(*bytes, path);
}

EttLoadResult ParseEttTypes(const std::vector<uint8_t>& bytes, const std::string& path) {
  if (bytes.size() < 8) return Damaged(path, "it is too short.");
  if (ReadInt(bytes, 0) != kPaperMagic) return Damaged(path, "it is no paper format file.");
  const int32_t count = ReadInt(bytes, 4);
  if (count < 0 || count > kMaxEttCount)
    return Damaged(path, "it claims " + std::to_string(count) + " paper formats.");
  const size_t whole = (bytes.size() - 8) / kEttRecordSize;
  const size_t present = whole < static_cast<size_t>(count) ? whole : static_cast<size_t>(count);
  std::vector<TEttType> formats;
  formats.reserve(present);
  for (size_t i = 0; i < present; ++i) {
    TEttType t;
    if (!DecodeEtt(bytes.data() + 8 + i * kEttRecordSize, t))
      return Damaged(path, "paper format " + std::to_string(i + 1) + " holds impossible values.",
                     std::move(formats));
    formats.push_back(std::move(t));
  }
  if (present < static_cast<size_t>(count))
    return Damaged(path, "it holds only " + std::to_string(present) + " of " +
                             std::to_string(count) + " paper formats.",
                   std::move(formats));
  EttLoadResult r;
  r.status = EttLoadResult::Loaded;
  r.formats = std::move(formats);
  return r;
}

std::vector<uint8_t> EncodeEttTypes(const std::vector<TEttType>& formats) {
  std::vector<uint8_t> out(8);
  const int32_t magic = kPaperMagic, count = static_cast<int32_t>(formats.size());
  std::memcpy(out.data(), &magic, 4);
  std::memcpy(out.data() + 4, &count, 4);
  for (const TEttType& t : formats) {
    const auto rec = EncodeEtt(t);
    out.insert(out.end(), rec.begin(), rec.end());
  }
  return out;
}

std::string SaveEttTypes(const std::string& path, const std::vector<TEttType>& formats) {
  return ReplaceFileAtomically(path, EncodeEttTypes(formats));
}
