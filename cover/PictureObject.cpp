#include "cover/PictureObject.h"

#include <zlib.h>

#include <new>

#include "platform/RegularFile.h"
#include "platform/Translate.h"
#include "platform/codecs/PictureAlpha.h"
#include "platform/codecs/PictureFile.h"
#include "platform/dib/DibRows.h"

namespace {
// The largest side and byte count a stored picture may claim, read from its PNG header before
// anything is decoded.
bool PngSize(const std::vector<uint8_t>& png, uint32_t& w, uint32_t& h) {
  static const uint8_t kSignature[8] = {137, 'P', 'N', 'G', 13, 10, 26, 10};
  if (png.size() < 24 || !std::equal(kSignature, kSignature + 8, png.begin())) return false;
  auto be = [&](size_t i) {
    return uint32_t(png[i]) << 24 | uint32_t(png[i + 1]) << 16 | uint32_t(png[i + 2]) << 8 |
           png[i + 3];
  };
  w = be(16);
  h = be(20);
  return true;
}

bool PackAlpha(const std::vector<uint8_t>& alpha, std::vector<uint8_t>& out) {
  if (alpha.empty()) return out.clear(), true;
  uLongf size = compressBound(uLong(alpha.size()));
  try {
    out.resize(size);
  } catch (const std::bad_alloc&) {
    return false;
  }
  if (compress2(out.data(), &size, alpha.data(), uLong(alpha.size()), 6) != Z_OK) return false;
  out.resize(size);
  return true;
}
}  // namespace

bool ValidPictureSettings(const PictureSettings& s) {
  return static_cast<uint8_t>(s.fit) <= 2 && s.turns <= 3 && s.opacity <= 100 &&
         s.key <= 0xFFFFFF && s.shadow <= 0xFFFFFF;
}

uint64_t PictureMemoryBound(uint32_t width, uint32_t height, bool alpha) {
  return uint64_t(DibStride(int32_t(width), 24)) * height + (alpha ? uint64_t(width) * height : 0);
}

PicturePixels::~PicturePixels() {
  FreeDib(dib_);
  FreeDib(cache_.opaque);
}

std::shared_ptr<const PicturePixels> PicturePixels::Make(Dib& dib, std::vector<uint8_t> alpha,
                                                         std::string& error) {
  const int bits = DibBitCount(dib);
  if (!dib.Bits || (bits != 1 && bits != 4 && bits != 8 && bits != 24) ||
      (!alpha.empty() && alpha.size() != size_t(DibWidth(dib)) * size_t(DibHeight(dib)))) {
    error = Translate("PictureObject", "the picture cannot be placed");
    return nullptr;
  }
  std::shared_ptr<PicturePixels> p(new (std::nothrow) PicturePixels);
  if (!p) return error = Translate("PictureObject", "there is not enough memory"), nullptr;
  if (!WritePng(dib, p->png_, error)) return nullptr;
  if (!PackAlpha(alpha, p->packedAlpha_))
    return error = Translate("PictureObject", "there is not enough memory"), nullptr;
  p->dib_ = dib;
  dib = Dib{};
  p->alpha_ = std::move(alpha);
  return p;
}

std::shared_ptr<const PicturePixels> PicturePixels::FromStored(std::vector<uint8_t> png,
                                                               std::vector<uint8_t> packedAlpha,
                                                               uint64_t& budget,
                                                               std::string& error) {
  uint32_t w = 0, h = 0;
  if (!PngSize(png, w, h) || w == 0 || h == 0)
    return error = Translate("PictureObject", "a placed picture is not a PNG picture"), nullptr;
  if (w > uint32_t(kMaxDibSide) || h > uint32_t(kMaxDibSide) ||
      !DibSizeAllowed(int32_t(w), int32_t(h), 24))
    return error = Translate("PictureObject", "a placed picture is too large"), nullptr;
  // Counted at its largest depth plus alpha before it is decoded.
  const uint64_t need = PictureMemoryBound(w, h, !packedAlpha.empty());
  if (need > budget)
    return error = Translate("PictureObject", "the placed pictures are too large together"),
           nullptr;
  std::shared_ptr<PicturePixels> p(new (std::nothrow) PicturePixels);
  if (!p) return error = Translate("PictureObject", "there is not enough memory"), nullptr;
  std::string why;
  if (!ReadPng(ByteView{png.data(), png.size()}, p->dib_, why))
    return error = FillIn(Translate("PictureObject", "a placed picture is damaged: %1"), {why}),
           nullptr;
  if (DibWidth(p->dib_) != int32_t(w) || DibHeight(p->dib_) != int32_t(h))
    return error = Translate("PictureObject", "a placed picture is damaged"), nullptr;
  if (!packedAlpha.empty()) {
    try {
      p->alpha_.resize(size_t(w) * h);
    } catch (const std::bad_alloc&) {
      return error = Translate("PictureObject", "there is not enough memory"), nullptr;
    }
    uLongf size = uLongf(p->alpha_.size());
    // The alpha must fill the picture exactly: shorter, longer or broken data is damage.
    if (uncompress(p->alpha_.data(), &size, packedAlpha.data(), uLong(packedAlpha.size())) !=
            Z_OK ||
        size != p->alpha_.size())
      return error = Translate("PictureObject", "the transparency of a placed picture is damaged"),
             nullptr;
  }
  budget -= need;
  p->png_ = std::move(png);
  p->packedAlpha_ = std::move(packedAlpha);
  return p;
}

bool LoadObjectPicture(const std::string& fileName, std::shared_ptr<const PicturePixels>& out,
                       std::string& error) {
  out.reset();
  Dib dib;
  std::vector<uint8_t> alpha;
  // Formats that can hold alpha are read a second time for it; the others only once.
  const PictureFormat named = FormatFromExtension(fileName);
  if (named == PictureFormat::Png || named == PictureFormat::Tiff || named == PictureFormat::Tga) {
    errno = 0;
    const auto bytes = ReadRegularFile(fileName, kMaxPictureFileBytes);
    if (!bytes) return error = FileErrorText(errno), false;
    const ByteView view{bytes->data(), bytes->size()};
    const PictureFormat format = FormatFromContents(view);
    const bool read = format == PictureFormat::Png    ? ReadPngWithAlpha(view, dib, alpha, error)
                      : format == PictureFormat::Tiff ? ReadTiffWithAlpha(view, dib, alpha, error)
                      : named == PictureFormat::Tga   ? ReadTgaWithAlpha(view, dib, alpha, error)
                                                      : false;
    if (!read && !error.empty()) return false;
  }
  if (!dib.Bits && !LoadPictureFile(dib, fileName, error)) return false;
  out = PicturePixels::Make(dib, std::move(alpha), error);
  FreeDib(dib);
  return out != nullptr;
}
