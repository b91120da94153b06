#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <filesystem>

#include "platform/SettingsFile.h"
#include "print/SheetLayout.h"
#include "print/settings/DetailsFile.h"
#include "print/settings/PaperFile.h"
#include "print/settings/StarterPaper.h"
#include "tests/support/TestFiles.h"

namespace {
PaperFormat Record(const std::string& name, int across = 1, int down = 2) {
  PaperFormat t;
  t.name = name;
  t.width = t.height = 117;
  t.stepAcross = 117;
  t.stepDown = 137;
  t.leftMargin = 46.5;
  t.topMargin = 20.7;
  t.columns = across;
  t.rows = down;
  return t;
}

FormatDetails Disc(double hole = 41, double bleed = 1.5) {
  FormatDetails d;
  d.shape.kind = ShapeKind::Disc;
  d.shape.outerDiameter = 117;
  d.shape.holeDiameter = hole;
  d.bleedX = d.bleedY = bleed;
  d.sheetWidth = 210;
  d.sheetHeight = 297;
  return d;
}

FormatDetails Staggered() {  // a second grid of one, right of the first column
  FormatDetails d = Disc();
  d.moreGrids.push_back({120, 80, 117, 137, 1, 1, {}});
  return d;
}
// Discs, then two spine strips and a card with rounded corners, each of their own element.
FormatDetails Mixed() {
  FormatDetails d = Disc();
  d.moreGrids = {
      {11, 156, 117, 137, 1, 1, {}},
      {67, 25, 70, 116, 2, 1, GridElement{6, 116, {}}},
      {154, 156, 45, 116, 1, 1, GridElement{45, 116, {ShapeKind::Rectangle, 3.45, 0, 0}}}};
  return d;
}
}  // namespace

TEST(FormatDetailsTest, PositionsAreNumberedGridByGridInReadingOrder) {
  const PaperFormat fmt = Record("two grids", 2, 2);
  FormatDetails d;
  d.moreGrids.push_back({5, 6, 10, 20, 3, 1, {}});
  EXPECT_EQ(PositionsPerSheet(fmt, d), 7);
  const SheetLayout l = LayoutFor(fmt, d, 2, 10);
  EXPECT_EQ(l.perSheet, 7);
  EXPECT_EQ(l.pages, 2);  // positions 2 .. 11
  struct Want {
    int k, grid, col, row, sheet;
  };
  for (const Want& w :
       {Want{0, 0, 0, 0, 0}, Want{1, 0, 1, 0, 0}, Want{2, 0, 0, 1, 0}, Want{3, 0, 1, 1, 0},
        Want{4, 1, 0, 0, 0}, Want{6, 1, 2, 0, 0}, Want{7, 0, 0, 0, 1}, Want{11, 1, 0, 0, 1}}) {
    const SheetPosition p = l.at(w.k);
    EXPECT_EQ((std::vector<int>{p.grid, p.col, p.row, p.sheet}),
              (std::vector<int>{w.grid, w.col, w.row, w.sheet}))
        << "k " << w.k;
  }
  EXPECT_EQ(l.onSheet(0).size(), 5u);
  const PaperFormat g1 = PositionGrid(fmt, l, l.at(5));
  EXPECT_EQ(g1.leftMargin, 5);
  EXPECT_EQ(g1.stepDown, 20);
  EXPECT_EQ(g1.width, fmt.width);
  EXPECT_EQ(CorrectUsed(fmt, d, 100), 6);
  // A format without more grids keeps the single grid's numbering.
  EXPECT_TRUE(LayoutFor(fmt, FormatDetails{}, 0, 4).grids.empty());
}

