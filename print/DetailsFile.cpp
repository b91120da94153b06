#include "print/DetailsFile.h"

#include <cstring>
#include <filesystem>

#include "platform/Translate.h"
#include "print/PaperFile.h"
#include "print/SettingsFile.h"

namespace {
constexpr size_t kHeaderSize = 12;
constexpr size_t kGridSize = 40;
constexpr size_t kFixedEntrySize = kPaperRecordSize + 4 + 6 * 8 + 4;  // before the grids
constexpr size_t kMaxEntrySize = kFixedEntrySize + kMaxGrids * kGridSize + 4096;

class Writer {
 public:
  template <typename T>
  void Put(T v) {
    const auto* p = reinterpret_cast<const uint8_t*>(&v);
    bytes.insert(bytes.end(), p, p + sizeof v);
  }
  std::vector<uint8_t> bytes;
};

class Reader {
 public:
  Reader(const uint8_t* p, size_t n) : p_(p), n_(n) {}
  template <typename T>
  bool Get(T& v) {
    if (at_ + sizeof v > n_) return false;
    std::memcpy(&v, p_ + at_, sizeof v);
    at_ += sizeof v;
    return true;
  }
  size_t left() const { return n_ - at_; }

 private:
  const uint8_t* p_;
  size_t n_, at_ = 0;
};

std::vector<uint8_t> EncodeEntry(const PaperFormat& fmt, const FormatDetails& d) {
  Writer w;
  const auto record = EncodePaperFormat(fmt);
  w.bytes.assign(record.begin(), record.end());
  w.Put(static_cast<int32_t>(d.shape.kind));
  for (double v : {d.shape.cornerRadius, d.shape.outerDiameter, d.shape.holeDiameter, d.bleedX,
                   d.sheetWidth, d.sheetHeight})
    w.Put(v);
  w.Put(static_cast<int32_t>(d.moreGrids.size()));
  for (const LabelGrid& g : d.moreGrids) {
    for (double v : {g.left, g.top, g.stepH, g.stepV}) w.Put(v);
    w.Put(g.across);
    w.Put(g.down);
  }
  if (d.bleedY != d.bleedX) w.Put(d.bleedY);  // appended: an entry without it keeps its bytes
  return w.bytes;
}

// False when the entry is unusable (unknown shape, impossible values); it is then skipped.
bool DecodeEntry(const uint8_t* p, size_t n, DetailsEntry& out) {
  Reader r(p, n);
  for (uint8_t& b : out.record)
    if (!r.Get(b)) return false;
  PaperFormat fmt;
  if (!DecodePaperFormat(out.record.data(), fmt)) return false;
  int32_t kind = 0, grids = 0;
  FormatDetails& d = out.details;
  if (!r.Get(kind) || kind < 0 || kind > 3) return false;
  d.shape.kind = static_cast<ShapeKind>(kind);
  for (double* v : {&d.shape.cornerRadius, &d.shape.outerDiameter, &d.shape.holeDiameter, &d.bleedX,
                    &d.sheetWidth, &d.sheetHeight})
    if (!r.Get(*v)) return false;
  if (!r.Get(grids) || grids < 0 || grids >= kMaxGrids) return false;
  for (int32_t i = 0; i < grids; ++i) {
    LabelGrid g;
    if (!r.Get(g.left) || !r.Get(g.top) || !r.Get(g.stepH) || !r.Get(g.stepV) || !r.Get(g.across) ||
        !r.Get(g.down))
      return false;
    d.moreGrids.push_back(g);
  }
  d.bleedY = d.bleedX;  // an entry written before the top and bottom bleed had its own field
  if (r.left() >= sizeof d.bleedY) r.Get(d.bleedY);
  return CheckDetails(fmt, d).empty();
}

int32_t ReadInt(const std::vector<uint8_t>& b, size_t at) {
  int32_t v;
  std::memcpy(&v, b.data() + at, 4);
  return v;
}
}  // namespace

