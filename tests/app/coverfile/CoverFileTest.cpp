#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <bit>
#include <cmath>
#include <filesystem>
#include <functional>
#include <limits>

#include "platform/dialogs/ScriptedDialogs.h"
#include "tests/app/coverfile/CoverSamples.h"
#include "tests/support/TestFiles.h"

namespace {
int32_t GetI32(const std::vector<uint8_t>& b, size_t at) {
  return int32_t(uint32_t(b[at]) | uint32_t(b[at + 1]) << 8 | uint32_t(b[at + 2]) << 16 |
                 uint32_t(b[at + 3]) << 24);
}
void PutI32(std::vector<uint8_t>& b, size_t at, int32_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = uint8_t(uint32_t(v) >> (8 * i));
}
void PutF64(std::vector<uint8_t>& b, size_t at, double v) {
  const uint64_t bits = std::bit_cast<uint64_t>(v);
  for (int i = 0; i < 8; ++i) b[at + i] = uint8_t(bits >> (8 * i));
}

class CoverFileTest : public ::testing::Test {
 protected:
  ScriptedDialogs dialogs;
  ScopedDialogs scoped{dialogs};
  TempDir dir;

  // Page, scales, one text "Hi" in Arial in slot 3 and a 3 x 2 picture of `bits`.
  static void MakeSmall(Document& doc, int bits) {
    SetSamplePage(doc);
    doc.scales.ViewZoom = 1.5;
    doc.scales.ViewScale = 70555.4;
    PlaceObject(doc, 3, kText, 0).Text = "Hi";
    SetSamplePicture(doc, bits, 3, 2);
  }
  std::vector<uint8_t> SavedBytes(Document& doc, const std::string& name = "x.cov") {
    EXPECT_TRUE(SaveFile(doc, dir.file(name)));
    return ReadBytes(dir.file(name));
  }
};

// Offsets in the small file: header 61, the 88-byte record, end value, picture block.
constexpr size_t kRecord = 61;
constexpr size_t kEnd = kRecord + 88, kHeaderSize = kEnd + 4, kColorCount = kEnd + 8;
constexpr size_t kInfo = kEnd + 12, kWidth = kInfo + 4, kHeight = kInfo + 8, kBitCount = kInfo + 14;
}  // namespace

TEST_F(CoverFileTest, TheStartDocumentIs192113BytesOfHeaderEndValueAndWhiteRows) {
  Document doc;
  doc.pageWidth = 41994584;
  doc.pageHeight = 59403446;
  const std::vector<uint8_t> b = SavedBytes(doc);
  ASSERT_EQ(b.size(), 192113u);
  EXPECT_EQ(std::string(b.begin(), b.begin() + 37), "TAVIRON Brandivelquorsimatellione 1.0");
  EXPECT_EQ(GetI32(b, 37), 41994584);
  EXPECT_EQ(GetI32(b, 41), 59403446);
  double zoom = 0, scale = 0;
  std::memcpy(&zoom, &b[45], 8);
  std::memcpy(&scale, &b[53], 8);
  EXPECT_EQ(zoom, 1.0);
  EXPECT_EQ(scale, doc.scales.ViewScale);
  EXPECT_EQ(GetI32(b, 61), 10001);
  EXPECT_EQ(GetI32(b, 65), 40);
  EXPECT_EQ(GetI32(b, 69), 0);
  EXPECT_EQ(GetI32(b, 73), 40);   // biSize
  EXPECT_EQ(GetI32(b, 77), 320);  // biWidth
  EXPECT_EQ(GetI32(b, 81), 200);  // biHeight
  EXPECT_EQ(b[87], 24);           // biBitCount
  EXPECT_EQ(std::count(b.begin() + 113, b.end(), 255), 192000);
  EXPECT_EQ(doc.savedFileName, dir.file("x.cov"));
  EXPECT_EQ(CoverFileSize(doc), 192113u);
}

