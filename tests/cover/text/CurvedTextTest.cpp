#include <gtest/gtest.h>

#include <cmath>

#include "cover/DrawCoverObjects.h"
#include "cover/Editor.h"
#include "platform/device/RecordingDevice.h"
#include "platform/dialogs/ScriptedDialogs.h"

namespace {
constexpr double kPi = 3.14159265358979323846;

// A letter as the device saw it: where its baseline starts, the font's angle and height.
struct Seen {
  double x, y, angle;
  long long height;
  std::string text;
  COLORREF color;
};

// A 400 x 400 box at (0, 0): the circle has radius 200 around (200, 200). The recording device
// measures letters 10 pixels wide with ascent 20 and descent 5 for 20-pixel characters.
class CurvedTextTest : public ::testing::Test {
 protected:
  CoverScales scales;
  ObjectTable table{scales};
  RecordingDevice dc;

  void SetUp() override { scales.BaseScale = 1024; }

  CoverObject& Curved(const std::string& text, TextShape shape, int arc, int align,
                      int spacing = 0) {
    CoverObject& o = table[1];
    o.Kind = kText;
    o.X = o.Y = 0;
    o.W = o.H = 400 * 1024;
    o.Text = text;
    o.FontSize = 20;
    o.FontName = "Liberation Sans";
    o.Align = align;
    table.layout(1) = TextLayout{shape, arc, spacing};
    return o;
  }
  std::vector<Seen> Draw() {
    dc.calls.clear();
    DrawCoverObjects(dc, table, 0, 0, 1.0 / 1024);
    std::vector<Seen> out;
    long long angle = 0, height = 0;
    COLORREF color = 0;
    for (const auto& c : dc.calls) {
      if (c.name == "SelectFont") angle = c.args[1], height = c.args[0];
      if (c.name == "SetTextColor") color = COLORREF(c.args[0]);
      if (c.name == "TextOut")
        out.push_back({double(c.args[0]), double(c.args[1]), angle / 10.0, height, c.text, color});
    }
    return out;
  }
  // Angle of a point around the centre, degrees counter-clockwise from the right, 0..360.
  static double Polar(double x, double y) {
    const double a = std::atan2(200 - y, x - 200) * 180 / kPi;
    return a < 0 ? a + 360 : a;
  }
  // The middle of a letter's baseline for a letter `w` wide.
  static void Middle(const Seen& s, double w, double& x, double& y) {
    x = s.x + std::cos(s.angle * kPi / 180) * w / 2;
    y = s.y - std::sin(s.angle * kPi / 180) * w / 2;
  }
  static double AngleDiff(double a, double b) { return std::remainder(a - b, 360.0); }
};

TEST_F(CurvedTextTest, EachLetterSitsOnItsLinesArcAtTheTangentAngle) {
  struct Case {
    TextShape shape;
    int align;
  };
  for (const Case c : {Case{TextShape::TopArc, 0}, Case{TextShape::TopArc, 1},
                       Case{TextShape::TopArc, 2}, Case{TextShape::BottomArc, 0},
                       Case{TextShape::BottomArc, 1}, Case{TextShape::BottomArc, 2}}) {
    SCOPED_TRACE(testing::Message() << "shape " << int(c.shape) << " align " << c.align);
    const bool top = c.shape == TextShape::TopArc;
    Curved("ABCDE\rFGH\rIJ", c.shape, 120, c.align);
    const std::vector<Seen> seen = Draw();
    ASSERT_EQ(seen.size(), 10u);
    const int lineOf[10] = {0, 0, 0, 0, 0, 1, 1, 1, 2, 2};
    double previous = top ? 999 : -999;
    for (int i = 0; i < 10; ++i) {
      double mx, my;
      Middle(seen[i], 10, mx, my);
      // Line k's baseline: 25 pixels further in per line, the letters' tops (bottoms) touching.
      const double radius = 200 - 25 * lineOf[i] - (top ? 20 : 5);
      EXPECT_NEAR(std::hypot(mx - 200, my - 200), radius, 1.0) << i;
      const double at = Polar(mx, my);
      EXPECT_NEAR(AngleDiff(seen[i].angle, top ? at - 90 : at + 90), 0, 0.6) << i;
      EXPECT_EQ(seen[i].height, -20);
      if (i == 5 || i == 8) previous = top ? 999 : -999;  // a new line starts at the left again
      // Left to right: clockwise over the top, counter-clockwise under the bottom.
      EXPECT_TRUE(top ? at < previous : (at > previous || previous < -900)) << i;
      previous = at;
    }
    // Align puts each line at the span's start, centre or end (the span is 60 degrees either side).
    for (auto [first, last] : {std::pair{0, 4}, std::pair{5, 7}, std::pair{8, 9}}) {
      const double start = Polar(seen[first].x, seen[first].y);
      const double endX = seen[last].x + std::cos(seen[last].angle * kPi / 180) * 10;
      const double endY = seen[last].y - std::sin(seen[last].angle * kPi / 180) * 10;
      const double end = Polar(endX, endY);
      const double spanStart = top ? 150 : 210, spanEnd = top ? 30 : 330;
      const double atStart = AngleDiff(start, spanStart), atEnd = AngleDiff(end, spanEnd);
      EXPECT_NEAR(c.align == 0 ? atStart : c.align == 2 ? atEnd : atStart + atEnd, 0, 1.0);
    }
  }
}

TEST_F(CurvedTextTest, LongTextLosesItsSpacingFirstThenShrinksAndStaysInsideTheSpan) {
  struct Case {
    int chars, spacing;
    long long height;  // of the letters drawn
  };
  // 90 degrees of the baseline (radius 180) are 282.7 pixels.
  for (const Case c :
       {Case{20, 50, -20}, Case{27, 10, -20}, Case{60, 20, -9}, Case{60, -25, -18}}) {
    SCOPED_TRACE(testing::Message() << c.chars << " letters, spacing " << c.spacing);
    Curved(std::string(c.chars, 'x'), TextShape::TopArc, 90, 0, c.spacing);
    const std::vector<Seen> seen = Draw();
    ASSERT_EQ(seen.size(), size_t(c.chars));
    for (const Seen& s : seen) {
      EXPECT_EQ(s.height, c.height);
      const double w = 10.0 * -s.height / 20;
      const double end =
          Polar(s.x + std::cos(s.angle * kPi / 180) * w, s.y - std::sin(s.angle * kPi / 180) * w);
      EXPECT_LE(Polar(s.x, s.y), 135.3);
      EXPECT_GE(end, 44.7);
    }
  }
}

TEST_F(CurvedTextTest, RotationTurnsTheSpanEffectsFollowTheLettersAndNotesStayStraight) {
  CoverObject& o = Curved("AB C", TextShape::TopArc, 60, 1);
  o.Rotation = 1;  // the top arc's middle turns to the right: letters read downward
  std::vector<Seen> seen = Draw();
  ASSERT_EQ(seen.size(), 3u);  // the blank only takes room
  double mx, my;
  Middle(seen[1], 10, mx, my);
  EXPECT_NEAR(AngleDiff(Polar(mx, my), 0), 3.2, 2.0);
  EXPECT_NEAR(AngleDiff(seen[1].angle, 270), 3.2, 2.0);

  o.Rotation = 0;
  o.ShadowOn = o.BorderOn = true;
  o.FillOrShadow = 0x0000FF;
  o.BorderColor = 0x00FF00;
  o.Color = 0xFF0000;
  o.ShadowDX = 3, o.ShadowDY = -2;
  seen = Draw();
  ASSERT_EQ(seen.size(), 3u * 6);  // shadow, four outline copies, letters
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(seen[i].color, 0x0000FFu);
    EXPECT_EQ(seen[i].x, seen[15 + i].x + 3);
    EXPECT_EQ(seen[i].y, seen[15 + i].y - 2);
    EXPECT_EQ(seen[3 + i].color, 0x00FF00u);
    EXPECT_EQ(seen[15 + i].color, 0xFF0000u);
  }
  EXPECT_EQ(dc.named("SetTextAlign").back().args[0], TA_BASELINE);

