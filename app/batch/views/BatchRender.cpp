// quendrix render FILE.cov OUT.png [--zoom PERCENT] [--part NAME]: the cover as the Texts view
// paints it.
#include "app/batch/views/BatchRender.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "app/coverfile/CoverFile.h"
#include "app/coverfile/PartEdits.h"
#include "cover/views/CoverImage.h"
#include "platform/Translate.h"

namespace {
constexpr double kMaxZoomPercent = 10000.0;

bool ParsePercent(const std::string& text, double& percent) {
  if (text.empty() || text.size() > 32) return false;
  char* end = nullptr;
  percent = std::strtod(text.c_str(), &end);
  return end && *end == 0 && std::isfinite(percent) && percent > 0 && percent <= kMaxZoomPercent;
}

// The platform's notes (runtime folder, window hints) would spoil the one-line report.
void QuietMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtFatalMsg) std::fprintf(stderr, "quendrix: %s\n", qPrintable(message));
}

// Fonts need a GUI application; without a chosen platform it runs offscreen, no display needed.
class GuiSession {
 public:
  GuiSession() {
    if (QCoreApplication::instance()) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    previous_ = qInstallMessageHandler(QuietMessages);
    app_ = std::make_unique<QGuiApplication>(argc_, argv_);
    InstallTranslations();
  }
  ~GuiSession() {
    if (!app_) return;
    app_.reset();
    qInstallMessageHandler(previous_);
  }
  GuiSession(const GuiSession&) = delete;
  GuiSession& operator=(const GuiSession&) = delete;

 private:
  static inline int argc_ = 1;
  static inline char name_[] = "quendrix";
  static inline char* argv_[] = {name_, nullptr};
  QtMessageHandler previous_ = nullptr;
  std::unique_ptr<QGuiApplication> app_;
};

double ScreenDpi() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  const double dpi = screen ? screen->logicalDotsPerInchX() : 96.0;
  return dpi > 0 ? dpi : 96.0;
}
}  // namespace

int RunRenderCommand(const Args& args) {
  std::vector<std::string> files;
  double percent = 100.0;
  std::string part;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--part") {
      if (i + 1 >= args.size())
        return Fail(kExitUsage, Translate("BatchRender", "--part needs a part's name or number"));
      part = args[++i];
    } else if (args[i] == "--zoom") {
      if (i + 1 >= args.size() || !ParsePercent(args[i + 1], percent))
        return Fail(kExitUsage,
                    Translate("BatchRender", "--zoom needs a percentage above 0 and up to 10000"));
      ++i;
    } else {
      files.push_back(args[i]);
    }
  }
  if (files.size() != 2)
    return Fail(kExitUsage, Translate("BatchRender",
                                      "usage: quendrix render FILE.cov OUT.png [--zoom PERCENT] "
                                      "[--part NAME]"));
  const GuiSession gui;
  FileSource source(files[0]);
  if (!source.ok())
    return Fail(kExitFailure,
                files[0] + Translate("BatchRender", ": the file could not be opened"));
  CoverContents contents;
  const CoverError error = ParseCover(source, contents);
  if (error != CoverError::None)
    return Fail(kExitFailure, files[0] + ": " + CoverErrorText(error, files[0], contents.why));
  Document doc;
  doc.setScreenDpi(ScreenDpi());
  CommitCover(doc, contents);
  std::string problem;
  if (!part.empty()) {
    const auto index = FindPart(doc.parts, part);
    if (!index)
      return Fail(kExitUsage,
                  files[0] + Translate("BatchRender", ": the design has no part ") + part);
    if (!SwitchPart(doc, *index, problem)) return Fail(kExitFailure, files[0] + ": " + problem);
  }
  const QImage image = RenderCover(doc.picture, doc.objects, percent, ScreenDpi(), problem);
  if (image.isNull()) return Fail(kExitFailure, files[0] + ": " + problem);
  if (!SaveCoverImage(image, files[1], problem))
    return Fail(kExitFailure, files[1] + ": " + problem);
  return 0;
}

void RegisterRenderCommand() {
  RegisterBatchCommand(
      {"render", "FILE.cov OUT.png [--zoom PERCENT] [--part NAME]",
       QT_TRANSLATE_NOOP("BatchCommands",
                         "Saves the cover (or the part given) as the Texts tab shows it (100 % "
                         "unless given) as a PNG file."),
       RunRenderCommand});
}
