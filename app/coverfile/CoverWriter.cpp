// Writing the cover document file.
#include <algorithm>

#include "app/coverfile/CoverFile.h"
#include "app/coverfile/CoverParts.h"
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
  w.i32(o.FillOrShadow);
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
  w.i32(doc.pageWidth);
  w.i32(doc.pageHeight);
  w.f64(doc.scales.ViewZoom);
  w.f64(doc.scales.ViewScale);
  for (int slot = 1; slot <= ObjectTable::kSlots; ++slot)
    if (doc.objects.occupied(slot)) WriteObject(w, slot, doc.objects[slot]);
  w.i32(kCoverEndOfObjects);
  const int32_t colors = StoredColorCount(doc.picture);
  w.i32(40 + 4 * colors);
  w.i32(colors);
  if (doc.picture.Info) WriteBitmapInfo(w, *doc.picture.Info, colors);
  return std::move(w.bytes);
}

std::vector<uint8_t> CoverFileBytes(const Document& doc) {
  std::vector<uint8_t> bytes = CoverFileHead(doc);
  const size_t rows = size_t(DibHeight(doc.picture)) * size_t(doc.picture.BytesPerLine);
  if (doc.picture.Bits) bytes.insert(bytes.end(), doc.picture.Bits, doc.picture.Bits + rows);
  const std::vector<uint8_t> tail = CoverFileTail(doc);
  bytes.insert(bytes.end(), tail.begin(), tail.end());
  return bytes;
}

namespace {
// The parts' block and their centers' block, each with its tag and length; empty for a design
// of one part.
std::vector<uint8_t> PartsBlock(const Document& doc) {
  const std::vector<uint8_t> body = DesignPartsRecords(doc);
  if (body.empty()) return {};
  const std::vector<uint8_t> centers = PartCentersRecords(doc);
  ByteWriter w;
  w.bytes.reserve(body.size() + centers.size() + 16);
  w.raw(kDesignPartsTag, sizeof kDesignPartsTag);
  w.u32(uint32_t(body.size()));
  w.raw(body.data(), body.size());
  w.raw(kPartCentersTag, sizeof kPartCentersTag);
  w.u32(uint32_t(centers.size()));
  w.raw(centers.data(), centers.size());
  return std::move(w.bytes);
}

uint64_t FirstPartSize(const Document& doc) {
  if (doc.parts.current != 0) return doc.parts.list.front().cover.size();
  return CoverFileHead(doc).size() +
         uint64_t(DibHeight(doc.picture)) * uint64_t(doc.picture.BytesPerLine) +
         CoverFileTail(doc).size();
}

// The first part, then the other parts' block; the first part straight from the picture memory
// when it is the current one.
bool WriteDesign(ReplacingFile& file, const Document& doc) {
  const std::vector<uint8_t> parts = PartsBlock(doc);
  if (doc.parts.current != 0) {
    const std::vector<uint8_t>& first = doc.parts.list.front().cover;
    return file.write(first.data(), first.size()) && file.write(parts.data(), parts.size());
  }
  const std::vector<uint8_t> head = CoverFileHead(doc), tail = CoverFileTail(doc);
  return file.write(head.data(), head.size()) && WriteRows(file, doc.picture) &&
         file.write(tail.data(), tail.size()) && file.write(parts.data(), parts.size());
}
}  // namespace

uint64_t CoverFileSize(const Document& doc) {
  uint64_t others = 0;
  if (doc.parts.list.size() > 1) {
    others = 8 + 4 + 8 + 2 + doc.parts.list.size() * kPartCenterSize;
    for (size_t i = 0; i < doc.parts.list.size(); ++i) {
      const DesignPart& part = doc.parts.list[i];
      others += part.name.size() + 1 + 1 + (part.format ? kPaperRecordSize : 0) + 4;
      if (i > 0) others += i == doc.parts.current ? CoverFileBytes(doc).size() : part.cover.size();
    }
  }
  return FirstPartSize(doc) + others;
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
    ok = file.open() && WriteDesign(file, doc) && file.commit();
  }
  if (!ok) {
    ShowError(Translate("CoverWriter", "The file ") + BaseFileName(name) +
              Translate("CoverWriter", " could not be created!"));
    return false;
  }
  doc.savedFileName = name;
  return true;
}
