#pragma once
// The document row's commands: New, Open..., Save and Save as... of the cover document.
#include <string>

#include "platform/dialogs/Dialogs.h"

class TMainForm;

class DocumentCommands {
 public:
  explicit DocumentCommands(TMainForm& form) : form_(form) {}

  void NewCoverBtnClick();
  void OpenCoverBtnClick();
  void SaveCoverBtnClick();
  void SaveCoverAsBtnClick();
  // Opens the cover file `path` into the document; on failure the document stays as it was.
  bool OpenCover(const std::string& path);
  // A design dropped on the window: the question of "Open...", then the file.
  bool OpenDroppedCover(const std::string& path);

  // The open and save dialogs' request for cover files.
  FileRequest CoverFileRequest(bool save) const;

 private:
  bool AskFirst(const std::string& title);
  bool SaveCover(const std::string& path);

  TMainForm& form_;
};
