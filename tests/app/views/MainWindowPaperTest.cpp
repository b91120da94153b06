#include <gtest/gtest.h>

#include <QComboBox>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <map>

#include "app/coverfile/PartEdits.h"
#include "app/views/MainWindow.h"
#include "app/views/PartBar.h"
#include "app/views/TabPage.h"
#include "platform/dialogs/ScriptedDialogs.h"
#include "print/views/CenterView.h"
#include "print/views/PaperFormatPanel.h"
#include "print/views/PrintPanel.h"
#include "print/views/SheetPreview.h"
#include "tests/app/coverfile/CoverSamples.h"
#include "tests/print/views/RasterisedPrint.h"

TEST(MainFormPaperTest, CenterPanelHoldsTheCatalogueWithTheFirstFormatSelected) {
  ScriptedDialogs dialogs;
  ScopedDialogs scoped{dialogs};
  MainWindow form(false);
  PaperFormatPanel* panel = form.paperPanel();
  ASSERT_NE(panel, nullptr);
  EXPECT_TRUE(form.page(MainWindow::kCenterTab)->leftPanel()->isAncestorOf(panel));
  if (!panel->formats().empty()) {
    EXPECT_EQ(panel->selectedIndex(), 0);
  } else {
    EXPECT_EQ(panel->selectedFormat(), nullptr);
  }
  EXPECT_EQ(panel->formatBox->count(), static_cast<int>(panel->formats().size()));
  EXPECT_EQ(form.tabScrollArea(MainWindow::kCenterTab), form.centerView()->scrollArea());
  EXPECT_EQ(form.tabScrollArea(MainWindow::kPrintTab), form.sheetPreview()->scrollArea());
}

TEST(MainFormPaperTest, TheTabsFollowThePartAndPrintAllPartsOrOtherPartsAtChosenPositions) {
  ScriptedDialogs dialogs;
  ScopedDialogs scoped{dialogs};
  TempDir dir;
  MainWindow form(false);
  PaperFormatPanel& paper = *form.paperPanel();
  ASSERT_GE(paper.formats().size(), 3u);
  const auto Solid = [](Document& doc, uint32_t rgb) {
    SetSamplePage(doc);
    Dib dib;
    NewDib(dib, 40, 40, 24, nullptr, 0);
    for (int y = 0; y < 40; ++y)
      for (int x = 0; x < 40; ++x) SetDibPixel(dib, x, y, rgb);
    doc.replacePicture(dib);
  };
  // A red front on a sheet of two positions, a blue disc on a sheet of one.
  Document design, disc;
  Solid(design, 0xFF0000);
  Solid(disc, 0x0000FF);
  design.parts.list[0].name = "Front";
  design.parts.list[0].format = paper.formats()[2];
  std::string error;
  ASSERT_TRUE(AddPart(design, DesignPart{"Disc", paper.formats()[0], CoverFileBytes(disc)}, error));
  ASSERT_TRUE(SaveFile(design, dir.file("d.cov")));
  ASSERT_TRUE(form.openCoverFile(dir.file("d.cov")));

  // The Center tab shows each part's format, size and displacement; switching is no step.
  PartBar& bar = *form.partBar();
  EXPECT_EQ(paper.selectedIndex(), 2);
  bar.setCurrentIndex(1);
  EXPECT_EQ(paper.selectedIndex(), 0);
  paper.sizeEdit->setValue(80);
  paper.formatBox->setCurrentIndex(1);
  bar.setCurrentIndex(0);
  EXPECT_EQ(paper.selectedIndex(), 2);
  EXPECT_EQ(paper.sizeEdit->value(), 100);
  bar.setCurrentIndex(1);
  EXPECT_EQ(paper.selectedIndex(), 1);
  EXPECT_EQ(paper.sizeEdit->value(), 80);
  EXPECT_EQ(form.doc().parts.list[1].format, paper.formats()[1]);
  EXPECT_FALSE(form.doc().history.canUndo());
  paper.formatBox->setCurrentIndex(0);
  paper.sizeEdit->setValue(100);
  bar.setCurrentIndex(0);

  // The ink in the middle of each position of a page (the disc's blue is dark).
  const auto Middles = [](const QImage& page, const PaperFormat& f) {
    std::vector<Ink> inks;
    for (int k = 0; k < f.columns * f.rows; ++k) {
      const QColor c =
          page.pixelColor(int((f.leftMargin + k % f.columns * f.stepAcross + f.width / 2) * kPx),
                          int((f.topMargin + k / f.columns * f.stepDown + f.height / 2) * kPx));
      inks.push_back(c == Qt::white ? White : c.red() > 200 && c.blue() < 80 ? Red : Dark);
    }
    return inks;
  };
  PrintPanel& print = *form.printPanel();
  const std::string pdf = dir.file("out.pdf");
  print.setPrintTarget([&](std::string& target) {
    target = pdf;
    return true;
  });
  // "Print all parts": 3 fronts on 2 sheets of two, then 3 discs on sheets of their own.
  EXPECT_FALSE(print.allPartsButton->isHidden());
  print.copiesEdit->setValue(3);
  print.allPartsButton->click();
  auto pages = Rasterise(pdf, int(kRasterDpi), dir, "all");
  ASSERT_EQ(pages.size(), 5u);
  const std::vector<std::vector<Ink>> kAll = {{Red, Red}, {Red, White}, {Dark}, {Dark}, {Dark}};
  for (size_t i = 0; i < pages.size(); ++i)
    EXPECT_EQ(Middles(pages[i], i < 2 ? paper.formats()[2] : paper.formats()[0]), kAll[i]) << i;

  // A right click on the second position chooses the disc there: the preview shows it, "Print"
  // prints it; choosing the front again clears the choice.
  const auto Choose = [&](int32_t k, const QString& part) {
    std::unique_ptr<QMenu> menu(form.sheetPreview()->partMenu(k));
    ASSERT_NE(menu, nullptr);
    for (QAction* a : menu->actions())
      if (a->text() == part) a->trigger();
  };
  Choose(1, "Disc");
  EXPECT_EQ(PartsAtPositions(form.doc().parts, 2), (std::vector<size_t>{0, 1}));
  print.copiesEdit->setValue(2);
  SheetPreview& preview = *form.sheetPreview();
  preview.paintPreview();
  const QImage shown = preview.grab().toImage();
  std::map<int, QColor> seen;  // a point well inside each position
  for (int y = 0; y < shown.height(); y += 8)
    for (int x = 0; x < shown.width(); x += 8)
      if (const int k = preview.positionAt({x, y}); k >= 0 && !seen.count(k))
        seen[k] = shown.pixelColor(x + 20, y + 20);
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[0], QColor(Qt::red));
  EXPECT_EQ(seen[1], QColor(Qt::blue));
  print.printCovers();
  pages = Rasterise(pdf, int(kRasterDpi), dir, "placed");
  ASSERT_EQ(pages.size(), 1u);
  EXPECT_EQ(Middles(pages[0], paper.formats()[2]), (std::vector<Ink>{Red, Dark}));
  Choose(1, "Front");
  EXPECT_TRUE(form.doc().parts.placed.empty());
  EXPECT_TRUE(dialogs.messages().empty());
}
