#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPageSize>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "platform/dialogs/ScriptedDialogs.h"
#include "print/settings/DetailsFile.h"
#include "print/settings/PaperFile.h"
#include "print/templates/views/ProductCatalogueDialog.h"
#include "print/views/PaperFormatPanel.h"
#include "tests/print/views/RasterisedPrint.h"

namespace {
constexpr double kPt = 25.4 / 72;

const ProductCatalogue& Database() {
  static ProductCatalogue c;
  if (!c.loaded()) c.load({{"/usr/share/libglabels-3.0/templates"}, ""});
  return c;
}

class ProductCatalogueDialogTest : public ::testing::Test {
 protected:
  ScriptedDialogs dialogs;
  ScopedDialogs scoped{dialogs};
  TempDir dir;
  std::string file = dir.file("paper.dat");
  PaperFormatPanel panel;

  // Opens the catalogue from the panel, searches for `text` and adds the first product found.
  void AddFromCatalogue(const QString& text) {
    QTimer::singleShot(0, [this, text] {
      ProductCatalogueDialog* d = panel.catalogueDialog();
      ASSERT_TRUE(d && d->isVisible());
      d->searchEdit->clear();
      QTest::keyClicks(d->searchEdit, text);
      QTest::mouseClick(d->addButton, Qt::LeftButton);
    });
    QTest::mouseClick(panel.catalogueButton, Qt::LeftButton);
  }
};
}  // namespace

TEST_F(ProductCatalogueDialogTest, SearchFiltersAndTheChosenSheet) {
  ProductCatalogueDialog d(Database());
  EXPECT_FALSE(d.messageLabel->isVisibleTo(&d));
  EXPECT_EQ(d.productList->count(), static_cast<int>(Database().products().size()));
  EXPECT_EQ(d.categoryBox->itemText(1), "CD/DVD or other media");
  QTest::keyClicks(d.searchEdit, "SL11");
  ASSERT_GE(d.productList->count(), 1);
  QTest::keyClicks(d.searchEdit, "3");
  ASSERT_EQ(d.productList->count(), 1);
  EXPECT_EQ(d.productList->item(0)->text(), "SheetLabels SL113 - CD/DVD Labels");
  const QString sizes = d.sizesLabel->text();
  for (const char* part : {"US Letter (215.9 x 279.4 mm)",
                           "117.47 x 117.47 mm, disc, hole 41.27 mm", "Per sheet: 3 in 3 groups"})
    EXPECT_TRUE(sizes.contains(QString::fromLatin1(part))) << part << " in " << sizes.toStdString();
  EXPECT_TRUE(d.addButton->isEnabled());

  d.searchEdit->clear();
  d.categoryBox->setCurrentIndex(1);
  d.paperBox->setCurrentIndex(1);  // A4
  d.shapeBox->setCurrentIndex(4);  // disc
  ASSERT_GT(d.listed().size(), 5u);
  for (size_t i : d.listed()) {
    EXPECT_EQ(Database().products()[i].product.paperId, "A4");
    EXPECT_EQ(Database().products()[i].details.shape.kind, ShapeKind::Disc);
  }
  QTest::keyClicks(d.searchEdit, "nothing matches this");
  EXPECT_EQ(d.productList->count(), 0);
  EXPECT_FALSE(d.addButton->isEnabled());
  EXPECT_EQ(d.sizesLabel->text(), "No product matches.");
  EXPECT_EQ(d.chosen(), nullptr);
}

TEST_F(ProductCatalogueDialogTest, WithoutTheDatabaseTheCatalogueSaysHowToInstallIt) {
  ProductCatalogue none;
  none.load({{dir.file("nowhere")}, dir.file("no-user-folder")});
  panel.loadPaperFormats(file, {});
  const size_t before = panel.formats().size();
  panel.setProductCatalogue(&none);
  QTimer::singleShot(0, [this] {
    ProductCatalogueDialog* d = panel.catalogueDialog();
    ASSERT_TRUE(d && d->isVisible());
    EXPECT_TRUE(d->messageLabel->isVisible());
    EXPECT_TRUE(d->messageLabel->text().contains("glabels-data"));
    EXPECT_FALSE(d->addButton->isEnabled());
    QTest::mouseClick(d->addButton, Qt::LeftButton);  // nothing to add: stays open
    EXPECT_TRUE(d->isVisible());
    QTest::mouseClick(d->closeButton, Qt::LeftButton);
  });
  QTest::mouseClick(panel.catalogueButton, Qt::LeftButton);
  EXPECT_EQ(panel.formats().size(), before);
  EXPECT_TRUE(dialogs.asked.empty());
}

