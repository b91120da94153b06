// The window in German: run by CTest once with the override QUENDRIX_LANGUAGE=de and once under
// LANG=de_DE.UTF-8 with no override (see tests/CMakeLists.txt).
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTabBar>
#include <QTest>

#include "app/views/MainWindow.h"
#include "app/views/PartBar.h"
#include "app/views/TabPage.h"
#include "platform/Translate.h"
#include "platform/dialogs/ScriptedDialogs.h"

namespace {
// The test environment forces English; this test asks for German instead and leaves English behind.
class GermanWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (qgetenv("QUENDRIX_LANGUAGE") == "en") qputenv("QUENDRIX_LANGUAGE", "de");
  }
  void TearDown() override { RemoveTranslations(); }
  ScriptedDialogs dialogs;
  ScopedDialogs scoped{dialogs};
};
}  // namespace

TEST_F(GermanWindowTest, TabsButtonsAndTheQuitQuestionAreGerman) {
  ASSERT_EQ(InstallTranslations(), "de");
  MainWindow form(false);
  form.show();
  QStringList tabs;
  for (int i = 0; i < form.tabs()->count(); ++i) tabs << form.tabs()->tabText(i);
  EXPECT_EQ(tabs, QStringList({"Scannen", "Retuschieren", "Texte", "Zentrieren", "Drucken"}));
  // The parts' tabs beside them leave the longer German stage tabs whole, and scroll instead.
  for (int i = 0; i < 3; ++i) form.partBar()->addPart();
  QCoreApplication::processEvents();
  const QTabBar* stages = form.tabs()->tabBar();
  EXPECT_GE(stages->width(), stages->sizeHint().width());
  EXPECT_TRUE(form.partBar()->isVisible());
  EXPECT_GE(form.partBar()->x(), stages->geometry().right());
  EXPECT_LE(form.partBar()->geometry().right(), form.tabs()->width());
  EXPECT_EQ(form.page(MainWindow::kRetouchTab)->headerLabel()->text(),
            "Retuschieren - auf die Auswahl zuschneiden und Filter anwenden");
  EXPECT_EQ(form.documentButton(3)->text(), "Speichern unter...");

  dialogs.messageAnswers = {MsgResult::Cancel};
  EXPECT_FALSE(form.close());
  ASSERT_EQ(dialogs.asked.size(), 1u);
  EXPECT_EQ(dialogs.asked[0].text, "Sie verlassen jetzt das Programm.");
  EXPECT_EQ(dialogs.asked[0].title, "Programm beenden");
  // Qt's own texts come along, so the message box's buttons are German too.
  EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Abbrechen");
}

TEST_F(GermanWindowTest, LogicMessagesAreGermanAndEnglishComesBack) {
  ASSERT_EQ(InstallTranslations(), "de");
  EXPECT_EQ(Translate("MainWindow", "Quit program"), "Programm beenden");
  RemoveTranslations();
  qputenv("QUENDRIX_LANGUAGE", "en");
  EXPECT_EQ(InstallTranslations(), "en");
  EXPECT_EQ(Translate("MainWindow", "Quit program"), "Quit program");
  EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Cancel");
}