TEST(FormatDetailsTest, ChecksRejectImpossibleShapes) {
  const PaperFormat fmt = Record("x");
  struct Case {
    const char* what;
    FormatDetails d;
    bool ok;
  };
  FormatDetails bigHole = Disc(117), bigCorner, badGrid, flat = Disc();
  bigCorner.shape.cornerRadius = 60;
  badGrid.moreGrids.push_back({0, 0, 1, 1, 0, 1, {}});
  flat.shape.outerDiameter = 100;  // smaller than the 117 mm box
  FormatDetails noStrip = Mixed(), cornerOfStrip = Mixed();
  noStrip.moreGrids[1].element->width = 0;
  cornerOfStrip.moreGrids[1].element->shape.cornerRadius = 3.1;  // more than half of 6 mm
  for (const Case& c :
       {Case{"disc", Disc(), true}, Case{"hole", bigHole, false}, Case{"corner", bigCorner, false},
        Case{"grid", badGrid, false}, Case{"box", flat, false},
        Case{"plain", FormatDetails{}, true}, Case{"mixed", Mixed(), true},
        Case{"no strip", noStrip, false}, Case{"strip's corner", cornerOfStrip, false}})
    EXPECT_EQ(CheckDetails(fmt, c.d).empty(), c.ok) << c.what;
}

TEST(FormatDetailsTest, PrintableDiscsAreOneCentredDiscWithinTheTrayLimits) {
  struct Case {
    double page, outer, hub;
    bool ok;
  };
  for (const Case& c :
       {Case{120, 118, 22, true}, Case{80, 78, 22, true}, Case{120, 120, 46, true},
        Case{120, 121, 22, false}, Case{80, 75, 22, false}, Case{120, 118, 47, false}}) {
    auto [fmt, d] = PrintableDiscFormat("tray", c.page, c.outer, c.hub);
    SCOPED_TRACE(c.outer);
    EXPECT_EQ(CheckDetails(fmt, d).empty(), c.ok);
    EXPECT_NEAR(fmt.leftMargin * 2 + fmt.width, d.sheetWidth, 1e-9);
    d.sheetWidth = c.outer - 1;  // a page narrower than the disc
    EXPECT_FALSE(CheckDetails(fmt, d).empty());
    d.sheetWidth = c.page;
    fmt.rows = 2;  // a sheet of two is no disc tray
    EXPECT_FALSE(CheckDetails(fmt, d).empty());
  }
  // The medium is appended after the bleed; the same disc as a label keeps its shorter entry.
  auto [fmt, tray] = PrintableDiscFormat("tray", 120, 118, 22);
  FormatDetails label = tray;
  label.printableDisc = false;
  const auto trayBytes = EncodeDetailsFile({fmt}, {tray});
  EXPECT_EQ(trayBytes.size(), EncodeDetailsFile({fmt}, {label}).size() + 8 + 4);
  EXPECT_EQ(MatchDetails({fmt}, ParseDetailsFile(trayBytes).entries)[0], tray);
  auto unknown = trayBytes;
  unknown.back() = 7;  // a medium this version does not know: the entry is skipped
  EXPECT_TRUE(ParseDetailsFile(unknown).entries.empty());
}

