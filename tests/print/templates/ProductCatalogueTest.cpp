#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>

#include "print/templates/ProductCatalogue.h"
#include "tests/support/TestFiles.h"

namespace fs = std::filesystem;

namespace {
const std::string kDatabase = "/usr/share/libglabels-3.0/templates";
constexpr double kPt = 25.4 / 72, kIn = 25.4;

std::string Text(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// The file's text without its comments, where the database keeps retired templates.
std::string LiveXml(const std::string& path) {
  std::string s = Text(path), out;
  for (size_t at = 0; at < s.size();) {
    const size_t open = s.find("<!--", at);
    out += s.substr(at, open == std::string::npos ? std::string::npos : open - at);
    if (open == std::string::npos) break;
    const size_t close = s.find("-->", open);
    at = close == std::string::npos ? s.size() : close + 3;
  }
  return out;
}

size_t Occurrences(const std::string& hay, const std::string& needle) {
  size_t n = 0;
  for (size_t at = hay.find(needle); at != std::string::npos; at = hay.find(needle, at + 1)) ++n;
  return n;
}

std::vector<std::string> DatabaseFiles() {
  std::vector<std::string> out;
  for (const auto& e : fs::directory_iterator(kDatabase))
    if (e.path().filename().string().ends_with("-templates.xml")) out.push_back(e.path().string());
  return out;
}

const ProductCatalogue& Database() {
  static ProductCatalogue c;
  if (!c.loaded()) c.load({{kDatabase}, ""});
  return c;
}

void Write(const fs::path& path, const std::string& text) {
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << text;
}
}  // namespace

TEST(ProductCatalogueTest, TheInstalledDatabaseReadsWholeAndMatchesACountOfItsXml) {
  ASSERT_TRUE(fs::exists(kDatabase)) << "the label template database is missing: run scripts/setup";
  const ProductCatalogue& c = Database();
  EXPECT_TRUE(c.haveDatabase());
  EXPECT_EQ(c.message(), "");
  size_t templates = 0, aliases = 0, markups = 0, guides = 0;
  std::map<std::string, size_t> frames;
  const std::vector<std::string> files = DatabaseFiles();
  ASSERT_GT(files.size(), 20u);
  for (const std::string& file : files) {
    const std::string xml = LiveXml(file);
    templates += Occurrences(xml, "<Template ");
    aliases += Occurrences(xml, " equiv=\"");
    for (const char* shape : {"rectangle", "round", "ellipse", "cd"})
      frames[shape] += Occurrences(xml, std::string("<Label-") + shape + " ");
    markups += Occurrences(xml, "<Markup-line ") + Occurrences(xml, "<Markup-margin ") +
               Occurrences(xml, "<Markup-circle ") + 4 * Occurrences(xml, "<Markup-rect ");
    // Each file on its own, as an import reads it: every template prints.
    std::vector<LabelTemplate> one;
    EXPECT_EQ(ImportTemplateFile(file, one), "") << file;
  }
  std::map<std::string, size_t> mine;
  size_t myAliases = 0, joined = 0;
  for (const LabelTemplate& t : c.products()) {
    EXPECT_EQ(t.product.unusable, "") << t.product.part;
    const char* kShapes[] = {"rectangle", "round", "ellipse", "cd"};
    if (!t.product.joins.empty()) {
      ++joined;  // the parts of one sheet, listed apart as well
    } else if (!t.product.equivOf.empty()) {
      ++myAliases;
    } else {
      ++mine[kShapes[static_cast<int>(t.details.shape.kind)]];
      guides += t.details.guides.size();  // a rectangle's markup as its four sides
    }
  }
  EXPECT_GT(templates, 1000u);
  EXPECT_EQ(c.products().size(), templates + joined);
  EXPECT_EQ(joined, 21u);  // Rayfilm's CD13, Begalabel's M-600, Online Labels' OL9325, ...
  EXPECT_EQ(myAliases, aliases);
  EXPECT_EQ(mine, frames);
  EXPECT_GT(markups, 500u);
  EXPECT_EQ(guides, markups);
  EXPECT_EQ(c.categories().at(0).id, "media");
  EXPECT_EQ(c.categories().at(0).name, "CD/DVD or other media");
  EXPECT_NE(c.vendorUrl("avery"), "");
}

TEST(ProductCatalogueTest, ProductsCarryTheirXmlValuesInMillimetres) {
  const ProductCatalogue& c = Database();
  struct Want {
    const char* maker;
    const char* part;
    ShapeKind shape;
    double w, h, corner, outer, hole, bleed, sheetW, sheetH;
    std::vector<LabelGrid> grids;
    const char* description;
    double bleedY = -1;  // top and bottom when not as left and right
  };
  const Want wants[] = {
      // <Label-cd radius="165.827pt" hole="24.9449pt" waste="5.66929pt">, nx 1 ny 2, A4
      {"Avery",
       "L7676",
       ShapeKind::Disc,
       2 * 165.827 * kPt,
       2 * 165.827 * kPt,
       0,
       2 * 165.827 * kPt,
       2 * 24.9449 * kPt,
       5.66929 * kPt,
       210,
       297,
       {{131.811 * kPt, 62.3622 * kPt, 342.992 * kPt, 388.346 * kPt, 1, 2, {}}},
       "CD/DVD Labels"},
      // <Label-rectangle width="181.4" height="108.0" round="5">, bare points, nx 3 ny 7
      {"Avery",
       "7160",
       ShapeKind::Rectangle,
       181.4 * kPt,
       108 * kPt,
       5 * kPt,
       0,
       0,
       0,
       210,
       297,
       {{21.2 * kPt, 43.9 * kPt, 187.2 * kPt, 108 * kPt, 3, 7, {}}},
       "Mailing labels"},
      // equiv="7160": the same sheet under another part
      {"Avery",
       "L7160",
       ShapeKind::Rectangle,
       181.4 * kPt,
       108 * kPt,
       5 * kPt,
       0,
       0,
       0,
       210,
       297,
       {{21.2 * kPt, 43.9 * kPt, 187.2 * kPt, 108 * kPt, 3, 7, {}}},
       "Mailing labels"},
      // radius="166.5pt" hole="58.5pt" waste="9pt"; three single grids in cm; US Letter
      {"SheetLabels",
       "SL113",
       ShapeKind::Disc,
       333 * kPt,
       333 * kPt,
       0,
       333 * kPt,
       117 * kPt,
       9 * kPt,
       8.5 * kIn,
       11 * kIn,
       {{7, 7, 333 * kPt, 333 * kPt, 1, 1, {}},
        {94, 82.5, 333 * kPt, 333 * kPt, 1, 1, {}},
        {7, 158, 333 * kPt, 333 * kPt, 1, 1, {}}},
       "CD/DVD Labels"},
      // x_waste="16mm" y_waste="3mm": each axis keeps its own bleed
      {"Geha",
       "Z45",
       ShapeKind::Rectangle,
       178,
       127,
       0,
       0,
       0,
       16,
       210,
       297,
       {{16, 18.4, 210, 145.4, 1, 2, {}}},
       "Photo labels",
       3},
  };
  for (const Want& w : wants) {
    const LabelTemplate* t = c.find(w.maker, w.part);
    ASSERT_NE(t, nullptr) << w.part;
    const std::vector<LabelGrid> grids = AllGrids(t->record, t->details);
    EXPECT_EQ(t->details.shape.kind, w.shape) << w.part;
    EXPECT_EQ(t->product.description, w.description) << w.part;
    for (auto [got, want] : {std::pair{t->record.width, w.w},
                             {t->record.height, w.h},
                             {t->details.shape.cornerRadius, w.corner},
                             {t->details.shape.outerDiameter, w.outer},
                             {t->details.shape.holeDiameter, w.hole},
                             {t->details.bleedX, w.bleed},
                             {t->details.bleedY, w.bleedY < 0 ? w.bleed : w.bleedY},
                             {t->details.sheetWidth, w.sheetW},
                             {t->details.sheetHeight, w.sheetH}})
      EXPECT_NEAR(got, want, 1e-6) << w.part;
    ASSERT_EQ(grids.size(), w.grids.size()) << w.part;
    for (size_t i = 0; i < grids.size(); ++i) {
      EXPECT_NEAR(grids[i].left, w.grids[i].left, 1e-6) << w.part << " grid " << i;
      EXPECT_NEAR(grids[i].top, w.grids[i].top, 1e-6) << w.part << " grid " << i;
      EXPECT_EQ(grids[i].across, w.grids[i].across) << w.part;
      EXPECT_EQ(grids[i].down, w.grids[i].down) << w.part;
      if (grids[i].down > 1) {
        EXPECT_NEAR(grids[i].stepV, w.grids[i].stepV, 1e-6) << w.part;
      }
      if (grids[i].across > 1) {
        EXPECT_NEAR(grids[i].stepH, w.grids[i].stepH, 1e-6) << w.part;
      }
    }
  }
  // <Markup-margin size="2mm"/> and the two spine lines of a tray inlay
  const LabelTemplate* inlay = c.find("Avery", "8435B");
  ASSERT_NE(inlay, nullptr);
  EXPECT_EQ(inlay->details.guides,
            (std::vector<FormatGuide>{GuideMargin(2), GuideLine(8.5, 0, 8.5, 122),
                                      GuideLine(146.5, 0, 146.5, 122)}));
  const LabelTemplate* alias = c.find("avery", "l7160");
  ASSERT_NE(alias, nullptr);
  EXPECT_EQ(alias->product.equivOf, "7160");
  EXPECT_EQ(alias->product.categories, (std::vector<std::string>{"label", "mail"}));
  EXPECT_EQ(c.paperName(*c.find("SheetLabels", "SL113")), "US Letter");
}

TEST(ProductCatalogueTest, SearchAsYouTypeAndFilters) {
  const ProductCatalogue& c = Database();
  const auto text = [](const char* words) {
    CatalogueFilter f;
    f.text = words;
    return f;
  };
  const auto paper = [](PaperClass p) {
    CatalogueFilter f;
    f.paper = p;
    return f;
  };
  const auto parts = [&](const CatalogueFilter& f) {
    std::vector<std::string> out;
    for (size_t i : c.search(f))
      out.push_back(c.products()[i].product.brand + " " + c.products()[i].product.part);
    return out;
  };
  const auto has = [](const std::vector<std::string>& v, const std::string& s) {
    return std::find(v.begin(), v.end(), s) != v.end();
  };
  EXPECT_EQ(parts(text("l7676")), std::vector<std::string>{"Avery L7676"});
  const std::vector<size_t> all = c.search({});
  EXPECT_EQ(all.size(), c.products().size());
  // CD/DVD products first, then the others, each by maker and part.
  const auto firstOther =
      std::find_if(all.begin(), all.end(), [&](size_t i) { return !IsCdDvd(c.products()[i]); });
  EXPECT_GT(firstOther - all.begin(), 80);
  EXPECT_TRUE(
      std::none_of(firstOther, all.end(), [&](size_t i) { return IsCdDvd(c.products()[i]); }));
  EXPECT_TRUE(std::is_sorted(firstOther, all.end()));
  const auto avery = parts(text("  AVERY  cd/dvd "));
  EXPECT_TRUE(has(avery, "Avery L7676"));
  EXPECT_FALSE(has(avery, "Avery 7160"));
  EXPECT_TRUE(parts(text("no such product anywhere")).empty());

  CatalogueFilter discs;
  discs.category = "media";
  discs.paper = PaperClass::A4;
  discs.shape = ShapeKind::Disc;
  const std::vector<size_t> found = c.search(discs);
  ASSERT_GT(found.size(), 5u);
  for (size_t i : found) {
    const LabelTemplate& t = c.products()[i];
    EXPECT_EQ(t.product.paperId, "A4");
    EXPECT_EQ(t.details.shape.kind, ShapeKind::Disc);
    EXPECT_NE(std::find(t.product.categories.begin(), t.product.categories.end(), "media"),
              t.product.categories.end());
  }
  EXPECT_TRUE(has(parts(discs), "Avery L7676"));
  discs.paper = PaperClass::Letter;
  EXPECT_TRUE(has(parts(discs), "SheetLabels SL113"));
  EXPECT_FALSE(has(parts(discs), "Avery L7676"));
  const CatalogueFilter other = paper(PaperClass::Other);
  for (size_t i : c.search(other)) {
    EXPECT_NE(c.products()[i].product.paperId, "A4");
    EXPECT_NE(c.products()[i].product.paperId, "US-Letter");
  }
  EXPECT_EQ(c.search(other).size() + c.search(paper(PaperClass::A4)).size() +
                c.search(paper(PaperClass::Letter)).size(),
            c.products().size());
}

TEST(ProductCatalogueTest, UserTemplatesUnprintableFramesAndAMissingDatabase) {
  TempDir dir;
  Write(dir.path() / "user" / "mine.template",
        "<Glabels-templates>"
        "<Template brand=\"Home\" part=\"Disc 1\" size=\"A4\" description=\"My disc\"><Meta "
        "category=\"media\"/>"
        "<Label-cd id=\"0\" radius=\"58mm\" hole=\"11mm\"><Layout nx=\"1\" ny=\"2\" x0=\"40mm\" "
        "y0=\"20mm\" dx=\"0\" dy=\"140mm\"/>"
        "</Label-cd></Template>"
        "<Template brand=\"Home\" part=\"Star\" size=\"A4\" description=\"Stars\">"
        "<Label-path id=\"0\" d=\"M 0 0 l 10 0 l 0 10 Z\"><Layout nx=\"2\" ny=\"2\" x0=\"0\" "
        "y0=\"0\" dx=\"20\" dy=\"20\"/>"
        "</Label-path></Template>"
        "<Template brand=\"Home\" part=\"Tape\" size=\"roll\" width=\"62mm\" description=\"Tape\">"
        "<Label-continuous id=\"0\" width=\"62mm\" min_height=\"10mm\" "
        "max_height=\"1000mm\"/></Template>"
        "<Template brand=\"Home\" part=\"Star 2\" equiv=\"Star\"/>"
        "</Glabels-templates>");
  Write(dir.path() / "user" / "broken.template", "<Glabels-templates><Template");
  ProductCatalogue c;
  c.load({{(dir.path() / "none").string()}, (dir.path() / "user").string()});
  EXPECT_FALSE(c.haveDatabase());
  EXPECT_NE(c.message().find("glabels-data"), std::string::npos);
  EXPECT_NE(c.message().find("broken.template"), std::string::npos);
  ASSERT_EQ(c.products().size(), 4u);
  const LabelTemplate* disc = c.find("home", "disc 1");
  ASSERT_NE(disc, nullptr);
  EXPECT_EQ(disc->product.unusable, "");
  EXPECT_NEAR(disc->details.shape.outerDiameter, 116, 1e-9);
  for (const char* part : {"Star", "Tape", "Star 2"}) {
    const LabelTemplate* t = c.find("Home", part);
    ASSERT_NE(t, nullptr) << part;
    EXPECT_NE(t->product.unusable, "") << part;
    EXPECT_EQ(ShapeText(*t).rfind("not printable", 0), 0u) << part;
  }
  CatalogueFilter rectangles;
  rectangles.shape = ShapeKind::Rectangle;
  EXPECT_TRUE(c.search(rectangles).empty());
  CatalogueFilter home;
  home.text = "home";
  EXPECT_EQ(c.search(home).size(), 4u);
}

TEST(ProductCatalogueTest, PartsOfOneSheetAreJoinedIntoOneProductWhoseGridsKeepTheirShapes) {
  const std::string disc = R"(<Label-cd radius="58mm" hole="22mm"><Layout nx="1" ny="1" x0="83mm"
      y0="25mm"/><Layout nx="1" ny="1" x0="11mm" y0="156mm"/></Label-cd>)",
                    card = R"(<Label-rectangle width="45mm" height="116mm" round="3.45mm"><Layout
      nx="1" ny="1" x0="11mm" y0="25mm"/></Label-rectangle>)",
                    strip = R"(<Label-rectangle width="6mm" height="116mm"><Layout nx="2" ny="1"
      x0="67mm" y0="25mm" dx="70mm"/></Label-rectangle>)";
  std::string xml = "<Glabels-templates>";
  // Joined: the first three; not: another sheet, another maker, a part alone, no bracket, an alias.
  for (const auto& [brand, part, size, label] : {std::tuple{"Rayfilm", "CD13 (medium)", "A4", disc},
                                                 {"Rayfilm", "CD13 (box1)", "A4", card},
                                                 {"Rayfilm", "CD13 (box2)", "A4", strip},
                                                 {"Rayfilm", "CD13 (letter)", "US-Letter", strip},
                                                 {"Other", "CD13 (box)", "A4", strip},
                                                 {"Rayfilm", "CD14 (medium)", "A4", disc},
                                                 {"Rayfilm", "CD14", "A4", strip}})
    xml += std::string("<Template brand=\"") + brand + "\" part=\"" + part + "\" size=\"" + size +
           "\">" + label + "</Template>";
  TempDir dir;
  Write(dir.path() / "user" / "sheets.template",
        xml + R"x(<Template brand="Rayfilm" part="CD14 (copy)" equiv="CD14 (medium)"/>)x" +
            "</Glabels-templates>");
  ProductCatalogue c;
  c.load({{}, (dir.path() / "user").string()});
  EXPECT_EQ(c.products().size(), 9u);  // the eight templates stay, one more joins three
  const LabelTemplate* all = c.find("rayfilm", "cd13 (all parts)");
  ASSERT_NE(all, nullptr);
  EXPECT_EQ(all->product.joins,
            (std::vector<std::string>{"CD13 (medium)", "CD13 (box1)", "CD13 (box2)"}));
  EXPECT_EQ(ProductAsFormat(*all).record.name, "Rayfilm CD13 (all parts)");
  EXPECT_EQ(all->record, c.find("Rayfilm", "CD13 (medium)")->record);
  // The disc's second grid, the card, then the strips: each with its own size and shape.
  std::vector<std::optional<GridElement>> elements;
  for (const LabelGrid& g : all->details.moreGrids) elements.push_back(g.element);
  EXPECT_EQ(elements, (std::vector<std::optional<GridElement>>{
                          std::nullopt, GridElement{45, 116, {ShapeKind::Rectangle, 3.45, 0, 0}},
                          GridElement{6, 116, {}}}));
  EXPECT_EQ(PositionsPerSheet(all->record, all->details), 5);
}

