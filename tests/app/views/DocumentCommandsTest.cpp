#include <gtest/gtest.h>

#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QUrl>
#include <filesystem>

#include "app/coverfile/PartEdits.h"
#include "app/coverfile/PartPresets.h"
#include "app/views/MainWindow.h"
#include "app/views/PartBar.h"
#include "cover/views/ObjectMenu.h"
#include "cover/views/TextsView.h"
#include "platform/codecs/PictureFile.h"
#include "platform/dialogs/ScriptedDialogs.h"
#include "tests/app/coverfile/CoverSamples.h"
#include "tests/support/TestFiles.h"

namespace {
const char kQuestion[] = "Be sure that everything is saved that you want to maintain!";

class DocumentCommandsTest : public ::testing::Test {
 protected:
  ScriptedDialogs dialogs;
  ScopedDialogs scoped{dialogs};
  TempDir dir;
  MainWindow form{false};

  void click(int button) { QTest::mouseClick(form.documentButton(button), Qt::LeftButton); }
  // A saved cover with objects and a 100 x 50 picture of 8 bits.
  std::string SavedCover(const std::string& name) {
    Document doc;
    SetSamplePage(doc);
    doc.scales.ViewZoom = 3;
    AddSampleObjects(doc);
    SetSamplePicture(doc, 8, 100, 50);
    EXPECT_TRUE(SaveFile(doc, dir.file(name)));
    return dir.file(name);
  }
};
}  // namespace

TEST_F(DocumentCommandsTest, TheRowHasItsHints) {
  const char* hints[] = {"Create new Cover", "Open Cover..", "Save Cover", "Save Cover as..."};
  for (int i = 0; i < 4; ++i) EXPECT_EQ(form.documentButton(i)->toolTip(), hints[i]);
}

TEST_F(DocumentCommandsTest, NewAsksAndCancelKeepsEverything) {
  AddSampleObjects(form.doc());
  SetSamplePicture(form.doc(), 4, 10, 10);
  form.setSavedFileName("/covers/jazz.cov");
  const auto before = Snapshot(form.doc());
  QSignalSpy replaced(&form, &MainWindow::documentReplaced);
  dialogs.messageAnswers = {MsgResult::Cancel};
  click(0);
  ASSERT_EQ(dialogs.asked.size(), 1u);
  EXPECT_EQ(dialogs.asked[0].text, kQuestion);
  EXPECT_EQ(dialogs.asked[0].title, "File/New");
  EXPECT_EQ(dialogs.asked[0].buttons, MsgButtons::OkCancel);
  EXPECT_EQ(dialogs.asked[0].icon, MsgIcon::Information);
  EXPECT_EQ(Snapshot(form.doc()), before);
  EXPECT_EQ(form.windowTitle(), "TAVIRON Quendrix 1.1 - [jazz.cov]");
  EXPECT_EQ(replaced.count(), 0);
}

TEST_F(DocumentCommandsTest, NewResetsPictureObjectsAndNameButKeepsPageAndZoom) {
  AddSampleObjects(form.doc());
  SetSamplePicture(form.doc(), 4, 10, 10);
  form.doc().scales.ViewZoom = 2.25;
  const int32_t page = form.doc().pageWidth;
  form.setSavedFileName("/covers/jazz.cov");
  QSignalSpy replaced(&form, &MainWindow::documentReplaced);
  click(0);
  EXPECT_EQ(form.doc().objects.occupiedCount(), 0);
  EXPECT_EQ(DibWidth(form.doc().picture), 320);
  EXPECT_EQ(form.doc().selBottom, 199);
  EXPECT_EQ(form.doc().scales.ViewZoom, 2.25);
  EXPECT_EQ(form.doc().pageWidth, page);
  EXPECT_EQ(form.windowTitle(), "TAVIRON Quendrix 1.1 - [noname.cov]");
  EXPECT_EQ(replaced.count(), 1);
}

