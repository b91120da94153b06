#include "print/settings/DetailsFile.h"

#include <cstring>
#include <filesystem>

#include "platform/KeptFiles.h"
#include "platform/SettingsFile.h"
#include "platform/Translate.h"
#include "print/settings/PaperFile.h"

namespace {
constexpr size_t kHeaderSize = 12;
constexpr size_t kGridSize = 40;
constexpr size_t kFixedEntrySize = kPaperRecordSize + 4 + 6 * 8 + 4;  // before the grids
constexpr int32_t kPrintableDiscMark = 1;  // the medium after the bleed: a disc in the tray
// After the medium, tagged sections (tag, size, bytes); a reader skips tags it does not know.
constexpr int32_t kGridElementsTag = 0x4D4C4547;  // "GELM": grids with elements of their own
constexpr size_t kGridElementSize = 4 + 2 * 8 + 4 + 3 * 8;  // grid, size, shape
constexpr size_t kGuideSize = 4 + 4 * 8;
constexpr int32_t kPlainVersion = 1;  // written while no format has guides or grid elements
constexpr size_t kMaxEntrySize = kFixedEntrySize + kMaxGrids * (kGridSize + kGridElementSize) + 8 +
                                 4 + 4 + kMaxGuides * kGuideSize + 4096;

void PutShape(FieldWriter& w, const LabelShape& s) {
  w.put(static_cast<int32_t>(s.kind));
  for (double v : {s.cornerRadius, s.outerDiameter, s.holeDiameter}) w.put(v);
}

// The grids after the first whose elements are their own: grid number, size, shape.
void PutGridElements(FieldWriter& w, const std::vector<LabelGrid>& grids) {
  FieldWriter section;
  for (size_t i = 0; i < grids.size(); ++i) {
    if (!grids[i].element) continue;
    section.put(static_cast<int32_t>(i));
    section.put(grids[i].element->width);
    section.put(grids[i].element->height);
    PutShape(section, grids[i].element->shape);
  }
  w.put(kGridElementsTag);
  w.put(static_cast<int32_t>(section.bytes().size()));
  w.putBytes(section.bytes().data(), section.bytes().size());
}

// False when a grid number is out of order or out of range, or a value missing.
bool GetGridElements(FieldReader r, std::vector<LabelGrid>& grids) {
  int32_t last = -1;
  while (r.left() > 0) {
    int32_t i = 0, kind = 0;
    GridElement e;
    if (!r.get(i) || i <= last || i >= static_cast<int32_t>(grids.size()) || !r.get(e.width) ||
        !r.get(e.height) || !r.get(kind) || kind < 0 || kind > 3 || !r.get(e.shape.cornerRadius) ||
        !r.get(e.shape.outerDiameter) || !r.get(e.shape.holeDiameter))
      return false;
    e.shape.kind = static_cast<ShapeKind>(kind);
    grids[static_cast<size_t>(i)].element = e;
    last = i;
  }
  return true;
}

std::vector<uint8_t> EncodeEntry(const PaperFormat& fmt, const FormatDetails& d) {
  FieldWriter w;
  const auto record = EncodePaperFormat(fmt);
  w.putBytes(record.data(), record.size());
  PutShape(w, d.shape);
  for (double v : {d.bleedX, d.sheetWidth, d.sheetHeight}) w.put(v);
  w.put(static_cast<int32_t>(d.moreGrids.size()));
  for (const LabelGrid& g : d.moreGrids) {
    for (double v : {g.left, g.top, g.stepH, g.stepV}) w.put(v);
    w.put(g.across);
    w.put(g.down);
  }
  // appended: an entry without them keeps its bytes
  // Files of version 2 on: guides, then tagged sections.
  const bool sections = HasGridElements(d), guides = !d.guides.empty();
  if (d.bleedY != d.bleedX || d.printableDisc || guides || sections) w.put(d.bleedY);
  if (d.printableDisc || guides || sections)
    w.put(d.printableDisc ? kPrintableDiscMark : int32_t{0});
  if (!guides && !sections) return std::move(w.bytes());
  w.put(static_cast<int32_t>(d.guides.size()));
  for (const FormatGuide& g : d.guides) {
    w.put(static_cast<int32_t>(g.kind));
    for (double v : {g.x1, g.y1, g.x2, g.y2}) w.put(v);
  }
  if (sections) PutGridElements(w, d.moreGrids);
  return std::move(w.bytes());
}

enum class EntryRead { Used, Skipped, Damaged };

// Guides come after the medium in files of version 2 on; their count and size must fit.
bool DecodeGuides(FieldReader& r, std::vector<FormatGuide>& guides) {
  int32_t count = 0;
  if (r.left() < sizeof count) return true;
  r.get(count);
  if (count < 0 || count > kMaxGuides || r.left() < static_cast<size_t>(count) * kGuideSize)
    return false;
  for (int32_t i = 0; i < count; ++i) {
    FormatGuide g;
    int32_t kind = 0;
    r.get(kind);
    g.kind = static_cast<GuideKind>(kind);  // an unknown kind fails CheckDetails
    for (double* v : {&g.x1, &g.y1, &g.x2, &g.y2}) r.get(*v);
    guides.push_back(g);
  }
  return true;
}

// Skipped when the entry is unusable (unknown shape, impossible values); damaged when its
// guides do not fit it.
EntryRead DecodeEntry(const uint8_t* p, size_t n, int32_t version, DetailsEntry& out) {
  FieldReader r(p, n);
  if (!r.getBytes(out.record.data(), out.record.size())) return EntryRead::Skipped;
  PaperFormat fmt;
  if (!DecodePaperFormat(out.record.data(), fmt)) return EntryRead::Skipped;
  int32_t kind = 0, grids = 0;
  FormatDetails& d = out.details;
  if (!r.get(kind) || kind < 0 || kind > 3) return EntryRead::Skipped;
  d.shape.kind = static_cast<ShapeKind>(kind);
  for (double* v : {&d.shape.cornerRadius, &d.shape.outerDiameter, &d.shape.holeDiameter, &d.bleedX,
                    &d.sheetWidth, &d.sheetHeight})
    if (!r.get(*v)) return EntryRead::Skipped;
  if (!r.get(grids) || grids < 0 || grids >= kMaxGrids) return EntryRead::Skipped;
  for (int32_t i = 0; i < grids; ++i) {
    LabelGrid g;
    if (!r.get(g.left) || !r.get(g.top) || !r.get(g.stepH) || !r.get(g.stepV) || !r.get(g.across) ||
        !r.get(g.down))
      return EntryRead::Skipped;
    d.moreGrids.push_back(g);
  }
  d.bleedY = d.bleedX;  // an entry written before the top and bottom bleed had its own field
  if (r.left() >= sizeof d.bleedY) r.get(d.bleedY);
  int32_t media = 0;
  if (r.left() >= sizeof media) r.get(media);
  if (version >= 2 && !DecodeGuides(r, d.guides)) return EntryRead::Damaged;
  if (media != 0 && media != kPrintableDiscMark) return EntryRead::Skipped;
  d.printableDisc = media == kPrintableDiscMark;
  // Tagged sections: a section this version does not know is skipped, a damaged one skips the
  // entry; a file of version 1 has none.
  while (version >= 2 && r.left() > 0) {
    int32_t tag = 0, size = 0;
    if (!r.get(tag) || !r.get(size) || size < 0 || static_cast<size_t>(size) > r.left())
      return EntryRead::Skipped;
    if (tag == kGridElementsTag &&
        !GetGridElements(FieldReader(r.here(), size_t(size)), d.moreGrids))
      return EntryRead::Skipped;
    r.skip(static_cast<size_t>(size));
  }
  return CheckDetails(fmt, d).empty() ? EntryRead::Used : EntryRead::Skipped;
}

}  // namespace