TEST_F(CoverFileTest, AnEmptyTextInArialInSlot7IsAn86ByteRecordThatComesBackToSlot7) {
  Document doc;
  SetSamplePage(doc);
  PlaceObject(doc, 7, kShape, 3).Text = "";
  const std::vector<uint8_t> b = SavedBytes(doc);
  ASSERT_EQ(b.size(), 192113u + 86);
  EXPECT_EQ(GetI32(b, 61), 7);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(&b[61 + 74])), "Arial");
  EXPECT_EQ(GetI32(b, 61 + 86), 10001);
  Document back;
  ASSERT_TRUE(OpenFile(back, dir.file("x.cov")));
  for (int slot = 1; slot <= 6; ++slot) EXPECT_FALSE(back.objects.occupied(slot)) << slot;
  EXPECT_EQ(back.objects.occupiedCount(), 1);
  EXPECT_EQ(back.objects[7].FontName, "Arial");
  EXPECT_EQ(back.objects[7].W, doc.objects[7].W);
}

TEST_F(CoverFileTest, PalettePicturesStoreTheirColourTables) {
  const struct {
    int bits, headerSize, colors;
  } cases[] = {{8, 1064, 256}, {4, 104, 16}, {1, 48, 2}, {24, 40, 0}};
  for (const auto& c : cases) {
    Document doc;
    SetSamplePage(doc);
    SetSamplePicture(doc, c.bits, 5, 3);
    const std::vector<uint8_t> b = SavedBytes(doc);
    EXPECT_EQ(GetI32(b, 65), c.headerSize) << c.bits;
    EXPECT_EQ(GetI32(b, 69), c.colors) << c.bits;
    EXPECT_EQ(b.size(), 61u + 4 + 8 + size_t(c.headerSize) + 3 * size_t(doc.picture.BytesPerLine));
  }
}

TEST_F(CoverFileTest, DocumentsWithEveryKindOfObjectAndDepthComeBackUnchanged) {
  const struct {
    int bits, width, height;
  } pictures[] = {{1, 13, 5}, {4, 7, 3}, {8, 9, 4}, {24, 11, 6}, {24, 1, 1}};
  for (const auto& p : pictures) {
    Document doc;
    doc.pageWidth = 12345678;
    doc.pageHeight = 23456789;
    doc.scales.ViewZoom = 2.25;
    doc.scales.ViewScale = 47037.0 / 3;
    AddSampleObjects(doc);
    // A picture object of the same depth in slot 11, with alpha when true colour.
    doc.objects.createPicture(SamplePicturePixels(p.bits, p.width, p.height, p.bits == 24), 5, 6, 7,
                              8);
    doc.objects.selectedSlot = 0;  // an opened design selects nothing
    SetSamplePicture(doc, p.bits, p.width, p.height);
    const std::vector<uint8_t> saved = SavedBytes(doc);

    Document back;
    back.objects.selectedSlot = 4;
    ASSERT_TRUE(OpenFile(back, dir.file("x.cov"))) << p.bits;
    EXPECT_EQ(Snapshot(back), Snapshot(doc)) << p.bits;
    EXPECT_EQ(back.objects.occupiedCount(), 17);
    ASSERT_TRUE(back.objects.isPicture(11));
    EXPECT_EQ(back.objects.picture(11).pixels->alpha(), doc.objects.picture(11).pixels->alpha());
    EXPECT_EQ(back.objects[22].Text, doc.objects[22].Text);
    EXPECT_EQ(back.selRight, p.width - 1);
    EXPECT_EQ(back.selBottom, p.height - 1);
    EXPECT_EQ(back.objects.selectedSlot, 0);
    for (int i = 0; i < PaletteEntryCount(p.bits); ++i) {
      EXPECT_EQ(back.picture.LogPal.palPalEntry[i].peRed, doc.picture.LogPal.palPalEntry[i].peRed);
      EXPECT_EQ(back.picture.Palette->entries[i].peGreen,
                doc.picture.LogPal.palPalEntry[i].peGreen);
    }
    for (int y = 0; y < p.height; ++y)
      for (int x = 0; x < p.width; ++x)
        ASSERT_EQ(GetDibPixel(back.picture, x, y), GetDibPixel(doc.picture, x, y));
    EXPECT_EQ(SavedBytes(back, "again.cov"), saved);
  }
}

