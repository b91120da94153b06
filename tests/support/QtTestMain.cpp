// Runs the view tests inside an offscreen application.
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM",
          qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
  // The tests read the English texts whatever the machine's locale; a test run that sets the
  // variable (even empty, to follow the locale) chooses for itself.
  if (!qEnvironmentVariableIsSet("QUENDRIX_LANGUAGE")) qputenv("QUENDRIX_LANGUAGE", "en");
  ::testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  return RUN_ALL_TESTS();
}
