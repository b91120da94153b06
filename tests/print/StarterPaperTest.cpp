#include <gtest/gtest.h>

#include "print/DetailsFile.h"
#include "print/StarterPaper.h"
#include "tests/support/TestFiles.h"

namespace {
struct SheetSize {
  std::string name;
  double w, h;
};
}  // namespace

TEST(StarterPaperTest, CdFormatsAreCentredOnA4AndLetter) {
  const auto formats = StarterEttTypes();
  int booklets = 0, inlays = 0;
  for (const TEttType& t : formats) {
    SCOPED_TRACE(t.Name);
    ASSERT_LE(t.Name.size(), 50u);
    const SheetSize s = t.Name.ends_with("A4") ? SheetSize{"A4", 210, 297} : SheetSize{"Letter", 215.9, 279.4};
    ASSERT_TRUE(t.Name.ends_with(s.name));
    const double usedW = t.SchrittH * (t.AnzH - 1) + t.Breite;
    const double usedH = t.SchrittV * (t.AnzV - 1) + t.Hoehe;
    EXPECT_NEAR(t.RandLinks, s.w - usedW - t.RandLinks, 1e-9);
    EXPECT_NEAR(t.RandOben, s.h - usedH - t.RandOben, 1e-9);
    EXPECT_GE(t.RandLinks, 5);
    EXPECT_GE(t.RandOben, 5);
    if (t.Breite == 120 && t.Hoehe == 120 && t.AnzV == 1) ++booklets;
    if (t.Breite == 151 && t.Hoehe == 118) ++inlays;
  }
  EXPECT_EQ(booklets, 2);
  EXPECT_EQ(inlays, 2);
}

TEST(StarterPaperTest, ShippedFileHoldsTheStarterFormats) {
  const auto root = std::filesystem::path(__FILE__).parent_path().parent_path().parent_path();
  const std::string shipped = (root / "resources" / "paper.dat").string();
  const EttLoadResult starter = StarterCatalogue();
  EXPECT_EQ(ReadBytes(shipped), EncodeEttTypes(starter.formats));
  EXPECT_EQ(ReadBytes(DetailsFileFor(shipped)), EncodeDetailsFile(starter.formats, starter.details));
}

TEST(StarterPaperTest, DiscSheetsHaveTheirLabelTemplatesGeometry) {
  const auto discs = StarterDiscSheets();
  ASSERT_EQ(discs.size(), 2u);
  struct Want { const char* sheet; double outer, hole, left, top, step, bleed, sheetW; };
  const double pt = 25.4 / 72, in = 25.4;
  const Want want[] = {{"A4", 331.56 * pt, 116.18 * pt, 131.78 * pt, 58.7998 * pt, 387.97 * pt, 5 * pt, 210},
                       {"Letter", 4.625 * in, 1.625 * in, 1.9375 * in, 0.6875 * in, 5 * in, 0.0625 * in, 215.9}};
  for (size_t i = 0; i < 2; ++i) {
    const auto& [t, d] = discs[i];
    SCOPED_TRACE(t.Name);
    EXPECT_TRUE(t.Name.ends_with(want[i].sheet));
    EXPECT_LE(t.Name.size(), 50u);
    EXPECT_EQ(d.shape.kind, ShapeKind::Disc);
    EXPECT_NEAR(d.shape.outerDiameter, want[i].outer, 1e-9);
    EXPECT_NEAR(t.Breite, want[i].outer, 1e-9);
    EXPECT_NEAR(d.shape.holeDiameter, want[i].hole, 1e-9);
    EXPECT_NEAR(t.RandLinks, want[i].left, 1e-9);
    EXPECT_NEAR(t.RandOben, want[i].top, 1e-9);
    EXPECT_NEAR(t.SchrittV, want[i].step, 1e-9);
    EXPECT_NEAR(d.bleed, want[i].bleed, 1e-9);
    EXPECT_NEAR(d.sheetWidth, want[i].sheetW, 1e-9);
    EXPECT_EQ(t.AnzH * t.AnzV, 2);
    EXPECT_TRUE(d.moreGrids.empty());
  }
}

TEST(StarterPaperTest, TheUsersFileWinsAndIsNeverWritten) {
  TempDir dir;
  const std::string user = dir.file("paper.dat"), starter = dir.file("starter.dat");
  TEttType own;
  own.Name = "mine";
  ASSERT_EQ(SaveEttTypes(starter, {StarterEttTypes()[1]}), "");

  EttLoadResult r = LoadCatalogueAtStart(user, {dir.file("absent.dat"), starter});
  ASSERT_EQ(r.formats.size(), 1u);
  EXPECT_EQ(r.formats[0], StarterEttTypes()[1]);
  EXPECT_FALSE(std::filesystem::exists(user));

  r = LoadCatalogueAtStart(user, {});
  EXPECT_EQ(r.formats, StarterCatalogue().formats);
  EXPECT_EQ(r.details, StarterCatalogue().details);

  ASSERT_EQ(SaveEttTypes(user, {own}), "");
  const auto before = ReadBytes(user);
  r = LoadCatalogueAtStart(user, {starter});
  ASSERT_EQ(r.formats.size(), 1u);
  EXPECT_EQ(r.formats[0].Name, "mine");
  EXPECT_EQ(ReadBytes(user), before);

  ASSERT_EQ(SaveEttTypes(user, {}), "");  // an emptied list stays empty
  EXPECT_TRUE(LoadCatalogueAtStart(user, {starter}).formats.empty());
}
