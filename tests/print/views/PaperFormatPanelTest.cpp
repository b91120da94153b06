#include <gtest/gtest.h>

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <functional>

#include "platform/SettingsFile.h"
#include "platform/dialogs/ScriptedDialogs.h"
#include "print/settings/DetailsFile.h"
#include "print/settings/PaperFile.h"
#include "print/templates/LabelTemplate.h"
#include "print/views/FormatShapeEditor.h"
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

  PaperFormat Format(const std::string& name, int across = 2, int down = 5) {
    PaperFormat t;
    t.name = name;
    t.width = t.stepAcross = 90;
    t.height = t.stepDown = 55;
    t.columns = across;
    t.rows = down;
    return t;
  }

  void Load(const std::vector<PaperFormat>& formats) {
    ASSERT_EQ(SavePaperFormats(file, formats), "");
    panel.loadPaperFormats(file, {});
  }

  // Answers the modal paper format dialog once it is shown.
  void AnswerDialog(std::function<void(PaperFormatDialog*)> fill, bool ok) {
    QTimer::singleShot(0, [this, fill, ok] {
      PaperFormatDialog* f = panel.formatDialog();
      ASSERT_TRUE(f->isVisible());
      if (fill) fill(f);
      QTest::mouseClick(ok ? f->okButton : f->cancelButton, Qt::LeftButton);
    });
  }

  std::vector<PaperFormat> Saved() { return LoadPaperFormats(file).formats; }
};
}  // namespace

TEST_F(PaperFormatPanelTest, DialogStartsWithItsDefaultFormat) {
  PaperFormatDialog* f = panel.formatDialog();
  QStringList groups;
  for (auto* g : f->findChildren<QGroupBox*>()) groups << g->title();
  EXPECT_EQ(groups.mid(0, 5),
            QStringList({"Description of the paper format", "Margins in inch", "Extents in inch",
                         "Space between the elements", "Number of elements per Sheet"}));
  const PaperFormat t = PaperFormatFromFields(f->values());
  EXPECT_EQ(t.name, "No name");
  EXPECT_DOUBLE_EQ(t.width, 90 * 25.39995);
  EXPECT_DOUBLE_EQ(t.height, 55 * 25.39995);
  EXPECT_EQ(t.columns * t.rows, 10);
  f->drawing->resize(180, 250);  // drawn from the start, and only on the sheet
  const QImage shown = f->drawing->grab().toImage();
  EXPECT_EQ(shown.pixelColor(90, 20), QColor(150, 190, 230));
  EXPECT_NE(shown.pixelColor(178, 20), QColor(150, 190, 230));
  EXPECT_LE(f->sizeHint().height(), 740) << "fits a screen of 1366 x 768 pixels";
  EXPECT_LE(f->sizeHint().width(), 1300);
  f->nameEdit->setText(QString(60, 'x'));  // cannot be typed longer than 50
  EXPECT_EQ(f->values().name.size(), 50u);
}

TEST_F(PaperFormatPanelTest, StartSelectsTheFirstFormat) {
  Load({Format("one"), Format("two")});
  EXPECT_EQ(panel.formatBox->count(), 2);
  EXPECT_EQ(panel.selectedIndex(), 0);
  EXPECT_EQ(panel.selectedFormat()->name, "one");
  EXPECT_TRUE(dialogs.asked.empty());
}

TEST_F(PaperFormatPanelTest, NewCountsTheFormatsInItsNameAndSelectsTheNewOne) {
  Load({Format("a"), Format("b"), Format("c")});
  AnswerDialog(
      [](PaperFormatDialog* f) {
        EXPECT_EQ(f->nameEdit->text(), "No name3");
        f->leftMarginEdit->setValue(1);
        f->widthEdit->setValue(4.7);
        f->spaceAcrossEdit->setValue(0.1);
      },
      true);
  QTest::mouseClick(panel.newButton, Qt::LeftButton);
  ASSERT_EQ(panel.formats().size(), 4u);
  EXPECT_EQ(panel.selectedIndex(), 3);
  EXPECT_EQ(panel.formatBox->currentText(), "No name3");
  const auto saved = Saved();
  ASSERT_EQ(saved.size(), 4u);
  EXPECT_DOUBLE_EQ(saved[3].leftMargin, 25.39995);
  EXPECT_NEAR(saved[3].stepAcross, 121.91976, 1e-9);

  AnswerDialog(nullptr, false);  // Cancel adds nothing
  QTest::mouseClick(panel.newButton, Qt::LeftButton);
  EXPECT_EQ(panel.formats().size(), 4u);
  EXPECT_EQ(Saved().size(), 4u);
}

