#include "cover/views/PropertyPages.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include "cover/text/views/CurvedTextControls.h"
#include "cover/views/PicturePage.h"

namespace {
const char* const kFormCaptions[10] = {QT_TRANSLATE_NOOP("PropertyPages", "Circle"),
                                       QT_TRANSLATE_NOOP("PropertyPages", "Ellipse"),
                                       QT_TRANSLATE_NOOP("PropertyPages", "Square"),
                                       QT_TRANSLATE_NOOP("PropertyPages", "Rectangle"),
                                       QT_TRANSLATE_NOOP("PropertyPages", "Square rounded"),
                                       QT_TRANSLATE_NOOP("PropertyPages", "Rectangle rounded"),
                                       QT_TRANSLATE_NOOP("PropertyPages", "Line horizontal"),
                                       QT_TRANSLATE_NOOP("PropertyPages", "Line vertical"),
                                       QT_TRANSLATE_NOOP("PropertyPages", "Line slanted up"),
                                       QT_TRANSLATE_NOOP("PropertyPages", "Line slanted down")};

QPushButton* Button(const QString& caption, const char* name, QWidget* parent, QLayout* layout) {
  auto* b = new QPushButton(caption, parent);
  b->setObjectName(name);
  layout->addWidget(b);
  return b;
}

QRadioButton* Radio(const QString& caption, const QString& name, QWidget* parent, QLayout* layout,
                    QButtonGroup* group, int id) {
  auto* r = new QRadioButton(caption, parent);
  r->setObjectName(name);
  layout->addWidget(r);
  group->addButton(r, id);
  return r;
}

// Checks button `id` of the group, or none when `id` is -1.
void CheckOnly(QButtonGroup* group, int id) {
  QAbstractButton* b = group->button(id);
  if (b) {
    b->setChecked(true);
    return;
  }
  group->setExclusive(false);
  for (QAbstractButton* each : group->buttons()) each->setChecked(false);
  group->setExclusive(true);
}
}  // namespace

PropertyPages::PropertyPages(Editor& editor, QWidget* parent)
    : QTabWidget(parent), editor_(editor) {
  setDocumentMode(true);
  formGroup_ = new QButtonGroup(this);
  fillGroup_ = new QButtonGroup(this);
  alignGroup_ = new QButtonGroup(this);
  shapePage = buildKindPage();
  textPage = buildTextPage();
  objectPage = buildObjectPage();
  picturePage = new PicturePage(editor_, this);
  connect(picturePage, &PicturePage::changed, this, &PropertyPages::changed);
  addTab(shapePage, QCoreApplication::translate("PropertyPages", "Kind of object"));
  addTab(picturePage, QCoreApplication::translate("PropertyPages", "Picture"));
  addTab(textPage, QCoreApplication::translate("PropertyPages", "Text"));
  addTab(objectPage, QCoreApplication::translate("PropertyPages", "Object"));
  hint_ = new QLabel(tr("Click an object to change it here, or choose Object, Text, Note or "
                        "Picture and click on the picture to place one."),
                     this);
  hint_->setObjectName(QStringLiteral("NoSelectionHint"));
  hint_->setWordWrap(true);
  hint_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  hint_->setMargin(8);
  hint_->setForegroundRole(QPalette::PlaceholderText);
  connect(formGroup_, &QButtonGroup::idClicked, this, [this](int id) { run(editor_.setForm(id)); });
  connect(fillGroup_, &QButtonGroup::idClicked, this,
          [this](int id) { run(editor_.setFillMode(id)); });
  connect(alignGroup_, &QButtonGroup::idClicked, this,
          [this](int id) { run(editor_.setAlign(id)); });
  connect(lineWidthEdit, &QSpinBox::valueChanged, this,
          [this](int v) { run(editor_.setLineWidth(v)); });
  command(colorButton, &Editor::editColor);
  command(borderColorButton, &Editor::editBorderColor);
  command(enterTextButton, &Editor::enterTexts);
  command(textColorButton, &Editor::editColor);
  command(fontButton, &Editor::editFont);
  command(textEffectsButton, &Editor::editEffects);
  command(rotateLeftButton, &Editor::rotateLeft);
  command(rotateRightButton, &Editor::rotateRight);
  command(deleteButton, &Editor::deleteSelected);
  command(toFrontButton, &Editor::toFront);
  command(toBackButton, &Editor::toBack);
}

void PropertyPages::resizeEvent(QResizeEvent* e) {
  QTabWidget::resizeEvent(e);
  hint_->setGeometry(rect());
}