TEST_F(DocumentCommandsTest, OpenAsksThenShowsTheCoverDialogAndLoadsTheFile) {
  const std::string path = SavedCover("jazz.cov");
  dialogs.messageAnswers = {MsgResult::Cancel};
  click(1);
  EXPECT_EQ(dialogs.asked.back().title, "File/Open");
  EXPECT_EQ(dialogs.count("open"), 0);

  QSignalSpy replaced(&form, &MainWindow::documentReplaced);
  dialogs.fileAnswers = {FileAnswer{path, 1}};
  click(1);
  ASSERT_EQ(dialogs.count("open"), 1);
  EXPECT_EQ(dialogs.asked.back().text, std::string("Open Cover"));
  EXPECT_EQ(dialogs.lastFileRequest.filter, "CD cover files (*.cov)|*.cov");
  EXPECT_EQ(dialogs.lastFileRequest.defaultExt, "cov");
  EXPECT_EQ(dialogs.lastFileRequest.kind, FileKind::Design);
  EXPECT_EQ(form.doc().objects.occupiedCount(), 16);
  EXPECT_EQ(form.doc().selRight, 99);
  EXPECT_EQ(form.doc().scales.ViewZoom, 3.0);
  EXPECT_EQ(form.doc().savedFileName, path);
  EXPECT_EQ(form.windowTitle(), "TAVIRON Quendrix 1.1 - [jazz.cov]");
  EXPECT_EQ(replaced.count(), 1);
}

TEST_F(DocumentCommandsTest, ABadFileLeavesDocumentAndCaption) {
  WriteBytes(dir.file("bad.cov"), {'T', 'A', 'V'});
  const auto before = Snapshot(form.doc());
  dialogs.fileAnswers = {FileAnswer{dir.file("bad.cov"), 1}};
  click(1);
  EXPECT_EQ(dialogs.messages().back(), "This is not a valid CD Cover file!");
  EXPECT_EQ(Snapshot(form.doc()), before);
  EXPECT_FALSE(form.openCoverFile(dir.file("missing.cov")));
  EXPECT_EQ(dialogs.messages().back(), "The file missing.cov could not be opened!");
  EXPECT_EQ(form.windowTitle(), "TAVIRON Quendrix 1.1 - [noname.cov]");
}

TEST_F(DocumentCommandsTest, ACoverNamedWithARelativePathKeepsItsFullPath) {
  SavedCover("rel.cov");
  const auto cwd = std::filesystem::current_path();
  std::filesystem::current_path(dir.path());
  const bool opened = form.openCoverFile("rel.cov");
  std::filesystem::current_path(cwd);
  ASSERT_TRUE(opened);
  EXPECT_EQ(form.doc().savedFileName, dir.file("rel.cov"));
  EXPECT_EQ(form.windowTitle(), "TAVIRON Quendrix 1.1 - [rel.cov]");
}

TEST_F(DocumentCommandsTest, SaveWithoutAFileIsSaveAsAndThenWritesWithoutADialog) {
  form.doc().setPrinterPage(4960, 7016, 600, 600);
  dialogs.fileAnswers = {std::nullopt};
  click(2);
  EXPECT_EQ(dialogs.count("save"), 1);
  EXPECT_TRUE(dialogs.lastFileRequest.overwritePrompt);
  EXPECT_EQ(dialogs.lastFileRequest.filter, "CD cover files (*.cov)|*.cov");
  EXPECT_EQ(dialogs.lastFileRequest.defaultExt, "cov");
  EXPECT_EQ(form.windowTitle(), "TAVIRON Quendrix 1.1 - [noname.cov]");

  dialogs.fileAnswers = {FileAnswer{dir.file("mine.cov"), 1}};
  click(2);
  EXPECT_EQ(ReadBytes(dir.file("mine.cov")).size(), 192113u);
  EXPECT_EQ(form.windowTitle(), "TAVIRON Quendrix 1.1 - [mine.cov]");
  PlaceObject(form.doc(), 7, kShape, 3);
  click(2);
  EXPECT_EQ(dialogs.count("save"), 2);
  EXPECT_EQ(ReadBytes(dir.file("mine.cov")).size(), 192113u + 86);
  EXPECT_TRUE(dialogs.messages().empty());
}

