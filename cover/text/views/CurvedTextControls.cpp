#include "cover/text/views/CurvedTextControls.h"

#include <QActionGroup>
#include <QButtonGroup>
#include <QCoreApplication>
#include <QFormLayout>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

const char* const kTextShapeCaptions[3] = {
    QT_TRANSLATE_NOOP("CurvedTextControls", "Straight"),
    QT_TRANSLATE_NOOP("CurvedTextControls", "Along the top arc"),
    QT_TRANSLATE_NOOP("CurvedTextControls", "Along the bottom arc")};

namespace {
const char* const kShapeNames[3] = {"straightText", "topArcText", "bottomArcText"};
constexpr int kArcChoices[] = {60, 90, 120, 180, 240, 270, 360};
constexpr int kSpacingChoices[] = {-25, -10, 0, 10, 25, 50, 100};

QSpinBox* Spin(const char* name, int low, int high, const char* suffix, QWidget* parent) {
  auto* s = new QSpinBox(parent);
  s->setObjectName(name);
  s->setRange(low, high);
  s->setSuffix(suffix);
  return s;
}

// A submenu of checkable values; choosing one runs `set` with it.
template <size_t N, typename Set>
QMenu* Choices(QMenu* parent, const QString& caption, const char* name, const int (&values)[N],
               const char* suffix, Set set) {
  QMenu* menu = parent->addMenu(caption);
  menu->setObjectName(name);
  auto* group = new QActionGroup(menu);
  for (int v : values) {
    QAction* a = menu->addAction(QString::number(v) + suffix);
    a->setCheckable(true);
    a->setData(v);
    group->addAction(a);
    QObject::connect(a, &QAction::triggered, menu, [set, v] { set(v); });
  }
  return menu;
}

void CheckValue(QMenu* menu, int value) {
  for (QAction* a : menu->actions()) a->setChecked(a->data().toInt() == value);
}
}  // namespace

CurvedTextControls::CurvedTextControls(Editor& editor, QWidget* parent)
    : QWidget(parent), editor_(editor) {
  setObjectName("curvedTextControls");
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  shapeGroup_ = new QButtonGroup(this);
  for (int i = 0; i < 3; ++i) {
    shapes[i] = new QRadioButton(
        QCoreApplication::translate("CurvedTextControls", kTextShapeCaptions[i]), this);
    shapes[i]->setObjectName(kShapeNames[i]);
    layout->addWidget(shapes[i]);
    shapeGroup_->addButton(shapes[i], i);
  }
  shapes[0]->setChecked(true);
  auto* form = new QFormLayout;
  arcEdit = Spin("arcEdit", TextLayout::kMinArc, TextLayout::kMaxArc, "°", this);
  arcEdit->setValue(180);
  spacingEdit =
      Spin("letterSpacingEdit", TextLayout::kMinSpacing, TextLayout::kMaxSpacing, " %", this);
  form->addRow(QCoreApplication::translate("CurvedTextControls", "Arc:"), arcEdit);
  form->addRow(QCoreApplication::translate("CurvedTextControls", "Letter spacing:"), spacingEdit);
  layout->addLayout(form);
  connect(shapeGroup_, &QButtonGroup::idClicked, this, [this](int id) {
    if (editor_.setTextShape(id)) emit changed();
  });
  connect(arcEdit, &QSpinBox::valueChanged, this, [this](int v) {
    if (editor_.setArc(v)) emit changed();
  });
  connect(spacingEdit, &QSpinBox::valueChanged, this, [this](int v) {
    if (editor_.setLetterSpacing(v)) emit changed();
  });
}

void CurvedTextControls::load(const CurvedTextState& state) {
  const QSignalBlocker blockArc(arcEdit), blockSpacing(spacingEdit);
  for (QRadioButton* r : shapes) r->setEnabled(state.enabled);
  if (QAbstractButton* b = shapeGroup_->button(state.shape)) b->setChecked(true);
  const bool curved = state.enabled && state.shape != 0;
  arcEdit->setEnabled(curved);
  spacingEdit->setEnabled(curved);
  arcEdit->setValue(state.arc);
  spacingEdit->setValue(state.spacing);
}

CurvedTextMenuItems::CurvedTextMenuItems(Editor& editor, QMenu* menu)
    : QObject(menu), editor_(editor) {
  auto* group = new QActionGroup(this);
  for (int i = 0; i < 3; ++i) {
    shapes[i] =
        menu->addAction(QCoreApplication::translate("CurvedTextControls", kTextShapeCaptions[i]));
    shapes[i]->setObjectName(QString(kShapeNames[i]) + "Action");
    shapes[i]->setCheckable(true);
    group->addAction(shapes[i]);
    connect(shapes[i], &QAction::triggered, this, [this, i] {
      if (editor_.setTextShape(i)) emit changed();
    });
  }
  arcMenu = Choices(menu, QCoreApplication::translate("CurvedTextControls", "Arc"), "arcMenu",
                    kArcChoices, "°", [this](int v) {
                      if (editor_.setArc(v)) emit changed();
                    });
  spacingMenu = Choices(menu, QCoreApplication::translate("CurvedTextControls", "Letter spacing"),
                        "letterSpacingMenu", kSpacingChoices, " %", [this](int v) {
                          if (editor_.setLetterSpacing(v)) emit changed();
                        });
}

void CurvedTextMenuItems::load(const CurvedTextState& state) {
  for (int i = 0; i < 3; ++i) {
    shapes[i]->setEnabled(state.enabled);
    shapes[i]->setChecked(state.enabled && state.shape == i);
  }
  const bool curved = state.enabled && state.shape != 0;
  arcMenu->setEnabled(curved);
  spacingMenu->setEnabled(curved);
  CheckValue(arcMenu, state.arc);
  CheckValue(spacingMenu, state.spacing);
}
