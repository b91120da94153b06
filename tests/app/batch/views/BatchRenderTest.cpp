// Commands that make and paint designs (render, place-picture, album), and their failures.
#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "app/batch/BatchCommands.h"
#include "app/batch/BatchPlacePicture.h"
#include "app/batch/views/ToolkitCommands.h"
#include "app/coverfile/CoverFile.h"
#include "app/coverfile/PartEdits.h"
#include "cover/album/AlbumLayout.h"
#include "tests/support/TestFiles.h"

namespace {
struct Outcome {
  int code;
  std::string err;
};
Outcome RunCommand(const char* command, const Args& args) {
  RegisterToolkitCommands();
  testing::internal::CaptureStderr();
  Args all{command};
  all.insert(all.end(), args.begin(), args.end());
  const int code = RunBatch(all);
  return {code, testing::internal::GetCapturedStderr()};
}
Outcome Render(const Args& args) {
  return RunCommand("render", args);
}

// The start picture with a red rectangle over (10, 20)-(40, 50) and a note.
void WriteCover(const std::string& path) {
  Document doc;
  doc.setPrinterPage(4960, 7016, 600, 600);
  const double base = doc.scales.BaseScale;
  CoverObject& box = doc.objects[3];
  box.Kind = kShape;
  box.SubKind = 3;
  box.Color = 0x0000FF;
  box.X = int32_t(10 * base), box.Y = int32_t(20 * base), box.W = int32_t(30 * base),
  box.H = int32_t(30 * base);
  CoverObject& note = doc.objects[4];
  note.Kind = kText;
  note.SubKind = 1;
  note.Text = "Note";
  note.FontName = "Liberation Sans";
  note.FontSize = 10;
  note.X = int32_t(200 * base), note.Y = int32_t(100 * base), note.W = int32_t(60 * base),
  note.H = int32_t(40 * base);
  ASSERT_TRUE(SaveFile(doc, path));
}
}  // namespace

TEST(BatchRender, PaintsPictureAndObjectsAtTheZoom) {
  TempDir dir;
  WriteCover(dir.file("c.cov"));
  Outcome r = Render({dir.file("c.cov"), dir.file("out.png")});
  ASSERT_EQ(r.code, 0) << r.err;
  QImage img(QString::fromStdString(dir.file("out.png")));
  ASSERT_EQ(img.size(), QSize(320, 200));
  EXPECT_EQ(img.pixel(25, 35), 0xFFFF0000u);
  EXPECT_EQ(img.pixel(5, 5), 0xFFFFFFFFu);
  EXPECT_EQ(img.pixel(197, 97), 0xFFFFFF00u);  // the note's card beyond its box
  r = Render({dir.file("c.cov"), dir.file("half.png"), "--zoom", "50"});
  ASSERT_EQ(r.code, 0) << r.err;
  img.load(QString::fromStdString(dir.file("half.png")));
  ASSERT_EQ(img.size(), QSize(160, 100));
  EXPECT_EQ(img.pixel(12, 17), 0xFFFF0000u);
}

TEST(BatchRender, FailuresGiveOneLineAndTheirExitCode) {
  TempDir dir;
  WriteCover(dir.file("c.cov"));
  WriteBytes(dir.file("bad.cov"), std::vector<uint8_t>(300, 'x'));
  const struct {
    Args args;
    int code;
    const char* says;
  } cases[] = {
      {{dir.file("c.cov")}, 2, "usage"},
      {{dir.file("c.cov"), dir.file("o.png"), "--zoom"}, 2, "--zoom"},
      {{dir.file("c.cov"), dir.file("o.png"), "--zoom", "0"}, 2, "--zoom"},
      {{dir.file("c.cov"), dir.file("o.png"), "--zoom", "12x"}, 2, "--zoom"},
      {{dir.file("missing.cov"), dir.file("o.png")}, 1, "could not be opened"},
      {{dir.file("bad.cov"), dir.file("o.png")}, 1, "not a valid CD Cover file"},
      {{dir.file("c.cov"), dir.file("o.png"), "--zoom", "0.1"}, 1, "empty"},
      {{dir.file("c.cov"), dir.file("none/o.png")}, 1, "o.png"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args.back());
    const Outcome r = Render(c.args);
    EXPECT_EQ(r.code, c.code);
    EXPECT_NE(r.err.find(c.says), std::string::npos) << r.err;
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
  }
  EXPECT_FALSE(std::filesystem::exists(dir.file("o.png")));
}

