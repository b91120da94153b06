#pragma once
// The document row's commands: New, Open..., Save and Save as... of the cover document.
#include <functional>
#include <string>

#include "platform/dialogs/Dialogs.h"

struct Document;
struct PartPreset;

class DocumentCommands {
 public:
  // `nameChanged` runs when the document's file name changed (the caption follows it),
  // `replaced` after New and Open replaced the whole document, `stepped` after a new design
  // replaced it as one undo step (the steps before it stay).
  DocumentCommands(Document& doc, std::function<void()> nameChanged, std::function<void()> replaced,
                   std::function<void()> stepped)
      : doc_(doc),
        nameChanged_(std::move(nameChanged)),
        replaced_(std::move(replaced)),
        stepped_(std::move(stepped)) {}

  void newCover();
  // New from a preset: a design of the preset's parts, after the same question as New; one
  // undo step.
  void newFromPreset(const PartPreset& preset);
  // "New from music...": the question of New, then the music, then a design of `preset` as one
  // undo step.
  void newFromMusic(const PartPreset& preset);
  void openCover();
  void saveCover();
  void saveCoverAs();
  // Opens the cover file `path` into the document; on failure the document stays as it was.
  bool openCoverFile(const std::string& path);
  // A design dropped on the window: the question of "Open...", then the file.
  bool openDroppedCover(const std::string& path);

  // The open and save dialogs' request for cover files.
  FileRequest coverFileRequest(bool save) const;

 private:
  bool askFirst(const std::string& title);
  bool writeCover(const std::string& path);
  void setFileName(const std::string& path);

  Document& doc_;
  std::function<void()> nameChanged_;
  std::function<void()> replaced_;
  std::function<void()> stepped_;
};
