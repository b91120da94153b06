// Writing the cover document file.
#include <algorithm>

#include "app/coverfile/CoverFile.h"
#include "app/coverfile/RowBlocks.h"
#include "platform/Progress.h"
#include "platform/ReplacingFile.h"
#include "platform/Translate.h"
#include "platform/dialogs/Dialogs.h"

namespace {
// Rows are written in blocks of about this size, straight from the picture memory.

int32_t StoredColorCount(const Dib& dib) {
  const uint32_t colors = DibColorCount(dib);
  return colors <= 256 ? static_cast<int32_t>(colors) : 0;
}

void WriteObject(ByteWriter& w, int32_t slot, const CoverObject& o) {
  w.i32(slot);
  w.i32(o.X);
  w.i32(o.Y);
  w.i32(o.W);
  w.i32(o.H);
  w.u8(o.NewFlag);
  w.i32(o.Kind);
  w.u32(o.Color);
  w.i32(o.SubKind);
  w.i32(o.Align);
  w.u32(o.BorderColor);
  w.i32(o.FillMode);
  w.u8(o.ShadowOn ? 1 : 0);
  w.u8(o.BorderOn ? 1 : 0);
  w.i32(o.ShadowDX);
  w.i32(o.ShadowDY);
  w.u8(o.Spare2);
  w.u8(o.Spare1);
  w.i32(o.LineWidth);
  w.i32(o.Rotation);
  w.zstring(o.Text);
  w.u32(o.FontColor);
  w.i32(o.FontHeight);
  w.zstring(o.FontName);
  w.u8(o.FontPitch);
  w.i32(o.FontSize);
  w.u8(o.FontStyle);
}

void WriteBitmapInfo(ByteWriter& w, const BITMAPINFO& info, int32_t colors) {
  const BITMAPINFOHEADER& h = info.bmiHeader;
  w.u32(h.biSize);
  w.i32(h.biWidth);
  w.i32(h.biHeight);
  w.u16(h.biPlanes);
  w.u16(h.biBitCount);
  w.u32(h.biCompression);
  w.u32(h.biSizeImage);
  w.i32(h.biXPelsPerMeter);
  w.i32(h.biYPelsPerMeter);
  w.u32(h.biClrUsed);
  w.u32(h.biClrImportant);
  for (int i = 0; i < colors; ++i) {
    const RGBQUAD& q = info.bmiColors[i];
    w.u8(q.rgbBlue);
    w.u8(q.rgbGreen);
    w.u8(q.rgbRed);
    w.u8(q.rgbReserved);
  }
}

bool WriteRows(ReplacingFile& file, const Dib& dib) {
  return ForEachRowBlock(dib, [&](uint8_t* p, size_t n) { return file.write(p, n); });
}
}  // namespace

std::vector<uint8_t> CoverFileHead(const Document& doc) {
  ByteWriter w;
  w.bytes.reserve(4096);
  w.raw(kCoverSignature, kCoverSignatureSize);
  w.i32(doc.PageWidth);
  w.i32(doc.PageHeight);
  w.f64(doc.Scales.ViewZoom);
  w.f64(doc.Scales.ViewScale);
  for (int slot = 1; slot <= ObjectTable::kSlots; ++slot)
    if (doc.objects.Occupied(slot)) WriteObject(w, slot, doc.objects[slot]);
  w.i32(kCoverEndOfObjects);
  const int32_t colors = StoredColorCount(doc.picture);
  w.i32(40 + 4 * colors);
  w.i32(colors);
  if (doc.picture.Info) WriteBitmapInfo(w, *doc.picture.Info, colors);
  return std::move(w.bytes);
}

uint64_t CoverFileSize(const Document& doc) {
  return CoverFileHead(doc).size() +
         uint64_t(DibHeight(doc.picture)) * uint64_t(doc.picture.BytesPerLine) +
         CoverFileTail(doc).size();
}

bool SaveFile(Document& doc, const std::string& name) {
  // Refused before the old file is touched: the design would not open again.
  if (const std::string fault = CoverSaveFault(doc); !fault.empty()) {
    ShowError(Translate("CoverWriter", "The file ") + BaseFileName(name) +
              Translate("CoverWriter", " was not saved: ") + fault + "!");
    return false;
  }
  // A document without pixels would make a file that no reader accepts.
  bool ok = doc.picture.Bits && doc.picture.Info && DibHeight(doc.picture) > 0;
  if (ok) {
    ReplacingFile file(name);
    const std::vector<uint8_t> head = CoverFileHead(doc), tail = CoverFileTail(doc);
    ok = file.open() && file.write(head.data(), head.size()) && WriteRows(file, doc.picture) &&
         file.write(tail.data(), tail.size()) && file.commit();
  }
  if (!ok) {
    ShowError(Translate("CoverWriter", "The file ") + BaseFileName(name) +
              Translate("CoverWriter", " could not be created!"));
    return false;
  }
  doc.SavedFileName = name;
  return true;
}
