#include <gtest/gtest.h>

#include <QComboBox>

#include "app/views/MainWindow.h"
#include "app/views/TabPage.h"
#include "platform/dialogs/ScriptedDialogs.h"
#include "print/views/CenterView.h"
#include "print/views/PaperFormatPanel.h"
#include "print/views/SheetPreview.h"

TEST(MainFormPaperTest, CenterPanelHoldsTheCatalogueWithTheFirstFormatSelected) {
  ScriptedDialogs dialogs;
  ScopedDialogs scoped{dialogs};
  MainWindow form(false);
  PaperFormatPanel* panel = form.paperPanel();
  ASSERT_NE(panel, nullptr);
  EXPECT_TRUE(form.page(MainWindow::kCenterTab)->leftPanel()->isAncestorOf(panel));
  if (!panel->formats().empty()) {
    EXPECT_EQ(panel->selectedIndex(), 0);
  } else {
    EXPECT_EQ(panel->selectedFormat(), nullptr);
  }
  EXPECT_EQ(panel->formatBox->count(), static_cast<int>(panel->formats().size()));
  EXPECT_EQ(form.tabScrollArea(MainWindow::kCenterTab), form.centerView()->scrollArea());
  EXPECT_EQ(form.tabScrollArea(MainWindow::kPrintTab), form.sheetPreview()->scrollArea());
}
