#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

#include "cover/text/views/CurvedTextControls.h"
#include "cover/views/ObjectMenu.h"
#include "cover/views/PicturePage.h"
#include "cover/views/PicturePointDialog.h"
#include "cover/views/PropertyPages.h"
#include "platform/dialogs/ScriptedDialogs.h"

namespace {
// Clicks a radio button on its indicator (the middle of a wide button may miss its label).
void ClickRadio(QRadioButton* r) {
  QTest::mouseClick(r, Qt::LeftButton, {}, QPoint(6, r->height() / 2));
}

struct NoCoverDialogs : CoverDialogs {
  std::optional<std::vector<std::string>> enterTexts(const std::vector<std::string>&) override {
    return std::vector<std::string>{"a", "b", "c"};
  }
  std::optional<TextEffects> textEffects(const TextEffects&) override { return std::nullopt; }
};

class PropertyPagesTest : public ::testing::Test {
 protected:
  CoverScales scales{1000, 1000, 1.0, false, 1.0};
  ObjectTable table{scales};
  ScriptedDialogs dialogs;
  ScopedDialogs scoped{dialogs};
  NoCoverDialogs coverDialogs;
  Editor editor{table, coverDialogs};
  PropertyPages pages{editor};
  QSignalSpy spy{&pages, &PropertyPages::changed};

  int Place(Tool tool) {
    editor.tool = tool;
    editor.mouseUp(MouseButton::Left, 10, 10, ViewState{});
    pages.refresh();
    return table.selectedSlot;
  }
  bool Visible(QWidget* page) { return pages.isTabVisible(pages.indexOf(page)); }
};

TEST_F(PropertyPagesTest, OnlyThePagesOfTheSelectionAreShown) {
  pages.show();
  pages.refresh();
  EXPECT_FALSE(Visible(pages.shapePage) || Visible(pages.textPage) || Visible(pages.objectPage));
  auto* hint = pages.findChild<QWidget*>("NoSelectionHint");
  ASSERT_TRUE(hint);
  EXPECT_TRUE(hint->isVisible());
  Place(Tool::Object);
  EXPECT_FALSE(hint->isVisible());
  EXPECT_TRUE(Visible(pages.shapePage) && Visible(pages.objectPage));
  EXPECT_FALSE(Visible(pages.textPage));
  EXPECT_EQ(pages.currentWidget(), pages.shapePage);
  EXPECT_TRUE(pages.forms[3]->isChecked());
  Place(Tool::Text);
  EXPECT_TRUE(Visible(pages.textPage));
  EXPECT_FALSE(Visible(pages.shapePage));
  EXPECT_EQ(pages.currentWidget(), pages.textPage);
  EXPECT_EQ(spy.count(), 0);  // loading fires no command
}

TEST_F(PropertyPagesTest, ALineDisablesTheBorderColourAndFillButtons) {
  Place(Tool::Object);
  pages.show();
  ClickRadio(pages.forms[8]);
  EXPECT_EQ(table[1].SubKind, 8);
  EXPECT_EQ(spy.count(), 1);
  pages.refresh();
  EXPECT_FALSE(pages.borderColorButton->isEnabled());
  EXPECT_FALSE(pages.fills[2]->isEnabled());
  EXPECT_TRUE(pages.colorButton->isEnabled());
  ClickRadio(pages.forms[1]);
  pages.refresh();
  EXPECT_TRUE(pages.borderColorButton->isEnabled());
  ClickRadio(pages.fills[2]);
  EXPECT_EQ(table[1].FillOrShadow, 2);
  pages.lineWidthEdit->setValue(9);
  EXPECT_EQ(table[1].LineWidth, 9);
}

TEST_F(PropertyPagesTest, TextPageCommandsReachTheObject) {
  Place(Tool::Text);
  pages.show();
  ClickRadio(pages.aligns[2]);
  EXPECT_EQ(table[1].Align, 2);
  QTest::mouseClick(pages.rotateLeftButton, Qt::LeftButton);
  EXPECT_EQ(table[1].Rotation, 3);
  QTest::mouseClick(pages.enterTextButton, Qt::LeftButton);
  EXPECT_EQ(table[1].Text, "a\rb\rc");
  dialogs.colorAnswers = {0x0000FF};
  QTest::mouseClick(pages.textColorButton, Qt::LeftButton);
  EXPECT_EQ(table[1].Color, 0x0000FFu);
  dialogs.messageAnswers = {MsgResult::Yes};
  QTest::mouseClick(pages.deleteButton, Qt::LeftButton);
  EXPECT_EQ(table.occupiedCount(), 0);
  EXPECT_EQ(spy.count(), 5);
}

TEST_F(PropertyPagesTest, MenuFollowsTheEnablementRules) {
  ObjectMenu menu(editor);
  Place(Tool::Text);
  table[1].Align = 1;
  ASSERT_TRUE(editor.preparePopupMenu());
  menu.load();
  for (QAction* a : menu.forms) EXPECT_FALSE(a->isEnabled());
  EXPECT_TRUE(menu.fontAction->isEnabled());
  EXPECT_TRUE(menu.aligns[1]->isChecked());
  EXPECT_TRUE(menu.forms[0]->isChecked());  // SubKind 0 of a text
  Place(Tool::Object);
  editor.preparePopupMenu();
  menu.load();
  EXPECT_TRUE(menu.forms[3]->isChecked());
  EXPECT_TRUE(menu.colorAction->isEnabled());
  EXPECT_FALSE(menu.textEffectsAction->isEnabled());
  EXPECT_FALSE(menu.rotateRightAction->isEnabled());
  EXPECT_TRUE(menu.deleteAction->isEnabled());
  QSignalSpy menuSpy(&menu, &ObjectMenu::changed);
  menu.forms[0]->trigger();
  EXPECT_EQ(table[2].SubKind, 0);
  menu.toBackAction->trigger();
  EXPECT_EQ(table.selectedSlot, 1);
  EXPECT_EQ(menuSpy.count(), 2);
}
}  // namespace