TEST_F(CoverFileTest, OpeningReplacesPageScalesAndSelectionButNotTheBaseScale) {
  Document doc;
  MakeSmall(doc, 24);
  SetSamplePicture(doc, 24, 100, 50);
  SavedBytes(doc);
  Document back;
  back.scales.BaseScale = 84666.5;
  PlaceObject(back, 9, kShape, 0);
  ASSERT_TRUE(OpenFile(back, dir.file("x.cov")));
  EXPECT_EQ(back.pageWidth, 41994584);
  EXPECT_EQ(back.pageHeight, doc.pageHeight);
  EXPECT_EQ(back.scales.ViewZoom, 1.5);
  EXPECT_EQ(back.scales.ViewScale, 70555.4);
  EXPECT_EQ(back.scales.BaseScale, 84666.5);
  EXPECT_FALSE(back.objects.occupied(9));
  EXPECT_EQ(back.objects[9].ShadowDX, 5);
  EXPECT_EQ((std::vector<int>{back.selLeft, back.selTop, back.selRight, back.selBottom}),
            (std::vector<int>{0, 0, 99, 49}));
  EXPECT_EQ(back.savedFileName, dir.file("x.cov"));
}

TEST_F(CoverFileTest, NewKeepsPageAndScalesAndResetsEverythingElse) {
  Document doc;
  MakeSmall(doc, 8);
  doc.savedFileName = "/a/b.cov";
  NewDocument(doc);
  EXPECT_EQ(doc.objects.occupiedCount(), 0);
  EXPECT_EQ(DibWidth(doc.picture), 320);
  EXPECT_EQ(DibBitCount(doc.picture), 24);
  EXPECT_EQ(doc.selRight, 319);
  EXPECT_EQ(doc.savedFileName, "");
  EXPECT_EQ(doc.pageWidth, 41994584);
  EXPECT_EQ(doc.scales.ViewZoom, 1.5);
}

TEST_F(CoverFileTest, ProgressRunsFromZeroOverEveryRowBackToZero) {
  Document doc;
  SetSamplePage(doc);
  SetSamplePicture(doc, 8, 4, 5);
  {
    ProgressLog log;
    SavedBytes(doc);
    EXPECT_EQ(log.values, (std::vector<int>{0, 0, 25, 50, 75, 100, 0}));
  }
  {
    ProgressLog log;
    Document back;
    ASSERT_TRUE(OpenFile(back, dir.file("x.cov")));
    EXPECT_EQ(log.values, (std::vector<int>{0, 0, 25, 50, 75, 100, 0}));
  }
  SetSamplePicture(doc, 24, 4, 1);
  ProgressLog log;
  SavedBytes(doc);
  EXPECT_EQ(log.values, (std::vector<int>{0, 100, 0}));
}

TEST_F(CoverFileTest, AnotherVersionDigitIsNotACoverFile) {
  Document doc;
  SetSamplePage(doc);
  std::vector<uint8_t> b = SavedBytes(doc);
  b[36] = '1';
  WriteBytes(dir.file("v.cov"), b);
  MakeSmall(doc, 4);
  const auto before = Snapshot(doc);
  EXPECT_FALSE(OpenFile(doc, dir.file("v.cov")));
  EXPECT_EQ(dialogs.messages(), std::vector<std::string>{"This is not a valid CD Cover file!"});
  EXPECT_EQ(dialogs.asked[0].title, "Error");
  EXPECT_EQ(dialogs.asked[0].icon, MsgIcon::Error);
  EXPECT_EQ(Snapshot(doc), before);
}

