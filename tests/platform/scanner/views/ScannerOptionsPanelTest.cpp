// The "Advanced" part of "Select the scanner" on SANE's test backend.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QTest>

#include "platform/scanner/views/ScannerDialog.h"
#include "platform/scanner/views/ScannerOptionsPanel.h"
#include "tests/support/SaneTestBackend.h"

namespace {
class ScannerOptionsPanelTest : public ::testing::Test {
 protected:
  void SetUp() override { WriteSaneTestConfig(); }
  static ScanSettings Initial() {
    ScanSettings s;
    s.device = "test:0";
    s.resolution = 100;
    s.mode = ScanMode::Gray;
    return s;
  }
};

template <class T>
T* Control(const ScannerDialog& d, const char* name) {
  auto* c = qobject_cast<T*>(d.advancedOptions()->control(name));
  EXPECT_TRUE(c) << name;
  return c;
}
}  // namespace

TEST_F(ScannerOptionsPanelTest, ControlsFollowTheDescriptors) {
  ScannerDialog dialog(Initial(), false);
  ScannerOptionsPanel* panel = dialog.advancedOptions();
  ASSERT_GT(panel->entries().size(), 40u);
  QStringList groups;
  for (QGroupBox* box : panel->findChildren<QGroupBox*>()) groups << box->title();
  for (const char* g : {"Scan Mode", "Geometry", "Int test options"})
    EXPECT_TRUE(groups.contains(g)) << g;
  EXPECT_TRUE(Control<QCheckBox>(dialog, "hand-scanner")->isEnabled());
  EXPECT_EQ(Control<QComboBox>(dialog, "depth")->currentText(), "8");
  EXPECT_EQ(Control<QComboBox>(dialog, "test-picture")->count(), 4);
  EXPECT_EQ(Control<QSpinBox>(dialog, "int-constraint-range")->singleStep(), 2);
  EXPECT_EQ(Control<QSpinBox>(dialog, "int-constraint-range")->suffix(), " pel");
  EXPECT_EQ(Control<QDoubleSpinBox>(dialog, "resolution")->value(),
            100);  // the main setting, applied
  EXPECT_GE(Control<QLineEdit>(dialog, "gamma-table")->text().count(','), 255);  // an array
  EXPECT_TRUE(Control<QPushButton>(dialog, "button")->isEnabled());
  for (const char* greyed : {"mode", "resolution", "tl-x", "three-pass", "bool-soft-detect"})
    EXPECT_FALSE(panel->control(greyed)->isEnabled()) << greyed;  // main, inactive or read-only
}

TEST_F(ScannerOptionsPanelTest, ReloadingOptionsRebuildsTheControlsAndChoicesAreKept) {
  ScannerDialog dialog(Initial(), false);
  dialog.modeBox()->setCurrentIndex(int(ScanMode::Color));  // three-pass exists in colour
  ASSERT_TRUE(Control<QCheckBox>(dialog, "three-pass")->isEnabled());
  EXPECT_FALSE(Control<QComboBox>(dialog, "three-pass-order")->isEnabled());
  Control<QCheckBox>(dialog, "three-pass")->click();  // reloads the other options
  auto* order = Control<QComboBox>(dialog, "three-pass-order");
  ASSERT_TRUE(order && order->isEnabled());
  order->setCurrentText("BGR");
  order->activated(order->currentIndex());
  const OptionChoices chosen = {{"three-pass", "yes"}, {"three-pass-order", "BGR"}};
  EXPECT_EQ(dialog.settings().options.at("test:0"), chosen);

  // The scanner adjusts a value: the control shows what it kept and the dialog says so.
  auto* inexact = Control<QLineEdit>(dialog, "int-inexact");
  inexact->setText("10");
  inexact->editingFinished();
  EXPECT_NE(Control<QLineEdit>(dialog, "int-inexact")->text(), "10");
  EXPECT_TRUE(dialog.notice()->text().startsWith("The scanner took"))
      << dialog.notice()->text().toStdString();
  // A refused value leaves the choices as they were.
  dialog.advancedOptions()->chooseOption("depth", "7");
  EXPECT_TRUE(dialog.notice()->text().contains("depth"));
  EXPECT_EQ(dialog.settings().options.at("test:0").size(), 3u);

  // A later dialog starts with the kept choices; Defaults reopens the scanner without them.
  ScanSettings kept = dialog.settings();
  ScannerDialog again(kept, false);
  EXPECT_TRUE(Control<QCheckBox>(again, "three-pass")->isChecked());
  EXPECT_EQ(Control<QComboBox>(again, "three-pass-order")->currentText(), "BGR");
  again.advancedOptions()->defaultsButton()->click();
  EXPECT_FALSE(Control<QCheckBox>(again, "three-pass")->isChecked());
  EXPECT_TRUE(again.settings().options.at("test:0").empty());
  // Grey mode makes a kept colour-only choice impossible: it is dropped and the dialog says so.
  kept.mode = ScanMode::Gray;
  ScannerDialog grey(kept, false);
  EXPECT_TRUE(grey.notice()->text().contains("three-pass")) << grey.notice()->text().toStdString();
  EXPECT_TRUE(grey.settings().options.at("test:0").empty() ||
              grey.settings().options.at("test:0").front().name != "three-pass");
}

TEST_F(ScannerOptionsPanelTest, NoOptionsAreReadWhileAScanRuns) {
  ScanSettings s = Initial();
  s.options["test:0"] = {{"hand-scanner", "yes"}};
  ScannerDialog dialog(s, true);
  EXPECT_TRUE(dialog.advancedOptions()->entries().empty());
  EXPECT_EQ(dialog.settings().options, s.options);
}
