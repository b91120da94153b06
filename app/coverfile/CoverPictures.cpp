#include "app/coverfile/CoverPictures.h"

#include <algorithm>
#include <new>

#include "platform/Translate.h"

namespace {
constexpr uint16_t kPictureVersion = 1;
constexpr uint32_t kSettingsBytes = 14;
constexpr size_t kRecordHead = 10;

bool RectangleSlotIn(const CoverContents& c, int32_t slot) {
  const auto it =
      std::lower_bound(c.objects.begin(), c.objects.end(), slot,
                       [](const CoverContents::Object& o, int32_t s) { return o.slot < s; });
  return it != c.objects.end() && it->slot == slot && it->object.Kind == kShape &&
         it->object.SubKind == 3;
}

// A length and that many bytes, within `left`; the vector holds no more than the file has.
bool ReadBlob(ByteSource& s, uint64_t& left, std::vector<uint8_t>& out) {
  uint32_t n = 0;
  if (left < 4 || !s.u32(n)) return false;
  left -= 4;
  if (n > left || n > kMaxDibBytes) return false;
  try {
    out.resize(n);
  } catch (const std::bad_alloc&) {
    return false;
  }
  left -= n;
  return n == 0 || s.read(out.data(), n);
}

bool Damaged(CoverContents& out, const std::string& why) {
  out.why = why;
  return false;
}
}  // namespace

std::vector<uint8_t> PictureObjectRecords(const Document& doc) {
  ByteWriter w;
  for (int slot = 1; slot <= ObjectTable::kSlots; ++slot) {
    if (!doc.objects.isPicture(slot)) continue;
    const PlacedPicture& p = doc.objects.picture(slot);
    const PictureSettings& s = p.settings;
    const std::vector<uint8_t>&png = p.pixels->png(), &alpha = p.pixels->packedAlpha();
    w.i32(slot);
    w.u16(kPictureVersion);
    w.u32(uint32_t(kSettingsBytes + 4 + png.size() + 4 + alpha.size()));
    w.u8(static_cast<uint8_t>(s.fit));
    w.u8(s.turns);
    w.u8(uint8_t((s.mirrorX ? 1 : 0) | (s.mirrorY ? 2 : 0)));
    w.u8(s.opacity);
    w.u8(s.keyed ? 1 : 0);
    w.u32(s.key);
    w.u8(s.tolerance);
    w.u32(s.shadow);
    w.u32(uint32_t(png.size()));
    w.raw(png.data(), png.size());
    w.u32(uint32_t(alpha.size()));
    w.raw(alpha.data(), alpha.size());
  }
  return std::move(w.bytes);
}

bool ReadPictureObjects(ByteSource& s, uint32_t length, CoverContents& out) {
  const std::string damaged = Translate("CoverPictures", "a record is damaged");
  uint64_t budget = kMaxDibBytes;  // every placed picture together
  int32_t previous = 0;
  uint64_t left = length;
  while (left > 0) {
    int32_t slot = 0;
    uint16_t version = 0;
    uint32_t size = 0;
    if (left < kRecordHead || !s.i32(slot) || !s.u16(version) || !s.u32(size))
      return Damaged(out, damaged);
    left -= kRecordHead;
    if (slot <= previous || slot > ObjectTable::kSlots || !RectangleSlotIn(out, slot))
      return Damaged(out, Translate("CoverPictures", "a picture belongs to no rectangle"));
    previous = slot;
    if (version < 1 || size < kSettingsBytes + 8 || size > left) return Damaged(out, damaged);
    left -= size;
    uint64_t rest = size;
    uint8_t fit = 0, turns = 0, mirrors = 0, opacity = 0, keyed = 0, tolerance = 0;
    PictureSettings settings;
    if (!s.u8(fit) || !s.u8(turns) || !s.u8(mirrors) || !s.u8(opacity) || !s.u8(keyed) ||
        !s.u32(settings.key) || !s.u8(tolerance) || !s.u32(settings.shadow))
      return Damaged(out, damaged);
    rest -= kSettingsBytes;
    settings.fit = static_cast<PictureFit>(fit);
    settings.turns = turns;
    settings.mirrorX = mirrors & 1;
    settings.mirrorY = mirrors & 2;
    settings.opacity = opacity;
    settings.keyed = keyed != 0;
    settings.tolerance = tolerance;
    if (mirrors > 3 || keyed > 1 || !ValidPictureSettings(settings))
      return Damaged(out, Translate("CoverPictures", "a picture's settings are out of range"));
    std::vector<uint8_t> png, alpha;
    if (!ReadBlob(s, rest, png) || !ReadBlob(s, rest, alpha)) return Damaged(out, damaged);
    // The first version has exactly these fields; later ones may append more.
    if (version == kPictureVersion && rest != 0) return Damaged(out, damaged);
    std::vector<uint8_t> skipped(size_t(std::min<uint64_t>(rest, 4096)));
    for (; rest > 0; rest -= skipped.size()) {
      skipped.resize(size_t(std::min<uint64_t>(rest, 4096)));
      if (!s.read(skipped.data(), skipped.size())) return Damaged(out, damaged);
    }
    std::string why;
    auto pixels = PicturePixels::FromStored(std::move(png), std::move(alpha), budget, why);
    if (!pixels) return Damaged(out, why);
    out.pictures.emplace_back(slot, PlacedPicture{std::move(pixels), settings});
  }
  return true;
}
