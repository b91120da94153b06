#pragma once
// Driving the window as a person does: buttons, modal dialogs, and reading printed PDFs back.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/views/ImageButton.h"
#include "print/PaperFormat.h"
#include "print/SheetLayout.h"

// Answers the next modal dialog of type D with `answer` as soon as it is shown.
template <typename D>
void WhenDialogOpens(std::function<void(D&)> answer, int attempts = 500) {
  auto* poll = new QTimer;
  auto tries = std::make_shared<int>(0);
  QObject::connect(poll, &QTimer::timeout, [poll, answer, tries, attempts] {
    if (auto* d = qobject_cast<D*>(QApplication::activeModalWidget())) {
      poll->stop();
      poll->deleteLater();
      answer(*d);
    } else if (++*tries > attempts) {
      poll->stop();
      poll->deleteLater();
    }
  });
  poll->start(10);
}

// Press and release over the middle of an image button.
inline void ClickImageButton(ImageButton* b) {
  const QPoint mid = b->rect().center();
  QTest::mousePress(b, Qt::LeftButton, {}, mid);
  QTest::mouseRelease(b, Qt::LeftButton, {}, mid);
}

// The pages of a PDF file as images at `dpi` (pdftoppm); empty when it cannot be read.
inline std::vector<QImage> RasterisePdf(const std::string& pdf, int dpi) {
  QTemporaryDir out;
  QProcess::execute(QStringLiteral("pdftoppm"),
                    {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-png"),
                     QString::fromStdString(pdf), out.filePath(QStringLiteral("page"))});
  std::vector<QImage> pages;
  for (const QString& name :
       QDir(out.path()).entryList({QStringLiteral("page*.png")}, QDir::Files, QDir::Name))
    pages.push_back(QImage(out.filePath(name)).convertToFormat(QImage::Format_RGB32));
  return pages;
}

inline bool NearWhite(QRgb c) {
  return qRed(c) > 235 && qGreen(c) > 235 && qBlue(c) > 235;
}

// The bounding box of the printed (non-white) pixels inside `cell`; empty when there are none.
inline QRect InkBox(const QImage& page, const QRect& cell) {
  QRect box;
  const QRect r = cell.intersected(page.rect());
  for (int y = r.top(); y <= r.bottom(); ++y)
    for (int x = r.left(); x <= r.right(); ++x)
      if (!NearWhite(page.pixel(x, y))) box |= QRect(x, y, 1, 1);
  return box;
}

// Every position of the layout that receives a copy shows the cover (at the element's corner
// shifted by `shift` inch, `percent` of the element wide) within one pixel; used positions and
// positions after the last copy stay empty. Lengths in millimetres at 25.39995 per inch.
inline ::testing::AssertionResult ElementsAtLayoutPositions(const std::vector<QImage>& pages,
                                                            const PaperFormat& f, int used,
                                                            int copies, int dpi, double percent,
                                                            double shift) {
  const double mm = dpi / 25.39995;
  const SheetLayout layout = LayoutFor(f, used, copies);
  if (int(pages.size()) != layout.pages)
    return ::testing::AssertionFailure() << pages.size() << " pages instead of " << layout.pages;
  for (int sheet = 0; sheet < layout.pages; ++sheet) {
    std::vector<bool> filled(size_t(f.columns * f.rows), false);
    for (const SheetPosition& p : layout.onSheet(sheet))
      filled[size_t(p.row * f.columns + p.col)] = true;
    for (int row = 0; row < f.rows; ++row)
      for (int col = 0; col < f.columns; ++col) {
        const double left = (f.leftMargin + col * f.stepAcross) * mm;
        const double top = (f.topMargin + row * f.stepDown) * mm;
        const QRect cell(int(left) - 2, int(top) - 2, int(f.width * mm) + 4,
                         int(f.height * mm) + 4);
        const QRect ink = InkBox(pages[size_t(sheet)], cell);
        const bool wanted = filled[size_t(row * f.columns + col)];
        if (!wanted) {
          if (!ink.isEmpty())
            return ::testing::AssertionFailure() << "sheet " << sheet + 1 << " position " << row
                                                 << "," << col << " should be empty";
          continue;
        }
        const double x0 = left + shift * dpi, y0 = top + shift * dpi;
        const double w = f.width * mm * percent / 100;
        if (ink.isEmpty() || std::abs(ink.left() - x0) > 1.5 || std::abs(ink.top() - y0) > 1.5 ||
            std::abs(ink.right() + 1 - (x0 + w)) > 1.5)
          return ::testing::AssertionFailure()
                 << "sheet " << sheet + 1 << " position " << row << "," << col << ": ink at "
                 << ink.left() << "," << ink.top() << " to " << ink.right() << ", expected " << x0
                 << "," << y0 << " to " << x0 + w;
      }
  }
  return ::testing::AssertionSuccess();
}
