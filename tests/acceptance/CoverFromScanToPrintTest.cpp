// A whole cover made through the real window, as a person makes it: scan, retouch, texts,
// centre, print, save, and the same print again from the saved design.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>

#include "app/views/MainWindow.h"
#include "cover/views/PropertyPages.h"
#include "cover/views/TextEntryDialog.h"
#include "cover/views/TextsToolBar.h"
#include "cover/views/TextsView.h"
#include "platform/dialogs/ScriptedDialogs.h"
#include "platform/scanner/views/ScannerDialog.h"
#include "platform/scanner/views/ScannerUi.h"
#include "platform/views/ImageButton.h"
#include "print/views/PaperFormatDialog.h"
#include "print/views/PaperFormatPanel.h"
#include "print/views/PrintPanel.h"
#include "print/views/SheetPreview.h"
#include "retouch/views/RetouchView.h"
#include "tests/acceptance/WindowDriver.h"
#include "tests/support/SaneTestBackend.h"
#include "tests/support/TestFiles.h"

namespace {
constexpr int kRasterDpi = 50;

std::vector<uint8_t> Pixels(const Dib& d) {
  return std::vector<uint8_t>(d.Bits, d.Bits + d.Info->bmiHeader.biSizeImage);
}

constexpr uint32_t kTextColor = 0x0080FF;  // orange (0x00BBGGRR)

// Chooses a tool and clicks on the Texts view.
void PlaceWith(TextsView& v, Tool tool, QPoint at) {
  QTest::mouseClick(v.toolBar->buttons[size_t(tool)], Qt::LeftButton);
  QTest::mouseClick(v.paintBox, Qt::LeftButton, {}, at);
  QApplication::processEvents();
}

void DragOn(TextsView& v, QPoint from, QPoint to) {
  QTest::mousePress(v.paintBox, Qt::LeftButton, {}, from);
  QTest::mouseMove(v.paintBox, (from + to) / 2);
  QTest::mouseMove(v.paintBox, to);
  QTest::mouseRelease(v.paintBox, Qt::LeftButton, {}, to);
  QApplication::processEvents();
}

QPoint BottomRight(const CoverObject& o) {
  return QPoint(o.Left() + o.Width(), o.Top() + o.Height());
}

bool Orange(QRgb c) {
  return qRed(c) > 200 && qGreen(c) > 70 && qGreen(c) < 190 && qBlue(c) < 90;
}

// The text's colour shows inside the text box of the element at (row, col), hardly elsewhere.
::testing::AssertionResult TextColourInItsBox(const QImage& page, const PaperFormat& f,
                                              const Document& doc, int row, int col) {
  const double mm = kRasterDpi / 25.39995;
  const double coverW = f.width * mm * 0.9;
  const double x0 = (f.leftMargin + col * f.stepAcross) * mm + 0.05 * kRasterDpi;
  const double y0 = (f.topMargin + row * f.stepDown) * mm + 0.05 * kRasterDpi;
  const double perUnit = coverW / (DibWidth(doc.picture) * doc.scales.BaseScale);
  const CoverObject& t = doc.objects[1];
  const QRectF box(x0 + t.X * perUnit, y0 + t.Y * perUnit, t.W * perUnit, t.H * perUnit);
  const QRectF cover(x0, y0, coverW, coverW * DibHeight(doc.picture) / DibWidth(doc.picture));
  int inside = 0, outside = 0;
  for (int y = int(cover.top()); y < int(cover.bottom()); ++y)
    for (int x = int(cover.left()); x < int(cover.right()); ++x)
      if (Orange(page.pixel(x, y)))
        (box.adjusted(-2, -2, 2, 2).contains(x, y) ? inside : outside)++;
  // Scaling the page down blends neighbouring colours of the picture into a few similar pixels.
  if (inside >= 50 && outside * 20 <= inside) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure()
         << inside << " text pixels inside the box, " << outside << " outside";
}

QAction* MenuItem(QMenu* menu, const char* caption) {
  for (QAction* a : menu->actions())
    if (a->text() == QLatin1String(caption)) return a;
  ADD_FAILURE() << "no menu item " << caption;
  static QAction none;
  return &none;
}

class CoverFromScanToPrint : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteSaneTestConfig();
    UseScannerSettingsFile(dir.file("scanner.dat"));
  }

  // "Select the scanner": the test scanner, 100 dpi, colour, an area of 60 x 60 mm.
  void ChooseScanner(MainWindow& form) {
    WhenDialogOpens<ScannerDialog>([](ScannerDialog& d) {
      QListWidget* list = d.deviceList();
      for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->data(Qt::UserRole).toString().startsWith("test:0") ||
            list->item(i)->text().startsWith("test:0"))
          list->setCurrentRow(i);
      if (list->currentRow() < 0) list->setCurrentRow(0);
      d.resolutionEdit()->setValue(100);
      d.areaEdit(0)->setValue(0);
      d.areaEdit(1)->setValue(0);
      d.areaEdit(2)->setValue(60);
      d.areaEdit(3)->setValue(60);
      d.buttons()->button(QDialogButtonBox::Ok)->click();
    });
    ClickImageButton(form.selectScannerButton());
  }

  void Scan(MainWindow& form) {
    ClickImageButton(form.scanButton());
    for (int i = 0; i < 1000 && (scanner::scanRunning() || form.cancelScanButton()->isEnabled());
         ++i)
      QTest::qWait(10);
    QApplication::processEvents();
  }

  // "New" paper format (lengths in inch): two 2.4-inch squares across, three down, on A4.
  void AddPaperFormat(MainWindow& form) {
    WhenDialogOpens<PaperFormatDialog>([](PaperFormatDialog& d) {
      d.nameEdit->setText("Test labels 2 x 3");
      d.leftMarginEdit->setValue(0.8);
      d.topMarginEdit->setValue(1.0);
      d.widthEdit->setValue(2.4);
      d.heightEdit->setValue(2.4);
      d.spaceAcrossEdit->setValue(0.4);
      d.spaceDownEdit->setValue(0.4);
      d.columnsEdit->setValue(2);
      d.rowsEdit->setValue(3);
      d.okButton->click();
    });
    form.tabs()->setCurrentIndex(MainWindow::kCenterTab);
    QTest::mouseClick(form.paperPanel()->newButton, Qt::LeftButton);
  }

  // Prints into a PDF file and rasterises it; one image a page.
  std::vector<QImage> PrintToPdf(MainWindow& form, const std::string& pdf) {
    form.printPanel()->setPrintTarget([pdf](std::string& path) {
      path = pdf;
      return true;
    });
    form.tabs()->setCurrentIndex(MainWindow::kPrintTab);
    ClickImageButton(form.printPanel()->goButton);
    return RasterisePdf(pdf, kRasterDpi);
  }

  TempDir dir;
  ScriptedDialogs dialogs;
  ScopedDialogs scoped{dialogs};
};
}  // namespace

