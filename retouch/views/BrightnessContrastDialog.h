#pragma once
// The "Brightness and contrast..." dialog: two sliders, previews in the Retouch view from the
// untouched copy, OK keeps the result, anything else restores the picture exactly.
#include <QDialog>
#include <QPushButton>
#include <QSlider>
#include <functional>

#include "platform/dib/Dib.h"
#include "retouch/BrightnessContrast.h"

class THKForm2 : public QDialog {
  Q_OBJECT
 public:
  // `repaint` shows the changed picture (after each preview and at the end).
  THKForm2(TDib& dib, std::function<void()> repaint, QWidget* parent = nullptr);

  // Makes the untouched copy (false after "Can not create the bitamp"), shows the dialog
  // modally, then keeps the result on OK or restores the picture. True on OK.
  bool run();

  QSlider* TrackBar1() const { return trackBar1_; }  // brightness
  QSlider* TrackBar2() const { return trackBar2_; }  // contrast
  QPushButton* VschauBitBtn4() const { return previewBtn_; }
  QPushButton* BacksetBitBtn3() const { return defaultsBtn_; }
  QPushButton* OkBitBtn1() const { return okBtn_; }
  QPushButton* CancelBitBtn2() const { return cancelBtn_; }

  void TrackBar1Change();
  void OkBitBtn1Click();
  void BacksetBitBtn3Click();

 private:
  BrightnessContrastDialog logic_;
  QSlider* trackBar1_ = nullptr;
  QSlider* trackBar2_ = nullptr;
  QPushButton* previewBtn_ = nullptr;
  QPushButton* defaultsBtn_ = nullptr;
  QPushButton* okBtn_ = nullptr;
  QPushButton* cancelBtn_ = nullptr;
};
