#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "app/coverfile/CoverParts.h"
#include "app/coverfile/DesignStep.h"
#include "app/coverfile/PartEdits.h"
#include "app/coverfile/PartPresets.h"
#include "platform/dialogs/ScriptedDialogs.h"
#include "tests/app/coverfile/CoverSamples.h"
#include "tests/support/TestFiles.h"

namespace {
class CoverPartsTest : public ::testing::Test {
 protected:
  ScriptedDialogs dialogs;
  ScopedDialogs scoped{dialogs};
  TempDir dir;

  // A one-part cover: `objects` texts over a picture of `width` x 3 at `bits`.
  static std::vector<uint8_t> Cover(int bits, int width, int objects) {
    Document doc;
    SetSamplePage(doc);
    SetSamplePicture(doc, bits, width, 3);
    for (int slot = 1; slot <= objects; ++slot) PlaceObject(doc, slot, kText, 0).Text = "t";
    return CoverFileBytes(doc);
  }
  // Front (current), Inlay with a format, Disc.
  void MakeDesign(Document& doc) {
    SetSamplePage(doc);
    SetSamplePicture(doc, 24, 5, 3);
    PlaceObject(doc, 2, kShape, 1);
    doc.parts.list[0].name = "Front";
    std::string error;
    PaperFormat inlay;
    inlay.width = inlay.stepAcross = 151;
    inlay.height = inlay.stepDown = 118;
    inlay.name = "Inlay";
    ASSERT_TRUE(AddPart(doc, DesignPart{"Inlay", inlay, Cover(8, 7, 2)}, error)) << error;
    ASSERT_TRUE(AddPart(doc, DesignPart{"Disc", {}, Cover(4, 9, 1)}, error)) << error;
  }
  std::vector<uint8_t> Saved(Document& doc, const std::string& name = "x.cov") {
    EXPECT_TRUE(SaveFile(doc, dir.file(name)));
    return ReadBytes(dir.file(name));
  }
};

TEST_F(CoverPartsTest, FurtherPartsFollowTheFirstAndComeBackByteForByteFromAnyCurrentPart) {
  Document doc;
  MakeDesign(doc);
  Document alone;
  SetSamplePage(alone);
  SetSamplePicture(alone, 24, 5, 3);
  PlaceObject(alone, 2, kShape, 1);
  doc.parts.list[2].center = {80, -0.25, 1.5};  // its place on the Center tab is kept too
  const std::vector<uint8_t> first = Saved(alone, "alone.cov"), saved = Saved(doc);
  EXPECT_EQ(CoverFileSize(doc), saved.size());
  // An older reader sees the first part alone, the other parts as a block it skips.
  ASSERT_GT(saved.size(), first.size());
  EXPECT_TRUE(std::equal(first.begin(), first.end(), saved.begin()));
  EXPECT_EQ(std::string(saved.begin() + long(first.size()), saved.begin() + long(first.size()) + 4),
            "PRTS");

  Document opened;
  ASSERT_TRUE(OpenFile(opened, dir.file("x.cov")));
  ASSERT_EQ(opened.parts.list.size(), 3u);
  EXPECT_EQ(opened.parts.list[1].name, "Inlay");
  EXPECT_EQ(opened.parts.list[2].center, (CoverSettings{80, -0.25, 1.5}));
  EXPECT_EQ(opened.parts.list[1].format->width, 151);
  EXPECT_FALSE(opened.parts.list[2].format);
  EXPECT_EQ(Saved(opened, "again.cov"), saved);
  // Switching parts changes no byte of the design, whichever part is current when it is saved.
  std::string error;
  for (size_t part : {2u, 1u, 0u, 2u}) {
    ASSERT_TRUE(SwitchPart(opened, part, error)) << error;
    EXPECT_EQ(DibWidth(opened.picture), std::vector<int>({5, 7, 9})[part]);
    EXPECT_EQ(Saved(opened, "again.cov"), saved) << part;
    EXPECT_EQ(CoverFileSize(opened), saved.size());
  }
  // A part extracted is the file that part saved alone makes.
  for (size_t part : {0u, 1u, 2u}) {
    Document one;
    ASSERT_TRUE(ExtractPart(opened, part, one, error));
    const std::vector<uint8_t> extracted = Saved(one, "one.cov");
    EXPECT_EQ(extracted, part == 0 ? first : PartCoverBytes(opened, part)) << part;
  }
}

TEST_F(CoverPartsTest, PartsAreAddedRenamedMovedAndRemovedWithTheCurrentPartKept) {
  Document doc;
  MakeDesign(doc);
  std::string error;
  ASSERT_TRUE(SwitchPart(doc, 1, error));
  EXPECT_FALSE(RenamePart(doc, 1, "Disc", error));
  EXPECT_EQ(error, "there is already a part called Disc");
  EXPECT_FALSE(AddPart(doc, DesignPart{std::string(65, 'a'), {}, Cover(8, 2, 0)}, error));
  EXPECT_FALSE(AddPart(doc, DesignPart{"", {}, Cover(8, 2, 0)}, error));
  EXPECT_FALSE(AddPart(doc, DesignPart{"Broken", {}, {1, 2, 3}}, error));
  // Parts chosen at positions of the sheet follow their parts through renames and moves.
  PlacePart(doc.parts, 0, 2);  // Disc
  PlacePart(doc.parts, 3, 0);  // Front
  PlacePart(doc.parts, 1, 2);
  PlacePart(doc.parts, 1, 1);  // the current part again: no choice left
  EXPECT_TRUE(RenamePart(doc, 1, "Tray", error));
  ASSERT_TRUE(DuplicatePart(doc, 1, "Tray 2", error));
  MovePart(doc, 0, 3);  // Tray, Tray 2, Disc, Front
  EXPECT_EQ(doc.parts.current, 0u);
  EXPECT_EQ(PartsAtPositions(doc.parts, 5), std::vector<size_t>({2, 0, 0, 3, 0}));
  EXPECT_EQ(PartsAtPositions(doc.parts, 3), std::vector<size_t>({2, 0, 0}));
  EXPECT_EQ(FindPart(doc.parts, "Front"), 3u);
  EXPECT_EQ(FindPart(doc.parts, "2"), 1u);
  EXPECT_FALSE(FindPart(doc.parts, "5"));
  ASSERT_TRUE(RemovePart(doc, 0, error));  // the current one: its neighbour follows
  EXPECT_EQ(doc.parts.current, 0u);
  EXPECT_EQ(doc.parts.list[0].name, "Tray 2");
  EXPECT_EQ(DibWidth(doc.picture), 7);
  EXPECT_EQ(PartsAtPositions(doc.parts, 4), std::vector<size_t>({1, 0, 0, 2}));
  ASSERT_TRUE(RemovePart(doc, 1, error));  // the disc's position prints the current part again
  EXPECT_EQ(PartsAtPositions(doc.parts, 4), std::vector<size_t>({0, 0, 0, 1}));
  ASSERT_TRUE(RemovePart(doc, 1, error));
  EXPECT_FALSE(RemovePart(doc, 0, error));
  // A design of one part again is today's file.
  const std::vector<uint8_t> one = Saved(doc);
  EXPECT_EQ(one, CoverFileBytes(doc));
}

TEST_F(CoverPartsTest, ANewDesignIsOneStepThatBringsTheWholeDesignBackAndAFailedOneChangesNothing) {
  Document doc;
  MakeDesign(doc);
  std::string error;
  ASSERT_TRUE(SwitchPart(doc, 1, error));
  PlaceObject(doc, 5, kText, 0).Text = "inlay";
  doc.history.commit("Type");
  const std::vector<uint8_t> old = Saved(doc, "old.cov");
  EXPECT_FALSE(ReplaceDesignAsStep(doc, "New design", [] { return false; }));
  EXPECT_EQ(Saved(doc, "old.cov"), old);
  EXPECT_EQ(doc.history.undoName(), "Type");
  ASSERT_TRUE(ReplaceDesignAsStep(doc, "New design", [&] {
    NewDesignFromPreset(doc, PartPresets()[0]);
    return true;
  }));
  EXPECT_TRUE(doc.savedFileName.empty());
  const std::vector<uint8_t> made = CoverFileBytes(doc);
  for (int round = 0; round < 2; ++round) {
    ASSERT_TRUE(doc.history.undo());
    EXPECT_EQ(doc.parts.current, 1u);
    EXPECT_EQ(doc.savedFileName, dir.file("old.cov"));
    EXPECT_EQ(Saved(doc, "old.cov"), old) << round;
    ASSERT_TRUE(doc.history.redo());
    EXPECT_EQ(doc.parts.list.size(), PartPresets()[0].parts.size());
    EXPECT_EQ(CoverFileBytes(doc), made) << round;
  }
  ASSERT_TRUE(doc.history.undo());
  ASSERT_TRUE(doc.history.undo());  // the inlay's own step, before the new design
  EXPECT_EQ(doc.objects[5].Kind, kFree);
}

TEST_F(CoverPartsTest, ObjectsAreCopiedIntoOtherPartsAtTheirPlaceOrNowhere) {
  Document doc;
  MakeDesign(doc);  // Front: a shape in slot 2; Inlay: texts in 1 and 2; Disc: a text in 1
  CoverObject& text = PlaceObject(doc, 5, kText, 0);
  text.Text = "Title";
  doc.objects.layout(5) = TextLayout{TextShape::TopArc, 120, 10};
  std::string error;
  ASSERT_TRUE(CopyObjectsToParts(doc, {2, 5}, {1, 2}, error)) << error;
  for (const auto& [part, first] : {std::pair{1u, 3}, std::pair{2u, 2}}) {
    Document one;
    ASSERT_TRUE(ExtractPart(doc, part, one, error));
    EXPECT_EQ(one.objects[first].Kind, kShape) << part;
    EXPECT_EQ(one.objects[first].X, doc.objects[2].X);
    EXPECT_EQ(one.objects[first + 1].Text, "Title");
    EXPECT_EQ(one.objects[first + 1].Y, text.Y);
    EXPECT_EQ(one.objects.layout(first + 1), doc.objects.layout(5));
  }
  // A part without room, or the current part as a target, changes no part.
  const std::vector<uint8_t> before = Saved(doc);
  Document full;
  for (int slot = 1; slot <= ObjectTable::kSlots; ++slot) full.objects[slot].Kind = kShape;
  full.setPrinterPage(4960, 7016, 600, 600);
  ASSERT_TRUE(AddPart(doc, DesignPart{"Full", {}, CoverFileBytes(full)}, error));
  EXPECT_FALSE(CopyObjectsToParts(doc, {5}, {1, 3}, error));
  EXPECT_EQ(error, "the part Full has no free object");
  EXPECT_FALSE(CopyObjectsToParts(doc, {5}, {1, 0}, error));
  ASSERT_TRUE(RemovePart(doc, 3, error));
  EXPECT_EQ(Saved(doc), before);
}

TEST_F(CoverPartsTest, DamagedPartBlocksAreRefusedWithAMessageNamingTheFile) {
  Document doc;
  MakeDesign(doc);
  const std::vector<uint8_t> saved = Saved(doc);
  const size_t block = CoverFileBytes(doc).size();
  const std::vector<uint8_t> cover = Cover(8, 2, 0);
  // The block's body: version, count, then name, format flag, cover length and cover per part.
  const auto Body = [&](uint16_t version, uint16_t count, std::vector<std::string> names,
                        std::vector<uint8_t> second, std::vector<uint8_t> extra = {}) {
    ByteWriter w;
    w.u16(version);
    w.u16(count);
    for (size_t i = 0; i < names.size(); ++i) {
      w.zstring(names[i]);
      w.u8(0);
      const std::vector<uint8_t>& c = i == 0 ? std::vector<uint8_t>{} : second;
      w.u32(uint32_t(c.size()));
      w.raw(c.data(), c.size());
    }
    w.raw(extra.data(), extra.size());
    return w.bytes;
  };
  std::vector<uint8_t> nested = cover;
  ByteWriter inner;
  inner.raw("PRTS", 4);
  const std::vector<uint8_t> innerBody = Body(1, 2, {"a", "b"}, cover);
  inner.u32(uint32_t(innerBody.size()));
  inner.raw(innerBody.data(), innerBody.size());
  nested.insert(nested.end(), inner.bytes.begin(), inner.bytes.end());
  std::vector<uint8_t> badFormat = Body(1, 2, {"a"}, {});
  badFormat.push_back('b');
  badFormat.push_back(0);
  badFormat.push_back(1);  // a format whose record has no columns
  badFormat.insert(badFormat.end(), kPaperRecordSize + 4, 0);
  struct Case {
    std::vector<uint8_t> body;
    const char* why;
  };
  const std::vector<Case> cases = {
      {Body(2, 2, {"a", "b"}, cover), "the parts were written in a later version"},
      {Body(1, 1, {"a"}, {}), "a design holds 2 to 64 parts"},
      {Body(1, 65, {"a", "b"}, cover), "a design holds 2 to 64 parts"},
      {Body(1, 3, {"a", "b"}, cover), "a part's record is damaged"},       // a part missing
      {Body(1, 2, {"a", "b"}, cover, {0}), "a part's record is damaged"},  // a stray byte
      {Body(1, 2, {"a", "a"}, cover), "there is already a part called a"},
      {Body(1, 2, {"a", ""}, cover), "a part needs a name"},
      {Body(1, 2, {"a", std::string(65, 'n')}, cover), "a part's name has at most 64 bytes"},
      {Body(1, 2, {"a", "b"}, {}), "a part's record is damaged"},  // no cover
      {Body(1, 2, {"a", "b"}, {1, 2, 3, 4}),
       "the part b is damaged (This is not a valid CD Cover file!)"},
      {Body(1, 2, {"a", "b"}, nested),
       "the part b is damaged (The parts in the file b are damaged: a part holds parts itself!)"},
      {badFormat, "the paper format of b is damaged"},
  };
  for (size_t i = 0; i < cases.size(); ++i) {
    std::vector<uint8_t> b(saved.begin(), saved.begin() + long(block));
    ByteWriter w;
    w.raw("PRTS", 4);
    w.u32(uint32_t(cases[i].body.size()));
    w.raw(cases[i].body.data(), cases[i].body.size());
    b.insert(b.end(), w.bytes.begin(), w.bytes.end());
    if (i == 0) b.insert(b.end(), w.bytes.begin(), w.bytes.end());  // and twice
    CoverContents c;
    EXPECT_EQ(ParseCoverFile(b, c), CoverError::DamagedParts) << i;
    EXPECT_EQ(c.why, cases[i].why) << i;
  }
  // The parts' places on the Center tab: the last block, a count and three numbers per part.
  const size_t centers = saved.size() - (8 + 2 + 3 * kPartCenterSize);
  ASSERT_EQ(std::string(saved.begin() + long(centers), saved.begin() + long(centers) + 4), "PCEN");
  const struct {
    size_t at;
    double value;  // a count at the block's body, else a number
    const char* why;
  } places[] = {
      {centers + 8, 2, "the parts' places do not match the parts"},
      {centers + 10, 0, "the place of Front is impossible"},
      {centers + 10 + 8 + kPartCenterSize, std::nan(""), "the place of Inlay is impossible"},
      {0, 0, "the parts' places come before the parts"}};
  for (const auto& c : places) {
    std::vector<uint8_t> b = saved;
    if (c.at == 0)  // the places without the parts
      b.erase(b.begin() + long(block), b.begin() + long(centers));
    else if (c.at == centers + 8)
      b[c.at] = uint8_t(c.value);
    else
      std::memcpy(b.data() + c.at, &c.value, sizeof c.value);
    CoverContents read;
    EXPECT_EQ(ParseCoverFile(b, read), CoverError::DamagedParts) << c.why;
    EXPECT_EQ(read.why, c.why);
  }
  std::vector<uint8_t> twice = saved;
  twice.insert(twice.end(), saved.begin() + long(block), saved.end());
  WriteBytes(dir.file("twice.cov"), twice);
  Document opened;
  EXPECT_FALSE(OpenFile(opened, dir.file("twice.cov")));
  EXPECT_EQ(dialogs.messages().back(),
            "The parts in the file twice.cov are damaged: the block is there twice!");
}
}  // namespace

