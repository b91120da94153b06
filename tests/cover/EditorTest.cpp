#include <gtest/gtest.h>

#include "cover/Editor.h"
#include "cover/text/TextLines.h"
#include "platform/codecs/PictureFile.h"
#include "platform/dialogs/ScriptedDialogs.h"
#include "tests/support/TestFiles.h"

namespace {
// Line editor and effects dialog answered from a script.
struct ScriptedCoverDialogs : CoverDialogs {
  std::vector<std::string> shownLines;
  std::optional<std::vector<std::string>> linesAnswer;
  TextEffects shownEffects;
  std::optional<TextEffects> effectsAnswer;
  int opened = 0;
  std::optional<std::vector<std::string>> enterTexts(
      const std::vector<std::string>& lines) override {
    ++opened;
    shownLines = lines;
    return linesAnswer;
  }
  std::optional<TextEffects> textEffects(const TextEffects& effects) override {
    ++opened;
    shownEffects = effects;
    return effectsAnswer;
  }
};

// One view pixel is 1000 document units, so positions convert exactly.
class EditorTest : public ::testing::Test {
 protected:
  CoverScales scales{1000, 1000, 1.0, false, 1.0};
  ObjectTable table{scales};
  ScriptedDialogs dialogs;
  ScopedDialogs scoped{dialogs};
  ScriptedCoverDialogs coverDialogs;
  Editor ed{table, coverDialogs};
  ViewState view{400, 300, 400000, 300000, 0, 0, 400, 300, 200, 100};

