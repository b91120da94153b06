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
}  // namespace
