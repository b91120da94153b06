// The Texts view driven with mouse and key events as a user would.
#include <gtest/gtest.h>

#include <QLabel>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "cover/views/CoverImage.h"
#include "cover/views/ObjectMenu.h"
#include "cover/views/PropertyPages.h"
#include "cover/views/TextsToolBar.h"
#include "cover/views/TextsView.h"
#include "platform/dialogs/ScriptedDialogs.h"

namespace {
struct ScriptedCoverDialogs : CoverDialogs {
  std::vector<std::vector<std::string>> shown;
  std::optional<std::vector<std::string>> answer;
  std::optional<std::vector<std::string>> enterTexts(
      const std::vector<std::string>& lines) override {
    shown.push_back(lines);
    return answer;
  }
  std::optional<TextEffects> textEffects(const TextEffects&) override { return std::nullopt; }
};

constexpr double kBase = 105833.125;  // 96 pixels per inch

class TextsViewTest : public ::testing::Test {
 protected:
  CoverScales scales{kBase, kBase, 1.0, false, 1.0};
  ObjectTable table{scales};
  Dib picture;
  int32_t pageWidth = 41994584, pageHeight = 59402226;  // A4 at 600 dpi
  ScriptedDialogs dialogs;
  ScopedDialogs scoped{dialogs};
  ScriptedCoverDialogs coverDialogs;
  std::unique_ptr<TextsView> view;
  int menusShown = 0;

  void SetUp() override {
    NewWhiteDib(picture, 320, 200);
    view = std::make_unique<TextsView>(TextsDocument{picture, table, pageWidth, pageHeight},
                                       coverDialogs);
    view->resize(760, 480);
    view->show();
    view->sizeForPage();
    // A menu that opens is counted and closed at once.
    QObject::connect(view->objectMenu, &QMenu::aboutToShow, view.get(), [this] {
      ++menusShown;
      QTimer::singleShot(0, view->objectMenu, &QMenu::close);
    });
    Settle();
  }
  void TearDown() override {
    view.reset();
    FreeDib(picture);
  }

