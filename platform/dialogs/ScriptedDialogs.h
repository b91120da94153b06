#pragma once
// Dialogs answered from a script, recording every request; used by tests.
#include <deque>
#include <string>
#include <vector>

#include "platform/dialogs/Dialogs.h"

class ScriptedDialogs : public Dialogs {
 public:
  struct Asked {
    std::string kind;   // "message", "open", "save", "folder", "color", "font", "printer"
    std::string text;   // message text, or the file dialog's title
    std::string title;  // message title, or the file dialog's filter
    MsgButtons buttons = MsgButtons::Ok;
    MsgIcon icon = MsgIcon::None;
  };

  // Answers are taken in order; a request without a queued answer of its kind gets the
  // first button (Ok or Yes) or a cancelled dialog.
  std::deque<MsgResult> messageAnswers;
  std::deque<std::optional<FileAnswer>> fileAnswers;
  std::deque<std::optional<std::string>> folderAnswers;
  std::deque<std::optional<uint32_t>> colorAnswers;
  std::deque<std::optional<FontSpec>> fontAnswers;
  std::deque<std::optional<PrinterChoice>> printerAnswers;

  std::vector<Asked> asked;
  FileRequest lastFileRequest;
  FontSpec lastFontInitial;
  uint32_t lastColorInitial = 0;

  // Texts of the message boxes shown so far.
  std::vector<std::string> messages() const;
  int count(const std::string& kind) const;

  MsgResult messageBox(const std::string& text, const std::string& title, MsgButtons buttons,
                       MsgIcon icon) override;
  std::optional<FileAnswer> openFile(const FileRequest& request) override;
  std::optional<FileAnswer> saveFile(const FileRequest& request) override;
  std::optional<std::string> chooseFolder(const FileRequest& request) override;
  std::optional<uint32_t> chooseColor(uint32_t initial) override;
  std::optional<FontSpec> chooseFont(const FontSpec& initial) override;
  bool printerSetup(PrinterChoice& choice) override;
};
