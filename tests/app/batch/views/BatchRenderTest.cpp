// quendrix render: the cover painted into a picture file, and its failures.
#include <gtest/gtest.h>

#include <QImage>

#include "app/batch/BatchCommands.h"
#include "app/batch/views/ToolkitCommands.h"
#include "app/coverfile/CoverFile.h"
#include "tests/support/TestFiles.h"

namespace {
struct Outcome {
  int code;
  std::string err;
};
Outcome Render(const Args& args) {
  RegisterToolkitCommands();
  testing::internal::CaptureStderr();
  Args all{"render"};
  all.insert(all.end(), args.begin(), args.end());
  const int code = RunBatch(all);
  return {code, testing::internal::GetCapturedStderr()};
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
