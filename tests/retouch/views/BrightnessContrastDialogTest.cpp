// The "Brightness and contrast..." dialog, opened from the Retouch menu.
#include <gtest/gtest.h>

#include <QTest>

#include "retouch/views/BrightnessContrastDialog.h"
#include "retouch/views/RetouchView.h"
#include "tests/retouch/views/ViewPictures.h"

namespace {
class HKForm2Test : public ::testing::Test {
 protected:
  void Show() {
    view = std::make_unique<RetouchView>(doc.dib, doc.sel.ref());
    view->resize(400, 300);
    view->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view.get()));
  }
  // Opens the dialog from the menu; `act` runs while it is shown.
  void Open(const std::function<void(BrightnessContrastDialog*)>& act) {
    bool ran = false;
    WhenModal<BrightnessContrastDialog>([&](BrightnessContrastDialog* d) {
      ran = true;
      act(d);
      if (d->isVisible()) d->reject();  // never leave the test waiting
    });
    view->retouchMenu()->actions()[0]->trigger();
    EXPECT_TRUE(ran);
  }
  int Paints() const { return view->paintBox()->paintsDrawn(); }

  ScriptedDialogs dialogs;
  ScopedDialogs scoped{dialogs};
  TestDocument doc;
  std::unique_ptr<RetouchView> view;
};
}  // namespace

TEST_F(HKForm2Test, ControlsAndTheirStartValues) {
  doc.Pattern24(10, 10);
  Show();
  Open([](BrightnessContrastDialog* d) {
    EXPECT_EQ(d->windowTitle(), "Brightness and contrast...");
    EXPECT_EQ(d->brightness()->minimum(), -127);
    EXPECT_EQ(d->brightness()->maximum(), 127);
    EXPECT_EQ(d->brightness()->value(), 0);
    EXPECT_EQ(d->contrast()->minimum(), 0);
    EXPECT_EQ(d->contrast()->maximum(), 200);
    EXPECT_EQ(d->contrast()->value(), 100);
    EXPECT_EQ(d->previewButton()->text(), "Preview");
    EXPECT_EQ(d->defaultsButton()->text(), "Set to default values");
    EXPECT_EQ(d->okButton()->text(), "OK");
    EXPECT_TRUE(d->okButton()->isDefault());
  });
}

TEST_F(HKForm2Test, CancelAfterPreviewsRestoresEveryByte) {
  doc.Pattern24(33, 17);
  Show();
  const std::string before = Fingerprint(doc.dib);
  Open([&](BrightnessContrastDialog* d) {
    d->brightness()->setValue(90);
    EXPECT_EQ(Fingerprint(doc.dib), before);  // moving a slider alone changes nothing
    const int paints = Paints();
    QTest::mouseClick(d->previewButton(), Qt::LeftButton);
    EXPECT_NE(Fingerprint(doc.dib), before);
    EXPECT_GT(Paints(), paints);  // the view shows each preview
    d->contrast()->setValue(170);
    QTest::mouseClick(d->previewButton(), Qt::LeftButton);
    QTest::mouseClick(d->cancelButton(), Qt::LeftButton);
  });
  EXPECT_EQ(Fingerprint(doc.dib), before);
}

TEST_F(HKForm2Test, EscapeRestoresAPalettePictureWithItsColourTable) {
  doc.Palette8(13, 7);
  Show();
  const std::string before = Fingerprint(doc.dib);
  Open([&](BrightnessContrastDialog* d) {
    d->brightness()->setValue(-60);
    QTest::mouseClick(d->previewButton(), Qt::LeftButton);
    EXPECT_NE(Fingerprint(doc.dib), before);
    QTest::keyClick(d, Qt::Key_Escape);
  });
  EXPECT_EQ(Fingerprint(doc.dib), before);
}

TEST_F(HKForm2Test, OkWithoutPreviewAppliesTheSliders) {
  doc.Uniform24(9, 5, 0xC8C8C8);  // 200 in every component
  Show();
  Open([](BrightnessContrastDialog* d) {
    d->brightness()->setValue(127);
    QTest::mouseClick(d->okButton(), Qt::LeftButton);
  });
  EXPECT_EQ(GetDibPixel(doc.dib, 8, 4), 0xFFFFFFu);
  EXPECT_EQ(QColor(view->paintBox()->grab().toImage().pixel(4, 2)), QColor(Qt::white));
}

TEST_F(HKForm2Test, DefaultValuesMoveOnlyTheSliders) {
  doc.Uniform24(9, 5, 0x646464);  // 100
  Show();
  Open([&](BrightnessContrastDialog* d) {
    d->contrast()->setValue(50);
    QTest::mouseClick(d->previewButton(), Qt::LeftButton);
    ASSERT_EQ(GetDibPixel(doc.dib, 0, 0), 0x727272u);  // 50 * (100 - 127) / 100 + 127 = 114
    QTest::mouseClick(d->defaultsButton(), Qt::LeftButton);
    EXPECT_EQ(d->brightness()->value(), 0);
    EXPECT_EQ(d->contrast()->value(), 100);
    EXPECT_EQ(GetDibPixel(doc.dib, 0, 0), 0x727272u);
    QTest::mouseClick(d->okButton(), Qt::LeftButton);
  });
  EXPECT_EQ(GetDibPixel(doc.dib, 0, 0), 0x646464u);  // OK previews the default values first
}
