// Every design the writer accepts opens again; whatever would not open as itself is not written.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "platform/dialogs/ScriptedDialogs.h"
#include "tests/app/coverfile/CoverSamples.h"
#include "tests/support/TestFiles.h"

namespace {
class CoverSaveLimitsTest : public ::testing::Test {
 protected:
  ScriptedDialogs dialogs;
  ScopedDialogs scoped{dialogs};
  TempDir dir;

  static void MakeSmall(Document& doc) {
    SetSamplePage(doc);
    PlaceObject(doc, 3, kText, 0).Text = "Hi";
    SetSamplePicture(doc, 8, 3, 2);
  }
};

// Whether the bytes the writer would produce without its checks open as the same design.
bool OpensAsItself(const Document& doc) {
  std::vector<uint8_t> b = CoverFileHead(doc);
  b.insert(b.end(), doc.picture.Bits,
           doc.picture.Bits + size_t(DibHeight(doc.picture)) * size_t(doc.picture.BytesPerLine));
  CoverContents contents;
  if (ParseCoverFile(b, contents) != CoverError::None) return false;
  Document back;
  CommitCover(back, contents);
  back.savedFileName = doc.savedFileName;
  return Snapshot(back) == Snapshot(doc);
}
}  // namespace

TEST_F(CoverSaveLimitsTest, TheLongestTextAndFontNameAndAFullTableOfShortObjectsOpenAgain) {
  const std::function<void(Document&)> designs[] = {
      [](Document& doc) {  // every byte but zero, line breaks included, up to the limits
        CoverObject& o = PlaceObject(doc, 9999, kText, 0);
        o.Text.resize(kMaxObjectTextBytes);
        for (size_t i = 0; i < o.Text.size(); ++i) o.Text[i] = char(1 + i % 255);
        o.FontName = std::string(kMaxFontNameBytes - 2, 'N') + "\xC3\xA9";
      },
      [](Document& doc) {
        for (int slot = 1; slot <= ObjectTable::kSlots; ++slot)
          PlaceObject(doc, slot, slot % 2 ? kText : kShape, slot % 10).Text =
              "T" + std::to_string(slot) + "\r2";
      },
  };
  for (const auto& make : designs) {
    Document doc;
    SetSamplePage(doc);
    SetSamplePicture(doc, 4, 5, 3);
    make(doc);
    ASSERT_TRUE(SaveFile(doc, dir.file("x.cov")));
    const std::vector<uint8_t> saved = ReadBytes(dir.file("x.cov"));
    Document back;
    ASSERT_TRUE(OpenFile(back, dir.file("x.cov")));
    EXPECT_EQ(Snapshot(back), Snapshot(doc));
    ASSERT_TRUE(SaveFile(back, dir.file("again.cov")));
    EXPECT_EQ(ReadBytes(dir.file("again.cov")), saved);
  }
  EXPECT_TRUE(dialogs.messages().empty());
}

TEST_F(CoverSaveLimitsTest, WhatTheReaderRefusesIsNotWrittenAndTheOldFileStays) {
  const struct {
    const char* fault;
    std::function<void(Document&)> spoil;
  } cases[] = {
      {"the text of object 3 is longer than 65536 characters",
       [](Document& d) { d.objects[3].Text.assign(kMaxObjectTextBytes + 1, 'a'); }},
      {"the text of object 3 holds a zero character",
       [](Document& d) { d.objects[3].Text = std::string("a\0b", 3); }},
      {"the font name of object 3 is longer than 256 bytes",
       [](Document& d) { d.objects[3].FontName.assign(kMaxFontNameBytes + 1, 'f'); }},
      {"the font name of object 3 holds a zero character",
       [](Document& d) { d.objects[3].FontName = std::string("Ari\0al", 6); }},
      {"the page size is not positive", [](Document& d) { d.pageWidth = 0; }},
      {"the page size is not positive", [](Document& d) { d.pageHeight = -1; }},
      {"the scale of the Texts view is not positive", [](Document& d) { d.scales.ViewZoom = 0; }},
      {"the scale of the Texts view is not positive",
       [](Document& d) { d.scales.ViewScale = std::nan(""); }},
      {"the picture's size or colour depth cannot be stored",
       [](Document& d) { d.picture.Info->bmiHeader.biBitCount = 16; }},
  };
  for (const auto& c : cases) {
    Document doc;
    MakeSmall(doc);
    ASSERT_TRUE(SaveFile(doc, dir.file("keep.cov")));
    const std::vector<uint8_t> oldBytes = ReadBytes(dir.file("keep.cov"));
    doc.savedFileName = "/earlier.cov";
    c.spoil(doc);
    EXPECT_FALSE(OpensAsItself(doc)) << c.fault;  // refused, or read as another design
    const size_t asked = dialogs.messages().size();
    EXPECT_FALSE(SaveFile(doc, dir.file("keep.cov"))) << c.fault;
    ASSERT_EQ(dialogs.messages().size(), asked + 1);
    EXPECT_EQ(dialogs.messages().back(),
              "The file keep.cov was not saved: " + std::string(c.fault) + "!");
    EXPECT_EQ(ReadBytes(dir.file("keep.cov")), oldBytes) << c.fault;
    EXPECT_EQ(doc.savedFileName, "/earlier.cov");
  }
}
