#include <gtest/gtest.h>

#include "platform/dialogs/ScriptedDialogs.h"
#include "tests/app/coverfile/CoverSamples.h"
#include "tests/support/TestFiles.h"

namespace {
// One little-endian field after another.
struct Bytes {
  std::vector<uint8_t> b;
  Bytes& raw(const std::string& s) { return b.insert(b.end(), s.begin(), s.end()), *this; }
  Bytes& u8(uint8_t v) { return b.push_back(v), *this; }
  Bytes& u16(uint16_t v) { return u8(uint8_t(v)).u8(uint8_t(v >> 8)); }
  Bytes& u32(uint32_t v) { return u16(uint16_t(v)).u16(uint16_t(v >> 16)); }
  // A text layout record: slot, version, size, layout, arc, spacing.
  Bytes& record(int32_t slot, uint16_t version, uint16_t size, uint8_t shape, int16_t arc,
                int16_t spacing) {
    return u32(uint32_t(slot))
        .u16(version)
        .u16(size)
        .u8(shape)
        .u16(uint16_t(arc))
        .u16(uint16_t(spacing));
  }
  Bytes& ref() { return *this; }
  Bytes& block(const std::string& tag, const std::vector<uint8_t>& body) {
    raw(tag).u32(uint32_t(body.size()));
    b.insert(b.end(), body.begin(), body.end());
    return *this;
  }
};

class CoverTailTest : public ::testing::Test {
 protected:
  ScriptedDialogs dialogs;
  ScopedDialogs scoped{dialogs};
  TempDir dir;

