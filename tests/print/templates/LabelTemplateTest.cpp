#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <cmath>

#include "print/templates/BoundedXml.h"
#include "print/templates/LabelTemplate.h"
#include "tests/support/TestFiles.h"

namespace {
std::vector<uint8_t> Bytes(const std::string& s) {
  return std::vector<uint8_t>(s.begin(), s.end());
}

// `v` millimetres written in `unit` ("" for bare points).
std::string In(double mm, const std::string& unit) {
  const double per = unit == "mm"   ? 1
                     : unit == "cm" ? 10
                     : unit == "in" ? 25.4
                     : unit == "pc" ? 25.4 / 6
                                    : 25.4 / 72;
  char text[64];
  std::snprintf(text, sizeof text, "%.9f%s", mm / per, unit.c_str());
  return text;
}

void ExpectSame(const LabelTemplate& a, const LabelTemplate& b, const std::string& what) {
  const double tol = 1e-3;
  EXPECT_EQ(a.record.name, b.record.name) << what;
  EXPECT_EQ(a.details.shape.kind, b.details.shape.kind) << what;
  for (auto [x, y] : {std::pair{a.record.width, b.record.width},
                      {a.record.height, b.record.height},
                      {a.record.leftMargin, b.record.leftMargin},
                      {a.record.topMargin, b.record.topMargin},
                      {a.record.stepAcross, b.record.stepAcross},
                      {a.record.stepDown, b.record.stepDown},
                      {a.details.shape.cornerRadius, b.details.shape.cornerRadius},
                      {a.details.shape.outerDiameter, b.details.shape.outerDiameter},
                      {a.details.shape.holeDiameter, b.details.shape.holeDiameter},
                      {a.details.bleedX, b.details.bleedX},
                      {a.details.bleedY, b.details.bleedY},
                      {a.details.sheetWidth, b.details.sheetWidth},
                      {a.details.sheetHeight, b.details.sheetHeight}})
    EXPECT_NEAR(x, y, tol) << what;
  EXPECT_EQ(a.record.columns, b.record.columns) << what;
  EXPECT_EQ(a.record.rows, b.record.rows) << what;
  const auto near = [&](const FormatGuide& x, const FormatGuide& y) {
    return x.kind == y.kind && std::fabs(x.x1 - y.x1) + std::fabs(x.y1 - y.y1) +
                                       std::fabs(x.x2 - y.x2) + std::fabs(x.y2 - y.y2) <
                                   tol;
  };
  EXPECT_TRUE(std::equal(a.details.guides.begin(), a.details.guides.end(), b.details.guides.begin(),
                         b.details.guides.end(), near))
      << what;
  ASSERT_EQ(a.details.moreGrids.size(), b.details.moreGrids.size()) << what;
  for (size_t i = 0; i < a.details.moreGrids.size(); ++i) {
    EXPECT_NEAR(a.details.moreGrids[i].left, b.details.moreGrids[i].left, tol) << what;
    EXPECT_NEAR(a.details.moreGrids[i].stepV, b.details.moreGrids[i].stepV, tol) << what;
    EXPECT_EQ(a.details.moreGrids[i].across, b.details.moreGrids[i].across) << what;
  }
}

struct ShapeCase {
  const char* name;
  std::string label;  // the label element with %W etc. replaced per unit
  LabelTemplate want;
};

LabelTemplate Want(ShapeKind kind, double w, double h, double corner, double outer, double hole,
                   double bleed, double bleedY = -1) {
  LabelTemplate t;
  t.record.name = "Brand X1";
  t.record.width = w;
  t.record.height = h;
  t.record.leftMargin = 10;
  t.record.topMargin = 12.5;
  t.record.stepAcross = w + 5;
  t.record.stepDown = h + 3;
  t.record.columns = 2;
  t.record.rows = 3;
  t.details.shape = {kind, corner, outer, hole};
  t.details.bleedX = bleed;
  t.details.bleedY = bleedY < 0 ? bleed : bleedY;
  t.details.sheetWidth = 210;
  t.details.sheetHeight = 297;
  t.details.guides = {GuideMargin(1), GuideLine(2, 0, 2, h), GuideCircle(w / 2, h / 2, 5)};
  return t;
}

std::string TemplateXml(const std::string& label, const LabelTemplate& w, const std::string& u) {
  const PaperFormat& r = w.record;
  return "<?xml version=\"1.0\"?>\n<Glabels-templates xmlns=\"http://glabels.org/xmlns/3.0/\">"
         "<Template brand=\"Brand\" part=\"X1\" size=\"A4\" _description=\"Test\"><Meta "
         "category=\"label\"/>" +
         label + "<Markup-margin size=\"" + In(1, u) + "\"/><Markup-line x1=\"" + In(2, u) +
         "\" y1=\"0\" x2=\"" + In(2, u) + "\" y2=\"" + In(r.height, u) +
         "\"/><Markup-circle x0=\"" + In(r.width / 2, u) + "\" y0=\"" + In(r.height / 2, u) +
         "\" radius=\"" + In(5, u) + "\"/><Layout nx=\"2\" ny=\"3\" x0=\"" + In(r.leftMargin, u) +
         "\" y0=\"" + In(r.topMargin, u) + "\" dx=\"" + In(r.stepAcross, u) + "\" dy=\"" +
         In(r.stepDown, u) + "\"/></" + label.substr(1, label.find(' ') - 1) +
         "></Template></Glabels-templates>";
}
}  // namespace

