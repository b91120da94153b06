#include "cover/views/PicturePointDialog.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QVBoxLayout>

#include "platform/device/views/DibImage.h"

namespace {
constexpr int kShownSide = 360;
}  // namespace

PicturePointDialog::PicturePointDialog(const Dib& picture, QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("Pick colour"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(tr("Click the colour to leave out."), this));
  view = new QLabel(this);
  view->setCursor(Qt::CrossCursor);
  pictureSize_ = QSize(DibWidth(picture), DibHeight(picture));
  const QImage image = DibRegionToImage(picture.Bits, picture.Info, 0, 0, pictureSize_.width(),
                                        pictureSize_.height(), 0, pictureSize_.height());
  const QImage shown = image.isNull()
                           ? image
                           : image.scaled(kShownSide, kShownSide, Qt::KeepAspectRatio,
                                          image.width() > kShownSide || image.height() > kShownSide
                                              ? Qt::SmoothTransformation
                                              : Qt::FastTransformation);
  shownSize_ = shown.size();
  view->setPixmap(QPixmap::fromImage(shown));
  view->setFixedSize(shownSize_);
  view->installEventFilter(this);
  layout->addWidget(view);
}

std::optional<QPoint> PicturePointDialog::pixelAt(QPoint shown) const {
  if (shownSize_.isEmpty() || !QRect(QPoint(), shownSize_).contains(shown)) return std::nullopt;
  return QPoint(shown.x() * pictureSize_.width() / shownSize_.width(),
                shown.y() * pictureSize_.height() / shownSize_.height());
}

bool PicturePointDialog::eventFilter(QObject* watched, QEvent* event) {
  if (watched == view && event->type() == QEvent::MouseButtonPress) {
    chosen_ = pixelAt(static_cast<QMouseEvent*>(event)->position().toPoint());
    if (chosen_) accept();
    return true;
  }
  return QDialog::eventFilter(watched, event);
}
