// The Effects menu of the Retouch view: the filter's question and the promotion question,
// each answered both ways; a big picture filtered off the window's thread.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>
#include <atomic>
#include <chrono>
#include <thread>

#include "platform/LongWork.h"
#include "platform/views/OffThreadWork.h"
#include "retouch/effects/ApplyEffect.h"
#include "retouch/effects/EffectFilters.h"
#include "retouch/views/RetouchView.h"
#include "tests/retouch/views/ViewPictures.h"

namespace {
constexpr int kFindEdges = 9;

class EffectsMenuTest : public ::testing::Test {
 protected:
  void Show() {
    view = std::make_unique<RetouchView>(doc.dib, doc.sel.ref());
    view->resize(400, 300);
    view->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view.get()));
  }
  void Choose(int k) { view->effectsMenu()->actions()[k]->trigger(); }
  std::vector<std::string> Titles() const {
    std::vector<std::string> t;
    for (const auto& a : dialogs.asked) t.push_back(a.title);
    return t;
  }

  WatchingDialogs dialogs;
  ScopedDialogs scoped{dialogs};
  TestDocument doc;
  std::unique_ptr<RetouchView> view;
};
}  // namespace

TEST_F(EffectsMenuTest, TheResultIsShownBeforeTheQuestionAndKeptOnYes) {
  doc.Uniform24(31, 17, 0x336699);
  Show();
  QColor shown;
  dialogs.onMessage = [&](const std::string&) {
    shown = view->paintBox()->grab().toImage().pixel(15, 8);
  };
  dialogs.messageAnswers = {MsgResult::Yes};
  QSignalSpy changed(view.get(), &RetouchView::pictureChanged);
  Choose(kFindEdges);
  ASSERT_EQ(Titles(), std::vector<std::string>{"Is the result okay?"});
  EXPECT_EQ(dialogs.asked[0].text, "Do you want to maintain the result=");
  EXPECT_EQ(dialogs.asked[0].buttons, MsgButtons::YesNo);
  EXPECT_EQ(dialogs.asked[0].icon, MsgIcon::Question);
  EXPECT_EQ(shown, QColor(Qt::black));  // a flat picture has no edges
  EXPECT_EQ(GetDibPixel(doc.dib, 30, 16), 0u);
  EXPECT_EQ(changed.count(), 1);
}

TEST_F(EffectsMenuTest, NoRestoresThePictureByteForByte) {
  doc.Pattern24(33, 17);  // odd width: rows carry padding bytes
  Show();
  const std::string before = Fingerprint(doc.dib);
  const QColor original = view->paintBox()->grab().toImage().pixel(20, 8);
  QColor shown;
  dialogs.onMessage = [&](const std::string&) {
    shown = view->paintBox()->grab().toImage().pixel(20, 8);
  };
  dialogs.messageAnswers = {MsgResult::No};
  Choose(0);
  EXPECT_NE(shown, original);
  EXPECT_EQ(Fingerprint(doc.dib), before);
  EXPECT_EQ(QColor(view->paintBox()->grab().toImage().pixel(20, 8)), original);
}

TEST_F(EffectsMenuTest, DecliningThePromotionChangesNothing) {
  doc.Palette8(21, 9);
  Show();
  const std::string before = Fingerprint(doc.dib);
  dialogs.messageAnswers = {MsgResult::No};
  Choose(0);
  ASSERT_EQ(Titles(), std::vector<std::string>{"Change the number of colors?"});
  EXPECT_EQ(dialogs.asked[0].text, "The number of colors have to be changed to 16,7 million.");
  EXPECT_EQ(dialogs.asked[0].buttons, MsgButtons::YesNo);
  EXPECT_EQ(Fingerprint(doc.dib), before);
}

TEST_F(EffectsMenuTest, APromotedPictureStaysPromotedWhenTheResultIsRejected) {
  doc.Palette8(21, 9);
  Show();
  std::vector<uint32_t> colours;
  for (int y = 0; y < 9; ++y)
    for (int x = 0; x < 21; ++x) {
      const PALETTEENTRY e = doc.dib.LogPal.palPalEntry[GetDibPixel(doc.dib, x, y)];
      colours.push_back(uint32_t(e.peRed) << 16 | e.peGreen << 8 | e.peBlue);
    }
  dialogs.messageAnswers = {MsgResult::Yes, MsgResult::No};
  Choose(2);
  EXPECT_EQ(Titles(),
            (std::vector<std::string>{"Change the number of colors?", "Is the result okay?"}));
  ASSERT_EQ(DibBitCount(doc.dib), 24);
  std::vector<uint32_t> now;
  for (int y = 0; y < 9; ++y)
    for (int x = 0; x < 21; ++x) now.push_back(GetDibPixel(doc.dib, x, y));
  EXPECT_EQ(now, colours);
}

TEST_F(EffectsMenuTest, APromotedPictureIsFilteredOnYes) {
  doc.Palette8(21, 9);
  for (int y = 0; y < 9; ++y)
    for (int x = 0; x < 21; ++x) SetDibPixel(doc.dib, x, y, 7);
  Show();
  dialogs.messageAnswers = {MsgResult::Yes, MsgResult::Yes};
  Choose(kEffectCount - 1);  // "Emboss vertical": flat areas become grey 128
  EXPECT_EQ(dialogs.asked.size(), 2u);
  ASSERT_EQ(DibBitCount(doc.dib), 24);
  EXPECT_EQ(GetDibPixel(doc.dib, 20, 8), 0x808080u);
}

namespace {
// Long work that starts only once the view has painted: the window's thread must keep painting
// while the work waits on the other thread (after a minute it goes on, and the test fails).
std::atomic<bool> g_paintedFirst{false}, g_workOffThread{false};
std::thread::id g_windowThread;
void PaintFirstRunner(const std::function<void()>& work) {
  RunOffTheWindowThread([&] {
    g_workOffThread = std::this_thread::get_id() != g_windowThread;
    for (int i = 0; i < 60000 && !g_paintedFirst; ++i)
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    work();
  });
}

struct PaintWatch : QObject {
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Paint) g_paintedFirst = true;
    return false;
  }
};
}  // namespace

TEST_F(EffectsMenuTest, ABigPictureIsFilteredOffTheWindowThreadWhileTheViewPaints) {
  doc.Pattern24(2400, 2400);  // above the size from which filtering counts as long work
  ASSERT_GE(size_t(doc.dib.BytesPerLine) * 2400, kLongWorkBytes);
  Dib expected;
  CopyDib(expected, doc.dib);
  ASSERT_TRUE(ApplyFilter(expected, kEffectFilters[kFindEdges]));
  Show();
  g_windowThread = std::this_thread::get_id();
  g_paintedFirst = g_workOffThread = false;
  PaintWatch watch;
  view->paintBox()->installEventFilter(&watch);
  const LongWorkRunner old = SetLongWorkRunner(PaintFirstRunner);
  QTimer::singleShot(0, view.get(), [this] { view->paintBox()->update(); });
  dialogs.messageAnswers = {MsgResult::Yes};
  Choose(kFindEdges);
  SetLongWorkRunner(old);
  EXPECT_TRUE(g_workOffThread);
  EXPECT_TRUE(g_paintedFirst);
  EXPECT_EQ(Titles(), std::vector<std::string>{"Is the result okay?"});
  EXPECT_TRUE(Fingerprint(doc.dib) == Fingerprint(expected));
  FreeDib(expected);
}
