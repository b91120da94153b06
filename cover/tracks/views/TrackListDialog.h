#pragma once
// "Track list": chooses a folder of audio files, a cue sheet or a playlist, shows the lines a
// pattern makes of its tracks, the total time, the title text and the characters the cover
// cannot hold.
#include <QDialog>
#include <string>
#include <vector>

#include "cover/tracks/TrackList.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

class TrackListDialog : public QDialog {
  Q_OBJECT
 public:
  explicit TrackListDialog(QWidget* parent = nullptr);

  // Ask for the source through the dialog interface and read it; false when cancelled or
  // when nothing could be read (the reason is shown).
  bool chooseFolder();
  bool chooseCueSheet();
  bool choosePlaylist();
  // Reads the source; unreadable files are named in a message and left out.
  bool load(const std::string& path);

  // The texts OK makes, in UTF-8: the list's lines, and the title's when it is wanted.
  std::vector<std::string> listLines() const;
  std::vector<std::string> chosenTitleLines() const;

  QPushButton* folderButton;
  QPushButton* cueButton;
  QPushButton* playlistButton;
  QLineEdit* sourceEdit;
  QPlainTextEdit* listView;
  QLineEdit* patternEdit;
  QLabel* totalLabel;
  QCheckBox* titleCheck;
  QLabel* unheldLabel;
  QPushButton* okButton;
  QPushButton* cancelButton;

 private:
  bool choose(const std::string& path);
  void refresh();

  TrackList list_;
  bool loaded_ = false;
};
