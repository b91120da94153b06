#include <QMenu>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <gtest/gtest.h>

#include "cover/views/CurvedTextControls.h"
#include "cover/views/ObjectMenu.h"
#include "cover/views/PropertyPages.h"
#include "platform/dialogs/ScriptedDialogs.h"

namespace {
struct NoCoverDialogs : CoverDialogs {
  std::optional<std::vector<std::string>> enterTexts(const std::vector<std::string>&) override {
    return std::nullopt;
  }
  std::optional<TextEffects> textEffects(const TextEffects&) override { return std::nullopt; }
};

class CurvedTextControlsTest : public ::testing::Test {
 protected:
  CoverScales scales{1000, 1000, 1.0, false, 1.0};
  ObjectTable table{scales};
  ScriptedDialogs dialogs;
  ScopedDialogs scoped{dialogs};
  NoCoverDialogs coverDialogs;
  Editor editor{table, coverDialogs};
  PropertyPages pages{editor};
  ObjectMenu menu{editor};
  QSignalSpy pageChanges{&pages, &PropertyPages::changed};
  QSignalSpy menuChanges{&menu, &ObjectMenu::changed};

  void Place(Tool tool) {
    editor.tool = tool;
    editor.MouseUp(MouseButton::Left, 10, 10, ViewState{});
    pages.refresh();
  }
};

TEST_F(CurvedTextControlsTest, TheTextPageSetsLayoutArcAndSpacingAndShowsThem) {
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
  EXPECT_EQ(pageChanges.count(), 3);
  EXPECT_EQ(c->arcEdit->minimum(), 30);
  EXPECT_EQ(c->spacingEdit->maximum(), 200);

  table.layout(1).arc = 45;
  pages.refresh();  // loading fires no command
  EXPECT_EQ(c->arcEdit->value(), 45);
  EXPECT_EQ(pageChanges.count(), 3);

  Place(Tool::Note);
  EXPECT_FALSE(c->shapes[1]->isEnabled());
  EXPECT_FALSE(c->arcEdit->isEnabled());
}

TEST_F(CurvedTextControlsTest, TheMenuOffersTheLayoutsArcsAndSpacingsOfTexts) {
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
  for (QAction* a : items->arcMenu->actions()) checked += a->isChecked() ? (a->text() == "120°" ? 1 : 10) : 0;
  EXPECT_EQ(checked, 1);

  Place(Tool::Object);
  editor.preparePopupMenu();
  menu.load();
  EXPECT_FALSE(items->shapes[0]->isEnabled());
  EXPECT_FALSE(items->spacingMenu->isEnabled());
}
}  // namespace