TEST_F(PaperFormatPanelTest, EditShowsTheRecordInInchAndKeepsTheSelection) {
  PaperFormat t = Format("edit me");
  t.leftMargin = 25.39995;
  Load({Format("first"), t});
  panel.formatBox->setCurrentIndex(1);
  AnswerDialog(
      [](PaperFormatDialog* f) {
        EXPECT_EQ(f->leftMarginEdit->value(), 1.0);
        EXPECT_EQ(f->nameEdit->text(), "edit me");
        f->columnsEdit->setValue(3);
        f->nameEdit->setText("edited");
      },
      true);
  QTest::mouseClick(panel.editButton, Qt::LeftButton);
  EXPECT_EQ(panel.selectedIndex(), 1);
  EXPECT_EQ(panel.formatBox->itemText(1), "edited");
  EXPECT_EQ(Saved()[1].columns, 3);
  EXPECT_DOUBLE_EQ(Saved()[1].leftMargin, 25.39995);
}

TEST_F(PaperFormatPanelTest, DeleteAsksAndSelectsTheFirstFormat) {
  Load({Format("one"), Format("two"), Format("three")});
  panel.formatBox->setCurrentIndex(2);
  dialogs.messageAnswers = {MsgResult::Cancel};
  QTest::mouseClick(panel.deleteButton, Qt::LeftButton);
  ASSERT_EQ(dialogs.asked.size(), 1u);
  EXPECT_EQ(dialogs.asked[0].text, "Do you want to remove this paper format?");
  EXPECT_EQ(dialogs.asked[0].title, "Hint");
  EXPECT_EQ(dialogs.asked[0].buttons, MsgButtons::OkCancel);
  EXPECT_EQ(dialogs.asked[0].icon, MsgIcon::Error);
  EXPECT_EQ(panel.formats().size(), 3u);

  QTest::mouseClick(panel.deleteButton, Qt::LeftButton);
  EXPECT_EQ(panel.formats().size(), 2u);
  EXPECT_EQ(panel.selectedIndex(), 0);
  EXPECT_EQ(Saved().size(), 2u);
  QTest::mouseClick(panel.deleteButton, Qt::LeftButton);
  QTest::mouseClick(panel.deleteButton, Qt::LeftButton);
  EXPECT_EQ(panel.selectedFormat(), nullptr);
  EXPECT_EQ(ReadBytes(file), std::vector<uint8_t>({0xAF, 0xFC, 0, 0, 0, 0, 0, 0}));
}

TEST_F(PaperFormatPanelTest, WithoutFormatsEditAndDeleteDoNothing) {
  Load({});
  QTest::mouseClick(panel.editButton, Qt::LeftButton);
  QTest::mouseClick(panel.deleteButton, Qt::LeftButton);
  EXPECT_TRUE(dialogs.asked.empty());
  EXPECT_FALSE(panel.formatDialog()->isVisible());
}

TEST_F(PaperFormatPanelTest, DamagedFileIsReportedAndItsWholeRecordsKept) {
  auto bytes = EncodePaperFormats({Format("whole"), Format("cut")});
  bytes.resize(bytes.size() - 10);
  WriteBytes(file, bytes);
  panel.loadPaperFormats(file, {});
  ASSERT_EQ(dialogs.asked.size(), 1u);
  EXPECT_EQ(dialogs.asked[0].title, "Error");
  EXPECT_NE(dialogs.asked[0].text.find("damaged"), std::string::npos);
  ASSERT_EQ(panel.formats().size(), 1u);
  EXPECT_EQ(panel.selectedFormat()->name, "whole");
  AnswerDialog(nullptr, true);  // the first save keeps the damaged file aside
  QTest::mouseClick(panel.newButton, Qt::LeftButton);
  EXPECT_EQ(ReadBytes(file + ".damaged"), bytes);
  EXPECT_EQ(Saved().size(), 2u);
  QTest::mouseClick(panel.deleteButton, Qt::LeftButton);  // later saves leave the copy alone
  EXPECT_EQ(ReadBytes(file + ".damaged"), bytes);
}