TEST(DetailsFileTest, EntriesFollowTheirRecordsAndSkipWhatTheyCannotRead) {
  const std::vector<PaperFormat> formats = {Record("plain"), Record("disc"), Record("disc"),
                                            Record("staggered")};
  const std::vector<FormatDetails> details = {FormatDetails{}, Disc(41), Disc(15), Staggered()};
  const std::vector<uint8_t> bytes = EncodeDetailsFile(formats, details);
  const DetailsParse parse = ParseDetailsFile(bytes);
  EXPECT_TRUE(parse.message.empty());
  ASSERT_EQ(parse.entries.size(), 3u);  // the plain rectangle needs no entry
  EXPECT_EQ(MatchDetails(formats, parse.entries), details);

  // Reordered formats find their entries by record; an edited record loses its entry.
  std::vector<PaperFormat> edited = {Record("staggered"), Record("disc")};
  edited.push_back(Record("disc"));
  edited[2].leftMargin += 1;
  const auto matched = MatchDetails(edited, parse.entries);
  EXPECT_EQ(matched[0], Staggered());
  EXPECT_EQ(matched[1], Disc(41));
  EXPECT_TRUE(matched[2].isPlain());

  // A bleed of its own for top and bottom is appended to its entry; an entry whose bleed is the
  // same on every side keeps the size it always had (the shape's fields and one grid of 40 bytes).
  int32_t firstSize = 0;
  std::memcpy(&firstSize, bytes.data() + 12, 4);
  EXPECT_EQ(firstSize, 112 + 4 + 6 * 8 + 4);
  FormatDetails photo;
  photo.bleedX = 16;
  photo.bleedY = 3;
  const auto both = EncodeDetailsFile({Record("photo")}, {photo});
  EXPECT_EQ(both.size(), 12 + 4 + firstSize + 8u);
  EXPECT_EQ(MatchDetails({Record("photo")}, ParseDetailsFile(both).entries)[0], photo);

  // An unknown shape is skipped, the entries after it are still read.
  std::vector<uint8_t> unknown = bytes;
  unknown[12 + 4 + 112] = 9;
  EXPECT_EQ(ParseDetailsFile(unknown).entries.size(), 2u);
  // Cut short: the entries before the cut stay.
  for (size_t cut : {size_t{0}, size_t{11}, size_t{12 + 4 + 50}, bytes.size() - 1}) {
    const DetailsParse p =
        ParseDetailsFile(std::vector<uint8_t>(bytes.begin(), bytes.begin() + cut));
    EXPECT_FALSE(p.message.empty()) << cut;
    EXPECT_LE(p.entries.size(), 2u);
  }
}

TEST(DetailsFileTest, GridsOfTheirOwnElementRoundTripAndPlaceTheirPositionsInTheirBoxAndShape) {
  const std::vector<PaperFormat> formats = {Record("staggered"), Record("mixed")};
  const std::vector<FormatDetails> details = {Staggered(), Mixed()};
  const std::vector<uint8_t> bytes = EncodeDetailsFile(formats, details);
  EXPECT_EQ(MatchDetails(formats, ParseDetailsFile(bytes).entries), details);
  // Grids that share the record's element keep their entry's bytes; the mixed entry follows.
  const std::vector<uint8_t> alone = EncodeDetailsFile({formats[0]}, {details[0]});
  // After the mixed entry's grids: its bleed, medium and guide count, then the section.
  const size_t entry = alone.size(), section = entry + 4 + 112 + 4 + 48 + 4 + 3 * 40 + 16;
  ASSERT_EQ(entry, 12 + 4 + 112 + 4 + 48 + 4 + 40u);
  EXPECT_TRUE(std::equal(alone.begin() + 12, alone.end(), bytes.begin() + 12));
  ASSERT_EQ(bytes.size(), section + 8 + 2 * 48);  // a tagged section: grid, size and shape twice
  // A grid past the grids or out of order, an unknown shape, a section longer than its entry or
  // ending within an element: the entry is skipped, the file is whole.
  for (const auto& [at, value] : {std::pair{section + 8, 3},
                                  {section + 56, 1},
                                  {section + 76, 9},
                                  {section + 4, 1000},
                                  {section + 4, 92}}) {
    auto b = bytes;
    std::memcpy(b.data() + at, &value, 4);
    const DetailsParse p = ParseDetailsFile(b);
    EXPECT_EQ(p.message, "") << at;
    EXPECT_EQ(MatchDetails(formats, p.entries), (std::vector<FormatDetails>{Staggered(), {}}))
        << at;
  }
  auto later = bytes;  // a section this version does not know is skipped
  later.insert(later.begin() + long(section), {'N', 'E', 'X', 'T', 0, 0, 0, 0});
  const int32_t size = int32_t(later.size() - entry - 4);
  std::memcpy(later.data() + entry, &size, 4);
  EXPECT_EQ(MatchDetails(formats, ParseDetailsFile(later).entries), details);

  // Positions 2, 4 and 5 lie in the second disc grid, the strips and the card.
  const SheetLayout l = LayoutFor(formats[1], details[1], 0, 6);
  const std::vector<GridFormat> grids = GridFormats(formats[1], details[1]);
  for (const auto& [k, grid, left, width, shape] :
       {std::tuple{2, 1, 11.0, 117.0, details[1].shape},
        {4, 2, 67.0, 6.0, LabelShape{}},
        {5, 3, 154.0, 45.0, LabelShape{ShapeKind::Rectangle, 3.45, 0, 0}}}) {
    const SheetPosition p = l.at(k);
    const PaperFormat box = PositionGrid(formats[1], l, p);
    EXPECT_EQ(std::tuple(p.grid, box.leftMargin, box.width, grids.at(size_t(p.grid)).details.shape),
              std::tuple(grid, left, width, shape))
        << k;
  }
  // A cover set for the disc keeps its size on a strip, the two elements centred on each other.
  EXPECT_EQ(CentredCover({10, 20, 100, 50}, {117, 117}, {6, 116}), (PixelRect{-45, 20, 100, 50}));
}