namespace {
// A 4 x 2 logo: two blue columns, a grey one and a green one with alpha 0.
void WriteLogo(const std::string& path) {
  QImage logo(4, 2, QImage::Format_ARGB32);
  for (int y = 0; y < 2; ++y) {
    logo.setPixel(0, y, 0xFF0000FFu);
    logo.setPixel(1, y, 0xFF0000FFu);
    logo.setPixel(2, y, 0xFF808080u);
    logo.setPixel(3, y, 0x0000FF00u);
  }
  ASSERT_TRUE(logo.save(QString::fromStdString(path), "PNG"));
}
}  // namespace

TEST(BatchPlacePicture, ThePictureCoversTheBoxExceptItsClearAndKeyedPixels) {
  TempDir dir;
  WriteCover(dir.file("c.cov"));
  WriteLogo(dir.file("logo.png"));
  // Beside the red rectangle (10, 20)-(40, 50), below it in the stacking order, each logo
  // pixel 10 x 10.
  Outcome r = RunCommand("place-picture",
                         {dir.file("c.cov"), dir.file("logo.png"), "--box", "30,20,40,20", "--fit",
                          "stretch", "--transparent", "858080:5", "--out", dir.file("p.cov")});
  ASSERT_EQ(r.code, 0) << r.err;
  r = Render({dir.file("p.cov"), dir.file("out.png")});
  ASSERT_EQ(r.code, 0) << r.err;
  QImage img(QString::fromStdString(dir.file("out.png")));
  EXPECT_EQ(img.pixel(35, 25), 0xFFFF0000u);  // the rectangle above it
  EXPECT_EQ(img.pixel(45, 25), 0xFF0000FFu);  // the logo
  EXPECT_EQ(img.pixel(55, 25), 0xFFFFFFFFu);  // its key colour shows the picture
  EXPECT_EQ(img.pixel(65, 25), 0xFFFFFFFFu);  // so do its clear pixels
  EXPECT_EQ(img.pixel(45, 45), 0xFFFFFFFFu);  // below the box
  // Half opacity, the whole picture kept in proportion: 40 x 20 in the middle of 40 x 40.
  r = RunCommand("place-picture", {dir.file("c.cov"), dir.file("logo.png"), "--box",
                                   "100,100,40,40", "--opacity", "50"});
  ASSERT_EQ(r.code, 0) << r.err;
  r = Render({dir.file("c.cov"), dir.file("half.png")});
  ASSERT_EQ(r.code, 0) << r.err;
  img.load(QString::fromStdString(dir.file("half.png")));
  EXPECT_EQ(img.pixel(105, 105), 0xFFFFFFFFu);  // above the picture, inside the box
  EXPECT_NEAR(qRed(img.pixel(105, 115)), 128, 2);
  EXPECT_EQ(qBlue(img.pixel(105, 115)), 255);
  EXPECT_NEAR(qRed(img.pixel(125, 125)), 192, 2);  // grey at half
}

TEST(BatchPlacePicture, BadArgumentsAndFilesGiveOneLineAndTheirExitCode) {
  TempDir dir;
  WriteCover(dir.file("c.cov"));
  WriteLogo(dir.file("logo.png"));
  WriteBytes(dir.file("bad.png"), std::vector<uint8_t>(300, 'x'));
  const std::string c = dir.file("c.cov"), logo = dir.file("logo.png");
  const struct {
    Args args;
    int code;
    const char* says;
  } cases[] = {
      {{c}, 2, "place-picture"},
      {{c, logo}, 2, "--box"},
      {{c, logo, "--box", "1,2,0,4"}, 2, "--box"},
      {{c, logo, "--box", "1,2,3,4", "--fit", "fill"}, 2, "--fit"},
      {{c, logo, "--box", "1,2,3,4", "--opacity", "101"}, 2, "--opacity"},
      {{c, logo, "--box", "1,2,3,4", "--transparent", "FFFFFF:256"}, 2, "--transparent"},
      {{dir.file("missing.cov"), logo, "--box", "1,2,3,4"}, 1, "missing.cov"},
      {{c, dir.file("bad.png"), "--box", "1,2,3,4"}, 1, "bad.png"},
      {{c, logo, "--box", "1,2,3,4", "--out", dir.file("none/o.cov")}, 1, "o.cov"},
  };
  const std::vector<uint8_t> before = ReadBytes(c);
  for (const auto& k : cases) {
    SCOPED_TRACE(k.args.back());
    const Outcome r = RunCommand("place-picture", k.args);
    EXPECT_EQ(r.code, k.code);
    EXPECT_NE(r.err.find(k.says), std::string::npos) << r.err;
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
  }
  EXPECT_EQ(ReadBytes(c), before);
  PicturePlacement p;
  std::string error;
  ASSERT_TRUE(ParsePicturePlacement(
      {"--transparent", "a0b1C2:17", "--fit", "cover", "--box", "-5,6,7,8"}, p, error));
  EXPECT_EQ(p.settings.key, 0xA0B1C2u);
  EXPECT_EQ(p.settings.tolerance, 17);
  EXPECT_EQ(p.settings.fit, PictureFit::Cover);
  EXPECT_EQ(p.box[0], -5);
}