  void Settle() {
    for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
  }
  QWidget* box() { return view->paintBox; }
  void Tool(::Tool t) { QTest::mouseClick(view->toolBar->buttons[int(t)], Qt::LeftButton); }
  void Click(QPoint p, Qt::MouseButton b = Qt::LeftButton) {
    QTest::mouseClick(box(), b, {}, p);
    Settle();
  }
  void Drag(QPoint from, QPoint to) {
    QTest::mousePress(box(), Qt::LeftButton, {}, from);
    QTest::mouseMove(box(), QPoint((from.x() + to.x()) / 2, (from.y() + to.y()) / 2));
    QTest::mouseMove(box(), to);
    QTest::mouseRelease(box(), Qt::LeftButton, {}, to);
    Settle();
  }
  int Create(::Tool t, QPoint at) {
    Tool(t);
    Click(at);
    return table.selectedSlot;
  }
  QRect BoxOf(int slot) {
    const CoverObject& o = table[slot];
    return QRect(o.Left(), o.Top(), o.Width(), o.Height());
  }
  // What the screen shows at a point of the paint box, from the view's copy of it.
  QRgb Shown(int x, int y) {
    const QPoint at = QPoint(x, y) - view->bufferArea().topLeft();
    return view->viewBuffer().pixel(at);
  }
};

TEST_F(TextsViewTest, TheViewTakesThePictureSizeAndPaintsIt) {
  EXPECT_EQ(box()->size(), QSize(320, 200));
  EXPECT_EQ(view->viewBuffer().size(), QSize(320, 200));
  EXPECT_GE(view->paintsDrawn(), 1);
  EXPECT_EQ(Shown(10, 10), 0xFFFFFFFFu);
  // The render command paints the same image at 100 percent.
  Create(::Tool::Object, QPoint(30, 40));
  table.selectedSlot = 0;
  view->repaintView();
  Settle();
  std::string error;
  EXPECT_EQ(RenderCover(picture, table, 100, view->logicalDpiX(), error), view->viewBuffer());
}

TEST_F(TextsViewTest, EachToolCreatesItsObjectAndReturnsToThePointer) {
  EXPECT_EQ(Create(::Tool::Zoom, QPoint(10, 10)), 0);
  scales.ViewScale = kBase;  // undo the zoom step
  view->sizeForPage();
  Settle();
  EXPECT_EQ(Create(::Tool::Hand, QPoint(10, 10)), 0);
  EXPECT_EQ(Create(::Tool::Object, QPoint(20, 30)), 1);
  EXPECT_EQ(view->toolBar->tool(), ::Tool::Pointer);
  EXPECT_EQ(table[1].Kind, kShape);
  // Stored in document units and shown truncated: within a pixel of the click.
  EXPECT_NEAR(BoxOf(1).left(), 20, 1);
  EXPECT_NEAR(BoxOf(1).top(), 30, 1);
  EXPECT_NEAR(BoxOf(1).width(), 50, 1);
  EXPECT_EQ(Shown(20 + 25, 30 + 25), 0xFF000000u);  // filled black
  EXPECT_EQ(Shown(20 + 25, 30 + 3), 0xFF000000u);   // a handle over the frame
  EXPECT_EQ(Create(::Tool::Text, QPoint(100, 30)), 2);
  EXPECT_EQ(table[2].Kind, kText);
  EXPECT_EQ(table[2].SubKind, 0);
  EXPECT_EQ(Create(::Tool::Note, QPoint(200, 30)), 3);
  EXPECT_EQ(table[3].SubKind, 1);
  EXPECT_EQ(Shown(200 + 25, 30 + 25), 0xFFFFFF00u);  // the yellow card
  EXPECT_EQ(view->toolBar->tool(), ::Tool::Pointer);
  EXPECT_TRUE(view->propertyPages->isTabVisible(
      view->propertyPages->indexOf(view->propertyPages->textPage)));
}

TEST_F(TextsViewTest, APageCommandChangesTheObjectAndTheViewRepaints) {
  Create(::Tool::Object, QPoint(40, 40));
  const QRect r = BoxOf(1);
  EXPECT_EQ(Shown(r.left() + 4, r.top() + 4), 0xFF000000u);
  QRadioButton* circle = view->propertyPages->forms[0];
  QTest::mouseClick(circle, Qt::LeftButton, {}, QPoint(6, circle->height() / 2));
  Settle();
  EXPECT_EQ(table[1].SubKind, 0);
  EXPECT_EQ(Shown(r.left() + 4, r.top() + 4), 0xFFFFFFFFu);  // outside the circle now
  EXPECT_EQ(Shown(r.left() + 25, r.top() + 25), 0xFF000000u);
}

TEST_F(TextsViewTest, ClickingSelectsTheTopmostObjectOrNothing) {
  Create(::Tool::Object, QPoint(20, 20));
  Create(::Tool::Object, QPoint(150, 100));
  Click(QPoint(30, 30));
  EXPECT_EQ(table.selectedSlot, 1);
  Click(QPoint(160, 110));
  EXPECT_EQ(table.selectedSlot, 2);
  Click(QPoint(300, 10));
  EXPECT_EQ(table.selectedSlot, 0);
  EXPECT_FALSE(view->propertyPages->isTabVisible(
      view->propertyPages->indexOf(view->propertyPages->objectPage)));
}

TEST_F(TextsViewTest, DraggingTheTopLeftHandlePastTheOppositeCornerFlipsTheBox) {
  Create(::Tool::Object, QPoint(40, 40));
  Drag(QPoint(40, 40), QPoint(110, 120));
  const QRect r = BoxOf(1);
  EXPECT_NEAR(r.left(), 90, 1);
  EXPECT_NEAR(r.top(), 90, 1);
  EXPECT_NEAR(r.width(), 20, 1);
  EXPECT_NEAR(r.height(), 30, 1);
  EXPECT_GT(table[1].W, 0);
  EXPECT_GT(table[1].H, 0);
  EXPECT_EQ(table.dragState, 0);
  EXPECT_EQ(Shown(100, 105), 0xFF000000u);  // redrawn at the release
}

TEST_F(TextsViewTest, MovingFarLeftStopsWhenTheRightEdgeReachesThePicture) {
  Create(::Tool::Object, QPoint(100, 50));
  const int top = BoxOf(1).top();
  Drag(QPoint(125, 75), QPoint(-2000, 75));
  EXPECT_EQ(table[1].X, -table[1].W);
  EXPECT_NEAR(BoxOf(1).top(), top, 1);  // only truncation moves it vertically
}

TEST_F(TextsViewTest, SevenZoomStepsReachTheLimitAndTheViewFollows) {
  Create(::Tool::Object, QPoint(60, 40));
  Tool(::Tool::Zoom);
  for (int i = 0; i < 6; ++i) Click(QPoint(50, 50));
  EXPECT_GT(scales.ViewScale, 9000);
  Click(QPoint(50, 50));
  EXPECT_LT(scales.ViewScale, 9000);
  EXPECT_NEAR(scales.ViewScale, 6194.17, 0.01);  // 105833.125 / 1.5^7
  const double limit = scales.ViewScale;
  Click(QPoint(50, 50));
  EXPECT_EQ(scales.ViewScale, limit);
  EXPECT_EQ(box()->width(), int(320 * kBase / limit));
  // The copy holds only what the screen shows, and shows it as the cover renders at this zoom.
  view->scrollArea->horizontalScrollBar()->setValue(900);
  view->scrollArea->verticalScrollBar()->setValue(600);
  Settle();
  const QRect shown(QPoint(900, 600), view->scrollArea->viewport()->size());
  EXPECT_EQ(view->bufferArea(), shown);
  std::string error;
  const QImage rendered =
      RenderCover(picture, table, 100 * kBase / limit, view->logicalDpiX(), error).copy(shown);
  EXPECT_EQ(view->viewBuffer(), rendered);
  EXPECT_EQ(Shown(1030, 700), 0xFF000000u);  // inside the object
  Click(QPoint(50, 50), Qt::RightButton);    // zooms out, never a menu
  EXPECT_EQ(scales.ViewScale, limit * 1.5);
  EXPECT_EQ(menusShown, 0);
}

TEST_F(TextsViewTest, AHugeViewBuffersOnlyWhatTheScreenShowsAndDrawsTheRestStraight) {
  Create(::Tool::Object, QPoint(20, 20));
  scales.ViewZoom = 100;  // as a cover file may ask: 32000 x 20000 pixels
  const int before = view->paintsDrawn();
  view->repaintView();
  Settle();
  EXPECT_EQ(box()->size(), QSize(32000, 20000));
  EXPECT_EQ(view->viewBuffer().size(), view->scrollArea->viewport()->size());
  EXPECT_GT(view->paintsDrawn(), before);
  const QImage shown = box()->grab(QRect(2000, 2000, 50, 50)).toImage();
  EXPECT_EQ(shown.pixel(10, 10), 0xFF000000u);  // inside the object
}

TEST_F(TextsViewTest, TheHandKeepsTheGrabbedPointUnderTheMouse) {
  Tool(::Tool::Zoom);
  for (int i = 0; i < 3; ++i) Click(QPoint(0, 0));
  QScrollBar* h = view->scrollArea->horizontalScrollBar();
  QScrollBar* v = view->scrollArea->verticalScrollBar();
  h->setValue(100);
  v->setValue(100);
  Tool(::Tool::Hand);
  QTest::mousePress(box(), Qt::LeftButton, {}, QPoint(300, 300));
  QTest::mouseMove(box(), QPoint(260, 280));
  EXPECT_EQ(h->value(), 140);
  EXPECT_EQ(v->value(), 120);
  // The view moved with the scroll: the same screen point is the grabbed point again.
  QTest::mouseRelease(box(), Qt::LeftButton, {}, QPoint(300, 300));
  EXPECT_EQ(h->value(), 140);
  EXPECT_EQ(table.dragState, 0);
  EXPECT_EQ(table.occupiedCount(), 0);
}

TEST_F(TextsViewTest, ARightClickOpensTheMenuOnlyOverAnObject) {
  Create(::Tool::Object, QPoint(20, 20));
  Create(::Tool::Text, QPoint(150, 100));
  Tool(::Tool::Object);
  Click(QPoint(30, 30), Qt::RightButton);
  EXPECT_EQ(menusShown, 1);
  EXPECT_EQ(table.selectedSlot, 1);
  EXPECT_TRUE(view->objectMenu->forms[0]->isEnabled());
  EXPECT_FALSE(view->objectMenu->fontAction->isEnabled());
  Click(QPoint(300, 10), Qt::RightButton);
  EXPECT_EQ(menusShown, 1);
  EXPECT_EQ(table.selectedSlot, 1);
  Tool(::Tool::Pointer);
  Click(QPoint(160, 110), Qt::RightButton);
  EXPECT_EQ(menusShown, 2);
  EXPECT_EQ(table.selectedSlot, 2);
  EXPECT_FALSE(view->objectMenu->forms[0]->isEnabled());
  EXPECT_TRUE(view->objectMenu->fontAction->isEnabled());
}

TEST_F(TextsViewTest, KeysDeleteAfterTheQuestionStepAndSwallowTheRest) {
  Create(::Tool::Object, QPoint(20, 20));
  Create(::Tool::Object, QPoint(100, 20));
  Create(::Tool::Object, QPoint(200, 20));
  EXPECT_EQ(view->keyField->parentWidget(), view->scrollArea);
  view->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(view.get()));
  Click(QPoint(300, 190));  // a press in the view hands the keys to the hidden field
  EXPECT_TRUE(view->keyField->hasFocus());
  EXPECT_EQ(table.selectedSlot, 0);
  QTest::keyClick(view->keyField, Qt::Key_Up);
  EXPECT_EQ(table.selectedSlot, 0);  // nothing selected: nothing to step from
  Click(QPoint(210, 30));
  QTest::keyClick(view->keyField, Qt::Key_Down);
  EXPECT_EQ(table.selectedSlot, 1);
  QTest::keyClick(view->keyField, Qt::Key_Up);
  EXPECT_EQ(table.selectedSlot, 2);
  QTest::keyClick(view->keyField, Qt::Key_A);
  QTest::keyClick(view->keyField, Qt::Key_Left);
  EXPECT_EQ(table.selectedSlot, 2);
  EXPECT_TRUE(view->keyField->text().isEmpty());
  dialogs.messageAnswers = {MsgResult::No, MsgResult::Yes};
  QTest::keyClick(view->keyField, Qt::Key_Delete);
  EXPECT_EQ(table[2].Kind, kShape);
  EXPECT_EQ(table.selectedSlot, 2);
  QTest::keyClick(view->keyField, Qt::Key_Delete);
  EXPECT_EQ(table[2].Kind, kFree);
  EXPECT_EQ(table.selectedSlot, 0);
  ASSERT_EQ(dialogs.messages().size(), 2u);
  EXPECT_EQ(dialogs.messages()[0], "Do you want to remove the object?");
  Settle();
  EXPECT_EQ(Shown(125, 45), 0xFFFFFFFFu);  // gone from the view
}

