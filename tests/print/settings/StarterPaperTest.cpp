#include <gtest/gtest.h>

#include <cerrno>

#include "platform/SettingsFile.h"
#include "print/settings/DetailsFile.h"
#include "print/settings/StarterPaper.h"
#include "tests/support/TestFiles.h"

namespace {
struct SheetSize {
  std::string name;
  double w, h;
};
}  // namespace

TEST(StarterPaperTest, CdFormatsAreCentredOnA4AndLetter) {
  const auto formats = StarterPaperFormats();
  int booklets = 0, inlays = 0;
  for (const PaperFormat& t : formats) {
    SCOPED_TRACE(t.name);
    ASSERT_LE(t.name.size(), 50u);
    const SheetSize s =
        t.name.ends_with("A4") ? SheetSize{"A4", 210, 297} : SheetSize{"Letter", 215.9, 279.4};
    ASSERT_TRUE(t.name.ends_with(s.name));
    const double usedW = t.stepAcross * (t.columns - 1) + t.width;
    const double usedH = t.stepDown * (t.rows - 1) + t.height;
    EXPECT_NEAR(t.leftMargin, s.w - usedW - t.leftMargin, 1e-9);
    EXPECT_NEAR(t.topMargin, s.h - usedH - t.topMargin, 1e-9);
    EXPECT_GE(t.leftMargin, 5);
    EXPECT_GE(t.topMargin, 5);
    if (t.width == 120 && t.height == 120 && t.rows == 1) ++booklets;
    if (t.width == 151 && t.height == 118) ++inlays;
  }
  EXPECT_EQ(booklets, 2);
  EXPECT_EQ(inlays, 2);
  // The inlays come with their spine lines, the other formats with no guides.
  const PaperLoadResult c = StarterCatalogue();
  for (size_t i = 0; i < c.formats.size(); ++i)
    EXPECT_EQ(c.details[i].guides,
              c.formats[i].width == 151 ? TrayInlaySpines(151, 118) : std::vector<FormatGuide>{});
}

TEST(StarterPaperTest, ShippedFileHoldsTheStarterFormats) {
  const auto root = std::filesystem::path(QUENDRIX_SOURCE_DIR);
  const std::string shipped = (root / "resources" / "paper.dat").string();
  const PaperLoadResult starter = StarterCatalogue();
  EXPECT_EQ(ReadBytes(shipped), EncodePaperFormats(starter.formats));
  EXPECT_EQ(ReadBytes(DetailsFileFor(shipped)),
            EncodeDetailsFile(starter.formats, starter.details));
}

TEST(StarterPaperTest, DiscSheetsHaveTheirLabelTemplatesGeometry) {
  const auto discs = StarterDiscSheets();
  ASSERT_EQ(discs.size(), 2u);
  struct Want {
    const char* sheet;
    double outer, hole, left, top, step, bleed, sheetW;
  };
  const double pt = 25.4 / 72, in = 25.4;
  const Want want[] = {
      {"A4", 331.56 * pt, 116.18 * pt, 131.78 * pt, 58.7998 * pt, 387.97 * pt, 5 * pt, 210},
      {"Letter", 4.625 * in, 1.625 * in, 1.9375 * in, 0.6875 * in, 5 * in, 0.0625 * in, 215.9}};
  for (size_t i = 0; i < 2; ++i) {
    const auto& [t, d] = discs[i];
    SCOPED_TRACE(t.name);
    EXPECT_TRUE(t.name.ends_with(want[i].sheet));
    EXPECT_LE(t.name.size(), 50u);
    EXPECT_EQ(d.shape.kind, ShapeKind::Disc);
    EXPECT_NEAR(d.shape.outerDiameter, want[i].outer, 1e-9);
    EXPECT_NEAR(t.width, want[i].outer, 1e-9);
    EXPECT_NEAR(d.shape.holeDiameter, want[i].hole, 1e-9);
    EXPECT_NEAR(t.leftMargin, want[i].left, 1e-9);
    EXPECT_NEAR(t.topMargin, want[i].top, 1e-9);
    EXPECT_NEAR(t.stepDown, want[i].step, 1e-9);
    EXPECT_NEAR(d.bleedX, want[i].bleed, 1e-9);
    EXPECT_NEAR(d.bleedY, want[i].bleed, 1e-9);
    EXPECT_NEAR(d.sheetWidth, want[i].sheetW, 1e-9);
    EXPECT_EQ(t.columns * t.rows, 2);
    EXPECT_TRUE(d.moreGrids.empty());
  }
}

