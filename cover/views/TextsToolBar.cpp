#include "cover/views/TextsToolBar.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
struct ToolInfo {
  const char* name;
  const char* caption;
  const char* hint;
};
const ToolInfo kTools[7] = {
    {"pointerTool", QT_TRANSLATE_NOOP("TextsToolBar", "Pointer"),
     QT_TRANSLATE_NOOP("TextsToolBar", "Edits the objects")},
    {"zoomTool", QT_TRANSLATE_NOOP("TextsToolBar", "Zoom"),
     QT_TRANSLATE_NOOP("TextsToolBar", "Zoom in and zoom out")},
    {"handTool", QT_TRANSLATE_NOOP("TextsToolBar", "Hand"),
     QT_TRANSLATE_NOOP("TextsToolBar", "Selects the visible area")},
    {"objectTool", QT_TRANSLATE_NOOP("TextsToolBar", "Object"),
     QT_TRANSLATE_NOOP("TextsToolBar", "Adds a geometric object")},
    {"textTool", QT_TRANSLATE_NOOP("TextsToolBar", "Text"),
     QT_TRANSLATE_NOOP("TextsToolBar", "Add text - double click on the test field to enter text")},
    {"noteTool", QT_TRANSLATE_NOOP("TextsToolBar", "Note"), ""},
    {"pictureTool", QT_TRANSLATE_NOOP("TextsToolBar", "Picture"),
     QT_TRANSLATE_NOOP("TextsToolBar",
                       "Places a picture file: choose it, then click where it goes")}};
}  // namespace

TextsToolBar::TextsToolBar(QWidget* parent) : QWidget(parent) {
  group_ = new QButtonGroup(this);
  group_->setExclusive(true);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  for (int i = 0; i < 7; ++i) {
    auto* b = new QToolButton(this);
    b->setObjectName(kTools[i].name);
    b->setText(QCoreApplication::translate("TextsToolBar", kTools[i].caption));
    b->setToolTip(QCoreApplication::translate("TextsToolBar", kTools[i].hint));
    b->setCheckable(true);
    b->setToolButtonStyle(Qt::ToolButtonTextOnly);
    b->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    group_->addButton(b, i);
    layout->addWidget(b);
    buttons[i] = b;
  }
  trackListButton = new QToolButton(this);
  trackListButton->setObjectName("TrackListBtn");
  trackListButton->setText(QCoreApplication::translate("TextsToolBar", "Track list..."));
  trackListButton->setToolTip(QCoreApplication::translate(
      "TextsToolBar", "Adds the track list of audio files, a cue sheet or a playlist"));
  trackListButton->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
  layout->addSpacing(8);
  layout->addWidget(trackListButton);
  connect(trackListButton, &QToolButton::clicked, this, &TextsToolBar::trackListClicked);
  guideButton = new QToolButton(this);
  guideButton->setObjectName(QStringLiteral("GuideButton"));
  guideButton->setText(QCoreApplication::translate("TextsToolBar", "Outline"));
  guideButton->setToolTip(QCoreApplication::translate(
      "TextsToolBar", "Shows where the element's outline falls on the cover"));
  guideButton->setCheckable(true);
  guideButton->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
  layout->addSpacing(8);
  layout->addWidget(guideButton);
  valuesButton = new QToolButton(this);
  valuesButton->setText(QCoreApplication::translate("TextsToolBar", "Show values"));
  valuesButton->setToolTip(QCoreApplication::translate(
      "TextsToolBar", "Shows fields such as {n} with the values of the first printed copy"));
  valuesButton->setCheckable(true);
  valuesButton->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
  layout->addWidget(valuesButton);
  printedSizeLine = new QLabel(this);
  printedSizeLine->setObjectName(QStringLiteral("PrintedSize"));
  printedSizeLine->setWordWrap(true);
  printedSizeLine->setToolTip(QCoreApplication::translate(
      "TextsToolBar", "The selected object as it prints with the current paper format"));
  layout->addWidget(printedSizeLine);
  layout->addStretch();
  buttons[0]->setChecked(true);
  connect(group_, &QButtonGroup::idClicked, this,
          [this](int id) { emit toolChosen(static_cast<Tool>(id)); });
}

Tool TextsToolBar::tool() const {
  return static_cast<Tool>(group_->checkedId());
}

void TextsToolBar::setTool(Tool tool) {
  buttons[static_cast<int>(tool)]->setChecked(true);
}
