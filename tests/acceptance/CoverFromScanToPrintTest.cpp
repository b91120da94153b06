// A whole cover made through the real window, as a person makes it: scan, retouch, texts,
// centre, print, save, and the same print again from the saved design.
#include <QApplication>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

#include "app/views/MainForm.h"
#include "platform/ScriptedDialogs.h"
#include "platform/views/ImageButton.h"
#include "platform/views/ScannerDialog.h"
#include "platform/views/ScannerUi.h"
#include "print/views/NewETypForm.h"
#include "print/views/PaperFormatPanel.h"
#include "print/views/PrintPanel.h"
#include "print/views/SheetPreview.h"
#include "retouch/views/RetouchView.h"
#include "tests/acceptance/WindowDriver.h"
#include "tests/support/SaneTestBackend.h"
#include "tests/support/TestFiles.h"

namespace {
constexpr int kRasterDpi = 50;

std::vector<uint8_t> Pixels(const TDib& d) {
  return std::vector<uint8_t>(d.Bits, d.Bits + d.Info->bmiHeader.biSizeImage);
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
  void ChooseScanner(TMainForm& form) {
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

  void Scan(TMainForm& form) {
    ClickImageButton(form.scanButton());
    for (int i = 0; i < 1000 && (TWAIN_ScanRunning() || form.cancelScanButton()->isEnabled()); ++i)
      QTest::qWait(10);
    QApplication::processEvents();
  }

  // "New" paper format (lengths in inch): two 2.4-inch squares across, three down, on A4.
  void AddPaperFormat(TMainForm& form) {
    WhenDialogOpens<TNewETypForm>([](TNewETypForm& d) {
      d.NameED->setText("Test labels 2 x 3");
      d.RLED->setValue(0.8);
      d.ROED->setValue(1.0);
      d.BrED->setValue(2.4);
      d.HoED->setValue(2.4);
      d.AHED->setValue(0.4);
      d.AVED->setValue(0.4);
      d.AnzHED->setValue(2);
      d.AnzVED->setValue(3);
      d.OkBitBtn1->click();
    });
    form.tabs()->setCurrentIndex(TMainForm::kCenterTab);
    QTest::mouseClick(form.paperPanel()->NewBtn, Qt::LeftButton);
  }

  // Prints into a PDF file and rasterises it; one image a page.
  std::vector<QImage> PrintToPdf(TMainForm& form, const std::string& pdf) {
    form.printPanel()->setPrintTarget([pdf](std::string& path) {
      path = pdf;
      return true;
    });
    form.tabs()->setCurrentIndex(TMainForm::kPrintTab);
    ClickImageButton(form.printPanel()->GoBtn1);
    return RasterisePdf(pdf, kRasterDpi);
  }

  TempDir dir;
  ScriptedDialogs dialogs;
  ScopedDialogs scoped{dialogs};
};
}  // namespace

TEST_F(CoverFromScanToPrint, ATypicalCoverComesOutTheSameAfterSavingAndOpening) {
  if (QStandardPaths::findExecutable("pdftoppm").isEmpty()) GTEST_SKIP() << "pdftoppm missing";
  TMainForm form(false);
  form.paperPanel()->LoadEttTypes(dir.file("paper.dat"), {});
  form.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));

  // Scan.
  ChooseScanner(form);
  Scan(form);
  ASSERT_EQ(DibWidth(form.doc().Dib), int(60 / 25.4 * 100));
  ASSERT_EQ(DibBitCount(form.doc().Dib), 24);

  // Retouch: drag a selection and crop, turn left, sharpen and keep the result.
  form.tabs()->setCurrentIndex(TMainForm::kRetouchTab);
  RetouchView& retouch = *form.retouchView();
  QApplication::processEvents();
  QTest::mousePress(retouch.paintBox(), Qt::LeftButton, {}, QPoint(20, 30));
  QTest::mouseMove(retouch.paintBox(), QPoint(120, 100));
  QTest::mouseMove(retouch.paintBox(), QPoint(200, 180));
  QTest::mouseRelease(retouch.paintBox(), Qt::LeftButton, {}, QPoint(200, 180));
  EXPECT_EQ(form.doc().SelRight - form.doc().SelLeft, 180);
  MenuItem(retouch.RetuschePopup(), "Crop to selection")->trigger();
  ASSERT_EQ(DibWidth(form.doc().Dib), 180);
  ASSERT_EQ(DibHeight(form.doc().Dib), 150);
  MenuItem(retouch.RetuschePopup(), "Rotate 90 degrees to the left")->trigger();
  ASSERT_EQ(DibWidth(form.doc().Dib), 150);
  ASSERT_EQ(DibHeight(form.doc().Dib), 180);
  const std::vector<uint8_t> turned = Pixels(form.doc().Dib);
  dialogs.messageAnswers.push_back(MsgResult::Yes);  // "Is the result okay?"
  MenuItem(retouch.EffektPopup(), "Sharpen")->trigger();
  EXPECT_NE(Pixels(form.doc().Dib), turned);
  ASSERT_EQ(dialogs.asked.size(), 1u);
  EXPECT_EQ(dialogs.asked[0].title, "Is the result okay?");
  dialogs.asked.clear();

  // Center: a new paper format, the cover at 90 % shifted a little.
  AddPaperFormat(form);
  ASSERT_NE(form.paperPanel()->selectedFormat(), nullptr);
  EXPECT_EQ(form.paperPanel()->selectedFormat()->Name, "Test labels 2 x 3");
  form.paperPanel()->BreitEd->setValue(90);
  form.paperPanel()->LinksEdin->setValue(0.05);
  form.paperPanel()->ObenEdin->setValue(0.05);

  // Print: 8 copies with 2 positions used take two sheets; look at both preview pages.
  PrintPanel& panel = *form.printPanel();
  form.tabs()->setCurrentIndex(TMainForm::kPrintTab);
  panel.KopiesED->setValue(8);
  panel.UsedED->setValue(2);
  for (int page : {1, 2}) {
    panel.PageEd->setValue(page);
    QApplication::processEvents();
    EXPECT_GT(form.sheetPreview()->drawnElements(), 0) << page;
  }
  const std::vector<QImage> first = PrintToPdf(form, dir.file("first.pdf"));
  const TEttType& fmt = *form.paperPanel()->selectedFormat();
  ASSERT_EQ(first.size(), 2u) << fmt.AnzH << "x" << fmt.AnzV << " step " << fmt.SchrittH << ","
                              << fmt.SchrittV << " copies " << panel.KopiesED->value() << " used "
                              << panel.UsedED->value();
  EXPECT_TRUE(ElementsAtLayoutPositions(first, *form.paperPanel()->selectedFormat(), 2, 8, kRasterDpi, 90, 0.05));

  // Save, start anew, open again, print again: the same pages.
  dialogs.fileAnswers.push_back(FileAnswer{dir.file("design.cov"), 1});
  QTest::mouseClick(form.documentButton(3), Qt::LeftButton);
  const std::vector<uint8_t> picture = Pixels(form.doc().Dib);
  dialogs.messageAnswers.push_back(MsgResult::Ok);
  QTest::mouseClick(form.documentButton(0), Qt::LeftButton);
  ASSERT_EQ(DibWidth(form.doc().Dib), 320);
  dialogs.messageAnswers.push_back(MsgResult::Ok);
  dialogs.fileAnswers.push_back(FileAnswer{dir.file("design.cov"), 1});
  QTest::mouseClick(form.documentButton(1), Qt::LeftButton);
  ASSERT_EQ(DibWidth(form.doc().Dib), 150);
  EXPECT_EQ(Pixels(form.doc().Dib), picture);
  const std::vector<QImage> second = PrintToPdf(form, dir.file("second.pdf"));
  ASSERT_EQ(second.size(), first.size());
  for (size_t i = 0; i < first.size(); ++i) EXPECT_EQ(second[i], first[i]) << "page " << i + 1;
  // Only the questions of New and Open were asked: no error on the way.
  const std::vector<std::string> asked = dialogs.messages();
  ASSERT_EQ(asked.size(), 2u) << (asked.empty() ? "" : asked.back());
  EXPECT_EQ(asked[0], asked[1]);
}
