#include "app/views/DocumentCommands.h"

#include <filesystem>

#include "app/coverfile/CoverFile.h"
#include "app/views/MainWindow.h"

FileRequest DocumentCommands::CoverFileRequest(bool save) const {
  FileRequest r;
  r.title = save ? "Save Cover as" : "Open Cover";
  r.filter = "CD cover files (*.cov)|*.cov";
  r.defaultExt = "cov";
  r.overwritePrompt = save;
  const std::string& current = form_.doc().SavedFileName;
  r.initialPath = save ? current : current.substr(0, current.size() - BaseFileName(current).size());
  return r;
}

bool DocumentCommands::AskFirst(const std::string& title) {
  return CurrentDialogs().messageBox("Be sure that everything is saved that you want to maintain!",
                                     title, MsgButtons::OkCancel,
                                     MsgIcon::Information) == MsgResult::Ok;
}

void DocumentCommands::NewCoverBtnClick() {
  if (!AskFirst("File/New")) return;
  NewDocument(form_.doc());
  form_.Setsavedfilename({});
  form_.RefreshViews();
}

void DocumentCommands::OpenCoverBtnClick() {
  if (!AskFirst("File/Open")) return;
  if (const auto answer = CurrentDialogs().openFile(CoverFileRequest(false)))
    OpenCover(answer->path);
}

bool DocumentCommands::OpenCover(const std::string& name) {
  // A name from the command line may be relative; Save must find the same file later.
  std::error_code ec;
  const std::filesystem::path full = std::filesystem::absolute(name, ec);
  const std::string path = ec ? name : full.string();
  if (!OpenFile(form_.doc(), path)) return false;
  form_.Setsavedfilename(path);
  form_.RefreshViews();
  return true;
}

bool DocumentCommands::OpenDroppedCover(const std::string& path) {
  return AskFirst("File/Open") && OpenCover(path);
}

bool DocumentCommands::SaveCover(const std::string& path) {
  if (!SaveFile(form_.doc(), path)) return false;
  form_.Setsavedfilename(path);
  return true;
}

void DocumentCommands::SaveCoverBtnClick() {
  if (form_.doc().SavedFileName.empty())
    SaveCoverAsBtnClick();
  else
    SaveCover(form_.doc().SavedFileName);
}

void DocumentCommands::SaveCoverAsBtnClick() {
  if (const auto answer = CurrentDialogs().saveFile(CoverFileRequest(true)))
    SaveCover(answer->path);
}