DetailsParse ParseDetailsFile(const std::vector<uint8_t>& bytes) {
  DetailsParse r;
  FieldReader in(bytes);
  int32_t magic = 0, version = 0, count = 0;
  if (!in.get(magic) || !in.get(version) || !in.get(count) || magic != kDetailsMagic) {
    r.message = Translate("DetailsFile", "it is no paper format details file.");
    return r;
  }
  r.newer = version > kDetailsVersion;  // its entries begin with the fields we know
  if (count < 0 || count > kMaxDetailsEntries) {
    r.message = Translate("DetailsFile", "it claims ") + std::to_string(count) +
                Translate("DetailsFile", " entries.");
    return r;
  }
  for (int32_t i = 0; i < count; ++i) {
    int32_t size = 0;
    if (!in.get(size)) {
      r.message = Translate("DetailsFile", "it ends within entry ") + std::to_string(i + 1) + ".";
      return r;
    }
    DetailsEntry e;
    const bool fits = size >= 0 && static_cast<size_t>(size) <= kMaxEntrySize &&
                      in.left() >= static_cast<size_t>(size);
    const EntryRead read =
        fits ? DecodeEntry(in.here(), static_cast<size_t>(size), version, e) : EntryRead::Damaged;
    if (read == EntryRead::Damaged) {
      r.message = Translate("DetailsFile", "entry ") + std::to_string(i + 1) +
                  Translate("DetailsFile", " is damaged.");
      return r;
    }
    if (read == EntryRead::Used) r.entries.push_back(std::move(e));
    in.skip(static_cast<size_t>(size));
  }
  return r;
}

