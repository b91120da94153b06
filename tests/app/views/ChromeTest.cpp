#include <gtest/gtest.h>

#include <QDate>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "app/views/AboutBox.h"
#include "app/views/MainWindow.h"
#include "platform/dialogs/ScriptedDialogs.h"
#include "platform/views/ImageButton.h"
#include "platform/views/Resources.h"
#include "platform/views/WebPage.h"

TEST(AboutBox, ShowsTheYearAndOpensTheWebPage) {
  QUrl opened;
  SetWebOpener([&](const QUrl& url) { opened = url; });
  AboutBox box(nullptr);
  EXPECT_EQ(box.windowTitle(), "Info");
  EXPECT_EQ(box.size(), QSize(664, 453));
  const QString text = box.copyrightLabel()->text();
  EXPECT_FALSE(text.contains("XXXX"));
  EXPECT_TRUE(text.contains(QString::number(QDate::currentDate().year())));
  QTest::mouseClick(box.webButton(), Qt::LeftButton);
  EXPECT_EQ(opened, kMakerWebPage);
  SetWebOpener({});
}

TEST(MainChrome, WebButtonShowsTheAddressAndAboutOpensReleased) {
  ScriptedDialogs dialogs;
  ScopedDialogs scoped(dialogs);
  QUrl opened;
  SetWebOpener([&](const QUrl& url) { opened = url; });
  MainWindow form(false);
  form.show();
  EXPECT_TRUE(kMakerWebPage.host().endsWith(".example"));
  EXPECT_TRUE(form.webButton()->text().contains("taviron.example"));
  EXPECT_EQ(form.webButton()->toolTip(), "Go to the TAVIRON website...");
  QTest::mouseClick(form.webButton(), Qt::LeftButton);
  EXPECT_EQ(opened, kMakerWebPage);
  SetWebOpener({});

  bool sawReleased = false;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<AboutBox*>(QApplication::activeModalWidget());
    sawReleased =
        box && !form.aboutButton()->showsPressedPicture() && !form.aboutButton()->isPressed();
    if (box) box->okButton()->click();
  });
  QTest::mousePress(form.aboutButton(), Qt::LeftButton, {}, QPoint(10, 10));
  QTest::mouseRelease(form.aboutButton(), Qt::LeftButton, {}, QPoint(10, 10));
  EXPECT_TRUE(sawReleased);
  for (int i = 0; i < form.tabs()->count(); ++i) EXPECT_FALSE(form.tabs()->tabIcon(i).isNull());
}

TEST(MainChrome, ButtonPicturesAreSharpAtDoubleScale) {
  InitQuendrixResources();
  const QPixmap pm = ButtonPicture({101, 30}, "Quit", Qt::red, false, ":/quendrix/glyph-quit.svg");
  EXPECT_EQ(pm.size(), QSize(202, 60));
  EXPECT_EQ(pm.deviceIndependentSize().toSize(), QSize(101, 30));
}