  // Texts in slots 3 and 20, a shape in slot 7, a note in slot 9, a 4 x 3 picture.
  static void MakeDesign(Document& doc) {
    SetSamplePage(doc);
    PlaceObject(doc, 3, kText, 0).Text = "Around";
    PlaceObject(doc, 7, kShape, 1);
    PlaceObject(doc, 9, kText, 1).Text = "note";
    PlaceObject(doc, 20, kText, 0).Text = "Under\rtwo";
    SetSamplePicture(doc, 8, 4, 3);
  }
  std::vector<uint8_t> Saved(Document& doc) {
    EXPECT_TRUE(SaveFile(doc, dir.file("x.cov")));
    return ReadBytes(dir.file("x.cov"));
  }
};

TEST_F(CoverTailTest, ADesignWithoutCurvedTextKeepsItsBytesAndCurvedTextsFollowThePicture) {
  Document plain;
  MakeDesign(plain);
  const std::vector<uint8_t> before = Saved(plain);
  EXPECT_EQ(before.size(), CoverFileHead(plain).size() + 3 * 4);

  // Layouts left on a shape, a straight text's arc and spacing are not curved text.
  Document leftovers;
  MakeDesign(leftovers);
  leftovers.objects.layout(7).shape = TextShape::TopArc;
  leftovers.objects.layout(3) = TextLayout{TextShape::Straight, 90, 40};
  EXPECT_EQ(Saved(leftovers), before);

  Document curved;
  MakeDesign(curved);
  curved.objects.layout(3) = TextLayout{TextShape::TopArc, 270, -20};
  curved.objects.layout(20) = TextLayout{TextShape::BottomArc, 30, 200};
  const std::vector<uint8_t> after = Saved(curved);
  EXPECT_EQ(CoverFileSize(curved), after.size());
  // The reader that stops after the picture sees exactly the old file.
  ASSERT_EQ(after.size(), before.size() + 8 + 2 * 13);
  EXPECT_TRUE(std::equal(before.begin(), before.end(), after.begin()));
  Bytes tail;
  tail.block("TLAY", Bytes().record(3, 1, 5, 1, 270, -20).record(20, 1, 5, 2, 30, 200).b);
  EXPECT_TRUE(std::equal(tail.b.begin(), tail.b.end(), after.begin() + long(before.size())));

  Document opened;
  opened.objects.layout(5).shape = TextShape::TopArc;  // the open replaces everything
  ASSERT_TRUE(OpenFile(opened, dir.file("x.cov")));
  for (int slot = 1; slot <= ObjectTable::kSlots; ++slot)
    ASSERT_EQ(opened.objects.layout(slot), curved.objects.layout(slot)) << slot;
  EXPECT_EQ(Saved(opened), after);

  WriteBytes(dir.file("x.cov"), before);
  ASSERT_TRUE(OpenFile(opened, dir.file("x.cov")));
  EXPECT_FALSE(opened.objects.layout(3).curved());
}

TEST_F(CoverTailTest, UnknownBlocksAndLaterRecordVersionsAreReadPastShortTailsIgnored) {
  Document doc;
  MakeDesign(doc);
  const std::vector<uint8_t> plain = Saved(doc);
  Bytes tail;
  tail.block("ZZZZ", std::vector<uint8_t>(5000, 7))
      .block("TLAY", Bytes().record(3, 2, 8, 2, 45, 5).u16(0xBEEF).u8(1).b)
      .block("NEXT", {})
      .raw("abc");  // too short to be a block
  std::vector<uint8_t> b = plain;
  b.insert(b.end(), tail.b.begin(), tail.b.end());
  CoverContents c;
  ASSERT_EQ(ParseCoverFile(b, c), CoverError::None);
  ASSERT_EQ(c.layouts.size(), 1u);
  EXPECT_EQ(c.layouts[0].first, 3);
  EXPECT_EQ(c.layouts[0].second, (TextLayout{TextShape::BottomArc, 45, 5}));
}

TEST_F(CoverTailTest, DamagedBlocksAreRefusedWithAClearMessageAndChangeNothing) {
  Document doc;
  MakeDesign(doc);
  const std::vector<uint8_t> plain = Saved(doc);
  const auto Layout = [](Bytes records) { return Bytes().block("TLAY", records.b).b; };
  std::vector<uint8_t> overlong = Bytes().raw("TLAY").u32(14).record(3, 1, 5, 1, 90, 0).b;
  std::vector<uint8_t> cutRecord = Bytes().block("TLAY", {3, 0, 0, 0, 1, 0}).b;
  const std::vector<std::vector<uint8_t>> damaged = {
      overlong,                                         // past the end
      Bytes().raw("ZZZZ").u32(100).b,                   // unknown, past the end
      cutRecord,                                        // record head cut
      Layout(Bytes().record(3, 1, 5, 1, 90, 0).u8(0)),  // a stray byte
      Layout(Bytes().record(3, 1, 9, 1, 90, 0)),        // size beyond the block
      Layout(Bytes().record(3, 1, 6, 1, 90, 0).u8(0)),  // version 1 is 5 bytes
      Layout(Bytes().record(3, 0, 5, 1, 90, 0)),        // no version 0
      Layout(Bytes().record(0, 1, 5, 1, 90, 0)),        // slot 0
      Layout(Bytes().record(10001, 1, 5, 1, 90, 0)),    // past the table
      Layout(Bytes().record(7, 1, 5, 1, 90, 0)),        // a shape
      Layout(Bytes().record(5, 1, 5, 1, 90, 0)),        // a free slot
      Layout(Bytes().record(20, 1, 5, 1, 90, 0).record(3, 1, 5, 1, 90, 0)),  // out of order
      Layout(Bytes().record(3, 1, 5, 1, 90, 0).record(3, 1, 5, 1, 90, 0)),   // repeated
      Layout(Bytes().record(3, 1, 5, 0, 90, 0)),  // straight is not stored
      Layout(Bytes().record(3, 1, 5, 3, 90, 0)),  // no such layout
      Layout(Bytes().record(3, 1, 5, 1, 29, 0)),
      Layout(Bytes().record(3, 1, 5, 1, 361, 0)),
      Layout(Bytes().record(3, 1, 5, 1, 90, -51)),
      Layout(Bytes().record(3, 1, 5, 1, 90, 201)),
      Bytes().block("TLAY", {}).block("TLAY", {}).b,  // two layout blocks
  };
  Document opened;
  ASSERT_TRUE(OpenFile(opened, dir.file("x.cov")));
  for (size_t i = 0; i < damaged.size(); ++i) {
    std::vector<uint8_t> b = plain;
    b.insert(b.end(), damaged[i].begin(), damaged[i].end());
    CoverContents c;
    EXPECT_EQ(ParseCoverFile(b, c), CoverError::DamagedExtension) << i;
  }
  std::vector<uint8_t> b = plain;
  b.insert(b.end(), overlong.begin(), overlong.end());
  WriteBytes(dir.file("bad.cov"), b);
  opened.objects.layout(3).shape = TextShape::BottomArc;
  EXPECT_FALSE(OpenFile(opened, dir.file("bad.cov")));
  EXPECT_EQ(dialogs.messages().back(), "The curved texts in the file bad.cov are damaged!");
  EXPECT_EQ(opened.objects.layout(3).shape, TextShape::BottomArc);
  EXPECT_EQ(opened.savedFileName, dir.file("x.cov"));
}

// A picture object's record: slot, version, size, the settings, the PNG and the packed alpha.
Bytes& PictureRecord(Bytes& b, int32_t slot, const PicturePixels& p, uint8_t fit = 0,
                     uint8_t turns = 0, uint8_t mirrors = 0, uint8_t opacity = 100,
                     uint8_t keyed = 0, uint32_t key = 0xFFFFFF, uint16_t version = 1,
                     const std::vector<uint8_t>& extra = {}) {
  b.u32(uint32_t(slot)).u16(version);
  b.u32(uint32_t(14 + 4 + p.png().size() + 4 + p.packedAlpha().size() + extra.size()));
  b.u8(fit).u8(turns).u8(mirrors).u8(opacity).u8(keyed).u32(key).u8(3).u32(0x808080);
  b.u32(uint32_t(p.png().size())).raw(std::string(p.png().begin(), p.png().end()));
  b.u32(uint32_t(p.packedAlpha().size()))
      .raw(std::string(p.packedAlpha().begin(), p.packedAlpha().end()));
  b.b.insert(b.b.end(), extra.begin(), extra.end());
  return b;
}

TEST_F(CoverTailTest, PictureObjectsAreRectanglesToOlderReadersAndComeBackByteForByte) {
  Document doc;
  MakeDesign(doc);
  const auto logo = SamplePicturePixels(8, 5, 3, true),
             photo = SamplePicturePixels(24, 4, 4, false);
  PictureSettings s;
  s.fit = PictureFit::Cover, s.turns = 3, s.mirrorY = true, s.opacity = 70;
  s.keyed = true, s.key = 0x12AB34, s.tolerance = 3;
  ASSERT_EQ(doc.objects.createPicture(logo, 100, 200, 3000, 4000, s), 1);
  PictureSettings plain;
  plain.tolerance = 3;  // as the records below write it
  ASSERT_EQ(doc.objects.createPicture(photo, -5, 6, 7, 8, plain), 2);
  doc.objects[2].BorderOn = true;
  const std::vector<uint8_t> saved = Saved(doc);
  EXPECT_EQ(CoverFileSize(doc), saved.size());

  // The head and rows alone are what an older program reads: two empty rectangles.
  const size_t rows = CoverFileHead(doc).size() + 3 * 4;
  CoverContents old;
  ASSERT_EQ(ParseCoverFile(ByteSpan(saved.data(), rows), old), CoverError::None);
  ASSERT_EQ(old.objects.size(), 6u);
  EXPECT_EQ(old.objects[0].slot, 1);
  EXPECT_EQ(old.objects[0].object.Kind, kShape);
  EXPECT_EQ(old.objects[0].object.SubKind, 3);
  EXPECT_EQ(old.objects[0].object.FillOrShadow, 1);
  EXPECT_TRUE(old.pictures.empty());

  Bytes tail;
  tail.block(
      "PICO",
      PictureRecord(PictureRecord(Bytes().ref(), 1, *logo, 1, 3, 2, 70, 1, 0x12AB34), 2, *photo).b);
  EXPECT_TRUE(std::equal(tail.b.begin(), tail.b.end(), saved.begin() + long(rows)));

  Document opened;
  ASSERT_TRUE(OpenFile(opened, dir.file("x.cov")));
  ASSERT_TRUE(opened.objects.isPicture(1));
  EXPECT_EQ(opened.objects.picture(1).settings, s);
  const PicturePixels& back = *opened.objects.picture(1).pixels;
  EXPECT_EQ(back.alpha(), logo->alpha());
  EXPECT_EQ(DibBitCount(back.dib()), 8);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x)
      ASSERT_EQ(GetDibPixel(back.dib(), x, y), GetDibPixel(logo->dib(), x, y));
  EXPECT_TRUE(opened.objects[2].BorderOn);
  EXPECT_EQ(Saved(opened), saved);
}