std::vector<uint8_t> EncodeDetailsFile(const std::vector<PaperFormat>& formats,
                                       const std::vector<FormatDetails>& details) {
  FieldWriter w;
  // Older versions read a newer file as far as they know it, but never write over it.
  bool newer = false;
  for (const FormatDetails& d : details) newer = newer || !d.guides.empty() || HasGridElements(d);
  w.put(kDetailsMagic);
  w.put(newer ? kDetailsVersion : kPlainVersion);
  w.put(int32_t{0});  // the count, set below
  int32_t count = 0;
  for (size_t i = 0; i < formats.size() && i < details.size(); ++i) {
    if (details[i].isPlain()) continue;
    const std::vector<uint8_t> entry = EncodeEntry(formats[i], details[i]);
    w.put(static_cast<int32_t>(entry.size()));
    w.putBytes(entry.data(), entry.size());
    ++count;
  }
  w.putAt(8, count);
  return std::move(w.bytes());
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
  KeptState state = KeptState::Read;
  std::string why, note;
  const auto bytes = ReadKeptFile(file, limit * 4, &state, &why);
  DetailsParse parse;
  if (bytes) parse = ParseDetailsFile(*bytes);
  if (state == KeptState::Unreadable) {
    note = Translate("DetailsFile", "The paper format details file ") + file +
           Translate("DetailsFile", " cannot be read (") + why + ")." + NoteUnreadable(file);
  } else if (state == KeptState::Damaged || !parse.message.empty()) {
    note = NoteDamaged(file);
    if (!note.empty())
      note = Translate("DetailsFile", "The paper format details file ") + file +
             Translate("DetailsFile", " is damaged: ") +
             (parse.message.empty() ? why : parse.message) + note;
  } else if (parse.newer) {
    NoteState(file, KeptState::Newer);  // read as far as known; refusing to write it will tell
  }
  if (message) *message = note;
  return MatchDetails(formats, parse.entries);
}

KeptWrite SaveCatalogue(const std::string& paperFile, const std::vector<PaperFormat>& formats,
                        const std::vector<FormatDetails>& details) {
  if (!KeptWritable(paperFile))  // then the details file must wait too
    return WriteKeptFile(paperFile, EncodePaperFormats(formats));
  const std::string side = DetailsFileFor(paperFile);
  bool needed = std::filesystem::exists(side);
  for (const FormatDetails& d : details) needed = needed || !d.isPlain();
  if (needed) {
    // paper.dat without its details would turn discs into rectangles
    const KeptWrite written = WriteKeptFile(side, EncodeDetailsFile(formats, details));
    if (!written.written()) return written;
  }
  return WriteKeptFile(paperFile, EncodePaperFormats(formats));
}