TEST_F(PaperFormatPanelTest, FailedSaveSaysSoAndKeepsTheChangeInMemory) {
  panel.loadPaperFormats(file, {});  // no file yet: the starter formats
  const size_t starters = panel.formats().size();
  EXPECT_GE(starters, 4u);
  EXPECT_FALSE(std::filesystem::exists(file));
  std::filesystem::create_directories(file + "/blocked");
  AnswerDialog(nullptr, true);
  QTest::mouseClick(panel.newButton, Qt::LeftButton);
  EXPECT_EQ(panel.formats().size(), starters + 1);
  ASSERT_EQ(dialogs.count("message"), 1);
  EXPECT_NE(dialogs.messages()[0].find("Cannot write"), std::string::npos);
}

TEST_F(PaperFormatPanelTest, CoverControlsReportTheirValuesAndAskForARepaint) {
  int repaints = 0;
  QObject::connect(&panel, &PaperFormatPanel::viewChanged, [&] { ++repaints; });
  panel.sizeEdit->setValue(50);
  panel.leftEdit->setValue(-1.5);
  panel.topEdit->setValue(0.5);
  panel.zoomEdit->setValue(200);
  EXPECT_EQ(repaints, 4);
  const CoverSettings c = panel.coverSettings();
  EXPECT_EQ(c.sizePercent, 50);
  EXPECT_EQ(c.leftInch, -1.5);
  EXPECT_EQ(c.topInch, 0.5);
  EXPECT_EQ(panel.zoom(), 200);
}

TEST_F(PaperFormatPanelTest, DialogEditsTheShapeInMillimetresAndRemembersTheUnit) {
  Load({Format("Cards")});
  AnswerDialog(
      [](PaperFormatDialog* f) {
        EXPECT_EQ(f->unitBox->currentText(), "inch");  // as ever, until millimetres are chosen
        f->unitBox->setCurrentIndex(1);
        EXPECT_EQ(f->findChildren<QGroupBox*>()[1]->title(), "Margins in mm");
        EXPECT_NEAR(f->widthEdit->value(), 90, 0.003);  // through the inch field's four decimals
        f->widthEdit->setValue(117);
        f->heightEdit->setValue(117);
        f->shapeEditor->shapeBox->setCurrentIndex(3);
        f->shapeEditor->outerEdit->setValue(117);
        f->shapeEditor->holeEdit->setValue(41);
        f->shapeEditor->bleedEdit->setValue(1.5);
        f->shapeEditor->bleedYEdit->setValue(0.5);
        f->shapeEditor->sheetBox->setCurrentText("A4");
        f->shapeEditor->addGridButton->click();
      },
      true);
  panel.editFormat();
  const FormatDetails d = panel.selectedDetails();
  EXPECT_EQ(d.shape.kind, ShapeKind::Disc);
  EXPECT_EQ(d.shape.holeDiameter, 41);
  EXPECT_EQ(d.bleedX, 1.5);
  EXPECT_EQ(d.bleedY, 0.5);
  EXPECT_EQ(d.sheetWidth, 210);
  EXPECT_EQ(d.moreGrids.size(), 1u);
  EXPECT_NEAR(panel.selectedFormat()->width, 117, 1e-9);
  EXPECT_EQ(PositionsPerSheet(*panel.selectedFormat(), d), 11);
  // A new panel reads the details and opens its dialog in millimetres.
  PaperFormatPanel again;
  again.loadPaperFormats(file, {});
  EXPECT_EQ(again.selectedDetails(), d);
  EXPECT_TRUE(again.formatDialog()->millimetres());
}