TEST_F(DocumentCommandsTest, AFailedSaveAsKeepsTheCaption) {
  form.doc().setPrinterPage(4960, 7016, 600, 600);
  form.setSavedFileName(dir.file("old.cov"));
  dialogs.fileAnswers = {FileAnswer{dir.file("gone/new.cov"), 1}};
  click(3);
  EXPECT_EQ(dialogs.messages(), std::vector<std::string>{"The file new.cov could not be created!"});
  EXPECT_EQ(form.windowTitle(), "TAVIRON Quendrix 1.1 - [old.cov]");
  EXPECT_EQ(form.doc().savedFileName, dir.file("old.cov"));
}

TEST_F(DocumentCommandsTest, TheDesktopsUsualKeysPressTheDocumentButtons) {
  form.show();
  form.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
  const std::string path = dir.file("keys.cov");
  form.setSavedFileName(path);
  QTest::keyClick(&form, Qt::Key_S, Qt::ControlModifier);
  EXPECT_TRUE(std::filesystem::exists(path));
  EXPECT_TRUE(dialogs.asked.empty());
  dialogs.messageAnswers = {MsgResult::Cancel};
  QTest::keyClick(&form, Qt::Key_N, Qt::ControlModifier);
  ASSERT_EQ(dialogs.asked.size(), 1u);
  EXPECT_EQ(dialogs.asked[0].title, "File/New");
  EXPECT_EQ(form.doc().savedFileName, path);
}

namespace {
// Drops `paths` on the window as a file manager does; true when the window took the drag.
bool Drop(MainWindow& form, const std::vector<std::string>& paths) {
  QMimeData data;
  QList<QUrl> urls;
  for (const std::string& p : paths) urls << QUrl::fromLocalFile(QString::fromStdString(p));
  data.setUrls(urls);
  QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(&form, &enter);
  if (!enter.isAccepted()) return false;
  QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(&form, &drop);
  QCoreApplication::processEvents();
  return true;
}
}  // namespace

TEST_F(DocumentCommandsTest, ADroppedDesignIsOpenedAfterTheOpenQuestion) {
  const std::string path = SavedCover("dropped.cov");
  const auto before = Snapshot(form.doc());
  dialogs.messageAnswers = {MsgResult::Cancel, MsgResult::Ok};
  ASSERT_TRUE(Drop(form, {path}));
  ASSERT_EQ(dialogs.asked.size(), 1u);
  EXPECT_EQ(dialogs.asked[0].title, "File/Open");
  EXPECT_EQ(Snapshot(form.doc()), before);
  ASSERT_TRUE(Drop(form, {path}));
  EXPECT_EQ(DibWidth(form.doc().picture), 100);
  EXPECT_EQ(form.doc().savedFileName, path);
  EXPECT_EQ(form.windowTitle(), "TAVIRON Quendrix 1.1 - [dropped.cov]");
}

TEST_F(DocumentCommandsTest, ADroppedPictureReplacesThePictureAndKeepsTheDesign) {
  AddSampleObjects(form.doc());
  form.setSavedFileName("/covers/jazz.cov");
  Dib dib;
  NewDib(dib, 40, 30, 24, nullptr, 0);
  ASSERT_TRUE(SaveDib(dib, dir.file("scan.bmp"), 3));
  FreeDib(dib);
  ASSERT_TRUE(Drop(form, {dir.file("scan.bmp")}));
  EXPECT_TRUE(dialogs.asked.empty());
  EXPECT_EQ(DibWidth(form.doc().picture), 40);
  EXPECT_EQ(form.doc().selRight, 40);
  EXPECT_EQ(form.doc().savedFileName, "/covers/jazz.cov");
  EXPECT_EQ(form.doc().objects.occupiedCount(), 16);  // the sample objects stay
}

TEST_F(DocumentCommandsTest, ADroppedFileThatIsNeitherSaysSoAndSeveralFilesAreRefused) {
  WriteBytes(dir.file("notes.cov"), {'h', 'e', 'l', 'l', 'o'});
  const auto before = Snapshot(form.doc());
  ASSERT_TRUE(Drop(form, {dir.file("notes.cov")}));
  ASSERT_EQ(dialogs.asked.size(), 1u);
  EXPECT_EQ(dialogs.asked[0].title, "Error");
  EXPECT_EQ(Snapshot(form.doc()), before);
  EXPECT_FALSE(Drop(form, {dir.file("notes.cov"), dir.file("notes.cov")}));
  EXPECT_FALSE(Drop(form, {}));
}