TEST_F(CoverFileTest, AMissingFileAFolderOrAPipeCannotBeOpened) {
  Document doc;
  ASSERT_EQ(mkfifo(dir.file("pipe.cov").c_str(), 0600), 0);  // must not wait for a writer
  EXPECT_FALSE(OpenFile(doc, dir.file("none.cov")));
  EXPECT_FALSE(OpenFile(doc, dir.path().string()));
  EXPECT_FALSE(OpenFile(doc, dir.file("pipe.cov")));
  EXPECT_FALSE(StartsLikeCoverFile(dir.file("pipe.cov")));
  EXPECT_EQ(dialogs.messages(),
            (std::vector<std::string>{
                "The file none.cov could not be opened!",
                "The file " + BaseFileName(dir.path().string()) + " could not be opened!",
                "The file pipe.cov could not be opened!"}));
}

TEST_F(CoverFileTest, AFileCutAtAnyLengthLeavesTheDocumentAsItWas) {
  Document source;
  MakeSmall(source, 24);
  const std::vector<uint8_t> whole = SavedBytes(source);
  ASSERT_EQ(whole.size(), kInfo + 40 + 2 * 12);
  Document doc;
  AddSampleObjects(doc);
  doc.savedFileName = "/keep.cov";
  const auto before = Snapshot(doc);
  for (size_t len = 0; len < whole.size(); ++len) {
    WriteBytes(dir.file("cut.cov"), {whole.begin(), whole.begin() + long(len)});
    ASSERT_FALSE(OpenFile(doc, dir.file("cut.cov"))) << len;
    ASSERT_EQ(dialogs.messages().back(), "This is not a valid CD Cover file!") << len;
  }
  EXPECT_EQ(Snapshot(doc), before);
  Document palette;
  MakeSmall(palette, 8);
  const std::vector<uint8_t> big = SavedBytes(palette);
  for (size_t len = 0; len < big.size(); ++len) {
    CoverContents contents;
    ASSERT_NE(ParseCoverFile(ByteSpan(big.data(), len), contents), CoverError::None) << len;
  }
  CoverContents full;
  EXPECT_EQ(ParseCoverFile(big, full), CoverError::None);
}