TEST_F(ProductCatalogueDialogTest, AddedProductsPrintWhereTheirTemplatesPlaceThem) {
  panel.loadPaperFormats(file, {});
  panel.setProductCatalogue(&Database());
  size_t count = panel.formats().size();
  struct Case {
    const char* search;
    const char* name;
    const char* paper;
    // Each element's left and top edge in mm from the paper's edge, as the XML gives them.
    std::vector<std::pair<double, double>> corners;
    double width, height, bleed, hole;
  };
  const double d = 333 * kPt;  // radius="166.5pt"
  const std::vector<std::pair<double, double>> sl113 = {
      {7, 7}, {94, 82.5}, {7, 158}};  // x0, y0 in cm
  std::vector<std::pair<double, double>>
      avery7160;  // x0="21.2" y0="43.9" dx="187.2" dy="108.0", points
  for (int row = 0; row < 7; ++row)
    for (int col = 0; col < 3; ++col)
      avery7160.push_back({(21.2 + 187.2 * col) * kPt, (43.9 + 108 * row) * kPt});
  const Case cases[] = {
      {"sheetlabels sl113", "SheetLabels SL113 CD/DVD Labels", "Letter", sl113, d, d, 9 * kPt,
       117 * kPt},
      {"avery 7160 mailing", "Avery 7160 Mailing labels", "A4", avery7160, 181.4 * kPt, 108 * kPt,
       0, 0},
  };
  for (const Case& c : cases) {
    AddFromCatalogue(QString::fromLatin1(c.search));
    ASSERT_EQ(panel.formats().size(), ++count) << c.name;
    ASSERT_NE(panel.selectedFormat(), nullptr);
    EXPECT_EQ(panel.selectedIndex(), static_cast<int>(panel.formats().size()) - 1) << c.name;
    EXPECT_EQ(panel.selectedFormat()->name, c.name);
    // paper.dat and the file beside it hold the added product.
    const PaperLoadResult saved = LoadPaperFormats(file);
    ASSERT_EQ(saved.status, PaperLoadResult::Loaded) << saved.message;
    ASSERT_EQ(saved.formats, panel.formats());
    EXPECT_EQ(LoadDetailsFor(file, saved.formats).back(), panel.selectedDetails());

    PrintRequest r;
    r.format = *panel.selectedFormat();
    r.details = panel.selectedDetails();
    r.copies = PositionsPerSheet(r.format, r.details);
    ASSERT_EQ(r.copies, static_cast<int>(c.corners.size())) << c.name;
    PrinterChoice paper;
    paper.paperName =
        QPageSize::name(c.paper[0] == 'L' ? QPageSize::Letter : QPageSize::A4).toStdString();
    TempDir out;
    const auto pages = PrintRed(r, out, paper);
    ASSERT_EQ(pages.size(), 1u) << c.name;
    const QImage& page = pages[0];
    const double b = c.bleed;
    for (size_t i = 0; i < c.corners.size(); ++i) {
      const auto [left, top] = c.corners[i];
      const double midX = left + c.width / 2, midY = top + c.height / 2;
      const std::string where = std::string(c.name) + " element " + std::to_string(i);
      EXPECT_EQ(InkAt(page, left - b + kTolerance, midY), Red) << where;
      EXPECT_EQ(InkAt(page, left - b - kTolerance, midY), White) << where;
      EXPECT_EQ(InkAt(page, left + c.width + b - kTolerance, midY), Red) << where;
      if (i < 3) {  // the top row; lower rows of the mailing labels touch the row above
        EXPECT_EQ(InkAt(page, midX, top - b + kTolerance), Red) << where;
        EXPECT_EQ(InkAt(page, midX, top - b - kTolerance), White) << where;
      }
      if (c.hole > 0) {  // the hole, shrunk by the bleed
        EXPECT_EQ(InkAt(page, midX - c.hole / 2 + b - kTolerance, midY), Red) << where;
        EXPECT_EQ(InkAt(page, midX - c.hole / 2 + b + kTolerance, midY), White) << where;
      }
    }
    const auto [lastLeft, lastTop] = c.corners.back();
    EXPECT_EQ(InkAt(page, lastLeft + c.width / 2, lastTop + c.height + b - kTolerance), Red)
        << c.name;
    EXPECT_EQ(InkAt(page, lastLeft + c.width / 2, lastTop + c.height + b + kTolerance), White)
        << c.name;
  }
  EXPECT_TRUE(dialogs.asked.empty());
}
