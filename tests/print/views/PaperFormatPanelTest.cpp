#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "platform/dialogs/ScriptedDialogs.h"
#include "print/PaperFile.h"
#include "print/views/PaperFormatPanel.h"
#include "tests/support/TestFiles.h"

namespace {
class PaperFormatPanelTest : public ::testing::Test {
 protected:
  ScriptedDialogs dialogs;
  ScopedDialogs scoped{dialogs};
  TempDir dir;
  std::string file = dir.file("paper.dat");
  PaperFormatPanel panel;

  TEttType Format(const std::string& name, int across = 2, int down = 5) {
    TEttType t;
    t.Name = name;
    t.Breite = t.SchrittH = 90;
    t.Hoehe = t.SchrittV = 55;
    t.AnzH = across;
    t.AnzV = down;
    return t;
  }

  void Load(const std::vector<TEttType>& formats) {
    ASSERT_EQ(SaveEttTypes(file, formats), "");
    panel.LoadEttTypes(file, {});
  }

  // Answers the modal paper format dialog once it is shown.
  void AnswerDialog(std::function<void(TNewETypForm*)> fill, bool ok) {
    QTimer::singleShot(0, [this, fill, ok] {
      TNewETypForm* f = panel.editForm();
      ASSERT_TRUE(f->isVisible());
      if (fill) fill(f);
      QTest::mouseClick(ok ? f->OkBitBtn1 : f->CancelBtn, Qt::LeftButton);
    });
  }

  std::vector<TEttType> Saved() { return LoadEttTypes(file).formats; }
};
}  // namespace

TEST_F(PaperFormatPanelTest, DialogStartsWithItsDefaultFormat) {
  TNewETypForm* f = panel.editForm();
  QStringList groups;
  for (auto* g : f->findChildren<QGroupBox*>()) groups << g->title();
  EXPECT_EQ(groups, QStringList({"Description of the paper format", "Margins in inch", "Extents in inch",
                                 "Space between the elements", "Number of elements per Sheet"}));
  const TEttType t = EttFromDialog(f->values());
  EXPECT_EQ(t.Name, "No name");
  EXPECT_DOUBLE_EQ(t.Breite, 90 * 25.39995);
  EXPECT_DOUBLE_EQ(t.Hoehe, 55 * 25.39995);
  EXPECT_EQ(t.AnzH * t.AnzV, 10);
  f->NameED->setText(QString(60, 'x'));  // cannot be typed longer than 50
  EXPECT_EQ(f->values().name.size(), 50u);
}

TEST_F(PaperFormatPanelTest, StartSelectsTheFirstFormat) {
  Load({Format("one"), Format("two")});
  EXPECT_EQ(panel.ComboBox1->count(), 2);
  EXPECT_EQ(panel.selectedIndex(), 0);
  EXPECT_EQ(panel.selectedFormat()->Name, "one");
  EXPECT_TRUE(dialogs.asked.empty());
}

TEST_F(PaperFormatPanelTest, NewCountsTheFormatsInItsNameAndSelectsTheNewOne) {
  Load({Format("a"), Format("b"), Format("c")});
  AnswerDialog([](TNewETypForm* f) {
    EXPECT_EQ(f->NameED->text(), "No name3");
    f->RLED->setValue(1);
    f->BrED->setValue(4.7);
    f->AHED->setValue(0.1);
  }, true);
  QTest::mouseClick(panel.NewBtn, Qt::LeftButton);
  ASSERT_EQ(panel.EttTypes().size(), 4u);
  EXPECT_EQ(panel.selectedIndex(), 3);
  EXPECT_EQ(panel.ComboBox1->currentText(), "No name3");
  const auto saved = Saved();
  ASSERT_EQ(saved.size(), 4u);
  EXPECT_DOUBLE_EQ(saved[3].RandLinks, 25.39995);
  EXPECT_NEAR(saved[3].SchrittH, 121.91976, 1e-9);

  AnswerDialog(nullptr, false);  // Cancel adds nothing
  QTest::mouseClick(panel.NewBtn, Qt::LeftButton);
  EXPECT_EQ(panel.EttTypes().size(), 4u);
  EXPECT_EQ(Saved().size(), 4u);
}

TEST_F(PaperFormatPanelTest, EditShowsTheRecordInInchAndKeepsTheSelection) {
  TEttType t = Format("edit me");
  t.RandLinks = 25.39995;
  Load({Format("first"), t});
  panel.ComboBox1->setCurrentIndex(1);
  AnswerDialog([](TNewETypForm* f) {
    EXPECT_EQ(f->RLED->value(), 1.0);
    EXPECT_EQ(f->NameED->text(), "edit me");
    f->AnzHED->setValue(3);
    f->NameED->setText("edited");
  }, true);
  QTest::mouseClick(panel.EditBtn, Qt::LeftButton);
  EXPECT_EQ(panel.selectedIndex(), 1);
  EXPECT_EQ(panel.ComboBox1->itemText(1), "edited");
  EXPECT_EQ(Saved()[1].AnzH, 3);
  EXPECT_DOUBLE_EQ(Saved()[1].RandLinks, 25.39995);
}

