#include "print/settings/PaperFile.h"

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "platform/KeptFiles.h"
#include "platform/RegularFile.h"
#include "platform/ReplacingFile.h"
#include "platform/SettingsFile.h"
#include "platform/Translate.h"

namespace {
PaperLoadResult Damaged(const std::string& path, const std::string& why,
                        std::vector<PaperFormat> kept = {}) {
  PaperLoadResult r;
  r.status = PaperLoadResult::Damaged;
  r.formats = std::move(kept);
  r.message = Translate("PaperFile", "The paper format file ") + path +
              Translate("PaperFile", " is damaged: ") + why;
  return r;
}
}  // namespace

PaperLoadResult LoadPaperFormats(const std::string& path) {
  const size_t limit = 8 + static_cast<size_t>(kMaxPaperFormats) * kPaperRecordSize;
  KeptState state = KeptState::Read;
  std::string why;
  const auto bytes = ReadKeptFile(path, limit, &state, &why);
  if (state == KeptState::Missing) return {};
  if (!bytes) {
    PaperLoadResult r;
    r.status = PaperLoadResult::Unreadable;
    r.message = Translate("PaperFile", "The paper format file ") + path +
                Translate("PaperFile", " cannot be read (") + why + ").";
    return r;
  }
  PaperLoadResult r = ParsePaperFormats(*bytes, path);
  if (state == KeptState::Damaged && r.status == PaperLoadResult::Loaded)
    r = Damaged(path, why, std::move(r.formats));
  if (r.status == PaperLoadResult::Damaged) (void)NoteDamaged(path);  // the list tells the user
  return r;
}

PaperLoadResult ParsePaperFormats(const std::vector<uint8_t>& bytes, const std::string& path) {
  FieldReader in(bytes);
  int32_t magic = 0, count = 0;
  if (!in.get(magic) || !in.get(count))
    return Damaged(path, Translate("PaperFile", "it is too short."));
  if (magic != kPaperMagic)
    return Damaged(path, Translate("PaperFile", "it is no paper format file."));
  if (count < 0 || count > kMaxPaperFormats)
    return Damaged(path, Translate("PaperFile", "it claims ") + std::to_string(count) +
                             Translate("PaperFile", " paper formats."));
  const size_t whole = (bytes.size() - 8) / kPaperRecordSize;
  const size_t present = whole < static_cast<size_t>(count) ? whole : static_cast<size_t>(count);
  std::vector<PaperFormat> formats;
  formats.reserve(present);
  for (size_t i = 0; i < present; ++i) {
    PaperFormat t;
    if (!DecodePaperFormat(bytes.data() + 8 + i * kPaperRecordSize, t))
      return Damaged(path,
                     Translate("PaperFile", "paper format ") + std::to_string(i + 1) +
                         Translate("PaperFile", " holds impossible values."),
                     std::move(formats));
    formats.push_back(std::move(t));
  }
  if (present < static_cast<size_t>(count))
    return Damaged(path,
                   Translate("PaperFile", "it holds only ") + std::to_string(present) +
                       Translate("PaperFile", " of ") + std::to_string(count) +
                       Translate("PaperFile", " paper formats."),
                   std::move(formats));
  PaperLoadResult r;
  r.status = PaperLoadResult::Loaded;
  r.formats = std::move(formats);
  return r;
}

std::vector<uint8_t> EncodePaperFormats(const std::vector<PaperFormat>& formats) {
  FieldWriter out;
  out.put(kPaperMagic);
  out.put(static_cast<int32_t>(formats.size()));
  for (const PaperFormat& t : formats) {
    const auto rec = EncodePaperFormat(t);
    out.putBytes(rec.data(), rec.size());
  }
  return std::move(out.bytes());
}

std::string SavePaperFormats(const std::string& path, const std::vector<PaperFormat>& formats) {
  return WriteFileReplacing(path, EncodePaperFormats(formats));
}
