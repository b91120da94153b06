// The track list dialog and the texts it places in the Texts view.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <fstream>
#include <functional>

#include "cover/tracks/views/TrackListDialog.h"
#include "cover/views/ObjectMenu.h"
#include "cover/views/TextsToolBar.h"
#include "cover/views/TextsView.h"
#include "platform/dialogs/ScriptedDialogs.h"
#include "tests/support/TestFiles.h"

namespace {
using Lines = std::vector<std::string>;

struct NoCoverDialogs : CoverDialogs {
  std::optional<Lines> enterTexts(const Lines&) override { return std::nullopt; }
  std::optional<TextEffects> textEffects(const TextEffects&) override { return std::nullopt; }
};

// A mono 16-bit WAV file of `seconds` of silence at 8000 samples a second, without tags.
void WriteWav(const std::string& path, int seconds) {
  const uint32_t data = uint32_t(seconds) * 8000 * 2;
  std::ofstream out(path, std::ios::binary);
  const auto u32 = [&](uint32_t v) { out.write(reinterpret_cast<const char*>(&v), 4); };
  const auto u16 = [&](uint16_t v) { out.write(reinterpret_cast<const char*>(&v), 2); };
  out << "RIFF";
  u32(36 + data);
  out << "WAVEfmt ";
  u32(16), u16(1), u16(1), u32(8000), u32(16000), u16(2), u16(16);
  out << "data";
  u32(data);
  out << std::string(data, '\0');
}

const char* const kCue =
    "PERFORMER \"Zo\xC3\xAB & \xC5\x81ukasz\"\nTITLE \"Caf\xC3\xA9 Nights\"\nFILE \"gone.flac\" "
    "WAVE\n"
    "TRACK 01 AUDIO\nTITLE \"Dawn \xE2\x80\x90 intro\"\nINDEX 01 00:00:00\n"
    "TRACK 02 AUDIO\nTITLE \"Long Road Home\"\nINDEX 01 01:30:00\n";

// Acts on the track list dialog once it runs modally.
void WhenShown(std::function<void(TrackListDialog*)> act, int tries = 300) {
  QTimer::singleShot(10, [act, tries] {
    if (auto* d = qobject_cast<TrackListDialog*>(QApplication::activeModalWidget()))
      act(d);
    else if (tries > 0)
      WhenShown(act, tries - 1);
  });
}

class TrackListDialogTest : public ::testing::Test {
 protected:
  TempDir dir;
  ScriptedDialogs dialogs;
  ScopedDialogs scoped{dialogs};
  void SetUp() override { std::ofstream(dir.file("album.cue"), std::ios::binary) << kCue; }
};
}  // namespace

TEST_F(TrackListDialogTest, ChosenSourcesFillTheListTotalTitleAndReplacedCharacters) {
  TrackListDialog d;
  d.patternEdit->setText(kDefaultTrackPattern);
  EXPECT_FALSE(d.okButton->isEnabled());
  dialogs.fileAnswers.push_back(FileAnswer{dir.file("album.cue"), 1});
  ASSERT_TRUE(d.chooseCueSheet());
  EXPECT_EQ(dialogs.lastFileRequest.filter, "Cue sheets (*.cue)|*.cue");
  EXPECT_EQ(dialogs.messages(),
            (Lines{"These files cannot be read and are left out:\n"
                   "gone.flac: not found; the length of its last track is unknown"}));
  EXPECT_EQ(d.listView->toPlainText().toStdString(),
            "1. Dawn \xE2\x80\x90 intro - Zo\xC3\xAB & \xC5\x81ukasz  1:30\n2. Long Road Home - "
            "Zo\xC3\xAB & \xC5\x81ukasz  ");
  EXPECT_EQ(d.totalLabel->text(), "1:30 (1 without a time)");
  EXPECT_TRUE(d.titleCheck->isChecked());
  EXPECT_TRUE(d.titleCheck->text().endsWith(
      QString::fromUtf8(": Caf\xC3\xA9 Nights / Zo\xC3\xAB & \xC5\x81ukasz")));
  EXPECT_EQ(d.chosenTitleLines(), (Lines{"Caf\xC3\xA9 Nights", "Zo\xC3\xAB & \xC5\x81ukasz"}));
  EXPECT_TRUE(d.unheldLabel->text().contains(QString::fromUtf8("\xE2\x80\x90 \xE2\x86\x92 -")));
  EXPECT_TRUE(d.unheldLabel->text().contains(QString::fromUtf8("\xC5\x81 \xE2\x86\x92 L")));
  EXPECT_TRUE(d.okButton->isEnabled());

  d.patternEdit->setText("%N %t");
  EXPECT_EQ(d.listLines(), (Lines{"01 Dawn \xE2\x80\x90 intro", "02 Long Road Home"}));
  EXPECT_EQ(TrackListDialog().patternEdit->text(), "%N %t");  // the next dialog starts with it
  d.titleCheck->setChecked(false);
  EXPECT_TRUE(d.chosenTitleLines().empty());
  EXPECT_TRUE(d.unheldLabel->text().contains(QString::fromUtf8("\xE2\x80\x90")));
  EXPECT_FALSE(d.unheldLabel->text().contains(QString::fromUtf8("\xC5\x81")));

  WriteWav(dir.file("02 second.wav"), 2);
  WriteWav(dir.file("01 first.wav"), 1);
  dialogs.folderAnswers.push_back(dir.path().string());
  ASSERT_TRUE(d.chooseFolder());
  EXPECT_EQ(d.listLines(), (Lines{"01 01 first", "02 02 second"}));
  EXPECT_EQ(d.totalLabel->text(), "0:03");
  EXPECT_FALSE(d.titleCheck->isEnabled());

  TempDir empty;
  dialogs.folderAnswers.push_back(empty.path().string());
  EXPECT_FALSE(d.chooseFolder());
  EXPECT_EQ(dialogs.messages().back(), "No track list can be made from " + empty.path().string() +
                                           ": it holds no audio files.");
  EXPECT_EQ(dialogs.asked.back().title, "Error");
  EXPECT_EQ(d.listLines().size(), 2u);  // the list read before stays
  EXPECT_FALSE(d.choosePlaylist());     // cancelled
  EXPECT_EQ(dialogs.lastFileRequest.title, "Open playlist");
}

