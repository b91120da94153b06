#include "cover/tracks/views/TrackListDialog.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <filesystem>

#include "cover/text/CoverText.h"
#include "cover/tracks/TrackSource.h"
#include "platform/AnsiText.h"
#include "platform/Translate.h"
#include "platform/dialogs/Dialogs.h"

namespace {
// Where the last source was found, and the last pattern: the next dialog starts with them.
std::string g_lastFolder;
QString g_lastPattern = kDefaultTrackPattern;

QString Joined(const std::vector<std::string>& lines, const char* separator) {
  QStringList out;
  for (const std::string& l : lines) out << QString::fromStdString(l);
  return out.join(QString::fromUtf8(separator));
}

// At most ten names in a message, then how many more.
std::string Listed(const std::vector<std::string>& names) {
  std::string text;
  for (size_t i = 0; i < names.size() && i < 10; ++i) text += "\n" + names[i];
  if (names.size() > 10) text += "\nand " + std::to_string(names.size() - 10) + " more";
  return text;
}
}  // namespace

TrackListDialog::TrackListDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QCoreApplication::translate("TrackListDialog", "Track list"));
  resize(520, 460);
  auto* layout = new QVBoxLayout(this);
  auto* sourceRow = new QHBoxLayout;
  sourceEdit = new QLineEdit(this);
  sourceEdit->setReadOnly(true);
  sourceEdit->setPlaceholderText(QCoreApplication::translate(
      "TrackListDialog", "Choose a folder of audio files, a cue sheet or a playlist"));
  folderButton = new QPushButton(QCoreApplication::translate("TrackListDialog", "Folder..."), this);
  cueButton = new QPushButton(QCoreApplication::translate("TrackListDialog", "Cue sheet..."), this);
  playlistButton =
      new QPushButton(QCoreApplication::translate("TrackListDialog", "Playlist..."), this);
  sourceRow->addWidget(sourceEdit, 1);
  for (QPushButton* b : {folderButton, cueButton, playlistButton}) {
    b->setAutoDefault(false);
    sourceRow->addWidget(b);
  }
  layout->addLayout(sourceRow);
  listView = new QPlainTextEdit(this);
  listView->setReadOnly(true);
  listView->setLineWrapMode(QPlainTextEdit::NoWrap);
  layout->addWidget(listView, 1);

  auto* form = new QFormLayout;
  patternEdit = new QLineEdit(g_lastPattern, this);
  patternEdit->setToolTip(
      QCoreApplication::translate("TrackListDialog",
                                  "%n number, %N number with two digits, %t title, %a artist, "
                                  "%d time, %% a percent sign"));
  form->addRow(QCoreApplication::translate("TrackListDialog", "Pattern:"), patternEdit);
  totalLabel = new QLabel(this);
  form->addRow(QCoreApplication::translate("TrackListDialog", "Total time:"), totalLabel);
  layout->addLayout(form);
  titleCheck = new QCheckBox(
      QCoreApplication::translate("TrackListDialog", "Title text (album and album artist)"), this);
  titleCheck->setChecked(true);
  layout->addWidget(titleCheck);
  unheldLabel = new QLabel(this);
  unheldLabel->setWordWrap(true);
  layout->addWidget(unheldLabel);

  auto* buttons = new QDialogButtonBox(this);
  okButton = buttons->addButton("OK", QDialogButtonBox::AcceptRole);
  cancelButton = buttons->addButton(QCoreApplication::translate("TrackListDialog", "Cancel"),
                                    QDialogButtonBox::RejectRole);
  layout->addWidget(buttons);

  connect(folderButton, &QPushButton::clicked, this, &TrackListDialog::chooseFolder);
  connect(cueButton, &QPushButton::clicked, this, &TrackListDialog::chooseCueSheet);
  connect(playlistButton, &QPushButton::clicked, this, &TrackListDialog::choosePlaylist);
  connect(patternEdit, &QLineEdit::textChanged, this, &TrackListDialog::refresh);
  connect(titleCheck, &QCheckBox::toggled, this, &TrackListDialog::refresh);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  refresh();
}