TEST_F(TextsViewTest, ADoubleClickOnATextOpensTheLineEditor) {
  Create(::Tool::Text, QPoint(60, 60));
  table[1].Text = "one\rtwo";
  coverDialogs.answer = std::vector<std::string>{"a", "b", "c"};
  QTest::mouseDClick(box(), Qt::LeftButton, {}, QPoint(70, 70));
  Settle();
  ASSERT_EQ(coverDialogs.shown.size(), 1u);
  EXPECT_EQ(coverDialogs.shown[0], (std::vector<std::string>{"one", "two"}));
  EXPECT_EQ(table[1].Text, "a\rb\rc");
  EXPECT_FALSE(view->editor().skipMouseDown);
  EXPECT_EQ(table.occupiedCount(), 1);
  // On a shape nothing opens.
  Create(::Tool::Object, QPoint(200, 60));
  QTest::mouseDClick(box(), Qt::LeftButton, {}, QPoint(210, 70));
  Settle();
  EXPECT_EQ(coverDialogs.shown.size(), 1u);
  EXPECT_EQ(table.selectedSlot, 2);
}
}  // namespace

TEST_F(TextsViewTest, TheOutlineGuideShowsOnlyWhenAskedAndTheSizesLineFollowsTheSelection) {
  PrintGuide guide;
  guide.outline.addEllipse(QRectF(60, 0, 200, 200));  // a disc rim over the picture
  guide.outline.addEllipse(QRectF(140, 80, 40, 40));  // and its hole
  guide.lines.moveTo(230, 0);                         // a fold line right of the disc
  guide.lines.lineTo(230, 200);
  guide.mmPerPixel = 0.5;
  view->setPrintGuide([&] { return guide; });
  view->repaintView();
  Settle();
  EXPECT_EQ(Shown(60, 100), 0xFFFFFFFFu);  // hidden until the button is down
  EXPECT_EQ(Shown(230, 150), 0xFFFFFFFFu);
  EXPECT_TRUE(view->toolBar->printedSizeLine->text().isEmpty());
  view->toolBar->guideButton->click();
  Settle();
  const auto ink = [&](int x, int y) {
    for (int dx = -1; dx <= 1; ++dx)
      if (Shown(x + dx, y) != 0xFFFFFFFFu) return true;
    return false;
  };
  EXPECT_TRUE(ink(60, 100));   // the rim's left point
  EXPECT_TRUE(ink(140, 100));  // the hole's left point
  EXPECT_FALSE(ink(100, 100));
  EXPECT_TRUE(ink(230, 150) || ink(230, 152));  // dashes and dots
  // An object of 50 x 50 picture pixels prints 25 x 25 mm; a text tells its font as printed.
  Create(::Tool::Object, QPoint(20, 30));
  EXPECT_EQ(view->toolBar->printedSizeLine->text(), "25.0 x 25.0 mm");
  Create(::Tool::Text, QPoint(100, 30));
  table[table.selectedSlot].FontSize = 20;
  view->repaintView();
  Settle();
  EXPECT_TRUE(view->toolBar->printedSizeLine->text().endsWith("font 10.0 mm (28.3 pt)"))
      << view->toolBar->printedSizeLine->text().toStdString();
  // The printed image carries no guide.
  std::string error;
  const QImage printed = RenderCover(picture, table, 100, view->logicalDpiX(), error);
  EXPECT_EQ(printed.pixel(60, 100), 0xFFFFFFFFu);
}

TEST_F(TextsViewTest, ShowValuesPaintsTheFirstCopysValuesAndKeepsTheFields) {
  CoverObject& o = table[1];
  o.Kind = kText;
  o.Text = "No. {n}";
  o.FontName = "Liberation Sans";
  o.FontSize = 30;
  o.X = o.Y = int32_t(10 * kBase), o.W = int32_t(250 * kBase), o.H = int32_t(80 * kBase);
  const FieldValues first{88, 100, "", nullptr};
  view->setFieldValues([&]() -> const FieldValues& { return first; });
  view->repaintView();
  Settle();
  const QImage written = view->viewBuffer();
  QTest::mouseClick(view->toolBar->valuesButton, Qt::LeftButton);
  Settle();
  const QImage shown = view->viewBuffer();
  EXPECT_NE(shown, written);
  EXPECT_EQ(o.Text, "No. {n}");  // the document keeps its field
  o.Text = "No. 88";
  QTest::mouseClick(view->toolBar->valuesButton, Qt::LeftButton);
  Settle();
  EXPECT_EQ(view->viewBuffer(), shown);
}
