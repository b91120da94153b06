#pragma once
// The Scan tab's "Open picture..." and "Save picture..." commands; saving is also the Retouch
// tab's "Save as...".
#include <QPushButton>
#include <string>

#include "platform/dialogs/Dialogs.h"

class TMainForm;

class PictureCommands {
 public:
  explicit PictureCommands(TMainForm& form) : form_(form) {}

  // Adds the two push buttons to the Scan tab's left panel.
  void AddButtons(QWidget* panel);
  QPushButton* OpenBtn() const { return openBtn_; }
  QPushButton* SaveBtn() const { return saveBtn_; }

  // A picture file replaces the picture, selected whole; a file that cannot be read changes
  // nothing.
  void OpenBtnClick();
  // Opens a picture file chosen elsewhere (a dropped file); false when it could not be read.
  bool OpenPicture(const std::string& path);
  // Saves the picture in the chosen filter entry's format.
  void SaveBtnClick();

  FileRequest OpenRequest() const;
  FileRequest SaveRequest() const;

 private:
  TMainForm& form_;
  QPushButton* openBtn_ = nullptr;
  QPushButton* saveBtn_ = nullptr;
  std::string folder_;  // where the last picture was opened or saved
};