TEST_F(CoverFileTest, EachInvalidFieldIsRejectedAndTheDocumentStays) {
  Document source;
  MakeSmall(source, 8);
  const std::vector<uint8_t> good = SavedBytes(source);
  ASSERT_EQ(GetI32(good, kRecord), 3);
  ASSERT_EQ(GetI32(good, kEnd), 10001);
  ASSERT_EQ(good[kBitCount], 8);
  const std::string notCover = "This is not a valid CD Cover file!";
  const std::string tooLarge = "The picture in the file bad.cov is too large!";
  const std::string header =
      "The picture header in the file bad.cov is damaged: its size is not 40 bytes!";
  const std::string compressed =
      "The picture in the file bad.cov is damaged: it claims to be compressed!";
  const std::string view =
      "The page size and zoom in the file bad.cov are damaged: the view would be too large!";
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  struct Case {
    const char* what;
    std::function<void(std::vector<uint8_t>&)> damage;
    std::string message;
  };
  const std::vector<Case> cases = {
      {"page width 0", [](auto& b) { PutI32(b, 37, 0); }, notCover},
      {"page height negative", [](auto& b) { PutI32(b, 41, -5); }, notCover},
      {"zoom NaN", [&](auto& b) { PutF64(b, 45, nan); }, notCover},
      {"zoom 0", [](auto& b) { PutF64(b, 45, 0.0); }, notCover},
      {"zoom negative", [](auto& b) { PutF64(b, 45, -1.0); }, notCover},
      {"scale infinite", [&](auto& b) { PutF64(b, 53, inf); }, notCover},
      {"scale 0", [](auto& b) { PutF64(b, 53, 0.0); }, notCover},
      {"slot 0", [](auto& b) { PutI32(b, kRecord, 0); }, notCover},
      {"slot negative", [](auto& b) { PutI32(b, kRecord, -3); }, notCover},
      {"header size", [](auto& b) { PutI32(b, kHeaderSize, 40); }, notCover},
      {"header size small", [](auto& b) { PutI32(b, kHeaderSize, 12); }, notCover},
      {"colour count", [](auto& b) { PutI32(b, kColorCount, 16); }, notCover},
      {"colour count negative", [](auto& b) { PutI32(b, kColorCount, -1); }, notCover},
      {"bit count 16", [](auto& b) { b[kBitCount] = 16; }, notCover},
      {"bit count 0", [](auto& b) { b[kBitCount] = 0; }, notCover},
      {"width 0", [](auto& b) { PutI32(b, kWidth, 0); }, notCover},
      {"height negative", [](auto& b) { PutI32(b, kHeight, -2); }, notCover},
      {"width beyond the limit", [](auto& b) { PutI32(b, kWidth, 40000); }, tooLarge},
      {"rows missing", [](auto& b) { PutI32(b, kHeight, 3); }, notCover},
      {"picture header of 41 bytes", [](auto& b) { PutI32(b, kInfo, 41); }, header},
      {"picture header of 12 bytes", [](auto& b) { PutI32(b, kInfo, 12); }, header},
      {"rows compressed", [](auto& b) { PutI32(b, kInfo + 16, 1); }, compressed},
      {"zoom overflowing the view", [](auto& b) { PutF64(b, 45, 1e300); }, view},
      {"scale shrinking below the view's size",
       [](auto& b) { PutF64(b, 53, std::numeric_limits<double>::denorm_min()); }, view},
      {"rows missing for a huge picture",
       [](auto& b) {
         PutI32(b, kHeight, 30000);
         PutI32(b, kWidth, 30000);
       },
       notCover},
  };
  Document doc;
  AddSampleObjects(doc);
  const auto before = Snapshot(doc);
  for (const Case& c : cases) {
    std::vector<uint8_t> bad = good;
    c.damage(bad);
    WriteBytes(dir.file("bad.cov"), bad);
    dialogs.asked.clear();
    EXPECT_FALSE(OpenFile(doc, dir.file("bad.cov"))) << c.what;
    EXPECT_EQ(dialogs.messages(), std::vector<std::string>{c.message}) << c.what;
  }
  EXPECT_EQ(Snapshot(doc), before);
}

TEST_F(CoverFileTest, RecordsMustComeInIncreasingSlotOrderAndTextsWithinTheirLimit) {
  Document source;
  SetSamplePage(source);
  PlaceObject(source, 4, kShape, 1);
  PlaceObject(source, 5, kText, 0).Text = std::string(kMaxCoverTextBytes, 'a');
  std::vector<uint8_t> b = SavedBytes(source);
  CoverContents ok;
  ASSERT_EQ(ParseCoverFile(b, ok), CoverError::None);
  EXPECT_EQ(ok.objects.size(), 2u);
  Document opened;
  ASSERT_TRUE(OpenFile(opened, dir.file("x.cov")));  // the text spans the reader's buffer
  EXPECT_EQ(opened.objects[5].Text, source.objects[5].Text);
  EXPECT_EQ(opened.objects[5].FontName, "Arial");
  PutI32(b, 61 + 86, 4);  // the second record claims slot 4 again
  CoverContents repeated;
  EXPECT_EQ(ParseCoverFile(b, repeated), CoverError::Damaged);

  source.objects[5].Text.push_back('b');  // written past the writer's own check
  b = CoverFileHead(source);
  const uint8_t* rows = source.picture.Bits;
  b.insert(b.end(), rows,
           rows + size_t(DibHeight(source.picture)) * size_t(source.picture.BytesPerLine));
  WriteBytes(dir.file("x.cov"), b);
  CoverContents tooLong;
  EXPECT_EQ(ParseCoverFile(b, tooLong), CoverError::Damaged);
  EXPECT_FALSE(OpenFile(opened, dir.file("x.cov")));
}