TEST(LabelTemplateTest, EveryShapeInEveryUnitImportsAndExportsAgain) {
  for (const std::string u : {"pt", "mm", "cm", "in", "pc", ""}) {
    const ShapeCase cases[] = {
        {"rectangle",
         "<Label-rectangle id=\"0\" width=\"" + In(90, u) + "\" height=\"" + In(55, u) +
             "\" round=\"" + In(3, u) + "\" x_waste=\"" + In(1, u) + "\" y_waste=\"" + In(2, u) +
             "\">",
         Want(ShapeKind::Rectangle, 90, 55, 3, 0, 0, 1, 2)},
        {"round",
         "<Label-round id=\"0\" radius=\"" + In(20, u) + "\" waste=\"" + In(0.5, u) + "\">",
         Want(ShapeKind::Round, 40, 40, 0, 0, 0, 0.5)},
        {"ellipse",
         "<Label-ellipse id=\"0\" width=\"" + In(60, u) + "\" height=\"" + In(40, u) + "\">",
         Want(ShapeKind::Ellipse, 60, 40, 0, 0, 0, 0)},
        {"disc",
         "<Label-cd id=\"0\" radius=\"" + In(58.5, u) + "\" hole=\"" + In(11, u) + "\" waste=\"" +
             In(1.5, u) + "\">",
         Want(ShapeKind::Disc, 117, 117, 0, 117, 22, 1.5)},
        {"disc with a bleed per axis",
         "<Label-cd id=\"0\" radius=\"" + In(58.5, u) + "\" hole=\"" + In(11, u) + "\" waste=\"" +
             In(3, u) + "\" x_waste=\"" + In(1.5, u) + "\" y_waste=\"" + In(0.5, u) + "\">",
         Want(ShapeKind::Disc, 117, 117, 0, 117, 22, 1.5, 0.5)},
        {"business card disc",
         "<Label-cd id=\"0\" radius=\"" + In(29, u) + "\" hole=\"" + In(11, u) + "\" width=\"" +
             In(58, u) + "\" height=\"" + In(40, u) + "\">",
         Want(ShapeKind::Disc, 58, 40, 0, 58, 22, 0)},
    };
    for (const ShapeCase& c : cases) {
      const std::string what = std::string(c.name) + " in '" + u + "'";
      LabelTemplateReader reader;
      ASSERT_TRUE(reader.read(Bytes(TemplateXml(c.label, c.want, u))))
          << what << ": " << reader.error();
      ASSERT_EQ(reader.templates().size(), 1u) << what;
      ExpectSame(reader.templates()[0], c.want, what);
      // Written in millimetres and read again: the same format under its own name.
      LabelTemplate mine = c.want;
      mine.record.name = "Mine";
      const std::vector<uint8_t> xml = LabelTemplateWriter().write(mine.record, mine.details);
      LabelTemplateReader again;
      ASSERT_TRUE(again.read(xml)) << what << ": " << again.error();
      ExpectSame(again.templates()[0], mine, what + " written");
      const std::string text(xml.begin(), xml.end());
      EXPECT_NE(text.find("brand=\"Quendrix\""), std::string::npos);
      EXPECT_NE(text.find("size=\"A4\""), std::string::npos);
    }
  }
}

