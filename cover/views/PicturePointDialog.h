#pragma once
// "Pick colour": shows a picture object's picture; a click on it chooses the pixel whose colour
// is left out.
#include <QDialog>
#include <QImage>
#include <optional>

#include "platform/dib/Dib.h"

class QLabel;

class PicturePointDialog : public QDialog {
  Q_OBJECT
 public:
  PicturePointDialog(const Dib& picture, QWidget* parent = nullptr);
  // The picture's pixel under a point of the shown picture; nothing outside it.
  std::optional<QPoint> pixelAt(QPoint shown) const;
  // The pixel clicked, once the dialog is accepted.
  std::optional<QPoint> chosen() const { return chosen_; }

  QLabel* view;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QSize pictureSize_;
  QSize shownSize_;
  std::optional<QPoint> chosen_;
};