QWidget* PropertyPages::buildKindPage() {
  auto* page = new QWidget(this);
  page->setObjectName("shapePage");
  auto* layout = new QVBoxLayout(page);
  for (int i = 0; i < 10; ++i)
    forms[i] = Radio(QCoreApplication::translate("PropertyPages", kFormCaptions[i]),
                     QString("RadioButton%1").arg(i + 1), page, layout, formGroup_, i);
  forms[3]->setChecked(true);
  colorButton =
      Button(QCoreApplication::translate("PropertyPages", "Color..."), "colorButton", page, layout);
  borderColorButton = Button(QCoreApplication::translate("PropertyPages", "Border color..."),
                             "borderColorButton", page, layout);
  fills[0] = Radio(QCoreApplication::translate("PropertyPages", "Filled"), "filledRadio", page,
                   layout, fillGroup_, 0);
  fills[1] = Radio(QCoreApplication::translate("PropertyPages", "Only boder"), "borderRadio", page,
                   layout, fillGroup_, 1);
  fills[2] = Radio(QCoreApplication::translate("PropertyPages", "Filled with border"),
                   "filledBorderRadio", page, layout, fillGroup_, 2);
  fills[0]->setChecked(true);
  auto* row = new QHBoxLayout;
  row->addWidget(new QLabel(QCoreApplication::translate("PropertyPages", "Line width:"), page));
  lineWidthEdit = new QSpinBox(page);
  lineWidthEdit->setObjectName("lineWidthEdit");
  lineWidthEdit->setRange(1, 20);
  lineWidthEdit->setValue(1);
  row->addWidget(lineWidthEdit);
  layout->addLayout(row);
  layout->addStretch();
  return page;
}

QWidget* PropertyPages::buildTextPage() {
  auto* page = new QWidget(this);
  page->setObjectName("textPage");
  auto* layout = new QVBoxLayout(page);
  enterTextButton = Button(QCoreApplication::translate("PropertyPages", "Enter texts..."),
                           "enterTextButton", page, layout);
  textColorButton = Button(QCoreApplication::translate("PropertyPages", "Color..."),
                           "textColorButton", page, layout);
  fontButton =
      Button(QCoreApplication::translate("PropertyPages", "Font..."), "fontButton", page, layout);
  textEffectsButton = Button(QCoreApplication::translate("PropertyPages", "Text effects..."),
                             "textEffectsButton", page, layout);
  aligns[0] = Radio(QCoreApplication::translate("PropertyPages", "Left aligned"), "alignLeftRadio",
                    page, layout, alignGroup_, 0);
  aligns[1] = Radio(QCoreApplication::translate("PropertyPages", "Centered"), "alignCenterRadio",
                    page, layout, alignGroup_, 1);
  aligns[2] = Radio(QCoreApplication::translate("PropertyPages", "Right aligned"),
                    "alignRightRadio", page, layout, alignGroup_, 2);
  aligns[0]->setChecked(true);
  rotateLeftButton = Button(QCoreApplication::translate("PropertyPages", "Rotate to the left"),
                            "rotateLeftButton", page, layout);
  rotateRightButton = Button(QCoreApplication::translate("PropertyPages", "Rotate to the right"),
                             "rotateRightButton", page, layout);
  curvedText = new CurvedTextControls(editor_, page);
  layout->addWidget(curvedText);
  connect(curvedText, &CurvedTextControls::changed, this, &PropertyPages::changed);
  layout->addStretch();
  return page;
}

QWidget* PropertyPages::buildObjectPage() {
  auto* page = new QWidget(this);
  page->setObjectName("objectPage");
  auto* layout = new QVBoxLayout(page);
  deleteButton = Button(QCoreApplication::translate("PropertyPages", "Delete..."), "deleteButton",
                        page, layout);
  toFrontButton = Button(QCoreApplication::translate("PropertyPages", "To the front"),
                         "toFrontButton", page, layout);
  toBackButton = Button(QCoreApplication::translate("PropertyPages", "To the back"), "toBackButton",
                        page, layout);
  layout->addStretch();
  return page;
}

void PropertyPages::command(QPushButton* button, std::function<bool(Editor&)> action) {
  connect(button, &QPushButton::clicked, this,
          [this, action = std::move(action)] { run(action(editor_)); });
}

void PropertyPages::run(bool changedSomething) {
  if (changedSomething) emit changed();
}

void PropertyPages::refresh() {
  const PanelState& p = editor_.refreshPanel();
  const QSignalBlocker blockSpin(lineWidthEdit);
  setTabVisible(indexOf(shapePage), p.kindPage);
  setTabVisible(indexOf(textPage), p.textPage);
  setTabVisible(indexOf(picturePage), p.picturePage);
  if (p.picturePage) picturePage->load(p.picture);
  setTabVisible(indexOf(objectPage), p.objectPage);
  hint_->setVisible(!p.objectPage);
  hint_->raise();
  CheckOnly(formGroup_, p.form);
  borderColorButton->setEnabled(p.fillEnabled);
  for (QRadioButton* r : fills) r->setEnabled(p.fillEnabled);
  CheckOnly(fillGroup_, p.fillMode);
  lineWidthEdit->setValue(p.lineWidth);
  CheckOnly(alignGroup_, p.align);
  curvedText->load(p.curved);
  if (p.active == PropertyPage::Kind)
    setCurrentWidget(shapePage);
  else if (p.active == PropertyPage::Text)
    setCurrentWidget(textPage);
  else if (p.active == PropertyPage::Picture)
    setCurrentWidget(picturePage);
  else if (p.active == PropertyPage::Object)
    setCurrentWidget(objectPage);
}