TEST(LabelTemplateTest, LengthsAndSheetsAsTheFormatGivesThem) {
  struct L {
    const char* text;
    double mm;
    bool ok;
  };
  for (const L& l : {L{"72", 25.4, true}, L{"1in", 25.4, true}, L{"2.54cm", 25.4, true},
                     L{"6pc", 25.4, true}, L{" 3.5 mm ", 3.5, true}, L{"", 0, true},
                     L{"12km", 0, false}, L{"mm", 0, true}, L{"1e400mm", 0, false}}) {
    double mm = -1;
    EXPECT_EQ(ParseTemplateLength(l.text, mm), l.ok) << l.text;
    if (l.ok) {
      EXPECT_NEAR(mm, l.mm, 1e-9) << l.text;
    }
  }
  // Two grids, a Letter sheet, an equivalent part; a sheet of other size round-trips.
  const std::string xml =
      "<Glabels-templates><Template brand=\"Avery\" part=\"5931\" size=\"US-Letter\" "
      "description=\"d\">"
      "<Label-cd id=\"0\" radius=\"2.3125in\" hole=\"0.8125in\" waste=\"0.0625in\">"
      "<Layout nx=\"1\" ny=\"1\" x0=\"1in\" y0=\"1in\" dx=\"0\" dy=\"0\"/>"
      "<Layout nx=\"1\" ny=\"1\" x0=\"3in\" y0=\"6in\" dx=\"0\" dy=\"0\"/></Label-cd></Template>"
      "<Template brand=\"Avery\" part=\"8931\" equiv=\"5931\"/></Glabels-templates>";
  LabelTemplateReader r;
  ASSERT_TRUE(r.read(Bytes(xml))) << r.error();
  ASSERT_EQ(r.templates().size(), 2u);
  const LabelTemplate& t = r.templates()[0];
  EXPECT_EQ(r.templates()[1].record.name, "Avery 8931");
  EXPECT_NEAR(t.details.sheetWidth, 215.9, 1e-9);
  EXPECT_NEAR(t.record.stepAcross, 117.475, 1e-9);  // a single column steps by the element
  ASSERT_EQ(t.details.moreGrids.size(), 1u);
  EXPECT_NEAR(t.details.moreGrids[0].top, 152.4, 1e-9);
  EXPECT_NEAR(t.details.bleedX, 1.5875, 1e-9);
  EXPECT_NEAR(t.details.bleedY, 1.5875, 1e-9);
  FormatDetails other = t.details;
  other.sheetWidth = 100;
  other.sheetHeight = 150;
  LabelTemplateReader back;
  ASSERT_TRUE(back.read(LabelTemplateWriter().write(t.record, other)));
  EXPECT_NEAR(back.templates()[0].details.sheetHeight, 150, 1e-9);
  EXPECT_EQ(back.templates()[0].details.moreGrids.size(), 1u);
}

TEST(LabelTemplateTest, DamagedFilesAreRefusedWithAReason) {
  std::vector<std::string> bad = {
      "",
      "<Glabels-templates>",
      "<Glabels-templates></Glabels-templates>",
      "<Glabels-templates><Template part=\"p\"></Template></Glabels-templates>",
      "<Glabels-templates><Template part=\"p\"><Label-path "
      "id=\"0\"/></Template></Glabels-templates>",
      "<Glabels-templates><Template part=\"p\"><Label-round "
      "radius=\"abc\"/></Template></Glabels-templates>",
      "<Glabels-templates><Template part=\"p\"><Label-round radius=\"5\"><Layout nx=\"0\" "
      "ny=\"1\"/>"
      "</Label-round></Template></Glabels-templates>",
      "<Glabels-templates><Template part=\"p\"><Label-cd radius=\"5\" "
      "hole=\"6\"/></Template></Glabels-templates>",
      "<Glabels-templates><Template part=\"q\" equiv=\"p\"/></Glabels-templates>",
      "<Glabels-templates><Template part=\"p\"><Label-round radius=\"5\"/><Label-round "
      "radius=\"3\"><Layout nx=\"1\" ny=\"1\"/></Label-round></Template></Glabels-templates>",
      "<Glabels-templates><Template part=\"p\"><Label-round radius=\"5\"><Layout nx=\"1\" "
      "ny=\"1\"/></Label-round><Label-rectangle width=\"4\" height=\"4\" round=\"3\"><Layout "
      "nx=\"1\" ny=\"1\"/></Label-rectangle></Template></Glabels-templates>",
      "<Glabels-templates><Template part=\"p\"><Label-round radius=\"5\"><Markup-line "
      "x1=\"1\" y1=\"wide\"/></Label-round></Template></Glabels-templates>",
      "<Glabels-templates><Template part=\"p\"><Label-round radius=\"5mm\"><Markup-margin "
      "size=\"5mm\"/></Label-round></Template></Glabels-templates>",
      "<Glabels-templates><Template part=\"p\"><Label-round radius=\"5mm\"><Markup-circle "
      "x0=\"1\" y0=\"1\" radius=\"-2\"/></Label-round></Template></Glabels-templates>",
  };
  std::string lines;  // one markup more than a format keeps
  for (int i = 0; i <= kMaxGuides; ++i) lines += "<Markup-line x1=\"1\" x2=\"2\"/>";
  bad.push_back("<Glabels-templates><Template part=\"p\"><Label-round radius=\"5\">" + lines +
                "</Label-round></Template></Glabels-templates>");
  for (const std::string& xml : bad) {
    LabelTemplateReader r;
    EXPECT_FALSE(r.read(Bytes(xml))) << xml;
    EXPECT_FALSE(r.error().empty()) << xml;
    EXPECT_TRUE(r.templates().empty()) << xml;
  }
  TempDir dir;
  std::vector<LabelTemplate> out;
  EXPECT_NE(ImportTemplateFile(dir.file("missing.xml"), out), "");
  ASSERT_EQ(mkfifo(dir.file("pipe.xml").c_str(), 0600), 0);  // must not wait for a writer
  EXPECT_NE(ImportTemplateFile(dir.file("pipe.xml"), out).find("device or a pipe"),
            std::string::npos);
  PaperFormat t;
  t.width = t.height = t.stepAcross = t.stepDown = 50;
  t.name = "Written";
  ASSERT_EQ(ExportTemplateFile(dir.file("t.xml"), t, FormatDetails{}), "");
  ASSERT_EQ(ImportTemplateFile(dir.file("t.xml"), out), "");
  EXPECT_EQ(out.at(0).record.name, "Written");
}

