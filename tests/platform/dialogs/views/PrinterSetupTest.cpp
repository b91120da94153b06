#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTimer>

#include "platform/dialogs/views/QtDialogs.h"

// Readable failures.
void PrintTo(const PrinterChoice& c, std::ostream* os) {
  *os << c.printerName << " | " << c.paperName << " | " << c.paperKey << " | " << c.paperWidthPt
      << "x" << c.paperHeightPt << " | " << c.landscape << " " << c.resolution << " " << c.duplex
      << " " << c.paperSource << " |";
  for (const std::string& o : c.driverOptions) *os << " " << o;
}

namespace {
QPrintDialog* ShownPrintDialog() {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (auto* d = qobject_cast<QPrintDialog*>(w); d && d->isVisible()) return d;
  return nullptr;
}

// Confirms the printer dialog as soon as it shows, changing nothing; with `pageSetup`, after
// opening and confirming its page set-up, whose paper is stored in `shownPaper`.
void ConfirmPrinterDialog(bool pageSetup = false, QString* shownPaper = nullptr) {
  QTimer::singleShot(0, [=] {
    QPrintDialog* d = ShownPrintDialog();
    ASSERT_TRUE(d);
    if (pageSetup) {
      QTimer::singleShot(0, [=] {
        for (QWidget* w : QApplication::topLevelWidgets())
          if (auto* sizes = w->findChild<QComboBox*>(QStringLiteral("pageSizeCombo"));
              sizes && w->isVisible()) {
            *shownPaper = sizes->currentText();
            static_cast<QDialog*>(w)->accept();
          }
        d->accept();
      });
      d->findChild<QPushButton*>(QStringLiteral("properties"))->click();
    } else {
      d->accept();
    }
  });
}
}  // namespace

TEST(PrinterSetupTest, ConfirmingTheDialogKeepsEveryChoice) {
  QString queue;
  QPageSize letter;
  for (const QPrinterInfo& info : QPrinterInfo::availablePrinters())
    for (const QPageSize& s : info.supportedPageSizes())
      if (s.key() == QStringLiteral("Letter")) queue = info.printerName(), letter = s;
  if (queue.isEmpty()) GTEST_SKIP() << "no queue with Letter paper (scripts/cups-test-printer)";
  PrinterChoice letterChoice;
  letterChoice.printerName = queue.toStdString();
  letterChoice.paperKey = "Letter";
  letterChoice.paperName = letter.name().toStdString();
  letterChoice.landscape = true;
  PrinterChoice custom;
  custom.printerName = queue.toStdString();
  custom.paperName = "Custom";
  custom.paperWidthPt = 300;
  custom.paperHeightPt = 400;
  QtDialogs dialogs;
  const struct {
    const PrinterChoice& before;
    double widthPt;
  } cases[] = {{letterChoice, 612}, {custom, 300}};
  for (const auto& [before, widthPt] : cases) {
    SCOPED_TRACE(before.paperName);
    PrinterChoice choice = before;
    ConfirmPrinterDialog();
    ASSERT_TRUE(dialogs.printerSetup(choice));
    EXPECT_EQ(choice.printerName, before.printerName);
    EXPECT_EQ(choice.paperKey, before.paperKey);
    EXPECT_EQ(choice.landscape, before.landscape);
    EXPECT_NEAR(choice.paperWidthPt, widthPt, 1);
    EXPECT_GT(choice.resolution, 0);
    PrinterChoice again = choice;  // a round through the page set-up shows and keeps it
    QString shown;
    ConfirmPrinterDialog(true, &shown);
    ASSERT_TRUE(dialogs.printerSetup(again));
    EXPECT_EQ(shown.toStdString(), before.paperName);
    if (before.paperKey.empty()) again.paperName = choice.paperName;  // Qt names custom sizes anew
    EXPECT_EQ(again, choice);
  }
}
