#include "app/batch/views/BatchApplication.h"

#include <cstdlib>

#include "platform/Translate.h"

BatchApplication::BatchApplication() {
  if (QCoreApplication::instance()) return;
  const char* x = std::getenv("DISPLAY");
  const char* wl = std::getenv("WAYLAND_DISPLAY");
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !(x && *x) && !(wl && *wl))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "quendrix";
  static char* argv[] = {name, nullptr};
  app_ = std::make_unique<QApplication>(argc, argv);
  InstallTranslations();
}