TEST(ProductCatalogueTest, AProductIsNamedByMakerPartAndAsMuchDescriptionAsFits) {
  TemplateProduct p;
  p.brand = "Avery";
  p.part = "L7676";
  p.description = "CD/DVD Labels";
  EXPECT_EQ(ProductFormatName(p), "Avery L7676 CD/DVD Labels");
  p.description = "Ein sehr langer Beschreibungstext für Etiketten, der nicht passt";
  const std::string cut = ProductFormatName(p);
  EXPECT_EQ(cut.size(), 49u);  // 50 bytes less the space they end in
  EXPECT_EQ(cut, "Avery L7676 Ein sehr langer Beschreibungstext f\xfcr");
  p.description = "Tasche ✓ ";
  EXPECT_EQ(ProductFormatName(p), "Avery L7676 Tasche ?");
  const LabelTemplate added = ProductAsFormat(*Database().find("Avery", "L7676"));
  EXPECT_EQ(added.record.name, "Avery L7676 CD/DVD Labels");
  EXPECT_EQ(added.details, Database().find("Avery", "L7676")->details);
}

TEST(ProductCatalogueTest, SheetsShapedLikeADiscTrayAreNotedAsSuchOnly) {
  for (const auto& [part, shape, noted] : {std::tuple{"Type J Tray", ShapeKind::Disc, true},
                                           {"3654 CD labels", ShapeKind::Disc, false},
                                           {"8326 CD tray inlay", ShapeKind::Rectangle, false}}) {
    LabelTemplate t;
    t.product.part = part;
    t.details.shape.kind = shape;
    EXPECT_EQ(TrayNote(t).empty(), !noted) << part;
  }
}