TEST(LabelTemplateTest, GridsOfTheirOwnElementAreLabelsOfTheirOwnAndComeBackInTheirOrder) {
  PaperFormat t;
  t.name = "Disc and case";
  t.leftMargin = 83, t.topMargin = 25;
  t.width = t.height = t.stepAcross = t.stepDown = 116;
  FormatDetails d;
  d.shape = {ShapeKind::Disc, 0, 116, 44};
  const GridElement strip{6, 116, {}}, card{45, 116, {ShapeKind::Rectangle, 3.45, 0, 0}};
  d.moreGrids = {{67, 25, 70, 116, 2, 1, strip},
                 {11, 156, 116, 116, 1, 1, {}},  // the record's element again
                 {154, 156, 45, 116, 1, 1, card},
                 {137, 156, 6, 116, 1, 1, strip}};
  LabelTemplateReader r;
  ASSERT_TRUE(r.read(LabelTemplateWriter().write(t, d))) << r.error();
  EXPECT_EQ(r.templates().at(0).record, t);
  d.sheetWidth = 210, d.sheetHeight = 297;  // the printer's page, A4
  EXPECT_EQ(r.templates().at(0).details, d);
}

// The reader's element stack, and its memory, stay within the depth bound however deep the
// file nests, and no element carries more attributes than the bound (the reader compares each
// with all before it); the refusal names the bound.
TEST(LabelTemplateTest, NestingAndAttributesBeyondTheirBoundsAreRefused) {
  const std::string label = "<Template part=\"p\"><Label-round radius=\"5\"/>%</Template>";
  const auto nested = [](int depth, const std::string& inner) {
    std::string open, close;
    for (int i = 0; i < depth; ++i) open += "<a>", close += "</a>";
    return open + inner + close;
  };
  const auto withLabel = [&](const std::string& inside) {
    std::string t = label;
    return t.replace(t.find('%'), 1, inside);
  };
  const auto attributes = [](int n) {
    std::string a;
    for (int i = 0; i < n; ++i) a += " b" + std::to_string(i) + "='='";
    return a;
  };
  const std::string depth = "nested deeper than 32", many = "more than 64 attributes";
  const struct {
    std::string xml;
    std::string refusal;  // empty: read
  } cases[] = {
      {"<Glabels-templates>" + nested(kMaxXmlDepth - 3, withLabel("")) + "</Glabels-templates>",
       ""},
      {"<Glabels-templates>" + nested(kMaxXmlDepth - 1, withLabel("")) + "</Glabels-templates>",
       depth},
      {"<Glabels-templates>" + withLabel(nested(kMaxXmlDepth, "")) + "</Glabels-templates>", depth},
      {nested(1 << 20, ""), depth},  // 3 MB of open elements
      {"<Glabels-templates><!--" + attributes(100) + "-->" +
           withLabel("<Meta" + attributes(kMaxXmlAttributes) + "/>") + "</Glabels-templates>",
       ""},
      {"<Glabels-templates>" + withLabel("<Meta" + attributes(kMaxXmlAttributes + 1) + "/>") +
           "</Glabels-templates>",
       many},
      {"<Glabels-templates><Template" + attributes(1 << 18) + "/></Glabels-templates>", many},
  };
  for (const auto& c : cases) {
    LabelTemplateReader r;
    EXPECT_EQ(r.read(Bytes(c.xml)), c.refusal.empty()) << c.xml.substr(0, 80);
    if (!c.refusal.empty()) {
      EXPECT_NE(r.error().find(c.refusal), std::string::npos) << r.error();
    }
  }
}
