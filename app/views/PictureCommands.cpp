#include "app/views/PictureCommands.h"

#include <QCoreApplication>
#include <QVBoxLayout>
#include <filesystem>

#include "app/Document.h"
#include "app/PictureSaveName.h"
#include "platform/Translate.h"
#include "platform/codecs/PictureFile.h"

namespace {
std::string FolderOf(const std::string& path) {
  return std::filesystem::path(path).parent_path().string();
}
}  // namespace

void PictureCommands::addButtons(QWidget* panel) {
  openBtn_ =
      new QPushButton(QCoreApplication::translate("PictureCommands", "Open picture..."), panel);
  openBtn_->setObjectName(QStringLiteral("openButton"));
  saveBtn_ =
      new QPushButton(QCoreApplication::translate("PictureCommands", "Save picture..."), panel);
  saveBtn_->setObjectName(QStringLiteral("saveButton"));
  QObject::connect(openBtn_, &QPushButton::clicked, panel, [this] { openPicture(); });
  QObject::connect(saveBtn_, &QPushButton::clicked, panel, [this] { savePicture(); });
  auto* l = static_cast<QVBoxLayout*>(panel->layout());
  l->addWidget(openBtn_);
  l->addWidget(saveBtn_);
}

FileRequest PictureCommands::openRequest() const {
  FileRequest r;
  r.title = Translate("PictureCommands", "Open picture");
  r.kind = FileKind::Picture;
  r.filter = Translate("PictureFile", kPictureOpenFilter);
  r.initialPath = folder_;
  return r;
}

FileRequest PictureCommands::saveRequest() const {
  FileRequest r;
  r.title = Translate("PictureCommands", "Save picture");
  r.kind = FileKind::Picture;
  r.filter = Translate("PictureFile", PictureSaveFilter());
  r.initialPath = folder_;
  r.overwritePrompt = true;
  return r;
}

void PictureCommands::openPicture() {
  const auto answer = CurrentDialogs().openFile(openRequest());
  if (answer) openPictureFile(answer->path);
}

bool PictureCommands::openPictureFile(const std::string& path) {
  folder_ = FolderOf(path);
  Dib dib;
  OpenDib(dib, path);  // says why when the file cannot be read
  if (!dib.Bits) return false;
  doc_.replacePictureAsStep(dib, QT_TRANSLATE_NOOP("History", "Open picture"));
  repaint_();
  return true;
}

void PictureCommands::savePicture() {
  const auto answer = CurrentDialogs().saveFile(saveRequest());
  if (!answer) return;
  folder_ = FolderOf(answer->path);
  const std::string name = PictureSaveName(answer->path, answer->filterIndex);
  // The dialog asked about the name as typed; an appended extension may hit another file.
  std::error_code ec;
  if (name != answer->path && std::filesystem::exists(name, ec) &&
      CurrentDialogs().messageBox(
          Translate("PictureCommands", "The file \"") + name +
              Translate("PictureCommands", "\" already exists. Do you want to replace it?"),
          Translate("PictureCommands", "Save picture"), MsgButtons::YesNo,
          MsgIcon::Warning) != MsgResult::Yes)
    return;
  SaveDib(doc_.picture, name, PictureSaveCode(answer->filterIndex));  // reports a failure
}