TEST(DetailsFileTest, GuidesRoundTripAndADamagedGuideBlockIsTold) {
  FormatDetails inlay;  // a plain rectangle but for its spine lines, margin and circle
  inlay.guides = {GuideLine(6.5, 0, 6.5, 117), GuideLine(110.5, 0, 110.5, 117), GuideMargin(2),
                  GuideCircle(58.5, 58.5, 20)};
  const std::vector<PaperFormat> formats = {Record("inlay"), Record("disc")};
  const auto bytes = EncodeDetailsFile(formats, {inlay, Disc()});
  const auto plain = EncodeDetailsFile({Record("disc")}, {Disc()});
  EXPECT_EQ(bytes[4], 2);  // a version older versions read but never write over
  EXPECT_EQ(plain[4], 1);
  // The entry without guides is the same bytes as in a file without any.
  EXPECT_TRUE(std::equal(plain.begin() + 12, plain.end(), bytes.end() - (plain.size() - 12)));
  const DetailsParse parse = ParseDetailsFile(bytes);
  EXPECT_EQ(parse.message, "");
  EXPECT_EQ(MatchDetails(formats, parse.entries), (std::vector<FormatDetails>{inlay, Disc()}));
  // The guides' count sits after the shape, no grids, bleed and medium of the first entry.
  constexpr size_t count = 16 + 112 + 4 + 6 * 8 + 4 + 8 + 4, first = count + 4;
  const struct {
    const char* what;
    size_t at;
    double value;  // written as a 32-bit count or kind at `count` and `first`, else a double
    size_t entries;
    bool told;  // the file is damaged
  } cases[] = {{"negative count", count, -1, 0, true},
               {"count past the bound", count, kMaxGuides + 1, 0, true},
               {"count past the entry", count, 5, 0, true},
               {"unknown kind", first, 7, 1, false},
               {"no number", first + 4, std::nan(""), 1, false},
               {"margin past the middle", first + 72 + 4, 60, 1, false},
               {"circle without radius", first + 36 * 3 + 20, 0, 1, false},
               {"a version 1 file", 4, 1, 2, false}};
  for (const auto& c : cases) {
    auto damaged = bytes;
    const int32_t n = static_cast<int32_t>(c.value);
    if (c.at == count || c.at == first || c.at == 4)
      std::memcpy(damaged.data() + c.at, &n, sizeof n);
    else
      std::memcpy(damaged.data() + c.at, &c.value, sizeof c.value);
    const DetailsParse p = ParseDetailsFile(damaged);
    EXPECT_EQ(p.entries.size(), c.entries) << c.what;
    EXPECT_EQ(p.message.empty(), !c.told) << c.what << ": " << p.message;
  }
  inlay.guides.assign(kMaxGuides + 1, GuideLine(0, 0, 1, 1));
  EXPECT_FALSE(CheckDetails(Record("x"), inlay).empty());
}