TEST(BatchAlbum, MakesAFrontOfTheFolderPictureWithAlbumAndArtistAndRefusesBadArguments) {
  TempDir dir;
  const std::filesystem::path music = dir.path() / "music";
  std::filesystem::create_directories(music);
  const std::string flac = (music / "01.flac").string();
  ASSERT_EQ(std::system(("timeout 30 sox -q -n -r 16000 -c 1 -b 16 '" + flac +
                         "' synth 1 sine 440 && timeout 30 metaflac --set-tag=TITLE=One "
                         "--set-tag=ALBUM=Night --set-tag=ARTIST=Band '" +
                         flac + "'")
                            .c_str()),
            0);
  QImage navy(80, 60, QImage::Format_RGB32);
  navy.fill(QColor(0, 0, 128));
  ASSERT_TRUE(navy.save(QString::fromStdString((music / "folder.jpg").string()), "JPEG"));
  Outcome r = RunCommand("album", {music.string(), "--out", dir.file("a.cov")});
  ASSERT_EQ(r.code, 0) << r.err;
  FileSource source(dir.file("a.cov"));
  CoverContents contents;
  ASSERT_EQ(ParseCover(source, contents), CoverError::None);
  Document doc;
  CommitCover(doc, contents);
  EXPECT_EQ(DibWidth(doc.picture), 60);  // the art cut to the square front around its centre
  EXPECT_EQ(DibHeight(doc.picture), 60);
  std::vector<std::string> texts;
  for (int s = 1; s <= ObjectTable::kSlots; ++s)
    if (doc.objects.occupied(s)) {
      texts.push_back(doc.objects[s].Text);
      EXPECT_EQ(doc.objects[s].Color, 0xFFFFFFu);  // light over the dark picture
    }
  EXPECT_EQ(texts, (std::vector<std::string>{"Night", "Band"}));
  const struct {
    Args args;
    int code;
    const char* says;
  } cases[] = {{{music.string()}, 2, "usage"},
               {{music.string(), "--out", dir.file("b.cov"), "--background", "navy"}, 2, "navy"},
               {{dir.file("none"), "--out", dir.file("b.cov")}, 1, "none"}};
  for (const auto& k : cases) {
    r = RunCommand("album", k.args);
    EXPECT_EQ(r.code, k.code);
    EXPECT_NE(r.err.find(k.says), std::string::npos) << r.err;
  }
}

namespace {
// Runs `command` and returns what it printed.
std::string Shell(const std::string& command) {
  std::string out;
  if (FILE* p = popen(command.c_str(), "r")) {
    char buf[4096];
    while (size_t n = fread(buf, 1, sizeof buf, p)) out.append(buf, n);
    pclose(p);
  }
  return out;
}

// `count` tagged FLAC files "Title N" of Night by Band in `folder`; with `art`, each embeds it.
void MakeAlbumFolder(const std::filesystem::path& folder, int count, const std::string& art) {
  std::filesystem::create_directories(folder);
  const std::string tone = (folder / "tone.wav").string();
  ASSERT_EQ(
      std::system(
          ("timeout 30 sox -q -n -r 8000 -c 1 -b 16 '" + tone + "' synth 1 sine 440").c_str()),
      0);
  for (int i = 1; i <= count; ++i) {
    const std::string f = (folder / ("t" + std::to_string(100 + i) + ".flac")).string();
    std::string cmd =
        "timeout 30 flac -s -f -o '" + f + "' '" + tone +
        "' && timeout 30 metaflac --set-tag='TITLE=Title " + std::to_string(i) +
        "' --set-tag=ALBUM=Night --set-tag=ARTIST=Band --set-tag=TRACKNUMBER=" + std::to_string(i) +
        " '" + f + "'";
    if (!art.empty())
      cmd += " && timeout 30 metaflac '--import-picture-from=3||||" + art + "' '" + f + "'";
    ASSERT_EQ(std::system(cmd.c_str()), 0) << cmd;
  }
  std::filesystem::remove(tone);
}
}  // namespace

