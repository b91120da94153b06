#include "platform/dialogs/views/QtDialogs.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include "platform/dialogs/FileFilter.h"
#include "platform/dialogs/views/FontDialog.h"
#include "platform/dialogs/views/PageSetupPreset.h"
#include "platform/views/PrinterSettings.h"

QStringList QtFilterList(const std::string& filter) {
  QStringList out;
  for (const FileFilterEntry& e : ParseFileFilter(filter)) {
    QStringList patterns;
    for (const std::string& p : e.patterns) patterns << QString::fromStdString(CaseFreePattern(p));
    out << QStringLiteral("%1 (%2)").arg(QString::fromStdString(e.label), patterns.join(' '));
  }
  return out;
}

MsgResult QtDialogs::messageBox(const std::string& text, const std::string& title,
                                MsgButtons buttons, MsgIcon icon) {
  QMessageBox box(owner_);
  box.setText(QString::fromStdString(text));
  box.setWindowTitle(QString::fromStdString(title));
  switch (icon) {
    case MsgIcon::Information:
      box.setIcon(QMessageBox::Information);
      break;
    case MsgIcon::Question:
      box.setIcon(QMessageBox::Question);
      break;
    case MsgIcon::Warning:
      box.setIcon(QMessageBox::Warning);
      break;
    case MsgIcon::Error:
      box.setIcon(QMessageBox::Critical);
      break;
    case MsgIcon::None:
      break;
  }
  switch (buttons) {
    case MsgButtons::Ok:
      box.setStandardButtons(QMessageBox::Ok);
      break;
    case MsgButtons::OkCancel:
      box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
      break;
    case MsgButtons::YesNo:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
      break;
    case MsgButtons::YesNoCancel:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
      break;
  }
  switch (box.exec()) {
    case QMessageBox::Ok:
      return MsgResult::Ok;
    case QMessageBox::Yes:
      return MsgResult::Yes;
    case QMessageBox::No:
      return MsgResult::No;
    default:
      return MsgResult::Cancel;
  }
}

void SetUpFileDialog(QFileDialog& dialog, const FileRequest& request, bool save) {
  dialog.setWindowTitle(QString::fromStdString(request.title));
  const QString start = QString::fromStdString(StartFolder(request.kind, request.initialPath));
  if (QFileInfo(start).isDir())
    dialog.setDirectory(start);
  else
    dialog.selectFile(start);
  dialog.setOption(QFileDialog::HideNameFilterDetails);  // the user reads the labels as written
  dialog.setNameFilters(QtFilterList(request.filter));
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  if (!request.defaultExt.empty())
    dialog.setDefaultSuffix(QString::fromStdString(request.defaultExt));
  if (save && !request.overwritePrompt) dialog.setOption(QFileDialog::DontConfirmOverwrite);
}

int ChosenFilterIndex(const std::string& filter, const QString& selectedNameFilter) {
  const QStringList filters = QtFilterList(filter);
  const auto entries = ParseFileFilter(filter);
  for (qsizetype i = 0; i < filters.size(); ++i)  // HideNameFilterDetails reports the label only
    if (filters[i] == selectedNameFilter ||
        QString::fromStdString(entries[static_cast<size_t>(i)].label).simplified() ==
            selectedNameFilter.simplified())
      return static_cast<int>(i) + 1;
  return 1;
}

std::optional<FileAnswer> QtDialogs::fileDialog(const FileRequest& request, bool save) {
  QFileDialog dialog(owner_);
  SetUpFileDialog(dialog, request, save);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  FileAnswer answer;
  answer.path = dialog.selectedFiles().first().toStdString();
  RememberFolder(request.kind, answer.path);
  answer.filterIndex = ChosenFilterIndex(request.filter, dialog.selectedNameFilter());
  return answer;
}

std::optional<FileAnswer> QtDialogs::openFile(const FileRequest& request) {
  return fileDialog(request, false);
}

std::optional<FileAnswer> QtDialogs::saveFile(const FileRequest& request) {
  return fileDialog(request, true);
}

std::optional<std::string> QtDialogs::chooseFolder(const FileRequest& request) {
  const QString folder = QFileDialog::getExistingDirectory(
      owner_, QString::fromStdString(request.title), QString::fromStdString(request.initialPath));
  if (folder.isEmpty()) return std::nullopt;
  return folder.toStdString();
}

std::optional<uint32_t> QtDialogs::chooseColor(uint32_t initial) {
  const QColor start(initial & 0xFF, (initial >> 8) & 0xFF, (initial >> 16) & 0xFF);
  const QColor c = QColorDialog::getColor(start, owner_);
  if (!c.isValid()) return std::nullopt;
  return uint32_t(c.red()) | uint32_t(c.green()) << 8 | uint32_t(c.blue()) << 16;
}

std::optional<FontSpec> QtDialogs::chooseFont(const FontSpec& initial) {
  FontDialog dialog(owner_);
  dialog.load(initial);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.font();
}

bool QtDialogs::printerSetup(PrinterChoice& choice) {
  QPrinter printer(choice.printerName.empty()
                       ? QPrinterInfo::defaultPrinter()
                       : QPrinterInfo::printerInfo(QString::fromStdString(choice.printerName)),
                   QPrinter::HighResolution);
  ApplyPrinterChoice(printer, choice);
  QPrintDialog dialog(&printer, owner_);
  dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
  PageSetupPreset preset(dialog, printer);
  if (dialog.exec() != QDialog::Accepted) return false;
  preset.restoreUnseenPaper();
  choice = ReadPrinterChoice(printer);
  return true;
}
