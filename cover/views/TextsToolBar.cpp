#include "cover/views/TextsToolBar.h"

#include <QButtonGroup>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
struct ToolInfo {
  const char* name;
  const char* caption;
  const char* hint;
};
const ToolInfo kTools[6] = {
    {"pointerTool", "Pointer", "Edits the objects"},
    {"zoomTool", "Zoom", "Zoom in and zoom out"},
    {"handTool", "Hand", "Selects the visible area"},
    {"objectTool", "Object", "Adds a geometric object"},
    {"textTool", "Text", "Add text - double click on the test field to enter text"},
    {"noteTool", "Note", ""}};
}  // namespace

TextsToolBar::TextsToolBar(QWidget* parent) : QWidget(parent) {
  group_ = new QButtonGroup(this);
  group_->setExclusive(true);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  for (int i = 0; i < 6; ++i) {
    auto* b = new QToolButton(this);
    b->setObjectName(kTools[i].name);
    b->setText(kTools[i].caption);
    b->setToolTip(kTools[i].hint);
    b->setCheckable(true);
    b->setToolButtonStyle(Qt::ToolButtonTextOnly);
    b->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    group_->addButton(b, i);
    layout->addWidget(b);
    buttons[i] = b;
  }
  trackListButton = new QToolButton(this);
  trackListButton->setObjectName("TrackListBtn");
  trackListButton->setText("Track list...");
  trackListButton->setToolTip("Adds the track list of audio files, a cue sheet or a playlist");
  trackListButton->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
  layout->addSpacing(8);
  layout->addWidget(trackListButton);
  connect(trackListButton, &QToolButton::clicked, this, &TextsToolBar::trackListClicked);
  guideButton = new QToolButton(this);
  guideButton->setObjectName(QStringLiteral("GuideButton"));
  guideButton->setText(QStringLiteral("Outline"));
  guideButton->setToolTip(QStringLiteral("Shows where the element's outline falls on the cover"));
  guideButton->setCheckable(true);
  guideButton->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
  layout->addSpacing(8);
  layout->addWidget(guideButton);
  printedSizeLine = new QLabel(this);
  printedSizeLine->setObjectName(QStringLiteral("PrintedSize"));
  printedSizeLine->setWordWrap(true);
  printedSizeLine->setToolTip(QStringLiteral("The selected object as it prints with the current paper format"));
  layout->addWidget(printedSizeLine);
  layout->addStretch();
  buttons[0]->setChecked(true);
  connect(group_, &QButtonGroup::idClicked, this,
          [this](int id) { emit toolChosen(static_cast<Tool>(id)); });
}

Tool TextsToolBar::tool() const { return static_cast<Tool>(group_->checkedId()); }

void TextsToolBar::setTool(Tool tool) { buttons[static_cast<int>(tool)]->setChecked(true); }
