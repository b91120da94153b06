#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

#include "platform/dialogs/ScriptedDialogs.h"
#include "platform/dialogs/views/FontDialog.h"
#include "platform/dialogs/views/QtDialogs.h"

namespace {
TEST(FontDialogTest, OffersOnlyScalableFamilies) {
  FontDialog d;
  ASSERT_GT(d.family->count(), 0);
  for (int i = 0; i < d.family->count(); ++i)
    EXPECT_TRUE(QFontDatabase::isScalable(d.family->itemText(i)))
        << d.family->itemText(i).toStdString();
}

TEST(FontDialogTest, PresetsAndReportsNameSizeStyleAndColour) {
  ScriptedDialogs scripted;
  ScopedDialogs scope(scripted);
  FontDialog d;
  FontSpec in;
  in.name = "Liberation Serif";
  in.size = 30;
  in.style = 1 | 8;
  in.color = 0x00FF00;
  d.load(in);
  EXPECT_EQ(d.family->currentText(), "Liberation Serif");
  EXPECT_TRUE(d.bold->isChecked());
  EXPECT_TRUE(d.strikeOut->isChecked());
  EXPECT_FALSE(d.underline->isChecked());
  scripted.colorAnswers = {0x0000FF};
  QTest::mouseClick(d.colorButton, Qt::LeftButton);
  EXPECT_EQ(scripted.lastColorInitial, 0x00FF00u);
  QTest::mouseClick(d.underline, Qt::LeftButton);
  d.size->setValue(12);
  const FontSpec out = d.font();
  EXPECT_EQ(out.name, "Liberation Serif");
  EXPECT_EQ(out.size, 12);
  EXPECT_EQ(out.height, -(12 * d.dpi() + 36) / 72);
  EXPECT_EQ(out.color, 0x0000FFu);
  EXPECT_EQ(out.style, 1 | 4 | 8);
  EXPECT_EQ(out.pitch, 1);
}

TEST(FontDialogTest, UnknownFaceIsKeptByName) {
  FontDialog d;
  FontSpec in;  // "Times New Roman" need not be installed
  d.load(in);
  EXPECT_EQ(d.font().name, "Times New Roman");
}

TEST(FontDialogTest, OkStopsAtTheLongestFontNameADesignHolds) {
  ScriptedDialogs dialogs;
  ScopedDialogs scoped{dialogs};
  FontDialog d;
  const QString longest = QString(kMaxFontNameBytes - 2, 'f') + QString::fromUtf8("\xc3\xa9");
  d.show();
  d.family->setCurrentText(longest);
  QTest::mouseClick(d.okButton, Qt::LeftButton);
  EXPECT_EQ(d.result(), QDialog::Accepted);
  EXPECT_FALSE(d.isVisible());
  EXPECT_EQ(d.font().name.size(), kMaxFontNameBytes);
  d.show();
  d.family->setCurrentText(longest + "g");
  QTest::mouseClick(d.okButton, Qt::LeftButton);
  EXPECT_TRUE(d.isVisible());
  EXPECT_EQ(dialogs.messages(), std::vector<std::string>{kFontNameTooLongMessage});
  d.family->setCurrentText(QString("Ari") + QChar(0) + "al");
  EXPECT_EQ(d.font().name, "Arial");
}

TEST(FontDialogTest, CommonDialogUsesItAndCancelGivesNothing) {
  QtDialogs qt;
  QTimer::singleShot(0, [] {
    auto* d = qobject_cast<FontDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(d, nullptr);
    d->size->setValue(20);
    QTest::mouseClick(d->okButton, Qt::LeftButton);
  });
  const auto chosen = qt.chooseFont(FontSpec{});
  ASSERT_TRUE(chosen.has_value());
  EXPECT_EQ(chosen->size, 20);
  QTimer::singleShot(0, [] {
    auto* d = qobject_cast<FontDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(d, nullptr);
    QTest::mouseClick(d->cancelButton, Qt::LeftButton);
  });
  EXPECT_FALSE(qt.chooseFont(FontSpec{}).has_value());
}
}  // namespace
