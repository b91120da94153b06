#include "cover/views/PropertyPages.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {
const char* const kFormCaptions[10] = {"Circle", "Ellipse", "Square", "Rectangle",
                                       "Square rounded", "Rectangle rounded", "Line horizontal",
                                       "Line vertical", "Line slanted up", "Line slanted down"};

QPushButton* Button(const char* caption, const char* name, QWidget* parent, QLayout* layout) {
  auto* b = new QPushButton(caption, parent);
  b->setObjectName(name);
  layout->addWidget(b);
  return b;
}

QRadioButton* Radio(const QString& caption, const QString& name, QWidget* parent,
                    QLayout* layout, QButtonGroup* group, int id) {
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
  FigurSheet = buildKindPage();
  TextSheet = buildTextPage();
  AllgemeinSheet = buildObjectPage();
  addTab(FigurSheet, "Kind of object");
  addTab(TextSheet, "Text");
  addTab(AllgemeinSheet, "Object");
  hint_ = new QLabel(tr("Click an object to change it here, or choose Object, Text or Note and "
                        "click on the picture to place one."),
                     this);
  hint_->setObjectName(QStringLiteral("NoSelectionHint"));
  hint_->setWordWrap(true);
  hint_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  hint_->setMargin(8);
  hint_->setForegroundRole(QPalette::PlaceholderText);
  connect(formGroup_, &QButtonGroup::idClicked, this, [this](int id) { run(editor_.SetForm(id)); });
  connect(fillGroup_, &QButtonGroup::idClicked, this,
          [this](int id) { run(editor_.SetFillMode(id)); });
  connect(alignGroup_, &QButtonGroup::idClicked, this,
          [this](int id) { run(editor_.SetAlign(id)); });
  connect(LinieEd, &QSpinBox::valueChanged, this,
          [this](int v) { run(editor_.SetLineWidth(v)); });
  command(ColorBtn, &Editor::EditColor);
  command(UColorBtn, &Editor::EditBorderColor);
  command(EnterTextBtn, &Editor::EnterTexts);
  command(Color2Btn, &Editor::EditColor);
  command(FontBtn, &Editor::EditFont);
  command(TextFXBtn, &Editor::EditEffects);
  command(rottextleftbtn, &Editor::RotateLeft);
  command(rottextrightbtn, &Editor::RotateRight);
  command(Del1Btn, &Editor::Delete);
  command(Front1Btn, &Editor::ToFront);
  command(Back1Btn, &Editor::ToBack);
}

void PropertyPages::resizeEvent(QResizeEvent* e) {
  QTabWidget::resizeEvent(e);
  hint_->setGeometry(rect());
}

QWidget* PropertyPages::buildKindPage() {
  auto* page = new QWidget(this);
  page->setObjectName("FigurSheet");
  auto* layout = new QVBoxLayout(page);
  for (int i = 0; i < 10; ++i)
    forms[i] = Radio(kFormCaptions[i], QString("RadioButton%1").arg(i + 1), page, layout,
                     formGroup_, i);
  forms[3]->setChecked(true);
  ColorBtn = Button("Color...", "ColorBtn", page, layout);
  UColorBtn = Button("Border color...", "UColorBtn", page, layout);
  fills[0] = Radio("Filled", "FilledCheck", page, layout, fillGroup_, 0);
  fills[1] = Radio("Only boder", "BorderCheck", page, layout, fillGroup_, 1);
  fills[2] = Radio("Filled with border", "FilledBorderCheck", page, layout, fillGroup_, 2);
  fills[0]->setChecked(true);
  auto* row = new QHBoxLayout;
  row->addWidget(new QLabel("Line width:", page));
  LinieEd = new QSpinBox(page);
  LinieEd->setObjectName("LinieEd");
  LinieEd->setRange(1, 20);
  LinieEd->setValue(1);
  row->addWidget(LinieEd);
  layout->addLayout(row);
  layout->addStretch();
  return page;
}

QWidget* PropertyPages::buildTextPage() {
  auto* page = new QWidget(this);
  page->setObjectName("TextSheet");
  auto* layout = new QVBoxLayout(page);
  EnterTextBtn = Button("Enter texts...", "EnterTextBtn", page, layout);
  Color2Btn = Button("Color...", "Color2Btn", page, layout);
  FontBtn = Button("Font...", "FontBtn", page, layout);
  TextFXBtn = Button("Text effects...", "TextFXBtn", page, layout);
  aligns[0] = Radio("Left aligned", "Leftalign", page, layout, alignGroup_, 0);
  aligns[1] = Radio("Centered", "CenterAlign", page, layout, alignGroup_, 1);
  aligns[2] = Radio("Right aligned", "RightAlign", page, layout, alignGroup_, 2);
  aligns[0]->setChecked(true);
  rottextleftbtn = Button("Rotate to the left", "rottextleftbtn", page, layout);
  rottextrightbtn = Button("Rotate to the right", "rottextrightbtn", page, layout);
  layout->addStretch();
  return page;
}

QWidget* PropertyPages::buildObjectPage() {
  auto* page = new QWidget(this);
  page->setObjectName("AllgemeinSheet");
  auto* layout = new QVBoxLayout(page);
  Del1Btn = Button("Delete...", "Del1Btn", page, layout);
  Front1Btn = Button("To the front", "Front1Btn", page, layout);
  Back1Btn = Button("To the back", "Back1Btn", page, layout);
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
  const PanelState& p = editor_.CheckAllPanelOptions();
  const QSignalBlocker blockSpin(LinieEd);
  setTabVisible(indexOf(FigurSheet), p.kindPage);
  setTabVisible(indexOf(TextSheet), p.textPage);
  setTabVisible(indexOf(AllgemeinSheet), p.objectPage);
  hint_->setVisible(!p.objectPage);
  hint_->raise();
  CheckOnly(formGroup_, p.form);
  UColorBtn->setEnabled(p.fillEnabled);
  for (QRadioButton* r : fills) r->setEnabled(p.fillEnabled);
  CheckOnly(fillGroup_, p.fillMode);
  LinieEd->setValue(p.lineWidth);
  CheckOnly(alignGroup_, p.align);
  if (p.active == PropertyPage::Kind) setCurrentWidget(FigurSheet);
  else if (p.active == PropertyPage::Text) setCurrentWidget(TextSheet);
  else if (p.active == PropertyPage::Object) setCurrentWidget(AllgemeinSheet);
}