TEST(PartPresetsTest, StarterFormatsBringTheirFoldLinesAndDiscShapesUnlessTheListHasThem) {
  const std::tuple<const char*, size_t, std::vector<double>, double> wants[] = {
      {"CD jewel case", 1, {6.5, 144.5}, 0},
      {"CD jewel case", 2, {}, 41},
      {"DVD case", 0, {129.5, 143.5}, 0},
      {"Paper sleeve", 1, {}, 41},
      {"CD slim case", 0, {}, 0}};  // preset, part, fold lines' x, disc hole
  for (const auto& [preset, index, folds, hole] : wants) {
    const PartPreset::Part& part = FindPartPreset(preset)->parts.at(index);
    const PaperFormat record = StarterPartFormat(part.name, part.widthMm, part.heightMm);
    const FormatDetails d = PartFormatDetails({}, {}, record);
    EXPECT_EQ(CheckDetails(record, d), "") << part.name;
    std::vector<FormatGuide> lines;
    for (double x : folds) lines.push_back(GuideLine(x, 0, x, part.heightMm));
    EXPECT_EQ(d.guides, lines) << part.name;
    EXPECT_EQ(d.shape.holeDiameter, hole) << part.name;
    // The element lies whole on its sheet: the wrap-around cover on A4 turned across.
    const bool across = part.widthMm > 210;
    EXPECT_EQ(std::pair(d.sheetWidth, d.sheetHeight),
              across ? std::pair(297.0, 210.0) : std::pair(0.0, 0.0));
    EXPECT_LE(2 * record.leftMargin + record.width, across ? 297 : 210) << part.name;
    // The user's list decides for a format it holds.
    EXPECT_TRUE(PartFormatDetails({PaperFormat{}, record}, {d, FormatDetails{}}, record).isPlain());
  }
}

TEST(PartPresetsTest, ANewPartsPageIsTheWindowsPrinterPageElseItsPictureInDocumentUnits) {
  for (const bool window : {false, true}) {
    Document doc;
    if (window) SetSamplePage(doc);
    const int32_t page[] = {doc.pageWidth, doc.pageHeight};
    NewDesignFromPreset(doc, *FindPartPreset("DVD case"));
    for (size_t i = 0; i < doc.parts.list.size(); ++i) {
      Document part;
      std::string error;
      ASSERT_TRUE(ExtractPart(doc, i, part, error)) << error;
      const double base = part.scales.BaseScale;
      // A batch design's view shows the whole picture, not a page of a few pixels.
      const int32_t want[] = {
          window ? page[0] : int32_t(std::lround(DibWidth(part.picture) * base)),
          window ? page[1] : int32_t(std::lround(DibHeight(part.picture) * base))};
      EXPECT_EQ(part.pageWidth, want[0]) << window << i;
      EXPECT_EQ(part.pageHeight, want[1]) << window << i;
    }
  }
}
