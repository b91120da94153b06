#include <gtest/gtest.h>

#include <QCheckBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

#include "cover/text/TextLines.h"
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
  EXPECT_EQ(d.textEntryDialog.windowTitle(), "Enter texts...");
  EXPECT_EQ(d.textEntryDialog.size(), QSize(417, 240));
  QTimer::singleShot(0, &d.textEntryDialog, [&] {
    EXPECT_EQ(d.textEntryDialog.textEdit->toPlainText(), "first\nsecond");
    d.textEntryDialog.textEdit->clear();
    QTest::keyClicks(d.textEntryDialog.textEdit, "a");
    QTest::keyClick(d.textEntryDialog.textEdit, Qt::Key_Return);
    QTest::keyClicks(d.textEntryDialog.textEdit, "b & c");
    QTest::keyClick(d.textEntryDialog.textEdit, Qt::Key_Return);
    d.textEntryDialog.textEdit->insertPlainText(QString::fromUtf8("\xc3\xa9"));  // e acute
    QTest::mouseClick(d.textEntryDialog.okButton, Qt::LeftButton);
  });
  const auto lines = d.enterTexts(Lines{"first", "second"});
  ASSERT_TRUE(lines.has_value());
  EXPECT_EQ(*lines, (Lines{"a", "b & c", "\xe9"}));
}

TEST(TxtFormTest, EmptyFieldGivesNoLinesAndCancelGivesNothing) {
  QtCoverDialogs d;
  ClickWhenShown(d.textEntryDialog.okButton);
  EXPECT_EQ(d.enterTexts(Lines{}), std::optional<Lines>(Lines{}));
  ClickWhenShown(d.textEntryDialog.cancelButton);
  EXPECT_FALSE(d.enterTexts(Lines{"x"}).has_value());
}

TEST(TxtFormTest, TrailingLineBreaksAddNoLinesAndOkStopsAtTheTextLimit) {
  ScriptedDialogs dialogs;
  ScopedDialogs scoped{dialogs};
  TextEntryDialog form;
  form.show();
  QTest::keyClicks(form.textEdit, "a");
  QTest::keyClick(form.textEdit, Qt::Key_Return);
  EXPECT_EQ(form.lines(), Lines{"a"});
  QTest::keyClick(form.textEdit, Qt::Key_Return);
  form.textEdit->insertPlainText(QString(QChar(0)) + "b");
  EXPECT_EQ(form.lines(), (Lines{"a", "", "b"}));

  // 65535 characters and one line break are the most a text holds; the trailing break is free.
  const QString longest = QString(32767, 'x') + "\n" + QString(32768, 'y');
  for (const QString& text : {longest + "\n", longest + "y"}) {
    form.show();
    form.textEdit->setPlainText(text);
    QTest::mouseClick(form.okButton, Qt::LeftButton);
  }
  EXPECT_EQ(form.result(), QDialog::Accepted);
  EXPECT_TRUE(form.isVisible());  // the second stays open with its text to be shortened
  EXPECT_EQ(form.textEdit->toPlainText(), longest + "y");
  EXPECT_EQ(dialogs.messages(), std::vector<std::string>{kTextTooLongMessage});
}

TEST(TxtFormTest, TheFieldTakesTheFocusWhenShown) {
  TextEntryDialog form;
  form.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  EXPECT_TRUE(form.textEdit->hasFocus());
}

TEST(TextEffectsDialogTest, LoadsAndStoresEveryControl) {
  QtCoverDialogs d;
  TextEffectsDialog& f = d.textEffectsDialog;
  EXPECT_EQ(f.windowTitle(), "Effects");
  QTimer::singleShot(0, &f, [&] {
    EXPECT_FALSE(f.borderCheck->isChecked());
    EXPECT_EQ(f.shadowDxEdit->value(), 5);
    EXPECT_EQ(f.shadowDyEdit->value(), 5);
    QTest::mouseClick(f.borderCheck, Qt::LeftButton);
    f.shadowDxEdit->setValue(-40);
    f.shadowDyEdit->setValue(100000);
    QTest::mouseClick(f.okButton, Qt::LeftButton);
  });
  const auto e = d.textEffects(TextEffects{});
  ASSERT_TRUE(e.has_value());
  EXPECT_TRUE(e->border);
  EXPECT_FALSE(e->shadow);
  EXPECT_EQ(e->shadowDX, -40);
  EXPECT_EQ(e->shadowDY, 100000);
}

TEST(TextEffectsDialogTest, ColourButtonsPresetAndKeepTheirOwnColours) {
  ScriptedDialogs scripted;
  ScopedDialogs scope(scripted);
  TextEffectsDialog f;
  f.load(TextEffects{true, true, 0x112233, 0x445566, 1, 2});
  scripted.colorAnswers = {0x0000FF, std::nullopt};
  QTest::mouseClick(f.borderColorButton, Qt::LeftButton);
  EXPECT_EQ(scripted.lastColorInitial, 0x112233u);
  QTest::mouseClick(f.shadowColorButton, Qt::LeftButton);
  EXPECT_EQ(scripted.lastColorInitial, 0x445566u);
  EXPECT_EQ(f.effects(), (TextEffects{true, true, 0x0000FF, 0x445566, 1, 2}));
}

TEST(TextEffectsDialogTest, CancelDropsColoursPickedMeanwhile) {
  ScriptedDialogs scripted;
  ScopedDialogs scope(scripted);
  QtCoverDialogs d;
  scripted.colorAnswers = {0x0000FF};
  QTimer::singleShot(0, &d.textEffectsDialog, [&] {
    QTest::mouseClick(d.textEffectsDialog.borderColorButton, Qt::LeftButton);
    QTest::mouseClick(d.textEffectsDialog.cancelButton, Qt::LeftButton);
  });
  EXPECT_FALSE(d.textEffects(TextEffects{}).has_value());
  ClickWhenShown(d.textEffectsDialog.okButton);
  EXPECT_EQ(d.textEffects(TextEffects{})->borderColor, 0u);
}
}  // namespace
