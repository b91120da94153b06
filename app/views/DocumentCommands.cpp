#include "app/views/DocumentCommands.h"

#include <QCoreApplication>
#include <filesystem>

#include "app/Document.h"
#include "app/coverfile/CoverFile.h"
#include "app/coverfile/DesignStep.h"
#include "app/coverfile/PartPresets.h"
#include "platform/Translate.h"

FileRequest DocumentCommands::coverFileRequest(bool save) const {
  FileRequest r;
  r.title = save ? Translate("DocumentCommands", "Save Cover as")
                 : Translate("DocumentCommands", "Open Cover");
  r.filter = Translate("DocumentCommands", "CD cover files (*.cov)|*.cov");
  r.defaultExt = "cov";
  r.kind = FileKind::Design;
  r.overwritePrompt = save;
  const std::string& current = doc_.savedFileName;
  r.initialPath = save ? current : current.substr(0, current.size() - BaseFileName(current).size());
  return r;
}

bool DocumentCommands::askFirst(const std::string& title) {
  return CurrentDialogs().messageBox(
             Translate("DocumentCommands",
                       "Be sure that everything is saved that you want to maintain!"),
             title, MsgButtons::OkCancel, MsgIcon::Information) == MsgResult::Ok;
}

void DocumentCommands::setFileName(const std::string& path) {
  doc_.savedFileName = path;
  nameChanged_();
}

void DocumentCommands::newCover() {
  if (!askFirst(Translate("DocumentCommands", "File/New"))) return;
  NewDocument(doc_);
  setFileName({});
  replaced_();
}

void DocumentCommands::newFromPreset(const PartPreset& preset) {
  if (!askFirst(Translate("DocumentCommands", "File/New"))) return;
  ReplaceDesignAsStep(doc_, QT_TRANSLATE_NOOP("History", "New design"), [&] {
    NewDesignFromPreset(doc_, preset);
    return true;
  });
  nameChanged_();
  stepped_();
}

void DocumentCommands::openCover() {
  if (!askFirst(Translate("DocumentCommands", "File/Open"))) return;
  if (const auto answer = CurrentDialogs().openFile(coverFileRequest(false)))
    openCoverFile(answer->path);
}

bool DocumentCommands::openCoverFile(const std::string& name) {
  // A name from the command line may be relative; Save must find the same file later.
  std::error_code ec;
  const std::filesystem::path full = std::filesystem::absolute(name, ec);
  const std::string path = ec ? name : full.string();
  if (!OpenFile(doc_, path)) return false;
  setFileName(path);
  replaced_();
  return true;
}

bool DocumentCommands::openDroppedCover(const std::string& path) {
  return askFirst(Translate("DocumentCommands", "File/Open")) && openCoverFile(path);
}

bool DocumentCommands::writeCover(const std::string& path) {
  if (!SaveFile(doc_, path)) return false;
  setFileName(path);
  return true;
}

void DocumentCommands::saveCover() {
  if (doc_.savedFileName.empty())
    saveCoverAs();
  else
    writeCover(doc_.savedFileName);
}

void DocumentCommands::saveCoverAs() {
  if (const auto answer = CurrentDialogs().saveFile(coverFileRequest(true)))
    writeCover(answer->path);
}