TEST_F(TrackListDialogTest, OkPlacesTitleAndListAtTheVisibleTopLeftWithBoxesThatHoldTheLines) {
  CoverScales scales;
  ObjectTable table(scales);
  Dib picture;
  NewWhiteDib(picture, 1600, 1200);
  int32_t pageWidth = 41994584, pageHeight = 59402226;
  NoCoverDialogs coverDialogs;
  {
    TextsView view(TextsDocument{picture, table, pageWidth, pageHeight}, coverDialogs);
    view.resize(600, 400);
    view.show();
    view.sizeForPage();
    QApplication::processEvents();
    view.scrollArea->horizontalScrollBar()->setValue(300);
    view.scrollArea->verticalScrollBar()->setValue(200);
    view.editor().dialogFont.size = 20;
    view.editor().dialogFont.name = "Liberation Sans";

    dialogs.fileAnswers.push_back(FileAnswer{dir.file("album.cue"), 1});
    WhenShown([](TrackListDialog* d) {
      d->patternEdit->setText(kDefaultTrackPattern);
      QTest::mouseClick(d->cueButton, Qt::LeftButton);
      QTest::mouseClick(d->okButton, Qt::LeftButton);
    });
    QTest::mouseClick(view.toolBar->trackListButton, Qt::LeftButton);

    ASSERT_EQ(table.occupiedCount(), 2);
    const CoverObject& title = table[1];
    const CoverObject& list = table[2];
    EXPECT_EQ(title.Text, "Caf\xE9 Nights\rZo\xEB & Lukasz");
    EXPECT_EQ(list.Text,
              "1. Dawn - intro - Zo\xEB & Lukasz  1:30\r2. Long Road Home - Zo\xEB & Lukasz  ");
    EXPECT_EQ(title.X, int32_t(300 * scales.ViewScale));  // as a click at the scroll position
    EXPECT_EQ(title.Y, int32_t(200 * scales.ViewScale));
    EXPECT_EQ(list.X, title.X);
    EXPECT_EQ(list.Y, title.Y + title.H);
    EXPECT_EQ(list.FontSize, 20);
    EXPECT_EQ(list.FontName, "Liberation Sans");
    // At any zoom every line fits the box's width, and all lines its height.
    for (double zoom : {1.0, 3.0}) {
      QFont font("Liberation Sans");
      font.setPixelSize(int(20 * zoom));
      const QFontMetricsF fm(font);
      const double boxWidth = list.W / scales.BaseScale * zoom;
      const double boxHeight = list.H / scales.BaseScale * zoom;
      EXPECT_LE(
          fm.horizontalAdvance(QString::fromLatin1("1. Dawn - intro - Zo\xEB & Lukasz  1:30")),
          boxWidth);
      EXPECT_LE(2 * fm.height(), boxHeight);
      EXPECT_GT(3 * fm.height(), boxHeight);
    }

    // The object's pop-up menu offers the same command.
    table.selectedSlot = 2;
    bool shown = false;
    WhenShown([&shown](TrackListDialog* d) {
      shown = true;
      QTest::mouseClick(d->cancelButton, Qt::LeftButton);
    });
    view.objectMenu->trackListAction->trigger();
    for (int i = 0; i < 100 && !shown; ++i) QTest::qWait(10);
    EXPECT_TRUE(shown);
    EXPECT_EQ(table.occupiedCount(), 2);
  }
  FreeDib(picture);
}