TEST(StarterPaperTest, PrintableDiscsAreCentredOnTheirDiscPages) {
  const PaperLoadResult starter = StarterCatalogue();
  std::vector<std::pair<PaperFormat, FormatDetails>> trays;
  for (size_t i = 0; i < starter.formats.size(); ++i)
    if (starter.details[i].printableDisc)
      trays.emplace_back(starter.formats[i], starter.details[i]);
  EXPECT_EQ(trays,
            (std::vector{PrintableDiscFormat("Printable CD/DVD 120 mm (disc tray)", 120, 118, 22),
                         PrintableDiscFormat("Printable mini CD 80 mm (disc tray)", 80, 78, 22)}));
}

TEST(StarterPaperTest, TheUsersFileWinsAndIsNeverWritten) {
  TempDir dir;
  const std::string user = dir.file("paper.dat"), starter = dir.file("starter.dat");
  PaperFormat own;
  own.name = "mine";
  ASSERT_EQ(SavePaperFormats(starter, {StarterPaperFormats()[1]}), "");

  PaperLoadResult r = LoadCatalogueAtStart(user, {dir.file("absent.dat"), starter});
  ASSERT_EQ(r.formats.size(), 1u);
  EXPECT_EQ(r.formats[0], StarterPaperFormats()[1]);
  EXPECT_FALSE(std::filesystem::exists(user));

  r = LoadCatalogueAtStart(user, {});
  EXPECT_EQ(r.formats, StarterCatalogue().formats);
  EXPECT_EQ(r.details, StarterCatalogue().details);

  ASSERT_EQ(SavePaperFormats(user, {own}), "");
  const auto before = ReadBytes(user);
  r = LoadCatalogueAtStart(user, {starter});
  ASSERT_EQ(r.formats.size(), 1u);
  EXPECT_EQ(r.formats[0].name, "mine");
  EXPECT_EQ(ReadBytes(user), before);

  ASSERT_EQ(SavePaperFormats(user, {}), "");  // an emptied list stays empty
  EXPECT_TRUE(LoadCatalogueAtStart(user, {starter}).formats.empty());
}

TEST(StarterPaperTest, AFileThatCannotBeReadGetsNoStarterFormats) {
  TempDir dir;
  const std::string user = dir.file("paper.dat");
  const FileReader failing = [](const std::string&, size_t, bool*) {
    errno = EIO;
    return std::optional<std::vector<uint8_t>>();
  };
  const struct {
    const char* what;
    bool folder;  // reading a folder fails with EISDIR
    FileReader reader;
    const char* cause;
  } cases[] = {{"read error", false, failing, "Input/output error"},
               {"folder", true, nullptr, "it is a folder"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    std::filesystem::remove_all(user);
    if (c.folder)
      std::filesystem::create_directory(user);
    else
      ASSERT_EQ(SavePaperFormats(user, {StarterPaperFormats()[0]}), "");
    SetFileReaderForTests(c.reader);
    const PaperLoadResult r = LoadCatalogueAtStart(user, {});
    SetFileReaderForTests(nullptr);
    EXPECT_EQ(r.status, PaperLoadResult::Unreadable);
    EXPECT_TRUE(r.formats.empty());
    EXPECT_NE(r.message.find("cannot be read"), std::string::npos) << r.message;
    EXPECT_NE(r.message.find(c.cause), std::string::npos) << r.message;
  }
}
