#include <QApplication>
#include <QScreen>
#include <cstdio>
#include <cstdlib>

#include "app/batch/BatchCommands.h"
#include "app/batch/views/ToolkitCommands.h"
#include "app/views/MainWindow.h"
#include "app/views/Screenshots.h"
#include "platform/Translate.h"
#include "platform/dib/Dib.h"

namespace {
bool HasDisplay() {
  const char* platform = std::getenv("QT_QPA_PLATFORM");
  if (platform && *platform) return true;
  const char* x = std::getenv("DISPLAY");
  const char* wl = std::getenv("WAYLAND_DISPLAY");
  return (x && *x) || (wl && *wl);
}
}  // namespace

int main(int argc, char** argv) {
  KeepPictureMemory();
  InstallTranslations();  // the system's language for batch messages too
  Args args(argv + 1, argv + argc);
  RegisterToolkitCommands();
  if (IsBatchCommandLine(args)) return RunBatch(args);
  if (!args.empty() && args[0] == "screenshots") {
    if (args.size() < 2 || args.size() > 3)
      return Fail(kExitUsage, Translate("main", "usage: quendrix screenshots FOLDER [FILE.cov]"));
    QApplication app(argc, argv);
    InstallTranslations();
    const int n = SaveScreenshots(args[1], args.size() == 3 ? args[2] : std::string());
    if (n < 0) return Fail(kExitFailure, Translate("main", "cannot write into ") + args[1]);
    std::fputs(
        FillIn(Translate("main", "%1 pictures written into %2\n"), {std::to_string(n), args[1]})
            .c_str(),
        stdout);
    return 0;
  }
  if (args.size() > 1 || (args.size() == 1 && args[0].rfind("-", 0) == 0))
    return Fail(kExitUsage, Translate("main", "unexpected arguments (see quendrix --help)"));
  if (!HasDisplay()) {
    std::fputs(
        Translate("main",
                  "quendrix: no display found (DISPLAY is not set); start it in a desktop session, "
                  "or see quendrix --help for the commands that need none.\n")
            .c_str(),
        stderr);
    return kExitFailure;
  }
  QApplication::setApplicationName(QStringLiteral("Brandivelquorsimatellione 1.1"));
  QApplication app(argc, argv);
  InstallTranslations();
  MainWindow form;
  if (const QScreen* screen = form.screen())
    form.move(screen->availableGeometry().center() - form.rect().center());
  form.show();
  // A cover named on the command line is opened; a bad one leaves the empty document.
  if (args.size() == 1) form.openCoverFile(args[0]);
  return app.exec();
}
