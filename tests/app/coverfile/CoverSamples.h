#pragma once
// Sample documents for the cover file tests: every kind of object and pictures of every depth.
#include <cstring>
#include <string>
#include <vector>

#include "app/coverfile/ByteSource.h"
#include "app/coverfile/CoverFile.h"
#include "platform/Progress.h"

// A picture of the depth with a patterned colour table and pixels; it replaces the document's.
inline void SetSamplePicture(Document& doc, int bits, int width, int height) {
  Dib dib;
  NewDib(dib, width, height, bits, nullptr, 0);
  for (int i = 0; i < PaletteEntryCount(bits); ++i)
    SetDibColor(dib, i, uint8_t(i * 7), uint8_t(255 - i), uint8_t(i * 3 + 1), false);
  if (dib.HasPalette) RecreatePalette(dib);
  const uint32_t mask = bits == 24 ? 0xFFFFFFu : (1u << bits) - 1;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) SetDibPixel(dib, x, y, uint32_t(x * 131 + y * 977 + 5) & mask);
  doc.replacePicture(dib);
  doc.selRight = width - 1;  // as an opened cover selects it
  doc.selBottom = height - 1;
}

// Pixels for a picture object, patterned like SetSamplePicture, with an alpha ramp when asked.
inline std::shared_ptr<const PicturePixels> SamplePicturePixels(int bits, int width, int height,
                                                                bool alpha) {
  Document scratch;
  SetSamplePicture(scratch, bits, width, height);
  std::vector<uint8_t> ramp;
  for (int i = 0; alpha && i < width * height; ++i) ramp.push_back(uint8_t(i * 37));
  std::string error;
  Dib dib = scratch.picture;
  scratch.picture = Dib{};
  return PicturePixels::Make(dib, std::move(ramp), error);
}

// An A4 page at 600 dpi, as the window's start-up gives it without a printer.
inline void SetSamplePage(Document& doc) {
  doc.setPrinterPage(4960, 7016, 600, 600);
}

inline CoverObject& PlaceObject(Document& doc, int slot, int32_t kind, int32_t subKind) {
  CoverObject& o = doc.objects[slot];
  o.Kind = kind;
  o.SubKind = subKind;
  o.X = slot * 1000 - 7;
  o.Y = -slot * 333;
  o.W = 123456 + slot;
  o.H = 654321 - slot;
  o.NewFlag = 1;
  o.Color = 0x00112233u + uint32_t(slot);
  o.BorderColor = 0x00FFEEDDu - uint32_t(slot);
  o.FillOrShadow = slot % 3;
  o.LineWidth = 1 + slot % 20;
  o.FontName = "Arial";
  o.FontColor = 0x000000FFu;
  o.FontHeight = -16;
  o.FontPitch = 2;
  o.FontSize = 12;
  return o;
}

// Shapes of every form, texts and notes with every rotation and effect, a foreign kind.
inline void AddSampleObjects(Document& doc) {
  for (int sub = 0; sub <= 9; ++sub) PlaceObject(doc, 1 + sub, kShape, sub);
  for (int rot = 0; rot < 4; ++rot) {
    CoverObject& t = PlaceObject(doc, 20 + rot, kText, rot % 2);  // texts and notes
    t.Rotation = rot;
    t.Align = rot % 3;
    t.ShadowOn = rot & 1;
    t.BorderOn = rot & 2;
    t.ShadowDX = -3 - rot;
    t.ShadowDY = 7 + rot;
    t.FillOrShadow = 0x00808080;
    t.Text =
        "Line one\rZw\xF6lf Gr\xFC\xDF"
        "e \x80 \x9F\xFF\rlast";
    t.FontName = "DejaVu Sans";
    t.FontStyle = uint8_t(rot * 5 & 15);
    t.Spare1 = uint8_t(rot);
    t.Spare2 = uint8_t(200 + rot);
  }
  PlaceObject(doc, 500, 7, 0).Text = "foreign kind";
  CoverObject& top = PlaceObject(doc, ObjectTable::kSlots, kText, 0);
  top.Text = "";
  top.FontName = "";
}

// Every field of every slot, the page, the scales, the selection, the picture and the name.
inline std::vector<uint8_t> Snapshot(const Document& doc) {
  ByteWriter w;
  w.bytes = CoverFileHead(doc);
  for (int slot = 1; slot <= ObjectTable::kSlots; ++slot) {
    const CoverObject& o = doc.objects[slot];
    for (int32_t v : {o.X, o.Y, o.W, o.H, o.Rotation, o.Align, o.Kind, o.LineWidth, o.FillOrShadow,
                      o.ShadowDX, o.ShadowDY, o.SubKind, o.FontHeight, o.FontSize})
      w.i32(v);
    for (uint32_t v : {o.BorderColor, o.Color, o.FontColor}) w.u32(v);
    for (uint8_t v : {o.NewFlag, o.Spare1, o.Spare2, uint8_t(o.ShadowOn), uint8_t(o.BorderOn),
                      o.FontPitch, o.FontStyle})
      w.u8(v);
    w.zstring(o.Text);
    w.zstring(o.FontName);
  }
  for (int32_t v : {doc.selLeft, doc.selTop, doc.selRight, doc.selBottom, doc.objects.selectedSlot})
    w.i32(v);
  if (doc.picture.Bits)
    w.raw(doc.picture.Bits, size_t(DibHeight(doc.picture)) * size_t(doc.picture.BytesPerLine));
  w.zstring(doc.savedFileName);
  return std::move(w.bytes);
}

// Records every progress value while alive.
struct ProgressLog : ProgressSink {
  ProgressLog() : previous(SetProgressSink(this)) {}
  ~ProgressLog() override { SetProgressSink(previous); }
  void setProgress(int percent) override { values.push_back(percent); }
  ProgressSink* previous;
  std::vector<int> values;
};
