// What the writer refuses: anything the reader would refuse, so every saved design opens again.
#include <cmath>
#include <string>

#include "app/coverfile/CoverFile.h"
#include "platform/Translate.h"

namespace {
bool Positive(double v) {
  return std::isfinite(v) && v > 0;
}

// A zero byte would end the field early and the reader would see the rest as the next field.
std::string StringFault(const std::string& s, size_t limit, const char* what, const char* unit,
                        int slot) {
  const std::string where =
      std::string(what) + Translate("CoverSaveCheck", " of object ") + std::to_string(slot);
  if (s.size() > limit)
    return where + Translate("CoverSaveCheck", " is longer than ") + std::to_string(limit) + unit;
  if (s.find('\0') != std::string::npos)
    return where + Translate("CoverSaveCheck", " holds a zero character");
  return {};
}

bool PictureStorable(const Dib& dib) {
  const int bits = DibBitCount(dib);
  return CoverBitCountAllowed(bits) && DibWidth(dib) > 0 &&
         DibSizeAllowed(DibWidth(dib), DibHeight(dib), bits);
}
}  // namespace

std::string CoverSaveFault(const Document& doc) {
  if (doc.pageWidth <= 0 || doc.pageHeight <= 0)
    return Translate("CoverSaveCheck", "the page size is not positive");
  if (!Positive(doc.scales.ViewZoom) || !Positive(doc.scales.ViewScale))
    return Translate("CoverSaveCheck", "the scale of the Texts view is not positive");
  for (int slot = 1; slot <= ObjectTable::kSlots; ++slot) {
    if (!doc.objects.occupied(slot)) continue;
    const CoverObject& o = doc.objects[slot];
    std::string fault =
        StringFault(o.Text, kMaxCoverTextBytes, Translate("CoverSaveCheck", "the text").c_str(),
                    Translate("CoverSaveCheck", " characters").c_str(), slot);
    if (fault.empty())
      fault = StringFault(o.FontName, kMaxCoverFontNameBytes,
                          Translate("CoverSaveCheck", "the font name").c_str(),
                          Translate("CoverSaveCheck", " bytes").c_str(), slot);
    if (!fault.empty()) return fault;
  }
  uint64_t placed = 0;
  for (int slot = 1; slot <= ObjectTable::kSlots; ++slot) {
    if (!doc.objects.isPicture(slot)) continue;
    const PicturePixels& p = *doc.objects.picture(slot).pixels;
    placed += PictureMemoryBound(uint32_t(p.width()), uint32_t(p.height()), !p.alpha().empty());
    if (!ValidPictureSettings(doc.objects.picture(slot).settings))
      return FillIn(Translate("CoverSaveCheck",
                              "the settings of the picture of object %1 are "
                              "out of range"),
                    {std::to_string(slot)});
  }
  if (placed > kMaxDibBytes)
    return Translate("CoverSaveCheck", "the placed pictures are larger than 1 GiB together");
  if (doc.picture.Info && !PictureStorable(doc.picture))
    return Translate("CoverSaveCheck", "the picture's size or colour depth cannot be stored");
  // The parts after the first share one block, whose length is 32 bits.
  if (doc.parts.list.size() > 1) {
    uint64_t block = 4;
    for (size_t i = 0; i < doc.parts.list.size(); ++i) {
      const DesignPart& part = doc.parts.list[i];
      block += part.name.size() + 6 + kPaperRecordSize;
      if (i == 0) continue;
      block += i != doc.parts.current
                   ? part.cover.size()
                   : CoverFileHead(doc).size() + CoverFileTail(doc).size() +
                         uint64_t(DibHeight(doc.picture)) * uint64_t(doc.picture.BytesPerLine);
    }
    if (block > UINT32_MAX)
      return Translate("CoverSaveCheck", "the parts are larger than 4 GiB together");
  }
  return {};
}