TEST_F(CoverFileTest, AnEndValueAboveTheSlotsEndsTheObjectsAndTrailingBytesAreIgnored) {
  Document source;
  MakeSmall(source, 1);
  std::vector<uint8_t> b = SavedBytes(source);
  PutI32(b, kEnd, 77777);
  b.push_back(9);
  CoverContents c;
  EXPECT_EQ(ParseCoverFile(b, c), CoverError::None);
  // Eight or more stray bytes without a block's tag are no damaged block either.
  for (const std::vector<uint8_t>& stray :
       {std::vector<uint8_t>(8, 0), std::vector<uint8_t>(300, 0xFF),
        std::vector<uint8_t>{'T', 'L', 'A', 0, 200, 0, 0, 0, 1}}) {
    std::vector<uint8_t> withStray = SavedBytes(source);
    withStray.insert(withStray.end(), stray.begin(), stray.end());
    CoverContents s;
    EXPECT_EQ(ParseCoverFile(withStray, s), CoverError::None) << stray.size();
  }
}

TEST_F(CoverFileTest, AFailedSaveKeepsTheOldFileTheNameAndNoTemporaryFile) {
  Document old;
  MakeSmall(old, 8);
  const std::vector<uint8_t> oldBytes = SavedBytes(old, "keep.cov");
  Document doc;
  SetSamplePage(doc);
  AddSampleObjects(doc);
  doc.savedFileName = "/earlier.cov";
  const auto before = Snapshot(doc);

  // A write that fails half-way: the file size limit stops it.
  {
    const FileSizeLimit full(4096);
    EXPECT_FALSE(SaveFile(doc, dir.file("keep.cov")));
  }
  EXPECT_EQ(dialogs.messages(),
            std::vector<std::string>{"The file keep.cov could not be created!"});
  EXPECT_EQ(ReadBytes(dir.file("keep.cov")), oldBytes);
  EXPECT_EQ(Snapshot(doc), before);

  // A folder that vanished.
  EXPECT_FALSE(SaveFile(doc, dir.file("gone/new.cov")));
  EXPECT_EQ(dialogs.messages().back(), "The file new.cov could not be created!");
  EXPECT_EQ(Snapshot(doc), before);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);

  // A read-only file and a read-only folder (unless the tests run with root's rights).
  ASSERT_EQ(chmod(dir.file("keep.cov").c_str(), 0444), 0);
  if (access(dir.file("keep.cov").c_str(), W_OK) != 0) {
    EXPECT_FALSE(SaveFile(doc, dir.file("keep.cov")));
    EXPECT_EQ(ReadBytes(dir.file("keep.cov")), oldBytes);
  }
  ASSERT_EQ(chmod(dir.file("keep.cov").c_str(), 0644), 0);
  ASSERT_EQ(chmod(dir.path().c_str(), 0555), 0);
  if (access(dir.path().c_str(), W_OK) != 0) {
    EXPECT_FALSE(SaveFile(doc, dir.file("keep.cov")));
    EXPECT_EQ(ReadBytes(dir.file("keep.cov")), oldBytes);
    EXPECT_EQ(Snapshot(doc), before);
  }
  chmod(dir.path().c_str(), 0755);
}

TEST_F(CoverFileTest, SavingReplacesTheOldFileKeepsItsModeAndWritesThroughLinks) {
  Document doc;
  MakeSmall(doc, 4);
  SavedBytes(doc, "a.cov");
  ASSERT_EQ(chmod(dir.file("a.cov").c_str(), 0640), 0);
  std::filesystem::create_symlink(dir.file("a.cov"), dir.file("link.cov"));
  SetSamplePicture(doc, 24, 2, 2);
  ASSERT_TRUE(SaveFile(doc, dir.file("link.cov")));
  EXPECT_TRUE(std::filesystem::is_symlink(dir.file("link.cov")));
  EXPECT_EQ(ReadBytes(dir.file("a.cov")).size(), CoverFileSize(doc));
  struct stat st {};
  ASSERT_EQ(stat(dir.file("a.cov").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 2);
}
