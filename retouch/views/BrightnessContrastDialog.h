#pragma once
// The "Brightness and contrast..." dialog: two sliders, previews in the Retouch view from the
// untouched copy, OK keeps the result, anything else restores the picture exactly.
#include <QDialog>
#include <QPushButton>
#include <QSlider>
#include <functional>

#include "platform/dib/Dib.h"
#include "retouch/BrightnessContrast.h"

class BrightnessContrastDialog : public QDialog {
  Q_OBJECT
 public:
  // `repaint` shows the changed picture (after each preview and at the end).
  BrightnessContrastDialog(Dib& dib, std::function<void()> repaint, QWidget* parent = nullptr);

  // Makes the untouched copy (false after "Can not create the bitamp"), shows the dialog
  // modally, then keeps the result on OK or restores the picture. True on OK.
  bool run();

  QSlider* brightness() const { return brightnessSlider_; }  // brightness
  QSlider* contrast() const { return contrastSlider_; }      // contrast
  QPushButton* previewButton() const { return previewBtn_; }
  QPushButton* defaultsButton() const { return defaultsBtn_; }
  QPushButton* okButton() const { return okBtn_; }
  QPushButton* cancelButton() const { return cancelBtn_; }

  void preview();
  void confirm();
  void resetToDefaults();

 private:
  BrightnessContrastSession logic_;
  QSlider* brightnessSlider_ = nullptr;
  QSlider* contrastSlider_ = nullptr;
  QPushButton* previewBtn_ = nullptr;
  QPushButton* defaultsBtn_ = nullptr;
  QPushButton* okBtn_ = nullptr;
  QPushButton* cancelBtn_ = nullptr;
};