TEST_F(PaperFormatPanelTest, DeleteAsksAndSelectsTheFirstFormat) {
  Load({Format("one"), Format("two"), Format("three")});
  panel.ComboBox1->setCurrentIndex(2);
  dialogs.messageAnswers = {MsgResult::Cancel};
  QTest::mouseClick(panel.DelBtn, Qt::LeftButton);
  ASSERT_EQ(dialogs.asked.size(), 1u);
  EXPECT_EQ(dialogs.asked[0].text, "Do you want to remove this paper format?");
  EXPECT_EQ(dialogs.asked[0].title, "Hint");
  EXPECT_EQ(dialogs.asked[0].buttons, MsgButtons::OkCancel);
  EXPECT_EQ(dialogs.asked[0].icon, MsgIcon::Error);
  EXPECT_EQ(panel.EttTypes().size(), 3u);

  QTest::mouseClick(panel.DelBtn, Qt::LeftButton);
  EXPECT_EQ(panel.EttTypes().size(), 2u);
  EXPECT_EQ(panel.selectedIndex(), 0);
  EXPECT_EQ(Saved().size(), 2u);
  QTest::mouseClick(panel.DelBtn, Qt::LeftButton);
  QTest::mouseClick(panel.DelBtn, Qt::LeftButton);
  EXPECT_EQ(panel.selectedFormat(), nullptr);
  EXPECT_EQ(ReadBytes(file), std::vector<uint8_t>({0xAF, 0xFC, 0, 0, 0, 0, 0, 0}));
}

TEST_F(PaperFormatPanelTest, WithoutFormatsEditAndDeleteDoNothing) {
  Load({});
  QTest::mouseClick(panel.EditBtn, Qt::LeftButton);
  QTest::mouseClick(panel.DelBtn, Qt::LeftButton);
  EXPECT_TRUE(dialogs.asked.empty());
  EXPECT_FALSE(panel.editForm()->isVisible());
}

TEST_F(PaperFormatPanelTest, DamagedFileIsReportedAndItsWholeRecordsKept) {
  auto bytes = EncodeEttTypes({Format("whole"), Format("cut")});
  bytes.resize(bytes.size() - 10);
  WriteBytes(file, bytes);
  panel.LoadEttTypes(file, {});
  ASSERT_EQ(dialogs.asked.size(), 1u);
  EXPECT_EQ(dialogs.asked[0].title, "Error");
  EXPECT_NE(dialogs.asked[0].text.find("damaged"), std::string::npos);
  ASSERT_EQ(panel.EttTypes().size(), 1u);
  EXPECT_EQ(panel.selectedFormat()->Name, "whole");
  AnswerDialog(nullptr, true);  // the first save keeps the damaged file aside
  QTest::mouseClick(panel.NewBtn, Qt::LeftButton);
  EXPECT_EQ(ReadBytes(file + ".damaged"), bytes);
  EXPECT_EQ(Saved().size(), 2u);
  QTest::mouseClick(panel.DelBtn, Qt::LeftButton);  // later saves leave the copy alone
  EXPECT_EQ(ReadBytes(file + ".damaged"), bytes);
}

TEST_F(PaperFormatPanelTest, FailedSaveSaysSoAndKeepsTheChangeInMemory) {
  panel.LoadEttTypes(file, {});  // no file yet: the starter formats
  const size_t starters = panel.EttTypes().size();
  EXPECT_GE(starters, 4u);
  EXPECT_FALSE(std::filesystem::exists(file));
  std::filesystem::create_directories(file + "/blocked");
  AnswerDialog(nullptr, true);
  QTest::mouseClick(panel.NewBtn, Qt::LeftButton);
  EXPECT_EQ(panel.EttTypes().size(), starters + 1);
  ASSERT_EQ(dialogs.count("message"), 1);
  EXPECT_NE(dialogs.messages()[0].find("Cannot write"), std::string::npos);
}

TEST_F(PaperFormatPanelTest, CoverControlsReportTheirValuesAndAskForARepaint) {
  int repaints = 0;
  QObject::connect(&panel, &PaperFormatPanel::viewChanged, [&] { ++repaints; });
  panel.BreitEd->setValue(50);
  panel.LinksEdin->setValue(-1.5);
  panel.ObenEdin->setValue(0.5);
  panel.ZoomEd3->setValue(200);
  EXPECT_EQ(repaints, 4);
  const CoverSettings c = panel.coverSettings();
  EXPECT_EQ(c.sizePercent, 50);
  EXPECT_EQ(c.leftInch, -1.5);
  EXPECT_EQ(c.topInch, 0.5);
  EXPECT_EQ(panel.zoom(), 200);
}