TEST_F(PaperFormatPanelTest, GridsOfTheirOwnElementAreShownAndKeptThroughAnEdit) {
  FormatDetails d;  // a second grid of strips, a third of the record's element
  d.moreGrids = {{20, 160, 170, 116, 2, 1, GridElement{6, 116, {}}}, {47, 150, 90, 55, 1, 1, {}}};
  ASSERT_TRUE(SaveCatalogue(file, {Format("Strips")}, {d}).written());
  panel.loadPaperFormats(file, {});
  AnswerDialog(
      [](PaperFormatDialog* f) {
        const QTableWidget* t = f->shapeEditor->gridTable;
        EXPECT_EQ(t->item(0, 6)->text(), "6 x 116, Rectangle");
        EXPECT_EQ(t->item(1, 6)->text(), "as the first grid");
        EXPECT_FALSE(t->item(0, 6)->flags() & Qt::ItemIsEditable);
        f->shapeEditor->bleedEdit->setValue(1);
      },
      true);
  panel.editFormat();
  d.bleedX = 1;
  EXPECT_EQ(panel.selectedDetails(), d);
}

TEST_F(PaperFormatPanelTest, APrintableDiscIsOneDiscCentredOnItsDiscPage) {
  Load({Format("Cards")});
  AnswerDialog(
      [](PaperFormatDialog* f) {
        f->shapeEditor->kindBox->setCurrentIndex(1);
        f->shapeEditor->holeEdit->setValue(36);  // a disc printable down to a wide hub
        f->shapeEditor->outerEdit->setValue(116);
      },
      true);
  panel.editFormat();
  const FormatDetails d = panel.selectedDetails();
  const PaperFormat& t = *panel.selectedFormat();
  EXPECT_TRUE(d.printableDisc);
  EXPECT_EQ(d.shape, (LabelShape{ShapeKind::Disc, 0, 116, 36}));
  EXPECT_NEAR(t.width, 116, 1e-3);
  EXPECT_NEAR(t.leftMargin, 2, 0.003);  // through the inch field's four decimals
  EXPECT_NEAR(t.topMargin, 2, 0.003);
  EXPECT_EQ(CheckDetails(t, d), "");  // one disc on its page
}

TEST_F(PaperFormatPanelTest, ImportAndExportGoThroughTemplateFiles) {
  PaperFormat disc = Format("Disc", 1, 2);
  disc.width = disc.height = 117;
  FormatDetails d;
  d.shape = {ShapeKind::Disc, 0, 117, 41};
  d.guides = {GuideLine(58.5, 0, 58.5, 117), GuideMargin(2)};
  ASSERT_EQ(ExportTemplateFile(dir.file("in.xml"), disc, d), "");
  Load({Format("Cards")});
  dialogs.fileAnswers = {FileAnswer{dir.file("in.xml")}, FileAnswer{dir.file("out.xml")},
                         FileAnswer{dir.file("missing.xml")}};
  panel.importFormats();
  ASSERT_EQ(panel.formats().size(), 2u);
  EXPECT_EQ(panel.selectedIndex(), 1);
  EXPECT_EQ(panel.selectedDetails().shape, d.shape);
  EXPECT_EQ(panel.selectedDetails().guides, d.guides);
  // The dialog lists the guides and keeps them through an edit; its button removes one.
  AnswerDialog(
      [](PaperFormatDialog* f) {
        EXPECT_EQ(f->shapeEditor->guideTable->rowCount(), 2);
        f->shapeEditor->bleedEdit->setValue(1);
        f->shapeEditor->guideTable->setCurrentCell(0, 1);
        f->shapeEditor->removeGuideButton->click();
      },
      true);
  panel.editFormat();
  EXPECT_EQ(panel.selectedDetails().guides, std::vector<FormatGuide>{GuideMargin(2)});
  panel.exportFormat();
  std::vector<LabelTemplate> back;
  ASSERT_EQ(ImportTemplateFile(dir.file("out.xml"), back), "");
  EXPECT_EQ(back.at(0).record.name, "Disc");
  EXPECT_EQ(back.at(0).details.guides, std::vector<FormatGuide>{GuideMargin(2)});
  panel.importFormats();  // a missing file: an error, nothing added
  EXPECT_EQ(panel.formats().size(), 2u);
  EXPECT_FALSE(dialogs.asked.empty());
}