  int Place(Tool tool, int x, int y) {
    ed.tool = tool;
    ed.mouseDown(MouseButton::Left, x, y, view);
    ed.mouseUp(MouseButton::Left, x, y, view);
    return table.selectedSlot;
  }
  EditorResult Click(int x, int y, MouseButton b = MouseButton::Left) {
    EditorResult r = ed.mouseDown(b, x, y, view);
    ed.mouseUp(b, x, y, view);
    return r;
  }
  EditorResult Drag(int x0, int y0, int x1, int y1) {
    ed.mouseDown(MouseButton::Left, x0, y0, view);
    ed.mouseMove((x0 + x1) / 2, (y0 + y1) / 2, view);
    ed.mouseMove(x1, y1, view);
    return ed.mouseUp(MouseButton::Left, x1, y1, view);
  }
  CoverObject& Sel() { return table[table.selectedSlot]; }
};

TEST_F(EditorTest, EachAddingToolCreatesItsObjectAndReturnsToThePointer) {
  ed.tool = Tool::Object;
  ed.mouseDown(MouseButton::Left, 10, 20, view);
  const EditorResult r = ed.mouseUp(MouseButton::Left, 10, 20, view);
  EXPECT_TRUE(r.repaint && r.pointerTool);
  EXPECT_EQ(ed.tool, Tool::Pointer);
  EXPECT_EQ(table[1].Kind, kShape);
  EXPECT_EQ(table[1].Left(), 10);
  EXPECT_EQ(table[1].Width(), 50);
  EXPECT_EQ(Place(Tool::Text, 100, 100), 2);
  EXPECT_EQ(table[2].SubKind, 0);
  EXPECT_EQ(Place(Tool::Note, 200, 100), 3);
  EXPECT_EQ(table[3].SubKind, 1);
  for (Tool t : {Tool::Zoom, Tool::Hand}) {
    ed.tool = t;
    ed.mouseUp(MouseButton::Left, 300, 250, view);
  }
  ed.tool = Tool::Pointer;
  Click(390, 290);
  EXPECT_EQ(table.occupiedCount(), 3);
  EXPECT_TRUE(dialogs.asked.empty());
}

TEST_F(EditorTest, NewObjectsTakeTheFontDialogsFont) {
  ed.dialogFont.name = "Liberation Sans";
  ed.dialogFont.size = 20;
  Place(Tool::Text, 0, 0);
  EXPECT_EQ(Sel().FontName, "Liberation Sans");
  EXPECT_EQ(Sel().FontSize, 20);
}

TEST_F(EditorTest, FullTableRefusesEvenAPointerRelease) {
  for (int i = 1; i <= ObjectTable::kSlots; ++i) table[i].Kind = kShape;
  ed.tool = Tool::Pointer;
  ed.mouseUp(MouseButton::Left, 390, 290, view);
  ASSERT_EQ(dialogs.messages(), std::vector<std::string>{"The are to many objects"});
  ed.tool = Tool::Object;
  EXPECT_FALSE(ed.mouseUp(MouseButton::Left, 390, 290, view).pointerTool);
  EXPECT_EQ(ed.tool, Tool::Object);
}

TEST_F(EditorTest, ClickingSelectsTheTopmostObjectAndEmptySpaceClears) {
  Place(Tool::Object, 10, 10);
  Place(Tool::Object, 40, 40);
  Click(300, 200);
  EXPECT_EQ(table.selectedSlot, 0);
  EXPECT_TRUE(Click(45, 45).repaint);
  EXPECT_EQ(table.selectedSlot, 2);
  Click(15, 15);
  EXPECT_EQ(table.selectedSlot, 1);
  EXPECT_TRUE(Click(300, 200).repaint);
  EXPECT_EQ(table.selectedSlot, 0);
}

TEST_F(EditorTest, HandlesReachThreePixelsAndTheLowerNumberWins) {
  Place(Tool::Object, 100, 100);  // box 100..150
  EXPECT_EQ(ed.beginDrag(97, 97).cursor, 1);
  EXPECT_EQ(table.dragMode, 1);
  EXPECT_EQ(ed.grabX, -3);
  ed.beginDrag(96, 100);
  EXPECT_EQ(table.dragMode, 0);
  EXPECT_EQ(ed.cursor, kCursorArrow);
  const int expected[8][3] = {{150, 100, 2}, {100, 150, 3}, {153, 153, 4}, {125, 98, 5},
                              {126, 150, 6}, {100, 125, 7}, {150, 127, 8}, {120, 120, 9}};
  for (const auto& e : expected) {
    ed.beginDrag(e[0], e[1]);
    EXPECT_EQ(table.dragMode, e[2]) << e[0] << "," << e[1];
  }
  EXPECT_EQ(ed.cursor, kCursorHand);
  ed.beginDrag(126, 150);
  EXPECT_EQ(ed.grabX, 0);
  EXPECT_EQ(ed.grabY, 0);
  // A 4 x 4 box: every handle overlaps the top-left one.
  Sel().W = Sel().H = 4000;
  ed.beginDrag(102, 102);
  EXPECT_EQ(table.dragMode, 1);
  ed.beginDrag(104, 101);  // top-right before the right middle at (104, 102)
  EXPECT_EQ(table.dragMode, 2);
  // Other tools show their own cursor and grab nothing.
  ed.tool = Tool::Zoom;
  EXPECT_EQ(ed.beginDrag(100, 100).cursor, kCursorZoom);
  EXPECT_EQ(table.dragMode, 0);
  EXPECT_EQ(ed.beginDrag(100, 100).cursor, 0);  // unchanged cursor is not set again
}

TEST_F(EditorTest, TopLeftHandleDraggedPastTheOppositeCornerFlips) {
  Place(Tool::Object, 10, 10);  // 10..60
  ed.mouseDown(MouseButton::Left, 10, 10, view);
  EXPECT_EQ(table.dragState, 1);
  EXPECT_TRUE(ed.selectionFrame(0, 0).inverted);
  EXPECT_FALSE(ed.selectionFrame(0, 0).handles);
  EXPECT_TRUE(ed.mouseMove(80, 90, view).moveFrame);
  EXPECT_EQ(table.dragMode, 4);
  EXPECT_EQ(Sel().X, 60000);
  EXPECT_EQ(Sel().Y, 60000);
  EXPECT_EQ(Sel().W, 20000);
  EXPECT_EQ(Sel().H, 30000);
  EXPECT_TRUE(ed.mouseUp(MouseButton::Left, 100, 100, view).repaint);
  EXPECT_EQ(Sel().X, 60000);
  EXPECT_EQ(Sel().W, 40000);
  EXPECT_EQ(Sel().H, 40000);
  EXPECT_EQ(table.dragState, 0);
  EXPECT_TRUE(ed.selectionFrame(0, 0).handles);
}

TEST_F(EditorTest, EdgeHandlesChangeOneSideAndMirrorOnTheirAxis) {
  Place(Tool::Object, 100, 100);
  Drag(150, 125, 170, 50);  // right middle: only the width
  EXPECT_EQ(Sel().W, 70000);
  EXPECT_EQ(Sel().Y, 100000);
  Drag(135, 100, 140, 170);  // top middle past the bottom edge
  EXPECT_EQ(Sel().Y, 150000);
  EXPECT_EQ(Sel().H, 20000);
  EXPECT_EQ(Sel().X, 100000);
}

TEST_F(EditorTest, MovingFarAwayKeepsTheObjectReachable) {
  Place(Tool::Object, 100, 100);
  Drag(120, 120, -5000, 120);
  EXPECT_EQ(Sel().X, -Sel().W);
  Drag(-10, 110, -10, -9000);  // grab the body again at its visible rest
  EXPECT_EQ(Sel().Y, -Sel().H);
  Drag(-10, -10, 9000, 9000);
  EXPECT_EQ(Sel().X, 400 * 1000 - 1);
  EXPECT_EQ(Sel().Y, 300 * 1000 - 1);
}

TEST_F(EditorTest, ZoomStepsStopAtTheirBoundsAndRecentre) {
  scales.BaseScale = scales.ViewScale = 2 * 200000 * 25.39995 / 96;
  view.pageWidth = 20000000, view.pageHeight = 10000000;
  ed.tool = Tool::Zoom;
  int steps = 0;
  while (scales.ViewScale >= 9000 && steps < 20) {
    ed.mouseDown(MouseButton::Left, 100, 50, view);
    ++steps;
  }
  EXPECT_EQ(steps, 7);
  EXPECT_NEAR(scales.ViewScale, 6194.2, 0.1);
  const double before = scales.ViewScale;
  const EditorResult r = ed.mouseDown(MouseButton::Left, 100, 50, view);
  EXPECT_EQ(scales.ViewScale, before);
  EXPECT_TRUE(r.resizeView && r.scroll && r.repaint);
  EXPECT_EQ(r.viewWidth, int(20000000 / before));
  EXPECT_EQ(r.scrollX, 0);  // the point lies near the left edge: clamped
  for (int i = 0; i < 20; ++i) ed.mouseDown(MouseButton::Right, 0, 0, view);
  EXPECT_GE(scales.ViewScale, 500000.0);
  EXPECT_LT(scales.ViewScale, 750000.0);
  EXPECT_FALSE(ed.mouseDown(MouseButton::Right, 0, 0, view).popup);
}

TEST_F(EditorTest, ZoomBringsThePointUnderTheMouseToTheMiddle) {
  view.pageWidth = 4000000, view.pageHeight = 3000000;
  ed.tool = Tool::Zoom;
  const EditorResult r = ed.mouseDown(MouseButton::Left, 300, 200, view);
  EXPECT_EQ(scales.ViewScale, 1000.0);  // below the bound: the scale stays
  EXPECT_EQ(r.scrollX, 300 - 100);
  EXPECT_EQ(r.scrollY, 200 - 50);
  scales.ViewScale = scales.BaseScale = 30000;
  const EditorResult in = ed.mouseDown(MouseButton::Left, 90, 60, view);
  EXPECT_EQ(scales.ViewScale, 20000.0);
  EXPECT_EQ(in.viewWidth, 200);
  EXPECT_EQ(in.scrollX, 135 - 100);
  EXPECT_EQ(in.scrollY, 90 - 50);
}

TEST_F(EditorTest, HandToolPansWithinTheRange) {
  ed.tool = Tool::Hand;
  view.scrollX = 50, view.scrollY = 50;
  ed.mouseDown(MouseButton::Left, 100, 100, view);
  EXPECT_EQ(table.dragState, 2);
  EditorResult r = ed.mouseMove(90, 80, view);
  EXPECT_EQ(r.scrollX, 60);
  EXPECT_EQ(r.scrollY, 70);
  r = ed.mouseUp(MouseButton::Left, 500, 500, view);
  EXPECT_EQ(r.scrollX, 0);
  EXPECT_EQ(table.dragState, 0);
  EXPECT_EQ(table.occupiedCount(), 0);
  ed.mouseDown(MouseButton::Left, 0, 0, view);
  EXPECT_EQ(ed.mouseMove(-1000, -1000, view).scrollX, 399);
}

TEST_F(EditorTest, RightClickRules) {
  Place(Tool::Object, 10, 10);
  Place(Tool::Text, 100, 100);
  Click(300, 200);
  ed.tool = Tool::Object;
  EditorResult r = ed.mouseDown(MouseButton::Right, 20, 20, view);
  EXPECT_TRUE(r.popup && r.repaint);
  EXPECT_EQ(table.selectedSlot, 1);
  EXPECT_FALSE(ed.popup().fontEnabled);
  EXPECT_TRUE(ed.popup().formsEnabled);
  ed.tool = Tool::Pointer;
  EXPECT_FALSE(ed.mouseDown(MouseButton::Right, 300, 200, view).popup);
  EXPECT_EQ(table.selectedSlot, 1);
  table.dragMode = 7;
  r = ed.mouseDown(MouseButton::Right, 60, 60, view);  // the bottom-right handle
  EXPECT_TRUE(r.popup);
  EXPECT_FALSE(r.repaint);
  EXPECT_EQ(table.dragMode, 7);
  r = ed.mouseDown(MouseButton::Right, 110, 110, view);
  EXPECT_EQ(table.selectedSlot, 2);
  EXPECT_FALSE(ed.popup().formsEnabled);
  EXPECT_TRUE(ed.popup().fontEnabled);
  EXPECT_TRUE(ed.mouseUp(MouseButton::Right, 110, 110, view).repaint == false);
}

TEST_F(EditorTest, PopupOfAForeignKindKeepsThePreviousItems) {
  Place(Tool::Text, 100, 100);
  Sel().Align = 2;
  ASSERT_TRUE(ed.preparePopupMenu());
  EXPECT_EQ(ed.popup().align, 2);
  Sel().Kind = 3;
  Sel().SubKind = 7;
  ed.preparePopupMenu();
  EXPECT_TRUE(ed.popup().fontEnabled);
  EXPECT_FALSE(ed.popup().formsEnabled);
  EXPECT_EQ(ed.popup().form, 7);
  table.selectedSlot = 0;
  EXPECT_FALSE(ed.preparePopupMenu());
}

TEST_F(EditorTest, DoubleClickOnATextOpensTheLineEditorAndSkipsItsPress) {
  Place(Tool::Text, 100, 100);
  Sel().Text = "a\rb";
  coverDialogs.linesAnswer = std::vector<std::string>{"x", "y", "z"};
  EXPECT_TRUE(ed.doubleClick().repaint);
  EXPECT_EQ(coverDialogs.shownLines, (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(Sel().Text, "x\ry\rz");
  EXPECT_TRUE(ed.skipMouseDown);
  ed.mouseDown(MouseButton::Left, 300, 200, view);  // ignored: the selection stays
  EXPECT_EQ(table.selectedSlot, 1);
  EXPECT_FALSE(ed.skipMouseDown);
}

TEST_F(EditorTest, DoubleClickOnAShapeChangesNothing) {
  Place(Tool::Object, 100, 100);
  EXPECT_FALSE(ed.doubleClick().repaint);
  EXPECT_FALSE(ed.skipMouseDown);
  EXPECT_EQ(coverDialogs.opened, 0);
  ed.mouseDown(MouseButton::Left, 300, 200, view);
  EXPECT_EQ(table.selectedSlot, 0);
}

TEST_F(EditorTest, KeysDeleteAndStepOthersAreSwallowed) {
  Place(Tool::Object, 10, 10);
  EXPECT_TRUE(ed.keyDown(EditorKey::Up).repaint);
  EXPECT_EQ(table.selectedSlot, 1);
  Place(Tool::Object, 100, 10);
  EXPECT_FALSE(ed.keyDown(EditorKey::Other).repaint);
  ed.keyDown(EditorKey::Down);
  EXPECT_EQ(table.selectedSlot, 1);
  dialogs.messageAnswers = {MsgResult::No, MsgResult::Yes};
  EXPECT_FALSE(ed.keyDown(EditorKey::Delete).repaint);
  EXPECT_EQ(table.occupiedCount(), 2);
  EXPECT_TRUE(ed.keyDown(EditorKey::Delete).repaint);
  EXPECT_EQ(table.occupiedCount(), 1);
  EXPECT_EQ(dialogs.messages().back(), "Do you want to remove the object?");
  EXPECT_FALSE(ed.keyDown(EditorKey::Delete).repaint);
  EXPECT_EQ(dialogs.count("message"), 2);
}

TEST_F(EditorTest, SelectionFrameAndHandlesAreSixPixelSquares) {
  EXPECT_FALSE(ed.selectionFrame(0, 0).visible);
  Place(Tool::Object, 10, 20);
  const SelectionFrame f = ed.selectionFrame(2, 3);
  EXPECT_EQ(f.frame, (RECT{8, 17, 58, 67}));
  EXPECT_FALSE(f.inverted);
  EXPECT_EQ(f.handle[0], (RECT{5, 14, 11, 20}));
  EXPECT_EQ(f.handle[5], (RECT{30, 64, 36, 70}));  // bottom middle
  int vw = 0, vh = 0;
  ed.viewSize(320, 200, vw, vh);
  EXPECT_EQ(vw, 320);
  scales.ViewScale = 500;
  ed.viewSize(320, 200, vw, vh);
  EXPECT_EQ(vh, 400);
}

TEST_F(EditorTest, PaintResizesFirstAndWaitsForAZoomStep) {
  PaintPlan plan = ed.planPaint(320, 200, 100, 100);
  EXPECT_TRUE(plan.resize);
  EXPECT_FALSE(plan.draw);
  EXPECT_EQ(plan.width, 320);
  plan = ed.planPaint(320, 200, 320, 200);
  EXPECT_TRUE(plan.draw && !plan.resize);
  ed.zoomBusy = true;
  plan = ed.planPaint(320, 200, 100, 100);
  EXPECT_FALSE(plan.draw || plan.resize);
  EXPECT_EQ(ed.viewRenderScale(), 1.0 / 1000);
}

TEST_F(EditorTest, PanelsFollowTheSelection) {
  EXPECT_EQ(ed.refreshPanel().active, PropertyPage::None);
  Place(Tool::Object, 10, 10);
  Sel().SubKind = 7;
  Sel().LineWidth = 0;
  Sel().FillOrShadow = 1;
  PanelState p = ed.refreshPanel();
  EXPECT_TRUE(p.objectPage && p.kindPage && !p.textPage);
  EXPECT_EQ(p.active, PropertyPage::Kind);
  EXPECT_EQ(p.form, 7);
  EXPECT_FALSE(p.fillEnabled);
  EXPECT_EQ(p.fillMode, 0);  // disabled buttons keep their state
  EXPECT_EQ(p.lineWidth, 1);
  EXPECT_EQ(Sel().LineWidth, 1);
  Sel().SubKind = 2;
  p = ed.refreshPanel();
  EXPECT_TRUE(p.fillEnabled);
  EXPECT_EQ(p.fillMode, 1);
  Place(Tool::Text, 100, 100);
  Sel().Align = 1;
  p = ed.refreshPanel();
  EXPECT_TRUE(p.textPage && !p.kindPage);
  EXPECT_EQ(p.active, PropertyPage::Text);
  EXPECT_EQ(p.align, 1);
  table.selectedSlot = 0;
  p = ed.refreshPanel();
  EXPECT_FALSE(p.objectPage || p.kindPage || p.textPage);
}

TEST_F(EditorTest, SimplePropertyCommands) {
  EXPECT_FALSE(ed.rotateLeft());
  EXPECT_FALSE(ed.setForm(1));
  Place(Tool::Text, 10, 10);
  EXPECT_TRUE(ed.rotateLeft());
  EXPECT_EQ(Sel().Rotation, 3);
  for (int i = 0; i < 3; ++i) ed.rotateLeft();
  EXPECT_EQ(Sel().Rotation, 0);
  for (int i = 0; i < 4; ++i) ed.rotateRight();
  EXPECT_EQ(Sel().Rotation, 0);
  ed.setAlign(2);
  EXPECT_EQ(Sel().Align, 2);
  ed.setForm(5);
  ed.setFillMode(2);
  ed.setLineWidth(7.9);
  EXPECT_EQ(Sel().SubKind, 5);
  EXPECT_EQ(Sel().FillOrShadow, 2);
  EXPECT_EQ(Sel().LineWidth, 7);
  Place(Tool::Object, 100, 100);
  EXPECT_TRUE(ed.toBack());
  EXPECT_EQ(table.selectedSlot, 1);
  EXPECT_EQ(table[2].Kind, kText);
  EXPECT_TRUE(ed.toFront());
  EXPECT_EQ(table.selectedSlot, ObjectTable::kSlots);
}

TEST_F(EditorTest, ColourCommandsPresetTheDialogAndCancelKeeps) {
  Place(Tool::Object, 10, 10);
  Sel().Color = 0x123456;
  dialogs.colorAnswers = {0x0000FF, std::nullopt, 0x00FF00};
  EXPECT_TRUE(ed.editColor());
  EXPECT_EQ(dialogs.lastColorInitial, 0x123456u);
  EXPECT_EQ(Sel().Color, 0x0000FFu);
  EXPECT_FALSE(ed.editColor());
  EXPECT_EQ(Sel().Color, 0x0000FFu);
  EXPECT_TRUE(ed.editBorderColor());
  EXPECT_EQ(Sel().BorderColor, 0x00FF00u);
}

TEST_F(EditorTest, LineEditorJoinsLinesWithSingleCarriageReturns) {
  Place(Tool::Text, 10, 10);
  coverDialogs.linesAnswer = std::vector<std::string>{"a", "b", "c"};
  EXPECT_TRUE(ed.enterTexts());
  EXPECT_EQ(Sel().Text, std::string("a\rb\rc"));
  coverDialogs.linesAnswer = std::vector<std::string>{};
  ed.enterTexts();
  EXPECT_EQ(Sel().Text, "");
  EXPECT_TRUE(coverDialogs.shownLines.empty() == false);
  coverDialogs.linesAnswer.reset();
  Sel().Text = "keep";
  EXPECT_FALSE(ed.enterTexts());
  EXPECT_EQ(Sel().Text, "keep");
  EXPECT_EQ(TextToLines("a\r"), std::vector<std::string>{"a"});
  EXPECT_EQ(TextToLines("a\r\rb"), (std::vector<std::string>{"a", "", "b"}));
  EXPECT_TRUE(TextToLines("").empty());
}

// Confirmed lines as the stored text; confirming the shown lines again stores the same bytes.
TEST_F(EditorTest, TrailingLineBreaksAddNoCarriageReturnAndConfirmingTwiceKeepsTheBytes) {
  using Lines = std::vector<std::string>;
  const struct {
    Lines typed;
    std::string stored;
  } cases[] = {
      {{"a", "b", "c"}, "a\rb\rc"}, {{"a", ""}, "a"}, {{"a", "", ""}, "a"}, {{"", "a", ""}, "\ra"},
      {{"a", "", "b"}, "a\r\rb"},   {{}, ""},         {{""}, ""},           {{"", ""}, ""},
  };
  Place(Tool::Text, 10, 10);
  for (const auto& c : cases) {
    coverDialogs.linesAnswer = c.typed;
    EXPECT_TRUE(ed.enterTexts());
    EXPECT_EQ(Sel().Text, c.stored) << c.typed.size();
    coverDialogs.linesAnswer.reset();
    ed.enterTexts();  // shows the stored text; OK with the lines as shown
    coverDialogs.linesAnswer = coverDialogs.shownLines;
    EXPECT_TRUE(ed.enterTexts());
    EXPECT_EQ(Sel().Text, c.stored);
  }
  // A text from an older file that ends in a carriage return settles after one confirmation.
  Sel().Text = "a\r\r";
  coverDialogs.linesAnswer.reset();
  ed.enterTexts();
  coverDialogs.linesAnswer = coverDialogs.shownLines;
  ed.enterTexts();
  EXPECT_EQ(Sel().Text, "a");
}

TEST_F(EditorTest, TextsAndFontNamesOverTheFileLimitsAreRefusedWithAMessage) {
  Place(Tool::Text, 10, 10);
  // The longest text counts its line breaks: 65535 characters and one carriage return.
  coverDialogs.linesAnswer =
      std::vector<std::string>{std::string(32767, 'x'), std::string(32768, 'y')};
  EXPECT_TRUE(ed.enterTexts());
  EXPECT_EQ(Sel().Text.size(), kMaxObjectTextBytes);
  coverDialogs.linesAnswer->back() += 'y';
  EXPECT_FALSE(ed.enterTexts());
  EXPECT_EQ(Sel().Text.size(), kMaxObjectTextBytes);
  EXPECT_EQ(dialogs.messages(), std::vector<std::string>{kTextTooLongMessage});

  FontSpec font;
  font.name = std::string(kMaxFontNameBytes, 'f');
  dialogs.fontAnswers = {font};
  EXPECT_TRUE(ed.editFont());
  EXPECT_EQ(Sel().FontName, font.name);
  font.name += "\xC3\xA9";  // one more character, two bytes
  dialogs.fontAnswers = {font};
  EXPECT_FALSE(ed.editFont());
  EXPECT_EQ(Sel().FontName.size(), kMaxFontNameBytes);
  EXPECT_EQ(dialogs.messages().back(), kFontNameTooLongMessage);
}

TEST_F(EditorTest, FontDialogIsPresetFromTheObjectAndKeepsItsFont) {
  Place(Tool::Text, 10, 10);
  Sel().FontName = "Liberation Mono";
  Sel().FontSize = 24;
  Sel().FontStyle = 2;
  Sel().Color = 0x00FF00;
  FontSpec red;
  red.name = "Liberation Sans";
  red.size = 18;
  red.height = -24;
  red.color = 0x0000FF;
  red.style = 4;
  dialogs.fontAnswers = {red};
  EXPECT_TRUE(ed.editFont());
  EXPECT_EQ(dialogs.lastFontInitial.name, "Liberation Mono");
  EXPECT_EQ(dialogs.lastFontInitial.height, -32);
  EXPECT_EQ(dialogs.lastFontInitial.color, 0x00FF00u);
  EXPECT_EQ(Sel().Color, 0x0000FFu);  // the text turns red
  EXPECT_EQ(Sel().FontName, "Liberation Sans");
  EXPECT_EQ(Sel().FontStyle, 4);
  EXPECT_EQ(Sel().FontSize, 18);
  EXPECT_EQ(ed.dialogFont, red);
  Place(Tool::Text, 100, 100);
  EXPECT_EQ(Sel().FontName, "Liberation Sans");
  EXPECT_FALSE(ed.editFont());  // cancelled: the object stays, the dialog keeps the preset
  EXPECT_EQ(Sel().Color, 0u);
}

TEST_F(EditorTest, EffectsDialogLoadsAFreshTextAndStoresOnOk) {
  Place(Tool::Text, 10, 10);
  coverDialogs.effectsAnswer.reset();
  EXPECT_FALSE(ed.editEffects());
  EXPECT_EQ(coverDialogs.shownEffects, TextEffects{});
  EXPECT_EQ(coverDialogs.shownEffects.shadowDX, 5);
  coverDialogs.effectsAnswer = TextEffects{true, true, 0x0000FF, 0x808080, -3, 12};
  EXPECT_TRUE(ed.editEffects());
  EXPECT_TRUE(Sel().BorderOn && Sel().ShadowOn);
  EXPECT_EQ(Sel().BorderColor, 0x0000FFu);
  EXPECT_EQ(Sel().FillOrShadow, 0x808080);
  EXPECT_EQ(Sel().ShadowDX, -3);
  EXPECT_EQ(Sel().ShadowDY, 12);
}
}  // namespace

namespace {
// A w x h 24-bit picture file whose top left pixel is 0x102030, the others white.
std::string WritePicture(const TempDir& dir, const std::string& name, int w, int h) {
  Dib dib;
  NewWhiteDib(dib, w, h);
  SetDibPixel(dib, 0, 0, 0x102030);
  std::string error;
  EXPECT_TRUE(SavePictureFile(dib, dir.file(name), 14, error)) << error;
  FreeDib(dib);
  return dir.file(name);
}
}  // namespace

TEST_F(EditorTest, ThePictureToolAsksForAFileAndPlacesItWithThePicturePage) {
  TempDir dir;
  dialogs.fileAnswers = {std::nullopt, FileAnswer{dir.file("missing.png")},
                         FileAnswer{WritePicture(dir, "wide.png", 30, 15)},
                         FileAnswer{WritePicture(dir, "tall.png", 2, 8)}};
  EXPECT_FALSE(ed.choosePicture());  // cancelled: nothing said
  EXPECT_TRUE(dialogs.messages().empty());
  EXPECT_FALSE(ed.choosePicture());
  ASSERT_EQ(dialogs.messages().size(), 1u);
  EXPECT_NE(dialogs.messages()[0].find("missing.png\" could not be opened"), std::string::npos);
  ASSERT_TRUE(ed.choosePicture());
  EXPECT_EQ(dialogs.lastFileRequest.kind, FileKind::Picture);
  EXPECT_EQ(Place(Tool::Picture, 10, 20), 1);
  EXPECT_EQ(ed.tool, Tool::Pointer);
  ASSERT_TRUE(table.isPicture(1));
  EXPECT_EQ(Sel().X, 10000);
  EXPECT_EQ(Sel().W, 150000);  // the longer side 150 view pixels, in proportion
  EXPECT_EQ(Sel().H, 75000);
  EXPECT_EQ(Place(Tool::Picture, 50, 50), 1);  // nothing chosen: nothing placed
  PanelState p = ed.refreshPanel();
  EXPECT_TRUE(p.picturePage && p.objectPage && !p.kindPage && !p.textPage);
  EXPECT_EQ(p.active, PropertyPage::Picture);

  EXPECT_TRUE(ed.setPictureFit(1) && !ed.setPictureFit(3));
  for (int i = 0; i < 5; ++i) EXPECT_TRUE(ed.turnPicture());
  EXPECT_TRUE(ed.mirrorPicture(true) && ed.mirrorPicture(false) && ed.mirrorPicture(false));
  EXPECT_TRUE(ed.setPictureOpacity(150) && ed.setPictureKeyed(true));
  EXPECT_TRUE(ed.setPictureTolerance(300) && ed.setPictureFrame(true) && ed.setPictureShadow(true));
  const PictureSettings& s = table.picture(1).settings;
  EXPECT_EQ(s.fit, PictureFit::Cover);
  EXPECT_EQ(s.turns, 1);
  EXPECT_TRUE(s.mirrorX && !s.mirrorY);
  EXPECT_EQ(s.opacity, 100);
  EXPECT_EQ(s.key, 0x102030u);  // picked from the picture's corner
  EXPECT_EQ(s.tolerance, 255);
  p = ed.refreshPanel();
  EXPECT_EQ(p.picture.fit, 1);
  EXPECT_TRUE(p.picture.keyed && p.picture.frame && p.picture.shadow);

  // "Replace picture..." keeps the box and the settings.
  const auto before = table.picture(1).pixels;
  EXPECT_TRUE(ed.replacePicture());
  EXPECT_NE(table.picture(1).pixels, before);
  EXPECT_EQ(table.picture(1).pixels->height(), 8);
  EXPECT_EQ(Sel().W, 150000);
  EXPECT_FALSE(ed.replacePicture());  // cancelled

  // A shape is no picture; the menu places one where it opened.
  Place(Tool::Object, 300, 200);
  EXPECT_FALSE(ed.setPictureFit(2) || ed.turnPicture() || ed.setPictureFrame(true));
  EXPECT_TRUE(ed.refreshPanel().kindPage);
  dialogs.fileAnswers = {FileAnswer{dir.file("tall.png")}};
  Click(310, 210, MouseButton::Right);
  EXPECT_TRUE(ed.placePictureAt(ed.popup().x, ed.popup().y));
  EXPECT_EQ(Sel().X, 310000);
  EXPECT_EQ(Sel().H, 150000);
  // A drag gives the box, whichever way it goes.
  dialogs.fileAnswers = {FileAnswer{dir.file("tall.png")}};
  ASSERT_TRUE(ed.choosePicture());
  ed.tool = Tool::Picture;
  Drag(120, 90, 20, 40);
  EXPECT_EQ(Sel().X, 20000);
  EXPECT_EQ(Sel().Y, 40000);
  EXPECT_EQ(Sel().W, 100000);
  EXPECT_EQ(Sel().H, 50000);
}
