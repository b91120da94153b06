#include <QCheckBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "cover/views/QtCoverDialogs.h"
#include "platform/dialogs/ScriptedDialogs.h"

namespace {
using Lines = std::vector<std::string>;

// Clicks `button` as soon as the modal dialog runs.
void ClickWhenShown(QPushButton* button) {
  QTimer::singleShot(0, button, [button] { QTest::mouseClick(button, Qt::LeftButton); });
}

TEST(TxtFormTest, ShowsOneLinePerCarriageReturnAndReturnsTypedLines) {
  QtCoverDialogs d;
  EXPECT_EQ(d.TxtForm.windowTitle(), "Enter texts...");
  EXPECT_EQ(d.TxtForm.size(), QSize(417, 240));
  QTimer::singleShot(0, &d.TxtForm, [&] {
    EXPECT_EQ(d.TxtForm.Memo1->toPlainText(), "first\nsecond");
    d.TxtForm.Memo1->clear();
    QTest::keyClicks(d.TxtForm.Memo1, "a");
    QTest::keyClick(d.TxtForm.Memo1, Qt::Key_Return);
    QTest::keyClicks(d.TxtForm.Memo1, "b & c");
    QTest::keyClick(d.TxtForm.Memo1, Qt::Key_Return);
    d.TxtForm.Memo1->insertPlainText(QString::fromUtf8("\xc3\xa9"));  // e acute
    QTest::mouseClick(d.TxtForm.okButton, Qt::LeftButton);
  });
  const auto lines = d.enterTexts(Lines{"first", "second"});
  ASSERT_TRUE(lines.has_value());
  EXPECT_EQ(*lines, (Lines{"a", "b & c", "\xe9"}));
}

TEST(TxtFormTest, EmptyFieldGivesNoLinesAndCancelGivesNothing) {
  QtCoverDialogs d;
  ClickWhenShown(d.TxtForm.okButton);
  EXPECT_EQ(d.enterTexts(Lines{}), std::optional<Lines>(Lines{}));
  ClickWhenShown(d.TxtForm.cancelButton);
  EXPECT_FALSE(d.enterTexts(Lines{"x"}).has_value());
}

TEST(TxtFormTest, TheFieldTakesTheFocusWhenShown) {
  TTxtForm form;
  form.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  EXPECT_TRUE(form.Memo1->hasFocus());
}

TEST(EffektFormTest, LoadsAndStoresEveryControl) {
  QtCoverDialogs d;
  TEffektForm& f = d.EffektForm;
  EXPECT_EQ(f.windowTitle(), "Effects");
  QTimer::singleShot(0, &f, [&] {
    EXPECT_FALSE(f.UmrCheck->isChecked());
    EXPECT_EQ(f.SchattED1->value(), 5);
    EXPECT_EQ(f.SchattEd2->value(), 5);
    QTest::mouseClick(f.UmrCheck, Qt::LeftButton);
    f.SchattED1->setValue(-40);
    f.SchattEd2->setValue(100000);
    QTest::mouseClick(f.okButton, Qt::LeftButton);
  });
  const auto e = d.textEffects(TextEffects{});
  ASSERT_TRUE(e.has_value());
  EXPECT_TRUE(e->border);
  EXPECT_FALSE(e->shadow);
  EXPECT_EQ(e->shadowDX, -40);
  EXPECT_EQ(e->shadowDY, 100000);
}

TEST(EffektFormTest, ColourButtonsPresetAndKeepTheirOwnColours) {
  ScriptedDialogs scripted;
  ScopedDialogs scope(scripted);
  TEffektForm f;
  f.load(TextEffects{true, true, 0x112233, 0x445566, 1, 2});
  scripted.colorAnswers = {0x0000FF, std::nullopt};
  QTest::mouseClick(f.borderColorButton, Qt::LeftButton);
  EXPECT_EQ(scripted.lastColorInitial, 0x112233u);
  QTest::mouseClick(f.shadowColorButton, Qt::LeftButton);
  EXPECT_EQ(scripted.lastColorInitial, 0x445566u);
  EXPECT_EQ(f.effects(), (TextEffects{true, true, 0x0000FF, 0x445566, 1, 2}));
}

TEST(EffektFormTest, CancelDropsColoursPickedMeanwhile) {
  ScriptedDialogs scripted;
  ScopedDialogs scope(scripted);
  QtCoverDialogs d;
  scripted.colorAnswers = {0x0000FF};
  QTimer::singleShot(0, &d.EffektForm, [&] {
    QTest::mouseClick(d.EffektForm.borderColorButton, Qt::LeftButton);
    QTest::mouseClick(d.EffektForm.cancelButton, Qt::LeftButton);
  });
  EXPECT_FALSE(d.textEffects(TextEffects{}).has_value());
  ClickWhenShown(d.EffektForm.okButton);
  EXPECT_EQ(d.textEffects(TextEffects{})->borderColor, 0u);
}
}  // namespace