  o.SubKind = 1;
  Draw();
  EXPECT_EQ(dc.count("TextOut"), 0);
  EXPECT_EQ(dc.count("DrawText"), 6);  // shadow, outline, text
}

TEST_F(CurvedTextTest, LinesThatReachTheCentreAreLeftOut) {
  Curved("A\rB\rC\rD\rE\rF\rG\rH\rI", TextShape::BottomArc, 360, 1);
  // Baselines at 195, 170, ..., 20 pixels; the ninth would lie at -5.
  EXPECT_EQ(Draw().size(), 8u);
}

// Scripted dialogs are not asked by the layout commands.
struct NoCoverDialogs : CoverDialogs {
  std::optional<std::vector<std::string>> enterTexts(const std::vector<std::string>&) override {
    return {};
  }
  std::optional<TextEffects> textEffects(const TextEffects&) override { return {}; }
};

TEST_F(CurvedTextTest, TheEditorSetsLayoutArcAndSpacingOfTextsOnlyAndTheTableKeepsThemBySlot) {
  ScriptedDialogs dialogs;
  ScopedDialogs scoped(dialogs);
  NoCoverDialogs coverDialogs;
  Editor ed(table, coverDialogs);
  Curved("Hi", TextShape::Straight, 180, 0);
  table.selectedSlot = 1;
  EXPECT_TRUE(ed.setTextShape(2));
  EXPECT_FALSE(ed.setTextShape(3));
  EXPECT_TRUE(ed.setArc(20));
  EXPECT_TRUE(ed.setLetterSpacing(500));
  EXPECT_EQ(table.layout(1), (TextLayout{TextShape::BottomArc, 30, 200}));
  EXPECT_TRUE(ed.setArc(400));
  EXPECT_TRUE(ed.setLetterSpacing(-90));
  EXPECT_EQ(table.layout(1), (TextLayout{TextShape::BottomArc, 360, -50}));
  const PanelState& p = ed.refreshPanel();
  EXPECT_TRUE(p.curved.enabled);
  EXPECT_EQ(p.curved.shape, 2);
  EXPECT_EQ(p.curved.arc, 360);
  ASSERT_TRUE(ed.preparePopupMenu());
  EXPECT_EQ(ed.popup().curved.spacing, -50);

  table[1].SubKind = 1;  // a note
  EXPECT_FALSE(ed.setTextShape(0));
  EXPECT_FALSE(ed.refreshPanel().curved.enabled);
  table[1].Kind = kShape;
  ed.preparePopupMenu();
  EXPECT_FALSE(ed.popup().curved.enabled);

  table[1].Kind = kText;
  table.toFront();
  EXPECT_EQ(table.layout(10000).shape, TextShape::BottomArc);
  EXPECT_FALSE(table.layout(1).curved());
  table.toBack();
  EXPECT_TRUE(table.layout(1).curved());
  table.clearAll();
  EXPECT_FALSE(table.layout(1).curved());
  table.layout(1).shape = TextShape::TopArc;
  EXPECT_EQ(table.createObject(Tool::Text, 0, 0, FontSpec{}), 1);
  EXPECT_FALSE(table.layout(1).curved());
}
}  // namespace