DetailsParse ParseDetailsFile(const std::vector<uint8_t>& bytes) {
  DetailsParse r;
  if (bytes.size() < kHeaderSize || ReadInt(bytes, 0) != kDetailsMagic) {
    r.message = Translate("DetailsFile", "it is no paper format details file.");
    return r;
  }
  const int32_t count = ReadInt(bytes, 8);
  if (count < 0 || count > kMaxDetailsEntries) {
    r.message = Translate("DetailsFile", "it claims ") + std::to_string(count) +
                Translate("DetailsFile", " entries.");
    return r;
  }
  size_t at = kHeaderSize;
  for (int32_t i = 0; i < count; ++i) {
    if (bytes.size() - at < 4) {
      r.message = Translate("DetailsFile", "it ends within entry ") + std::to_string(i + 1) + ".";
      return r;
    }
    const int32_t size = ReadInt(bytes, at);
    at += 4;
    if (size < 0 || static_cast<size_t>(size) > kMaxEntrySize ||
        bytes.size() - at < static_cast<size_t>(size)) {
      r.message = Translate("DetailsFile", "entry ") + std::to_string(i + 1) +
                  Translate("DetailsFile", " is damaged.");
      return r;
    }
    DetailsEntry e;
    if (DecodeEntry(bytes.data() + at, static_cast<size_t>(size), e))
      r.entries.push_back(std::move(e));
    at += static_cast<size_t>(size);
  }
  return r;
}

std::vector<uint8_t> EncodeDetailsFile(const std::vector<PaperFormat>& formats,
                                       const std::vector<FormatDetails>& details) {
  Writer w;
  w.Put(kDetailsMagic);
  w.Put(kDetailsVersion);
  w.Put(int32_t{0});
  int32_t count = 0;
  for (size_t i = 0; i < formats.size() && i < details.size(); ++i) {
    if (details[i].IsPlain()) continue;
    const std::vector<uint8_t> entry = EncodeEntry(formats[i], details[i]);
    w.Put(static_cast<int32_t>(entry.size()));
    w.bytes.insert(w.bytes.end(), entry.begin(), entry.end());
    ++count;
  }
  std::memcpy(w.bytes.data() + 8, &count, 4);
  return w.bytes;
}

std::vector<FormatDetails> MatchDetails(const std::vector<PaperFormat>& formats,
                                        const std::vector<DetailsEntry>& entries) {
  std::vector<FormatDetails> out(formats.size());
  std::vector<bool> used(entries.size(), false);
  for (size_t i = 0; i < formats.size(); ++i) {
    const auto record = EncodePaperFormat(formats[i]);
    for (size_t e = 0; e < entries.size(); ++e) {
      if (used[e] || entries[e].record != record) continue;
      used[e] = true;
      out[i] = entries[e].details;
      break;
    }
  }
  return out;
}

std::string DetailsFileFor(const std::string& paperFile) {
  return SideFile(paperFile, "-details.dat");
}

std::vector<FormatDetails> LoadDetailsFor(const std::string& paperFile,
                                          const std::vector<PaperFormat>& formats,
                                          std::string* message) {
  const std::string file = DetailsFileFor(paperFile);
  const size_t limit =
      kHeaderSize + static_cast<size_t>(kMaxDetailsEntries) * (kFixedEntrySize + 4);
  const auto bytes = ReadFileLimited(file, limit * 4);
  if (!bytes) return std::vector<FormatDetails>(formats.size());
  DetailsParse parse = ParseDetailsFile(*bytes);
  if (message && !parse.message.empty())
    *message = Translate("DetailsFile", "The paper format details file ") + file +
               Translate("DetailsFile", " is damaged: ") + parse.message;
  return MatchDetails(formats, parse.entries);
}

std::string SaveCatalogue(const std::string& paperFile, const std::vector<PaperFormat>& formats,
                          const std::vector<FormatDetails>& details) {
  const std::string side = DetailsFileFor(paperFile);
  bool needed = std::filesystem::exists(side);
  for (const FormatDetails& d : details) needed = needed || !d.IsPlain();
  if (needed) {
    const std::string error = ReplaceFileAtomically(side, EncodeDetailsFile(formats, details));
    if (!error.empty()) return error;
  }
  return SavePaperFormats(paperFile, formats);
}
