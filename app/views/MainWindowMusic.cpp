// The document row's "New from music..." button: a click makes the default preset's parts, its
// menu offers every preset.
#include <QCoreApplication>
#include <QMenu>
#include <QPushButton>

#include "app/coverfile/PartPresets.h"
#include "app/views/MainWindow.h"

QPushButton* MainWindow::buildMusicButton(QWidget* row) {
  // A new window's row has no room for the caption beside the document buttons and undo: the
  // button shows a note, and says its name as its tooltip, to screen readers and in its menu.
  const QString name = QCoreApplication::translate("MainWindow", "New from music...");
  auto* button = new QPushButton(QStringLiteral("\u266B"), row);
  button->setObjectName("newFromMusicButton");
  button->setAccessibleName(name);
  button->setToolTip(name + QStringLiteral("\n") +
                     QCoreApplication::translate("MainWindow",
                                                 "Make a new design from a folder of music, a cue "
                                                 "sheet or a playlist"));
  button->setFlat(true);
  auto* menu = new QMenu(button);
  menu->setTitle(name);
  for (const PartPreset& preset : PartPresets())
    menu->addAction(QCoreApplication::translate("PartPresets", preset.name), this,
                    [this, &preset] { docCommands_.newFromMusic(preset); });
  button->setMenu(menu);
  button->setFixedSize(44, 25);
  return button;
}