TEST_F(DocumentCommandsTest, ThePartTabsSwitchAddRenameMoveAndRemoveTheDesignsParts) {
  Document design;
  SetSamplePage(design);
  SetSamplePicture(design, 24, 6, 4);
  design.parts.list[0].name = "Front";
  std::string error;
  ASSERT_TRUE(DuplicatePart(design, 0, "Disc", error));
  ASSERT_TRUE(SaveFile(design, dir.file("disc.cov")));
  ASSERT_TRUE(form.openCoverFile(dir.file("disc.cov")));
  PartBar& bar = *form.partBar();
  ASSERT_EQ(bar.count(), 2);
  EXPECT_EQ(bar.tabText(1), "Disc");

  QSignalSpy replaced(&form, &MainWindow::documentReplaced);
  Dib smaller;
  NewWhiteDib(smaller, 3, 3);
  form.doc().replacePictureAsStep(smaller, "Scan");  // a step of the front, kept when it is left
  bar.setCurrentIndex(1);
  EXPECT_EQ(replaced.count(), 1);
  EXPECT_EQ(DibWidth(form.doc().picture), 6);
  EXPECT_FALSE(form.doc().history.canUndo());
  bar.addPart();
  ASSERT_EQ(bar.count(), 3);
  EXPECT_EQ(bar.currentIndex(), 2);
  EXPECT_EQ(form.doc().parts.list[2].name, "Part 3");
  EXPECT_EQ(DibWidth(form.doc().picture), 320);
  bar.startRename(2);
  bar.nameField()->setText("Disc");  // taken: said, and the name stays
  QTest::keyClick(bar.nameField(), Qt::Key_Return);
  EXPECT_EQ(dialogs.messages().back(), "there is already a part called Disc");
  bar.startRename(2);
  bar.nameField()->setText("Spine");
  QTest::keyClick(bar.nameField(), Qt::Key_Return);
  EXPECT_EQ(bar.tabText(2), "Spine");
  bar.moveTab(2, 0);
  EXPECT_EQ(form.doc().parts.list[0].name, "Spine");
  EXPECT_EQ(form.doc().parts.current, 0u);
  dialogs.messageAnswers = {MsgResult::No, MsgResult::Yes};
  bar.removePart(0);
  EXPECT_EQ(bar.count(), 3);
  bar.removePart(0);
  ASSERT_EQ(bar.count(), 2);
  EXPECT_EQ(form.doc().parts.current, 0u);
  EXPECT_EQ(DibWidth(form.doc().picture), 3);  // the front as it was changed, with its step
  ASSERT_TRUE(form.doc().history.canUndo());
  form.undo();
  EXPECT_EQ(DibWidth(form.doc().picture), 6);
  form.redo();

  // "Copy to parts..." puts the selected object into the other part at its place.
  CoverObject& title = form.doc().objects[7];
  title.Kind = kText;
  title.Text = "Title";
  title.X = 1234;
  form.doc().objects.selectedSlot = 7;
  emit form.textsView()->objectMenu->aboutToShow();
  EXPECT_TRUE(form.copyToPartsAction()->isEnabled());
  form.copyToParts({1});
  Document disc;
  ASSERT_TRUE(ExtractPart(form.doc(), 1, disc, error));
  EXPECT_EQ(disc.objects[1].Text, "Title");
  EXPECT_EQ(disc.objects[1].X, 1234);

  click(2);  // Save keeps every part
  Document saved;
  ASSERT_TRUE(OpenFile(saved, dir.file("disc.cov")));
  ASSERT_EQ(saved.parts.list.size(), 2u);
  EXPECT_EQ(saved.parts.list[1].name, "Disc");
  EXPECT_EQ(DibWidth(saved.picture), 3);

  // New from a preset asks as New does; each part keeps the printer page. One undo step takes
  // the new design back: the saved design with its parts, name and the front's own step.
  const auto old = Snapshot(form.doc());
  dialogs.messageAnswers = {MsgResult::Ok};
  bar.newFromPreset(PartPresets()[2]);
  ASSERT_EQ(bar.count(), 2);
  EXPECT_EQ(bar.tabText(0), "Wrap-around cover");
  EXPECT_EQ(form.doc().parts.list[0].format->width, 273);
  EXPECT_EQ(DibWidth(form.doc().picture), 3224);
  EXPECT_EQ(form.doc().pageWidth, saved.pageWidth);
  EXPECT_EQ(form.windowTitle(), "TAVIRON Quendrix 1.1 - [noname.cov]");
  const auto made = Snapshot(form.doc());
  form.undo();
  EXPECT_EQ(Snapshot(form.doc()), old);
  EXPECT_EQ(bar.tabText(1), "Disc");
  EXPECT_EQ(form.windowTitle(), "TAVIRON Quendrix 1.1 - [disc.cov]");
  form.redo();
  EXPECT_EQ(Snapshot(form.doc()), made);
  EXPECT_EQ(bar.tabText(0), "Wrap-around cover");
  for (int i = 0; i < 3; ++i) form.undo();  // the design, the title typed in, the front's step
  EXPECT_EQ(DibWidth(form.doc().picture), 6);
}

