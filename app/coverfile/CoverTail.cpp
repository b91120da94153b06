// The blocks after the picture rows, which readers that stop after the picture never see. Each
// block is a 4-byte tag, its length (u32) and that many bytes. The text layout block holds one
// record per curved text: slot (i32), version (u16), size of the rest (u16), then for version 1
// the layout (u8: 1 top arc, 2 bottom arc), the arc in degrees (i16) and the spacing (i16).
#include <algorithm>
#include <array>
#include <cstring>

#include "app/coverfile/CoverFile.h"
#include "app/coverfile/CoverParts.h"
#include "app/coverfile/CoverPictures.h"
#include "platform/Translate.h"

namespace {
constexpr char kTextLayoutTag[4] = {'T', 'L', 'A', 'Y'};
constexpr uint16_t kTextLayoutVersion = 1;
constexpr uint16_t kTextLayoutBody = 5;
constexpr size_t kBlockHead = 8;
constexpr size_t kRecordHead = 8;

// Tags are four letters or digits; anything else after the picture is stray bytes, not a block.
bool IsTag(const char (&tag)[4]) {
  return std::all_of(std::begin(tag), std::end(tag), [](char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
  });
}

bool IsCurvedText(const Document& doc, int slot) {
  return doc.objects.occupied(slot) && doc.objects[slot].Kind == kText &&
         doc.objects.layout(slot).curved();
}

bool Skip(ByteSource& s, uint64_t n) {
  std::array<uint8_t, 4096> buf;
  while (n > 0) {
    const size_t step = size_t(std::min<uint64_t>(n, buf.size()));
    if (!s.read(buf.data(), step)) return false;
    n -= step;
  }
  return true;
}

bool TextSlotIn(const CoverContents& c, int32_t slot) {
  const auto it =
      std::lower_bound(c.objects.begin(), c.objects.end(), slot,
                       [](const CoverContents::Object& o, int32_t s) { return o.slot < s; });
  return it != c.objects.end() && it->slot == slot && it->object.Kind == kText;
}

// The records of one text layout block, `length` bytes; every slot a text of the file, in order.
bool ReadTextLayouts(ByteSource& s, uint32_t length, CoverContents& out) {
  int32_t previous = 0;
  uint64_t left = length;
  while (left > 0) {
    int32_t slot = 0;
    uint16_t version = 0, size = 0;
    if (left < kRecordHead || !s.i32(slot) || !s.u16(version) || !s.u16(size)) return false;
    left -= kRecordHead;
    if (slot <= previous || slot > ObjectTable::kSlots || !TextSlotIn(out, slot)) return false;
    previous = slot;
    // Later versions may add fields after these; the first version has exactly these.
    if (version < 1 || size < kTextLayoutBody || (version == 1 && size != kTextLayoutBody) ||
        size > left)
      return false;
    uint8_t shape = 0;
    uint16_t arc = 0, spacing = 0;
    if (!s.u8(shape) || !s.u16(arc) || !s.u16(spacing) || !Skip(s, size - kTextLayoutBody))
      return false;
    left -= size;
    const TextLayout layout{static_cast<TextShape>(shape), int16_t(arc), int16_t(spacing)};
    if (!layout.curved() || !ValidTextLayout(layout)) return false;
    out.layouts.emplace_back(slot, layout);
  }
  return true;
}
}  // namespace

std::vector<uint8_t> CoverFileTail(const Document& doc) {
  ByteWriter records;
  for (int slot = 1; slot <= ObjectTable::kSlots; ++slot) {
    if (!IsCurvedText(doc, slot)) continue;
    const TextLayout& l = doc.objects.layout(slot);
    records.i32(slot);
    records.u16(kTextLayoutVersion);
    records.u16(kTextLayoutBody);
    records.u8(static_cast<uint8_t>(l.shape));
    records.u16(uint16_t(int16_t(l.arc)));
    records.u16(uint16_t(int16_t(l.spacing)));
  }
  // Each block only when the design needs it: a design without them keeps its bytes.
  ByteWriter w;
  auto block = [&w](const char(&tag)[4], const std::vector<uint8_t>& body) {
    if (body.empty()) return;
    w.raw(tag, sizeof tag);
    w.u32(uint32_t(body.size()));
    w.raw(body.data(), body.size());
  };
  block(kTextLayoutTag, records.bytes);
  block(kPictureObjectsTag, PictureObjectRecords(doc));
  return std::move(w.bytes);
}

CoverError ParseCoverTail(ByteSource& s, CoverContents& out) {
  bool layoutsSeen = false, picturesSeen = false, partsSeen = false, centersSeen = false;
  // Fewer bytes than a block's head were never a block: ignored, as before there were blocks.
  while (s.remaining() >= kBlockHead) {
    char tag[4];
    uint32_t length = 0;
    if (!s.read(tag, sizeof tag) || !s.u32(length)) return CoverError::DamagedExtension;
    if (!IsTag(tag)) return CoverError::None;  // stray bytes, ignored as before there were blocks
    if (length > s.remaining()) return CoverError::DamagedExtension;
    if (std::memcmp(tag, kPictureObjectsTag, sizeof tag) == 0) {
      if (picturesSeen) {
        out.why = Translate("CoverTail", "the block is there twice");
        return CoverError::DamagedPictures;
      }
      if (!ReadPictureObjects(s, length, out)) return CoverError::DamagedPictures;
      picturesSeen = true;
      continue;
    }
    if (std::memcmp(tag, kDesignPartsTag, sizeof tag) == 0) {
      if (partsSeen) {
        out.why = Translate("CoverTail", "the block is there twice");
        return CoverError::DamagedParts;
      }
      if (!ReadDesignParts(s, length, out)) return CoverError::DamagedParts;
      partsSeen = true;
      continue;
    }
    if (std::memcmp(tag, kPartCentersTag, sizeof tag) == 0) {
      if (centersSeen) {
        out.why = Translate("CoverTail", "the block is there twice");
        return CoverError::DamagedParts;
      }
      if (!ReadPartCenters(s, length, out)) return CoverError::DamagedParts;
      centersSeen = true;
      continue;
    }
    if (std::memcmp(tag, kTextLayoutTag, sizeof tag) != 0) {
      if (!Skip(s, length)) return CoverError::DamagedExtension;  // a later program's block
      continue;
    }
    if (layoutsSeen || !ReadTextLayouts(s, length, out)) return CoverError::DamagedExtension;
    layoutsSeen = true;
  }
  return CoverError::None;
}
