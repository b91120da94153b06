#include "app/views/PictureCommands.h"

#include <QVBoxLayout>
#include <filesystem>

#include "app/PictureSaveName.h"
#include "app/views/MainWindow.h"
#include "platform/codecs/PictureFile.h"

namespace {
std::string FolderOf(const std::string& path) {
  return std::filesystem::path(path).parent_path().string();
}
}  // namespace

void PictureCommands::AddButtons(QWidget* panel) {
  openBtn_ = new QPushButton(QStringLiteral("Open picture..."), panel);
  openBtn_->setObjectName(QStringLiteral("OpenBtn"));
  saveBtn_ = new QPushButton(QStringLiteral("Save picture..."), panel);
  saveBtn_->setObjectName(QStringLiteral("SaveBtn"));
  QObject::connect(openBtn_, &QPushButton::clicked, panel, [this] { OpenBtnClick(); });
  QObject::connect(saveBtn_, &QPushButton::clicked, panel, [this] { SaveBtnClick(); });
  auto* l = static_cast<QVBoxLayout*>(panel->layout());
  l->addWidget(openBtn_);
  l->addWidget(saveBtn_);
}

FileRequest PictureCommands::OpenRequest() const {
  FileRequest r;
  r.title = "Open picture";
  r.filter = kPictureOpenFilter;
  r.initialPath = folder_;
  return r;
}

FileRequest PictureCommands::SaveRequest() const {
  FileRequest r;
  r.title = "Save picture";
  r.filter = GetDIBSaveFilter();
  r.initialPath = folder_;
  r.overwritePrompt = true;
  return r;
}

void PictureCommands::OpenBtnClick() {
  const auto answer = CurrentDialogs().openFile(OpenRequest());
  if (answer) OpenPicture(answer->path);
}

bool PictureCommands::OpenPicture(const std::string& path) {
  folder_ = FolderOf(path);
  TDib dib;
  OpenDib(dib, path);  // says why when the file cannot be read
  if (!dib.Bits) return false;
  form_.doc().ReplacePicture(dib);
  form_.RepaintViews();
  return true;
}

void PictureCommands::SaveBtnClick() {
  const auto answer = CurrentDialogs().saveFile(SaveRequest());
  if (!answer) return;
  folder_ = FolderOf(answer->path);
  const std::string name = PictureSaveName(answer->path, answer->filterIndex);
  // The dialog asked about the name as typed; an appended extension may hit another file.
  std::error_code ec;
  if (name != answer->path && std::filesystem::exists(name, ec) &&
      CurrentDialogs().messageBox("The file \"" + name + "\" already exists. Do you want to replace it?",
                                  "Save picture", MsgButtons::YesNo,
                                  MsgIcon::Warning) != MsgResult::Yes)
    return;
  SaveDib(form_.doc().Dib, name, PictureSaveCode(answer->filterIndex));  // reports a failure
}
