#include "app/coverfile/CoverParts.h"

#include <cmath>
#include <new>

#include "platform/Translate.h"

namespace {
constexpr uint16_t kPartsVersion = 1;

bool Damaged(CoverContents& out, const std::string& why) {
  out.why = why;
  return false;
}
}  // namespace

std::vector<uint8_t> DesignPartsRecords(const Document& doc) {
  const DesignParts& parts = doc.parts;
  ByteWriter w;
  if (parts.list.size() < 2) return {};
  w.u16(kPartsVersion);
  w.u16(uint16_t(parts.list.size()));
  for (size_t i = 0; i < parts.list.size(); ++i) {
    const DesignPart& part = parts.list[i];
    w.zstring(part.name);
    w.u8(part.format ? 1 : 0);
    if (part.format) {
      const auto record = EncodePaperFormat(*part.format);
      w.raw(record.data(), record.size());
    }
    if (i == 0) {  // the file's own cover
      w.u32(0);
      continue;
    }
    const std::vector<uint8_t> current =
        i == parts.current ? CoverFileBytes(doc) : std::vector<uint8_t>{};
    const std::vector<uint8_t>& cover = i == parts.current ? current : part.cover;
    w.u32(uint32_t(cover.size()));
    w.raw(cover.data(), cover.size());
  }
  return std::move(w.bytes);
}

bool ReadDesignParts(ByteSource& s, uint32_t length, CoverContents& out) {
  const std::string damaged = Translate("CoverParts", "a part's record is damaged");
  if (out.inPart) return Damaged(out, Translate("CoverParts", "a part holds parts itself"));
  uint16_t version = 0, count = 0;
  if (length < 4 || !s.u16(version) || !s.u16(count)) return Damaged(out, damaged);
  if (version != kPartsVersion)
    return Damaged(out, Translate("CoverParts", "the parts were written in a later version"));
  if (count < 2 || count > kMaxParts)
    return Damaged(out, FillIn(Translate("CoverParts", "a design holds 2 to %1 parts"),
                               {std::to_string(kMaxParts)}));
  uint64_t left = length - 4;
  DesignParts read;
  read.list.clear();
  for (uint16_t i = 0; i < count; ++i) {
    DesignPart part;
    uint8_t hasFormat = 0;
    uint32_t size = 0;
    if (!s.zstring(part.name, kMaxPartNameBytes + 1) || left < part.name.size() + 2)
      return Damaged(out, damaged);
    left -= part.name.size() + 1;
    if (const std::string fault = PartNameFault(read, part.name); !fault.empty())
      return Damaged(out, fault);
    if (!s.u8(hasFormat) || hasFormat > 1) return Damaged(out, damaged);
    --left;
    if (hasFormat) {
      uint8_t record[kPaperRecordSize];
      PaperFormat format;
      if (left < kPaperRecordSize || !s.read(record, sizeof record) ||
          !DecodePaperFormat(record, format))
        return Damaged(
            out, FillIn(Translate("CoverParts", "the paper format of %1 is damaged"), {part.name}));
      left -= kPaperRecordSize;
      part.format = format;
    }
    if (left < 4 || !s.u32(size)) return Damaged(out, damaged);
    left -= 4;
    // The first part is the file's own cover; every other one a whole cover the block holds.
    if ((i == 0) != (size == 0) || size > left) return Damaged(out, damaged);
    left -= size;
    if (size > 0) {
      try {
        part.cover.resize(size);
      } catch (const std::bad_alloc&) {
        return Damaged(out, damaged);
      }
      if (!s.read(part.cover.data(), size)) return Damaged(out, damaged);
      CoverContents cover;
      cover.inPart = true;
      const CoverError error = ParseCoverFile(part.cover, cover);
      if (error != CoverError::None)
        return Damaged(out, FillIn(Translate("CoverParts", "the part %1 is damaged (%2)"),
                                   {part.name, CoverErrorText(error, part.name, cover.why)}));
    }
    read.list.push_back(std::move(part));
  }
  if (left != 0) return Damaged(out, damaged);
  out.parts = std::move(read.list);
  return true;
}

std::vector<uint8_t> PartCentersRecords(const Document& doc) {
  if (doc.parts.list.size() < 2) return {};
  ByteWriter w;
  w.u16(uint16_t(doc.parts.list.size()));
  for (const DesignPart& part : doc.parts.list)
    for (double v : {part.center.sizePercent, part.center.leftInch, part.center.topInch}) w.f64(v);
  return std::move(w.bytes);
}

bool ReadPartCenters(ByteSource& s, uint32_t length, CoverContents& out) {
  uint16_t count = 0;
  if (out.parts.empty())
    return Damaged(out, Translate("CoverParts", "the parts' places come before the parts"));
  if (!s.u16(count) || count != out.parts.size() || length != 2 + count * kPartCenterSize)
    return Damaged(out, Translate("CoverParts", "the parts' places do not match the parts"));
  for (DesignPart& part : out.parts) {
    CoverSettings c;
    if (!s.f64(c.sizePercent) || !s.f64(c.leftInch) || !s.f64(c.topInch))
      return Damaged(out, Translate("CoverParts", "a part's record is damaged"));
    // The Center tab's own limits; a value outside them was not written by the program.
    if (!(c.sizePercent >= kMinCoverSizePercent && c.sizePercent <= kMaxCoverSizePercent) ||
        !(std::abs(c.leftInch) <= kMaxCoverShiftInch && std::abs(c.topInch) <= kMaxCoverShiftInch))
      return Damaged(out,
                     FillIn(Translate("CoverParts", "the place of %1 is impossible"), {part.name}));
    part.center = c;
  }
  return true;
}