TEST_F(PropertyPagesTest, TheTextPageSetsLayoutArcAndSpacingAndShowsThem) {
  pages.show();
  Place(Tool::Text);
  CurvedTextControls* c = pages.curvedText;
  EXPECT_TRUE(c->shapes[1]->isEnabled());
  EXPECT_FALSE(c->arcEdit->isEnabled());  // straight text has no arc
  EXPECT_EQ(c->shapes[1]->text(), "Along the top arc");
  QTest::mouseClick(c->shapes[2], Qt::LeftButton, {}, QPoint(6, c->shapes[2]->height() / 2));
  EXPECT_EQ(table.layout(1).shape, TextShape::BottomArc);
  pages.refresh();
  ASSERT_TRUE(c->arcEdit->isEnabled());
  c->arcEdit->setValue(270);
  c->spacingEdit->setValue(-30);
  EXPECT_EQ(table.layout(1), (TextLayout{TextShape::BottomArc, 270, -30}));
  EXPECT_EQ(spy.count(), 3);
  EXPECT_EQ(c->arcEdit->minimum(), 30);
  EXPECT_EQ(c->spacingEdit->maximum(), 200);

  table.layout(1).arc = 45;
  pages.refresh();  // loading fires no command
  EXPECT_EQ(c->arcEdit->value(), 45);
  EXPECT_EQ(spy.count(), 3);

  Place(Tool::Note);
  EXPECT_FALSE(c->shapes[1]->isEnabled());
  EXPECT_FALSE(c->arcEdit->isEnabled());
}