TEST_F(DocumentCommandsTest, NewFromMusicMakesThePresetsPartsInAChosenColourAndListsWhatItChanged) {
  const std::filesystem::path music = dir.path() / "music";
  std::filesystem::create_directories(music);
  const std::string flac = (music / "01.flac").string();
  ASSERT_EQ(std::system(("timeout 30 sox -q -n -r 8000 -c 1 -b 16 '" + flac +
                         "' synth 1 sine 440 && timeout 30 metaflac '--set-tag=TITLE=Ωmega' "
                         "--set-tag=ALBUM=Night --set-tag=ARTIST=Band '" +
                         flac + "'")
                            .c_str()),
            0);
  WriteBytes((music / "02.flac").string(), {'f', 'L', 'a', 'C', 0});  // damaged
  auto* button = form.findChild<QPushButton*>("newFromMusicButton");
  ASSERT_TRUE(button && button->menu());
  EXPECT_EQ(button->accessibleName(), "New from music...");
  QAction* jewelCase = button->menu()->actions().at(0);
  EXPECT_EQ(jewelCase->text(), "CD jewel case");
  AddSampleObjects(form.doc());
  const auto before = Snapshot(form.doc());
  // Cancelling the question, the file or the colour keeps the design.
  for (int cancelAt = 0; cancelAt < 3; ++cancelAt) {
    dialogs.messageAnswers = {cancelAt == 0 ? MsgResult::Cancel : MsgResult::Ok};
    dialogs.fileAnswers = {cancelAt == 1 ? std::nullopt : std::optional<FileAnswer>({flac, 1})};
    dialogs.colorAnswers = {std::nullopt};
    jewelCase->trigger();
    EXPECT_EQ(Snapshot(form.doc()), before) << cancelAt;
  }
  dialogs.asked.clear();
  dialogs.fileAnswers = {FileAnswer{flac, 1}};
  dialogs.colorAnswers = {0x800000};  // navy
  jewelCase->trigger();
  const Document& doc = form.doc();
  ASSERT_EQ(doc.parts.list.size(), 3u);
  const uint8_t* pixel = DibRow(doc.picture, 0);
  EXPECT_EQ(pixel[0] << 16 | pixel[1] << 8 | pixel[2], 0x800000);
  const std::vector<std::string> messages = dialogs.messages();
  ASSERT_EQ(messages.size(), 2u);  // the question and what was changed
  EXPECT_NE(messages[1].find("02.flac"), std::string::npos) << messages[1];
  EXPECT_NE(messages[1].find("Ω -> "), std::string::npos) << messages[1];
  // One step takes the whole new design back, and brings it again.
  const auto made = Snapshot(doc);
  form.undo();
  EXPECT_EQ(Snapshot(doc), before);
  EXPECT_EQ(form.partBar()->count(), 1);
  form.redo();
  EXPECT_EQ(Snapshot(doc), made);
  EXPECT_EQ(form.partBar()->count(), 3);
}