TEST_F(PaperFormatPanelTest, AFileThatCannotBeReadIsLeftAsItIsAfterNewEditAndDelete) {
  Load({Format("one"), Format("two")});
  const auto before = ReadBytes(file);
  SetFileReaderForTests([](const std::string&, size_t, bool*) {
    errno = EIO;
    return std::optional<std::vector<uint8_t>>();
  });
  panel.loadPaperFormats(file, {});
  SetFileReaderForTests(nullptr);
  ASSERT_EQ(dialogs.count("message"), 1);
  EXPECT_NE(dialogs.messages()[0].find("cannot be read"), std::string::npos);
  EXPECT_TRUE(panel.formats().empty());  // no starter formats in place of the user's own

  AnswerDialog(nullptr, true);
  QTest::mouseClick(panel.newButton, Qt::LeftButton);
  AnswerDialog(nullptr, true);
  QTest::mouseClick(panel.newButton, Qt::LeftButton);
  AnswerDialog([](PaperFormatDialog* f) { f->nameEdit->setText("edited"); }, true);
  QTest::mouseClick(panel.editButton, Qt::LeftButton);
  dialogs.messageAnswers = {MsgResult::Ok};
  QTest::mouseClick(panel.deleteButton, Qt::LeftButton);
  ASSERT_EQ(panel.formats().size(), 1u);
  EXPECT_EQ(panel.formats()[0].name, "No name0");  // the second, edited, was deleted
  const auto messages = dialogs.messages();  // the load, the first unsaved change, the question
  ASSERT_EQ(messages.size(), 3u);
  EXPECT_NE(messages[1].find("cannot be saved"), std::string::npos);
  EXPECT_EQ(ReadBytes(file), before);
  EXPECT_FALSE(std::filesystem::exists(file + ".damaged"));
}

TEST_F(PaperFormatPanelTest, EditConfirmedUnchangedKeepsEveryStoredLengthBitForBit) {
  auto odd = [](double left, double top, double w, double h, double stepA, double stepD) {
    PaperFormat t;
    t.name = "odd";
    t.leftMargin = left, t.topMargin = top, t.width = w, t.height = h;
    t.stepAcross = stepA, t.stepDown = stepD;
    return t;
  };
  const std::vector<PaperFormat> formats = {
      odd(45, 88.5, 120, 120, 120, 130),  // millimetres, no round number of inches
      odd(1.0 / 3, 2.0 / 7, 151.123456789, 118, 151.2, 119),
      odd(0.1 * 25.39995, 0.3 * 25.39995, 4.7 * 25.39995, 55, 4.8 * 25.39995, 55),
      odd(0, 0, 90, 55, 80, 50),          // steps shorter than the element
      odd(2e5, 3e4, 9e4, 4e4, 9e4, 4e4),  // beyond the dialog's ranges
      odd(-5, -1e-9, 1e-12, 0, 1e-12, 0),
  };
  Load(formats);
  for (int i = 0; i < static_cast<int>(formats.size()); ++i) {
    panel.formatBox->setCurrentIndex(i);
    AnswerDialog(nullptr, true);
    QTest::mouseClick(panel.editButton, Qt::LeftButton);
  }
  EXPECT_EQ(ReadBytes(file), EncodePaperFormats(formats));
  // A changed field is converted again; the fields left alone still keep their bits.
  panel.formatBox->setCurrentIndex(1);
  AnswerDialog([](PaperFormatDialog* f) { f->spaceAcrossEdit->setValue(1); }, true);
  QTest::mouseClick(panel.editButton, Qt::LeftButton);
  PaperFormat expected = formats[1];
  expected.stepAcross = (panel.formatDialog()->widthEdit->value() + 1) * 25.39995;
  EXPECT_EQ(Saved()[1], expected);
}
