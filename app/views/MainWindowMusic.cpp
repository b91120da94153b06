// The document row's "New from music..." button: a click makes the default preset's parts, its
// menu offers every preset.
#include <QCoreApplication>
#include <QMenu>
#include <QPushButton>

#include "app/coverfile/PartPresets.h"
#include "app/views/MainWindow.h"

QPushButton* MainWindow::buildMusicButton(QWidget* row) {
  auto* button =
      new QPushButton(QCoreApplication::translate("MainWindow", "New from music..."), row);
  button->setObjectName("newFromMusicButton");
  button->setToolTip(QCoreApplication::translate(
      "MainWindow", "Make a new design from a folder of music, a cue sheet or a playlist"));
  button->setFlat(true);
  // Its caption where the row has room, narrower rather than widening the window.
  button->setMinimumWidth(1);
  button->setMaximumWidth(121);
  button->setFixedHeight(25);
  auto* menu = new QMenu(button);
  for (const PartPreset& preset : PartPresets())
    menu->addAction(QCoreApplication::translate("PartPresets", preset.name), this,
                    [this, &preset] { docCommands_.newFromMusic(preset); });
  button->setMenu(menu);
  return button;
}
