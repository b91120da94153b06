// What the writer refuses: anything the reader would refuse, so every saved design opens again.
#include <cmath>
#include <string>

#include "app/coverfile/CoverFile.h"

namespace {
bool Positive(double v) { return std::isfinite(v) && v > 0; }

// A zero byte would end the field early and the reader would see the rest as the next field.
std::string StringFault(const std::string& s, size_t limit, const char* what, const char* unit,
                        int slot) {
  const std::string where = std::string(what) + " of object " + std::to_string(slot);
  if (s.size() > limit) return where + " is longer than " + std::to_string(limit) + unit;
  if (s.find('\0') != std::string::npos) return where + " holds a zero character";
  return {};
}

bool PictureStorable(const Dib& dib) {
  const int bits = DibBitCount(dib);
  return (bits == 1 || bits == 4 || bits == 8 || bits == 24) && DibWidth(dib) > 0 &&
         DibSizeAllowed(DibWidth(dib), DibHeight(dib), bits);
}
}  // namespace

std::string CoverSaveFault(const Document& doc) {
  if (doc.PageWidth <= 0 || doc.PageHeight <= 0) return "the page size is not positive";
  if (!Positive(doc.Scales.ViewZoom) || !Positive(doc.Scales.ViewScale))
    return "the scale of the Texts view is not positive";
  for (int slot = 1; slot <= ObjectTable::kSlots; ++slot) {
    if (!doc.objects.Occupied(slot)) continue;
    const CoverObject& o = doc.objects[slot];
    std::string fault = StringFault(o.Text, kMaxCoverTextBytes, "the text", " characters", slot);
    if (fault.empty())
      fault = StringFault(o.FontName, kMaxCoverFontNameBytes, "the font name", " bytes", slot);
    if (!fault.empty()) return fault;
  }
  if (doc.picture.Info && !PictureStorable(doc.picture))
    return "the picture's size or colour depth cannot be stored";
  return {};
}
