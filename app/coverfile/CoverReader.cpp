// Reading the cover document file: everything is read and checked before the document changes.
#include <algorithm>
#include <cmath>
#include <cstring>

#include "app/coverfile/CoverFile.h"
#include "app/coverfile/RowBlocks.h"
#include "platform/Progress.h"
#include "platform/Translate.h"
#include "platform/dialogs/Dialogs.h"

namespace {

bool ReadObject(ByteSource& s, CoverObject& o) {
  uint8_t shadowOn = 0, borderOn = 0;
  const bool ok = s.i32(o.X) && s.i32(o.Y) && s.i32(o.W) && s.i32(o.H) && s.u8(o.NewFlag) &&
                  s.i32(o.Kind) && s.u32(o.Color) && s.i32(o.SubKind) && s.i32(o.Align) &&
                  s.u32(o.BorderColor) && s.i32(o.FillOrShadow) && s.u8(shadowOn) &&
                  s.u8(borderOn) && s.i32(o.ShadowDX) && s.i32(o.ShadowDY) && s.u8(o.Spare2) &&
                  s.u8(o.Spare1) && s.i32(o.LineWidth) && s.i32(o.Rotation) &&
                  s.zstring(o.Text, kMaxCoverTextBytes) && s.u32(o.FontColor) &&
                  s.i32(o.FontHeight) && s.zstring(o.FontName, kMaxCoverFontNameBytes) &&
                  s.u8(o.FontPitch) && s.i32(o.FontSize) && s.u8(o.FontStyle);
  o.ShadowOn = shadowOn != 0;
  o.BorderOn = borderOn != 0;
  return ok;
}

bool ReadBitmapInfo(ByteSource& s, BITMAPINFO& info, int32_t colors) {
  BITMAPINFOHEADER& h = info.bmiHeader;
  if (!(s.u32(h.biSize) && s.i32(h.biWidth) && s.i32(h.biHeight) && s.u16(h.biPlanes) &&
        s.u16(h.biBitCount) && s.u32(h.biCompression) && s.u32(h.biSizeImage) &&
        s.i32(h.biXPelsPerMeter) && s.i32(h.biYPelsPerMeter) && s.u32(h.biClrUsed) &&
        s.u32(h.biClrImportant)))
    return false;
  for (int i = 0; i < colors; ++i) {
    RGBQUAD& q = info.bmiColors[i];
    if (!(s.u8(q.rgbBlue) && s.u8(q.rgbGreen) && s.u8(q.rgbRed) && s.u8(q.rgbReserved)))
      return false;
  }
  return true;
}

bool ReadRows(ByteSource& s, const Dib& dib) {
  const int32_t height = DibHeight(dib);
  const size_t stride = static_cast<size_t>(dib.BytesPerLine);
  RowProgress progress(height);
  int32_t next = 0;  // rows up to here have been reported
  return s.readBlocks(dib.Bits, stride * size_t(height), RowBlockBytes(stride), [&](size_t end) {
    for (; next < height && size_t(next) * stride < end; ++next) progress.row(next);
  });
}

bool Positive(double v) {
  return std::isfinite(v) && v > 0;
}

CoverError ParseObjects(ByteSource& s, CoverContents& out) {
  int32_t previous = 0;
  for (;;) {
    int32_t slot = 0;
    if (!s.i32(slot)) return CoverError::Damaged;
    if (slot > ObjectTable::kSlots) return CoverError::None;
    if (slot <= previous) return CoverError::Damaged;  // below 1, repeated or out of order
    previous = slot;
    CoverContents::Object& o = out.objects.emplace_back();
    o.slot = slot;
    if (!ReadObject(s, o.object)) return CoverError::Damaged;
  }
}

CoverError ParsePicture(ByteSource& s, CoverContents& out) {
  int32_t headerSize = 0, colors = 0;
  if (!s.i32(headerSize) || !s.i32(colors)) return CoverError::Damaged;
  if (colors != 0 && colors != 2 && colors != 16 && colors != 256) return CoverError::Damaged;
  if (headerSize != 40 + 4 * colors) return CoverError::Damaged;
  BITMAPINFO info;
  if (!ReadBitmapInfo(s, info, colors)) return CoverError::Damaged;
  const BITMAPINFOHEADER& h = info.bmiHeader;
  if (h.biSize != 40) return CoverError::PictureHeader;
  if (h.biCompression != 0) return CoverError::PictureCompressed;
  const int bits = h.biBitCount;
  if (!CoverBitCountAllowed(bits)) return CoverError::Damaged;
  if (PaletteEntryCount(bits) != colors) return CoverError::Damaged;
  if (h.biWidth <= 0 || h.biHeight <= 0) return CoverError::Damaged;
  if (!DibSizeAllowed(h.biWidth, h.biHeight, bits)) return CoverError::PictureTooLarge;
  // Every row must be there before the picture memory is taken.
  if (s.remaining() < uint64_t(DibStride(h.biWidth, bits)) * uint64_t(h.biHeight))
    return CoverError::Damaged;
  // Every byte of the rows, padding included, comes from the file.
  NewDibForOverwrite(out.picture, h.biWidth, h.biHeight, bits, &info, colors);
  if (!out.picture.Bits) return CoverError::NoMemory;
  return ReadRows(s, out.picture) ? CoverError::None : CoverError::Damaged;
}
}  // namespace

