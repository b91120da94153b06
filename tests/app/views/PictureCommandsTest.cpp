// "Open picture..." and "Save picture..." of the Scan tab, and the Retouch tab's "Save as...".
#include <gtest/gtest.h>

#include <QTest>

#include "app/views/MainWindow.h"
#include "app/views/PictureCommands.h"
#include "app/views/ScanView.h"
#include "app/views/TabPage.h"
#include "platform/codecs/PictureFile.h"
#include "platform/dialogs/ScriptedDialogs.h"
#include "retouch/views/RetouchView.h"
#include "tests/support/TestFiles.h"

namespace {
class PictureCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  }
  // Writes a w x h BMP file whose top-left pixel is red.
  std::string PictureFile(const std::string& name, int w, int h) {
    Dib dib;
    NewDib(dib, w, h, 24, nullptr, 0);
    SetDibPixel(dib, 0, 0, 0xFF0000);
    std::string error;
    EXPECT_TRUE(SavePictureFile(dib, dir.file(name), 3, error)) << error;
    FreeDib(dib);
    return dir.file(name);
  }
  PictureFormat FormatOf(const std::string& path) {
    const std::vector<uint8_t> bytes = ReadBytes(path);
    return FormatFromContents(ByteView{bytes.data(), bytes.size()});
  }
  PictureCommands& commands() { return form.pictureCommands(); }

  TempDir dir;
  ScriptedDialogs dialogs;
  ScopedDialogs scoped{dialogs};
  MainWindow form{false};
};
}  // namespace

TEST_F(PictureCommandsTest, ButtonsSitInTheScanTabsLeftPanel) {
  QWidget* panel = form.page(MainWindow::kScanTab)->leftPanel();
  EXPECT_EQ(commands().openButton()->text(), "Open picture...");
  EXPECT_EQ(commands().saveButton()->text(), "Save picture...");
  EXPECT_TRUE(panel->isAncestorOf(commands().openButton()));
  EXPECT_TRUE(panel->isAncestorOf(commands().saveButton()));
}

TEST_F(PictureCommandsTest, OpenReplacesThePictureAndSelectsItWhole) {
  const std::string path = PictureFile("in.bmp", 80, 60);
  form.doc().selLeft = 7;
  dialogs.fileAnswers = {FileAnswer{path, 2}};
  QTest::mouseClick(commands().openButton(), Qt::LeftButton);
  EXPECT_EQ(dialogs.lastFileRequest.filter,
            "All pictures|*.BMP;*.DIB;*.GIF;*.IFF;*.JIF;*.JPG;*.LBM;*.PCX;*.RLE;*.TGA;*.TIF;*.PNG|"
            "BMP - Windows, OS/2 Bitmap|*.BMP|DIB - Windows, OS/2 DIB|*.DIB|"
            "GIF - CompuServe Graphics Interchange|*.GIF|IFF - Amiga|*.IFF|"
            "JIF - JPEG - JFIF Compilant|*.JIF|JPG - JPEG - JFIF Compilant|*.JPG|"
            "LBM - Deluxe Paint|*.LBM|PCX - ZSoft Paintbrush|*.PCX|RLE - Windows RLE|*.RLE|"
            "TGA - Truevision Targa|*.TGA|TIF - Tagged image file Format|*.TIF|"
            "PNG - Portable Graphics Network|*.PNG|All files (*.*)|*.*");
  ASSERT_EQ(DibWidth(form.doc().picture), 80);
  EXPECT_EQ(GetDibPixel(form.doc().picture, 0, 0), 0xFF0000u);
  EXPECT_EQ(form.doc().selLeft, 0);
  EXPECT_EQ(form.doc().selRight, 80);
  EXPECT_EQ(form.doc().selBottom, 60);
  EXPECT_EQ(form.scanView()->paintBox()->size(), QSize(80, 60));
  EXPECT_EQ(form.retouchView()->paintBox()->size(), QSize(80, 60));
  EXPECT_TRUE(dialogs.messages().empty());
}

TEST_F(PictureCommandsTest, ADamagedFileOrACancelKeepsThePicture) {
  WriteBytes(dir.file("bad.bmp"), {'B', 'M', 1, 2, 3});
  form.doc().selRight = 100;
  dialogs.fileAnswers = {FileAnswer{dir.file("bad.bmp"), 1}, std::nullopt};
  commands().openPicture();
  EXPECT_EQ(DibWidth(form.doc().picture), 320);
  EXPECT_EQ(form.doc().selRight, 100);
  ASSERT_EQ(dialogs.count("message"), 1);  // the error names the file
  EXPECT_NE(dialogs.asked.back().text.find("bad.bmp"), std::string::npos);
  commands().openPicture();
  EXPECT_EQ(DibWidth(form.doc().picture), 320);
  EXPECT_EQ(dialogs.count("message"), 1);
}

TEST_F(PictureCommandsTest, SaveAppendsTheChosenEntrysExtension) {
  dialogs.fileAnswers = {FileAnswer{dir.file("cover"), 6}, FileAnswer{dir.file("cover.png"), 6},
                         FileAnswer{dir.file("label"), 12}};
  QTest::mouseClick(commands().saveButton(), Qt::LeftButton);
  EXPECT_EQ(dialogs.lastFileRequest.filter, PictureSaveFilter());
  EXPECT_EQ(dialogs.lastFileRequest.kind, FileKind::Picture);
  EXPECT_EQ(FormatOf(dir.file("cover.jpg")), PictureFormat::Jpeg);
  commands().savePicture();  // the name's own extension stays; the entry decides the format
  EXPECT_EQ(FormatOf(dir.file("cover.png")), PictureFormat::Jpeg);
  commands().savePicture();
  EXPECT_EQ(FormatOf(dir.file("label.png")), PictureFormat::Png);
  EXPECT_TRUE(dialogs.messages().empty());
}

TEST_F(PictureCommandsTest, AnAppendedExtensionDoesNotOverwriteWithoutAsking) {
  WriteBytes(dir.file("cover.bmp"), {1, 2, 3});
  dialogs.fileAnswers = {FileAnswer{dir.file("cover"), 1}, FileAnswer{dir.file("cover"), 1}};
  dialogs.messageAnswers = {MsgResult::No, MsgResult::Yes};
  commands().savePicture();
  EXPECT_EQ(ReadBytes(dir.file("cover.bmp")), (std::vector<uint8_t>{1, 2, 3}));
  commands().savePicture();
  EXPECT_EQ(FormatOf(dir.file("cover.bmp")), PictureFormat::Bmp);
  EXPECT_EQ(dialogs.count("message"), 2);
}

TEST_F(PictureCommandsTest, RetouchSaveAsRunsTheSameSave) {
  dialogs.fileAnswers = {FileAnswer{dir.file("retouched"), 11}};
  form.retouchView()->fileMenu()->actions()[0]->trigger();
  EXPECT_EQ(dialogs.count("save"), 1);
  EXPECT_EQ(FormatOf(dir.file("retouched.tif")), PictureFormat::Tiff);
}