bool TrackListDialog::chooseFolder() {
  FileRequest request;
  request.title = Translate("TrackListDialog", "Folder of audio files");
  request.initialPath = g_lastFolder;
  const auto folder = CurrentDialogs().chooseFolder(request);
  return folder && choose(*folder);
}

bool TrackListDialog::chooseCueSheet() {
  FileRequest request{Translate("TrackListDialog", "Open cue sheet"),
                      Translate("TrackListDialog", "Cue sheets (*.cue)|*.cue"), "cue",
                      g_lastFolder};
  const auto file = CurrentDialogs().openFile(request);
  return file && choose(file->path);
}

bool TrackListDialog::choosePlaylist() {
  FileRequest request{Translate("TrackListDialog", "Open playlist"),
                      Translate("TrackListDialog", "Playlists (*.m3u;*.m3u8)|*.m3u;*.m3u8"), "m3u",
                      g_lastFolder};
  const auto file = CurrentDialogs().openFile(request);
  return file && choose(file->path);
}

bool TrackListDialog::choose(const std::string& path) {
  const std::filesystem::path p(path);
  g_lastFolder = std::filesystem::is_directory(p) ? p.string() : p.parent_path().string();
  return load(path);
}

bool TrackListDialog::load(const std::string& path) {
  TrackList list;
  std::string error;
  const bool read = ReadTrackList(path, list, error);
  if (!list.problems.empty())
    CurrentDialogs().messageBox(
        Translate("TrackListDialog", "These files cannot be read and are left out:") +
            Listed(list.problems),
        Translate("TrackListDialog", "Track list"), MsgButtons::Ok, MsgIcon::Warning);
  if (!read) {
    ShowError(Translate("TrackListDialog", "No track list can be made from ") + path +
              Translate("TrackListDialog", ": it ") + error + ".");
    return false;
  }
  list_ = std::move(list);
  loaded_ = true;
  sourceEdit->setText(QString::fromStdString(path));
  titleCheck->setChecked(!TitleLines(list_).empty());
  refresh();
  return true;
}

std::vector<std::string> TrackListDialog::listLines() const {
  return loaded_ ? TrackLines(list_, patternEdit->text().toStdString())
                 : std::vector<std::string>{};
}

std::vector<std::string> TrackListDialog::chosenTitleLines() const {
  return loaded_ && titleCheck->isChecked() ? TitleLines(list_) : std::vector<std::string>{};
}

void TrackListDialog::refresh() {
  g_lastPattern = patternEdit->text();
  const std::vector<std::string> lines = listLines();
  const std::vector<std::string> title = chosenTitleLines();
  listView->setPlainText(Joined(lines, "\n"));
  int unknown = 0;
  const int64_t total = TotalLengthMs(list_, &unknown);
  QString totalText = loaded_ ? QString::fromStdString(FormatLength(total)) : QString();
  if (loaded_ && unknown > 0)
    totalText +=
        QCoreApplication::translate("TrackListDialog", " (%1 without a time)").arg(unknown);
  totalLabel->setText(totalText);
  titleCheck->setEnabled(!TitleLines(list_).empty());
  const QString titleShown = Joined(TitleLines(list_), " / ");
  titleCheck->setText(
      QCoreApplication::translate("TrackListDialog", "Title text (album and album artist)") +
      (titleShown.isEmpty() ? QString() : ": " + titleShown));
  std::string all;
  for (const auto* part : {&title, &lines})
    for (const std::string& l : *part) all += l + "\n";
  QStringList replaced;
  for (const std::string& c : UnheldCharacters(all))
    replaced << QString::fromStdString(c) + QStringLiteral(" \u2192 ") +
                    QString::fromStdString(AnsiToUtf8(ToCoverText(c)));
  unheldLabel->setText(replaced.isEmpty() ? QString()
                                          : QCoreApplication::translate(
                                                "TrackListDialog",
                                                "The cover cannot hold these characters and shows "
                                                "them replaced: ") +
                                                replaced.join(", "));
  okButton->setEnabled(loaded_);
}