TEST_F(PropertyPagesTest, TheMenuOffersTheLayoutsArcsAndSpacingsOfTexts) {
  ObjectMenu menu(editor);
  QSignalSpy menuChanges(&menu, &ObjectMenu::changed);
  Place(Tool::Text);
  ASSERT_TRUE(editor.preparePopupMenu());
  menu.load();
  CurvedTextMenuItems* items = menu.curvedText;
  EXPECT_TRUE(items->shapes[0]->isChecked());
  EXPECT_FALSE(items->arcMenu->isEnabled());
  items->shapes[1]->trigger();
  EXPECT_EQ(table.layout(1).shape, TextShape::TopArc);
  editor.preparePopupMenu();
  menu.load();
  ASSERT_TRUE(items->arcMenu->isEnabled());
  for (QAction* a : items->arcMenu->actions())
    if (a->text() == "120°") a->trigger();
  for (QAction* a : items->spacingMenu->actions())
    if (a->text() == "25 %") a->trigger();
  EXPECT_EQ(table.layout(1), (TextLayout{TextShape::TopArc, 120, 25}));
  EXPECT_EQ(menuChanges.count(), 3);
  editor.preparePopupMenu();
  menu.load();
  int checked = 0;
  for (QAction* a : items->arcMenu->actions())
    checked += a->isChecked() ? (a->text() == "120°" ? 1 : 10) : 0;
  EXPECT_EQ(checked, 1);

  Place(Tool::Object);
  editor.preparePopupMenu();
  menu.load();
  EXPECT_FALSE(items->shapes[0]->isEnabled());
  EXPECT_FALSE(items->spacingMenu->isEnabled());
}

TEST_F(PropertyPagesTest, ThePicturePageShowsAndSetsHowThePictureFillsItsBox) {
  pages.show();
  Dib dib;
  NewWhiteDib(dib, 4, 2);
  SetDibPixel(dib, 3, 1, 0x123456);
  std::string error;
  ASSERT_EQ(table.createPicture(PicturePixels::Make(dib, {}, error), 0, 0, 9000, 9000), 1);
  pages.refresh();
  EXPECT_TRUE(Visible(pages.picturePage) && Visible(pages.objectPage));
  EXPECT_FALSE(Visible(pages.shapePage) || Visible(pages.textPage));
  EXPECT_EQ(pages.currentWidget(), pages.picturePage);
  PicturePage& p = *pages.picturePage;
  EXPECT_TRUE(p.fits[0]->isChecked());
  EXPECT_FALSE(p.toleranceEdit->isEnabled());
  ClickRadio(p.fits[2]);
  p.opacityEdit->setValue(35);
  p.keyedBox->setChecked(true);
  QTest::mouseClick(p.turnButton, Qt::LeftButton);
  QTest::mouseClick(p.flipButton, Qt::LeftButton);
  p.frameBox->setChecked(true);
  p.frameWidthEdit->setValue(4);
  const PictureSettings& s = table.picture(1).settings;
  EXPECT_EQ(s.fit, PictureFit::Stretch);
  EXPECT_EQ(s.opacity, 35);
  EXPECT_TRUE(s.keyed && s.mirrorY && !s.mirrorX);
  EXPECT_EQ(s.key, 0xFFFFFFu);
  EXPECT_EQ(s.turns, 1);
  EXPECT_TRUE(table[1].BorderOn);
  EXPECT_EQ(table[1].LineWidth, 4);
  EXPECT_EQ(spy.count(), 7);
  pages.refresh();
  EXPECT_TRUE(p.toleranceEdit->isEnabled() && p.frameColorButton->isEnabled());
  QTimer::singleShot(0, [&p] {  // a click on the shown picture picks the colour under it
    auto* pick = p.findChild<PicturePointDialog*>();
    ASSERT_TRUE(pick);
    EXPECT_FALSE(pick->pixelAt({-1, 0}));
    const QSize shown = pick->view->size();
    QTest::mouseClick(pick->view, Qt::LeftButton, {},
                      QPoint(shown.width() - 1, shown.height() - 1));
  });
  QTest::mouseClick(p.pickColourButton, Qt::LeftButton);
  EXPECT_EQ(s.key, 0x123456u);
  p.shadowBox->setChecked(true);
  dialogs.colorAnswers = {0x0000FF};  // red, as the colour dialog says it
  QTest::mouseClick(p.shadowColourButton, Qt::LeftButton);
  EXPECT_EQ(s.shadow, 0xFF0000u);
  p.shadowOffsetEdit->setValue(12);
  EXPECT_TRUE(table[1].ShadowDX == 12 && table[1].ShadowDY == 12);
  table.picture(1).settings = PictureSettings{};
  pages.refresh();  // shows the state without firing a command
  EXPECT_TRUE(p.opacityEdit->value() == 100 && spy.count() == 11);
}