TEST(DetailsFileTest, SavingWritesBothFilesAndKeepsPaperDatAsBefore) {
  TempDir dir;
  const std::string paper = dir.file("paper.dat");
  const std::vector<PaperFormat> formats = {Record("a"), Record("b", 2, 5)};
  // Plain formats only: paper.dat byte for byte as ever, and no details file appears.
  ASSERT_TRUE(SaveCatalogue(paper, formats, {FormatDetails{}, FormatDetails{}}).written());
  EXPECT_EQ(ReadBytes(paper), EncodePaperFormats(formats));
  EXPECT_FALSE(std::filesystem::exists(DetailsFileFor(paper)));
  // With a disc, paper.dat still holds exactly the records.
  ASSERT_TRUE(SaveCatalogue(paper, formats, {Disc(), FormatDetails{}}).written());
  EXPECT_EQ(ReadBytes(paper), EncodePaperFormats(formats));
  EXPECT_EQ(DetailsFileFor(paper), dir.file("paper-details.dat"));
  const PaperLoadResult back = LoadCatalogueAtStart(paper, {});
  EXPECT_EQ(back.formats, formats);
  EXPECT_EQ(back.details, (std::vector<FormatDetails>{Disc(), FormatDetails{}}));
  // A damaged details file keeps the entries before the damage, is told once, and is kept as
  // paper-details.dat.damaged before the next save; paper.dat is never touched by its damage.
  ASSERT_TRUE(SaveCatalogue(paper, formats, {Disc(), Disc(30)}).written());
  const std::string side = DetailsFileFor(paper);
  std::vector<uint8_t> damaged = ReadBytes(side);
  damaged.resize(damaged.size() - 3);
  WriteBytes(side, damaged);
  const PaperLoadResult cut = LoadCatalogueAtStart(paper, {});
  EXPECT_EQ(cut.details, (std::vector<FormatDetails>{Disc(), FormatDetails{}}));
  EXPECT_NE(cut.detailsMessage.find(side + " is damaged"), std::string::npos) << cut.detailsMessage;
  EXPECT_NE(cut.detailsMessage.find(side + ".damaged"), std::string::npos) << cut.detailsMessage;
  EXPECT_EQ(LoadCatalogueAtStart(paper, {}).detailsMessage, "");  // told once
  ASSERT_TRUE(SaveCatalogue(paper, formats, cut.details).written());
  EXPECT_EQ(ReadBytes(side + ".damaged"), damaged);
  EXPECT_EQ(LoadCatalogueAtStart(paper, {}).details, cut.details);
  // A details file that cannot be read is never replaced, and paper.dat waits with it.
  const auto paperBefore = ReadBytes(paper), sideBefore = ReadBytes(side);
  SetFileReaderForTests([](const std::string& path, size_t, bool*) {
    errno = EACCES;
    return path.ends_with("details.dat") ? std::optional<std::vector<uint8_t>>()
                                         : std::optional(EncodePaperFormats({Record("a")}));
  });
  const PaperLoadResult unreadable = LoadCatalogueAtStart(paper, {});
  SetFileReaderForTests(nullptr);
  EXPECT_NE(unreadable.detailsMessage.find("cannot be read"), std::string::npos);
  EXPECT_EQ(SaveCatalogue(paper, formats, {Disc(), Disc()}).outcome, KeptWrite::Kept);
  EXPECT_EQ(ReadBytes(paper), paperBefore);
  EXPECT_EQ(ReadBytes(side), sideBefore);
  // No temporary files are left behind.
  size_t files = 0;
  for (const auto& e : std::filesystem::directory_iterator(dir.path()))
    files += e.is_regular_file();
  EXPECT_EQ(files, 3u);
}