CoverError ParseCover(ByteSource& s, CoverContents& out) {
  char signature[kCoverSignatureSize];
  if (!s.read(signature, sizeof signature) ||
      std::memcmp(signature, kCoverSignature, sizeof signature) != 0)
    return CoverError::NotCover;
  if (!(s.i32(out.pageWidth) && s.i32(out.pageHeight) && s.f64(out.viewZoom) &&
        s.f64(out.viewScale)))
    return CoverError::Damaged;
  if (out.pageWidth <= 0 || out.pageHeight <= 0 || !Positive(out.viewZoom) ||
      !Positive(out.viewScale))
    return CoverError::Damaged;
  const double viewFactor = out.viewZoom / out.viewScale;
  if (!(std::max(out.pageWidth, out.pageHeight) * viewFactor <= kMaxCoverViewSide))
    return CoverError::ViewTooLarge;
  const CoverError objects = ParseObjects(s, out);
  if (objects != CoverError::None) return objects;
  const CoverError picture = ParsePicture(s, out);
  return picture != CoverError::None ? picture : ParseCoverTail(s, out);
}

CoverError ParseCoverFile(ByteSpan bytes, CoverContents& out) {
  MemorySource source(bytes);
  return ParseCover(source, out);
}

void CommitCover(Document& doc, CoverContents& contents) {
  doc.objects.clearAll();
  for (const CoverContents::Object& o : contents.objects)
    doc.objects[o.slot].AssignFields(o.object);
  for (const auto& [slot, layout] : contents.layouts) doc.objects.layout(slot) = layout;
  for (const auto& [slot, picture] : contents.pictures) doc.objects.picture(slot) = picture;
  doc.pageWidth = contents.pageWidth;
  doc.pageHeight = contents.pageHeight;
  doc.scales.ViewZoom = contents.viewZoom;
  doc.scales.ViewScale = contents.viewScale;
  doc.replacePicture(contents.picture);
  doc.parts = DesignParts{};
  if (!contents.parts.empty()) doc.parts.list = std::move(contents.parts);
  // An opened cover selects its picture up to the last pixel, as a new document does.
  doc.selRight = DibWidth(doc.picture) - 1;
  doc.selBottom = DibHeight(doc.picture) - 1;
  contents.picture = Dib{};
}

bool OpenFile(Document& doc, const std::string& name) {
  FileSource source(name);
  if (!source.ok()) {
    ShowError(Translate("CoverReader", "The file ") + BaseFileName(name) +
              Translate("CoverReader", " could not be opened!"));
    return false;
  }
  CoverContents contents;
  const CoverError error = ParseCover(source, contents);
  if (error != CoverError::None) {
    ShowError(CoverErrorText(error, name, contents.why));
    return false;
  }
  CommitCover(doc, contents);
  doc.savedFileName = name;
  return true;
}

bool StartsLikeCoverFile(const std::string& name) {
  FileSource source(name);
  char signature[kCoverSignatureSize];
  return source.ok() && source.read(signature, sizeof signature) &&
         std::memcmp(signature, kCoverSignature, sizeof signature) == 0;
}

void NewDocument(Document& doc) {
  doc.objects.clearAll();
  doc.parts = DesignParts{};
  doc.resetPicture();
  doc.savedFileName.clear();
}

std::string BaseFileName(const std::string& path) {
  const auto slash = path.find_last_of("/\\");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string CoverErrorText(CoverError error, const std::string& name, const std::string& why) {
  switch (error) {
    case CoverError::None:
      return {};
    case CoverError::PictureTooLarge:
      return Translate("CoverReader", "The picture in the file ") + BaseFileName(name) +
             Translate("CoverReader", " is too large!");
    case CoverError::NoMemory:
      return Translate("CoverReader", "There is not enough memory for the picture in the file ") +
             BaseFileName(name) + "!";
    case CoverError::DamagedExtension:
      return Translate("CoverReader", "The curved texts in the file ") + BaseFileName(name) +
             Translate("CoverReader", " are damaged!");
    case CoverError::DamagedPictures:
      return FillIn(Translate("CoverReader", "The placed pictures in the file %1 are damaged: %2!"),
                    {BaseFileName(name), why});
    case CoverError::DamagedParts:
      return FillIn(Translate("CoverReader", "The parts in the file %1 are damaged: %2!"),
                    {BaseFileName(name), why});
    case CoverError::PictureHeader:
      return Translate("CoverReader", "The picture header in the file ") + BaseFileName(name) +
             Translate("CoverReader", " is damaged: its size is not 40 bytes!");
    case CoverError::PictureCompressed:
      return Translate("CoverReader", "The picture in the file ") + BaseFileName(name) +
             Translate("CoverReader", " is damaged: it claims to be compressed!");
    case CoverError::ViewTooLarge:
      return Translate("CoverReader", "The page size and zoom in the file ") + BaseFileName(name) +
             Translate("CoverReader", " are damaged: the view would be too large!");
    case CoverError::NotCover:
    case CoverError::Damaged:
      break;
  }
  return Translate("CoverReader", "This is not a valid CD Cover file!");
}