TEST_F(CoverFromScanToPrint, ATypicalCoverComesOutTheSameAfterSavingAndOpening) {
  if (QStandardPaths::findExecutable("pdftoppm").isEmpty()) GTEST_SKIP() << "pdftoppm missing";
  MainWindow form(false);
  form.paperPanel()->loadPaperFormats(dir.file("paper.dat"), {});
  form.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));

  // Scan.
  ChooseScanner(form);
  Scan(form);
  ASSERT_EQ(DibWidth(form.doc().picture), int(60 / 25.4 * 100));
  ASSERT_EQ(DibBitCount(form.doc().picture), 24);

  // Retouch: drag a selection and crop, turn left, sharpen and keep the result.
  form.tabs()->setCurrentIndex(MainWindow::kRetouchTab);
  RetouchView& retouch = *form.retouchView();
  QApplication::processEvents();
  QTest::mousePress(retouch.paintBox(), Qt::LeftButton, {}, QPoint(20, 30));
  QTest::mouseMove(retouch.paintBox(), QPoint(120, 100));
  QTest::mouseMove(retouch.paintBox(), QPoint(200, 180));
  QTest::mouseRelease(retouch.paintBox(), Qt::LeftButton, {}, QPoint(200, 180));
  EXPECT_EQ(form.doc().selRight - form.doc().selLeft, 180);
  MenuItem(retouch.retouchMenu(), "Crop to selection")->trigger();
  ASSERT_EQ(DibWidth(form.doc().picture), 180);
  ASSERT_EQ(DibHeight(form.doc().picture), 150);
  MenuItem(retouch.retouchMenu(), "Rotate 90 degrees to the left")->trigger();
  ASSERT_EQ(DibWidth(form.doc().picture), 150);
  ASSERT_EQ(DibHeight(form.doc().picture), 180);
  const std::vector<uint8_t> turned = Pixels(form.doc().picture);
  dialogs.messageAnswers.push_back(MsgResult::Yes);  // "Is the result okay?"
  MenuItem(retouch.effectsMenu(), "Sharpen")->trigger();
  EXPECT_NE(Pixels(form.doc().picture), turned);
  ASSERT_EQ(dialogs.asked.size(), 1u);
  EXPECT_EQ(dialogs.asked[0].title, "Is the result okay?");
  dialogs.asked.clear();

  // Texts: a text of three lines in an orange font, a rectangle and a note, moved and resized.
  form.tabs()->setCurrentIndex(MainWindow::kTextsTab);
  TextsView& texts = *form.textsView();
  QApplication::processEvents();
  ObjectTable& objects = form.doc().objects;
  PlaceWith(texts, Tool::Text, QPoint(10, 10));
  ASSERT_EQ(objects.selectedSlot, 1);
  DragOn(texts, BottomRight(objects[1]), QPoint(140, 70));  // the handle: a 130 x 60 box
  WhenDialogOpens<TextEntryDialog>([](TextEntryDialog& d) {
    d.textEdit->setPlainText("Blue\nNight\nSongs");
    d.okButton->click();
  });
  QTest::mouseDClick(texts.paintBox, Qt::LeftButton, {}, QPoint(40, 30));
  QApplication::processEvents();
  EXPECT_EQ(objects[1].Text, "Blue\rNight\rSongs");
  FontSpec font;
  font.name = "Liberation Sans";
  font.size = 16;
  font.height = -21;
  font.style = 1;
  font.color = kTextColor;
  dialogs.fontAnswers.push_back(font);
  QTest::mouseClick(texts.propertyPages->fontButton, Qt::LeftButton);
  EXPECT_EQ(objects[1].Color, kTextColor);
  EXPECT_EQ(objects[1].FontName, "Liberation Sans");

  PlaceWith(texts, Tool::Object, QPoint(20, 90));
  ASSERT_EQ(objects.selectedSlot, 2);
  EXPECT_EQ(objects[2].SubKind, 3);                 // a rectangle
  DragOn(texts, QPoint(45, 115), QPoint(35, 100));  // moved by the body
  DragOn(texts, BottomRight(objects[2]), QPoint(100, 140));
  PlaceWith(texts, Tool::Note, QPoint(110, 95));
  ASSERT_EQ(objects.selectedSlot, 3);
  DragOn(texts, BottomRight(objects[3]), QPoint(145, 125));
  EXPECT_EQ(objects.occupiedCount(), 3);
  EXPECT_EQ(objects[3].Kind, kText);
  EXPECT_EQ(objects[3].SubKind, 1);
  EXPECT_NEAR(objects[2].Left(), 10, 3);  // positions are kept in document units, shown truncated
  EXPECT_NEAR(objects[2].Top(), 75, 3);
  EXPECT_NEAR(objects[2].Width(), 90, 2);
  EXPECT_TRUE(dialogs.messages().empty());

  // Center: a new paper format, the cover at 90 % shifted a little.
  AddPaperFormat(form);
  ASSERT_NE(form.paperPanel()->selectedFormat(), nullptr);
  EXPECT_EQ(form.paperPanel()->selectedFormat()->name, "Test labels 2 x 3");
  form.paperPanel()->sizeEdit->setValue(90);
  form.paperPanel()->leftEdit->setValue(0.05);
  form.paperPanel()->topEdit->setValue(0.05);

  // Print: 8 copies with 2 positions used take two sheets; look at both preview pages.
  PrintPanel& panel = *form.printPanel();
  form.tabs()->setCurrentIndex(MainWindow::kPrintTab);
  panel.copiesEdit->setValue(8);
  panel.usedEdit->setValue(2);
  for (int page : {1, 2}) {
    panel.pageEdit->setValue(page);
    QApplication::processEvents();
    EXPECT_GT(form.sheetPreview()->drawnElements(), 0) << page;
  }
  const std::vector<QImage> first = PrintToPdf(form, dir.file("first.pdf"));
  const PaperFormat& fmt = *form.paperPanel()->selectedFormat();
  ASSERT_EQ(first.size(), 2u) << fmt.columns << "x" << fmt.rows << " step " << fmt.stepAcross << ","
                              << fmt.stepDown << " copies " << panel.copiesEdit->value() << " used "
                              << panel.usedEdit->value();
  EXPECT_TRUE(ElementsAtLayoutPositions(first, *form.paperPanel()->selectedFormat(), 2, 8,
                                        kRasterDpi, 90, 0.05));
  EXPECT_TRUE(TextColourInItsBox(first[0], fmt, form.doc(), 1, 0));

  // Save, start anew, open again, print again: the same pages.
  dialogs.fileAnswers.push_back(FileAnswer{dir.file("design.cov"), 1});
  QTest::mouseClick(form.documentButton(3), Qt::LeftButton);
  const std::vector<uint8_t> picture = Pixels(form.doc().picture);
  dialogs.messageAnswers.push_back(MsgResult::Ok);
  QTest::mouseClick(form.documentButton(0), Qt::LeftButton);
  ASSERT_EQ(DibWidth(form.doc().picture), 320);
  dialogs.messageAnswers.push_back(MsgResult::Ok);
  dialogs.fileAnswers.push_back(FileAnswer{dir.file("design.cov"), 1});
  QTest::mouseClick(form.documentButton(1), Qt::LeftButton);
  ASSERT_EQ(DibWidth(form.doc().picture), 150);
  EXPECT_EQ(Pixels(form.doc().picture), picture);
  const std::vector<QImage> second = PrintToPdf(form, dir.file("second.pdf"));
  ASSERT_EQ(second.size(), first.size());
  for (size_t i = 0; i < first.size(); ++i) EXPECT_EQ(second[i], first[i]) << "page " << i + 1;
  // Only the questions of New and Open were asked: no error on the way.
  const std::vector<std::string> asked = dialogs.messages();
  ASSERT_EQ(asked.size(), 2u) << (asked.empty() ? "" : asked.back());
  EXPECT_EQ(asked[0], asked[1]);
}
