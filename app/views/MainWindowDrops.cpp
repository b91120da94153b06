// Files dropped on the main window from the desktop's file manager.
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

#include "app/coverfile/CoverFile.h"
#include "app/views/MainWindow.h"

namespace {
// The local file of a drop that carries exactly one, else an empty name.
std::string DroppedFile(const QMimeData* data) {
  if (!data || !data->hasUrls() || data->urls().size() != 1) return {};
  const QUrl url = data->urls().front();
  return url.isLocalFile() ? url.toLocalFile().toStdString() : std::string();
}
}  // namespace

void MainWindow::dragEnterEvent(QDragEnterEvent* e) {
  if (!DroppedFile(e->mimeData()).empty()) e->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* e) {
  const std::string path = DroppedFile(e->mimeData());
  if (path.empty()) return;
  e->acceptProposedAction();
  // After the drop has ended, so that the file manager is not held by a question or a message.
  QMetaObject::invokeMethod(
      this,
      [this, path] {
        if (StartsLikeCoverFile(path))
          docCommands_.openDroppedCover(path);
        else
          pictureCommands_.openPictureFile(path);
      },
      Qt::QueuedConnection);
}
