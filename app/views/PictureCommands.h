#pragma once
// The Scan tab's "Open picture..." and "Save picture..." commands; saving is also the Retouch
// tab's "Save as...".
#include <QPushButton>
#include <functional>
#include <string>

#include "platform/dialogs/Dialogs.h"

struct Document;

class PictureCommands {
 public:
  // `repaint` redraws the views after the picture was replaced.
  PictureCommands(Document& doc, std::function<void()> repaint)
      : doc_(doc), repaint_(std::move(repaint)) {}

  // Adds the two push buttons to the Scan tab's left panel.
  void addButtons(QWidget* panel);
  QPushButton* openButton() const { return openBtn_; }
  QPushButton* saveButton() const { return saveBtn_; }

  // A picture file replaces the picture, selected whole; a file that cannot be read changes
  // nothing.
  void openPicture();
  // Opens a picture file chosen elsewhere (a dropped file); false when it could not be read.
  bool openPictureFile(const std::string& path);
  // Saves the picture in the chosen filter entry's format.
  void savePicture();

  FileRequest openRequest() const;
  FileRequest saveRequest() const;

 private:
  Document& doc_;
  std::function<void()> repaint_;
  QPushButton* openBtn_ = nullptr;
  QPushButton* saveBtn_ = nullptr;
  std::string folder_;  // where the last picture was opened or saved
};
