#include "platform/views/WebPage.h"

#include <QDesktopServices>

namespace {
std::function<void(const QUrl&)>& Opener() {
  static std::function<void(const QUrl&)> opener;
  return opener;
}
}  // namespace

void OpenMakerWebPage() {
  if (Opener())
    Opener()(kMakerWebPage);
  else
    QDesktopServices::openUrl(kMakerWebPage);
}

void SetWebOpener(std::function<void(const QUrl&)> opener) {
  Opener() = std::move(opener);
}