TEST(BatchAlbum, MakesEveryPartOfThePresetWithTheArtTracksSpinesAndDiscTexts) {
  TempDir dir;
  QImage art(90, 90, QImage::Format_RGB32);
  art.fill(QColor(200, 220, 240));
  ASSERT_TRUE(art.save(QString::fromStdString(dir.file("art.jpg")), "JPEG"));
  MakeAlbumFolder(dir.path() / "embedded", 4, dir.file("art.jpg"));
  MakeAlbumFolder(dir.path() / "forty", 40, "");
  ASSERT_TRUE(
      art.scaled(70, 50).save(QString::fromStdString(dir.file("forty/folder.jpg")), "JPEG"));
  // Each part's kind: Front, Back inlay, Disc, Wrap-around cover.
  const struct {
    const char *folder, *preset, *kinds;
    int tracks, artW, artH;
  } cases[] = {{"embedded", "CD jewel case", "FBD", 4, 90, 90},
               {"forty", "CD jewel case", "FBD", 40, 50, 50},  // cut to the square front
               {"embedded", "dvd case", "WD", 4, 90, 90}};
  for (const auto& k : cases) {
    SCOPED_TRACE(std::string(k.folder) + " " + k.preset);
    const std::string cov = dir.file("a.cov");
    const Outcome r = RunCommand("album", {dir.file(k.folder), "--preset", k.preset, "--out", cov});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.err, "");  // nothing skipped, replaced or left out
    FileSource source(cov);
    CoverContents contents;
    ASSERT_EQ(ParseCover(source, contents), CoverError::None);
    Document doc;
    CommitCover(doc, contents);
    ASSERT_EQ(doc.parts.list.size(), std::strlen(k.kinds));
    for (size_t p = 0; p < doc.parts.list.size(); ++p) {
      const char kind = k.kinds[p];
      Document one;
      std::string error, texts;
      ASSERT_TRUE(ExtractPart(doc, p, one, error)) << error;
      if (kind == 'F') {  // the front's picture is the art
        EXPECT_EQ(DibWidth(one.picture), k.artW);
        EXPECT_EQ(DibHeight(one.picture), k.artH);
      }
      const int64_t w = int64_t(DibWidth(one.picture) * one.scales.BaseScale),
                    h = int64_t(DibHeight(one.picture) * one.scales.BaseScale);
      int pictures = 0;
      for (int s = 1; s <= ObjectTable::kSlots; ++s) {
        if (!one.objects.occupied(s)) continue;
        const CoverObject& o = one.objects[s];
        EXPECT_TRUE(o.X >= 0 && o.Y >= 0 && o.X + int64_t(o.W) <= w && o.Y + int64_t(o.H) <= h)
            << p << ": " << o.Text;
        texts += o.Text + "\n";
        pictures += one.objects.isPicture(s);
        if (!one.objects.isPicture(s))  // legible on the part as printed
          EXPECT_GE(CharHeightUnits(o.FontSize, one.scales) * doc.parts.list[p].format->width / w /
                        25.4 * 72,
                    kMinLegiblePt - 0.01)
              << o.Text;
      }
      EXPECT_EQ(pictures, kind == 'D' || kind == 'W') << p;  // the art on the disc and the front
      int spines = 0;
      for (size_t at = 0; (at = texts.find("Night - Band", at)) != std::string::npos; ++at)
        ++spines;
      EXPECT_EQ(spines, kind == 'B' ? 2 : kind == 'W' ? 1 : 0) << p;
      if (kind == 'F' || kind == 'D')
        EXPECT_EQ(texts, kind == 'F' ? "Night\nBand\n" : "\nNight\nBand\n");
      // What prints: album and artist everywhere, every title on the back.
      const std::string pdf = dir.file("p.pdf");
      ASSERT_EQ(RunCommand("print", {cov, "--part", std::to_string(p + 1), "--pdf", pdf}).code, 0);
      const std::string printed = Shell("pdftotext '" + pdf + "' - 2>/dev/null");
      for (const char* word : {"Night", "Band"}) EXPECT_NE(printed.find(word), std::string::npos);
      if (kind == 'D' && k.artW == 90)  // the disc's art at its own size, not the printer's
        EXPECT_NE(Shell("pdfimages -list '" + pdf + "' | awk 'NR > 2 {print $4 \"x\" $5}'")
                      .find("90x90\n"),
                  std::string::npos);
      for (int t = 1; (kind == 'B' || kind == 'W') && t <= k.tracks; ++t)
        EXPECT_NE(printed.find("Title " + std::to_string(t) + " "), std::string::npos) << t;
    }
  }
  Outcome r;
  r = RunCommand("album",
                 {dir.file("embedded"), "--preset", "Shoe box", "--out", dir.file("x.cov")});
  EXPECT_EQ(r.code, 2);
  EXPECT_NE(r.err.find("Shoe box"), std::string::npos) << r.err;
}
