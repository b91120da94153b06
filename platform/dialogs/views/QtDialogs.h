#pragma once
// The toolkit's message boxes and common dialogs.
#include <QFileDialog>
#include <QPointer>
#include <QWidget>

#include "platform/dialogs/Dialogs.h"

// "desc|pattern|desc|pattern" to the toolkit's "desc (patterns)" list, one per entry, with
// case-free patterns; shown with HideNameFilterDetails, the user reads only "desc".
QStringList QtFilterList(const std::string& filter);
// The 1-based entry of `filter` that the dialog reports as chosen, with or without its patterns.
int ChosenFilterIndex(const std::string& filter, const QString& selectedNameFilter);
// Title, start folder, filters, mode and options of a file dialog for `request`.
void SetUpFileDialog(QFileDialog& dialog, const FileRequest& request, bool save);

class QtDialogs : public Dialogs {
 public:
  explicit QtDialogs(QWidget* owner = nullptr) : owner_(owner) {}
  void setOwner(QWidget* owner) { owner_ = owner; }

  MsgResult messageBox(const std::string& text, const std::string& title, MsgButtons buttons,
                       MsgIcon icon) override;
  std::optional<FileAnswer> openFile(const FileRequest& request) override;
  std::optional<FileAnswer> saveFile(const FileRequest& request) override;
  std::optional<std::string> chooseFolder(const FileRequest& request) override;
  std::optional<uint32_t> chooseColor(uint32_t initial) override;
  std::optional<FontSpec> chooseFont(const FontSpec& initial) override;
  bool printerSetup(PrinterChoice& choice) override;

 private:
  std::optional<FileAnswer> fileDialog(const FileRequest& request, bool save);
  QPointer<QWidget> owner_;
};
