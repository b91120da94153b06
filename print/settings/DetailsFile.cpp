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
constexpr size_t kMaxEntrySize =
    kFixedEntrySize + kMaxGrids * (kGridSize + kGridElementSize) + 4096;

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
  const bool sections = HasGridElements(d);
  if (d.bleedY != d.bleedX || d.printableDisc || sections) w.put(d.bleedY);
  if (d.printableDisc || sections) w.put(d.printableDisc ? kPrintableDiscMark : 0);
  if (sections) PutGridElements(w, d.moreGrids);
  return std::move(w.bytes());
}

// False when the entry is unusable (unknown shape, impossible values); it is then skipped.
bool DecodeEntry(const uint8_t* p, size_t n, DetailsEntry& out) {
  FieldReader r(p, n);
  if (!r.getBytes(out.record.data(), out.record.size())) return false;
  PaperFormat fmt;
  if (!DecodePaperFormat(out.record.data(), fmt)) return false;
  int32_t kind = 0, grids = 0;
  FormatDetails& d = out.details;
  if (!r.get(kind) || kind < 0 || kind > 3) return false;
  d.shape.kind = static_cast<ShapeKind>(kind);
  for (double* v : {&d.shape.cornerRadius, &d.shape.outerDiameter, &d.shape.holeDiameter, &d.bleedX,
                    &d.sheetWidth, &d.sheetHeight})
    if (!r.get(*v)) return false;
  if (!r.get(grids) || grids < 0 || grids >= kMaxGrids) return false;
  for (int32_t i = 0; i < grids; ++i) {
    LabelGrid g;
    if (!r.get(g.left) || !r.get(g.top) || !r.get(g.stepH) || !r.get(g.stepV) || !r.get(g.across) ||
        !r.get(g.down))
      return false;
    d.moreGrids.push_back(g);
  }
  d.bleedY = d.bleedX;  // an entry written before the top and bottom bleed had its own field
  if (r.left() >= sizeof d.bleedY) r.get(d.bleedY);
  int32_t media = 0;
  if (r.left() >= sizeof media) r.get(media);
  if (media != 0 && media != kPrintableDiscMark) return false;
  d.printableDisc = media == kPrintableDiscMark;
  while (r.left() > 0) {
    int32_t tag = 0, size = 0;
    if (!r.get(tag) || !r.get(size) || size < 0 || static_cast<size_t>(size) > r.left())
      return false;
    if (tag == kGridElementsTag &&
        !GetGridElements(FieldReader(r.here(), size_t(size)), d.moreGrids))
      return false;
    r.skip(static_cast<size_t>(size));
  }
  return CheckDetails(fmt, d).empty();
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
    if (size < 0 || static_cast<size_t>(size) > kMaxEntrySize ||
        in.left() < static_cast<size_t>(size)) {
      r.message = Translate("DetailsFile", "entry ") + std::to_string(i + 1) +
                  Translate("DetailsFile", " is damaged.");
      return r;
    }
    DetailsEntry e;
    if (DecodeEntry(in.here(), static_cast<size_t>(size), e)) r.entries.push_back(std::move(e));
    in.skip(static_cast<size_t>(size));
  }
  return r;
}

std::vector<uint8_t> EncodeDetailsFile(const std::vector<PaperFormat>& formats,
                                       const std::vector<FormatDetails>& details) {
  FieldWriter w;
  w.put(kDetailsMagic);
  w.put(kDetailsVersion);
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