TEST_F(CoverTailTest, DamagedPictureObjectsAreRefusedNamingTheFile) {
  Document doc;
  MakeDesign(doc);
  doc.objects[7].SubKind = 3;  // the rectangle the records below belong to
  const std::vector<uint8_t> plain = Saved(doc);
  const auto logo = SamplePicturePixels(24, 3, 2, true);
  const auto Block = [](Bytes records) { return Bytes().block("PICO", records.b).b; };
  std::vector<uint8_t> brokenPng = PictureRecord(Bytes().ref(), 7, *logo).b;
  brokenPng[10 + 14 + 4 + 20] ^= 0x40;  // the PNG's height
  std::vector<uint8_t> brokenAlpha = PictureRecord(Bytes().ref(), 7, *logo).b;
  brokenAlpha.back() ^= 0xFF;
  const std::vector<std::vector<uint8_t>> damaged = {
      Block(PictureRecord(Bytes().ref(), 3, *logo)),                           // a text
      Block(PictureRecord(Bytes().ref(), 9, *logo)),                           // a note
      Block(PictureRecord(Bytes().ref(), 5, *logo)),                           // a free slot
      Block(PictureRecord(PictureRecord(Bytes().ref(), 7, *logo), 7, *logo)),  // repeated
      Block(PictureRecord(Bytes().ref(), 7, *logo, 3)),                        // no such fit
      Block(PictureRecord(Bytes().ref(), 7, *logo, 0, 4)),                     // five quarter turns
      Block(PictureRecord(Bytes().ref(), 7, *logo, 0, 0, 4)),                  // no such mirror
      Block(PictureRecord(Bytes().ref(), 7, *logo, 0, 0, 0, 101)),             // over 100 %
      Block(PictureRecord(Bytes().ref(), 7, *logo, 0, 0, 0, 100, 2)),
      Block(PictureRecord(Bytes().ref(), 7, *logo, 0, 0, 0, 100, 1, 0x1000000)),
      Block(PictureRecord(Bytes().ref(), 7, *logo, 0, 0, 0, 100, 0, 0, 0)),       // version 0
      Block(PictureRecord(Bytes().ref(), 7, *logo, 0, 0, 0, 100, 0, 0, 1, {0})),  // a stray byte
      Block(Bytes().u32(7).u16(1).u32(10).u32(0).u32(0).u16(0)),  // shorter than its fields
      Block(Bytes().u32(7).u16(1).u32(400)),                      // past the block
      Block(Bytes{brokenPng}),
      Block(Bytes{brokenAlpha}),
      Bytes().block("PICO", {}).block("PICO", {}).b,  // twice
  };
  for (size_t i = 0; i < damaged.size(); ++i) {
    std::vector<uint8_t> b = plain;
    b.insert(b.end(), damaged[i].begin(), damaged[i].end());
    CoverContents c;
    EXPECT_EQ(ParseCoverFile(b, c), CoverError::DamagedPictures) << i;
    EXPECT_FALSE(c.why.empty()) << i;
  }
  // A later version's extra fields are read past.
  std::vector<uint8_t> b = plain;
  const std::vector<uint8_t> later =
      Block(PictureRecord(Bytes().ref(), 7, *logo, 2, 1, 1, 5, 0, 0, 2, {1, 2, 3}));
  b.insert(b.end(), later.begin(), later.end());
  CoverContents c;
  ASSERT_EQ(ParseCoverFile(b, c), CoverError::None);
  ASSERT_EQ(c.pictures.size(), 1u);
  EXPECT_EQ(c.pictures[0].second.settings.opacity, 5);

  b = plain;
  b.insert(b.end(), damaged[0].begin(), damaged[0].end());
  WriteBytes(dir.file("bad.cov"), b);
  Document opened;
  EXPECT_FALSE(OpenFile(opened, dir.file("bad.cov")));
  EXPECT_EQ(dialogs.messages().back(),
            "The placed pictures in the file bad.cov are damaged: a picture belongs to no "
            "rectangle!");
}
}  // namespace

namespace {
TEST_F(CoverTailTest, PicturesTheReaderWouldRefuseAreNotSaved) {
  Document doc;
  MakeDesign(doc);
  const std::vector<uint8_t> plain = Saved(doc);
  // One shared 1000 x 1000 picture counts 3 MB in each of 400 objects: over 1 GiB together.
  const auto shared = SamplePicturePixels(24, 1000, 1000, false);
  for (int i = 0; i < 400; ++i) doc.objects.createPicture(shared, 0, 0, 10, 10);
  EXPECT_FALSE(SaveFile(doc, dir.file("x.cov")));
  EXPECT_EQ(dialogs.messages().back(),
            "The file x.cov was not saved: the placed pictures are larger than 1 GiB together!");
  EXPECT_EQ(ReadBytes(dir.file("x.cov")), plain);
  for (int i = 0; i < 100; ++i) doc.objects[1 + i].Kind = kFree;
  doc.objects.picture(200).settings.opacity = 101;
  EXPECT_FALSE(SaveFile(doc, dir.file("x.cov")));
  EXPECT_NE(dialogs.messages().back().find("picture of object 200"), std::string::npos);
}
}  // namespace
