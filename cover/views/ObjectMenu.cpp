#include "cover/views/ObjectMenu.h"

#include <QActionGroup>

namespace {
struct Form {
  const char* caption;
  const char* name;
  const char* hint;
};
const Form kForms[10] = {
    {"Circle", "KreisM", "The object is a circle"},
    {"Ellipse", "EllipseM", "The object is an ellipse"},
    {"Square", "QuadratM", "The object is a square"},
    {"Rectangle", "RechteckM", "The object is a rectangle"},
    {"Square rounded", "Rund1M", "The object is a rounded square"},
    {"Rectangle rounded", "Rund2M", "The object is a rounded rectangle"},
    {"Line horizontal", "Liniehorizontal1", "The object is a horizontal line"},
    {"Line vertical", "Linievertikal1", "The object is a vertical line"},
    {"Line slanted up", "Linieschrghoch1", ""},
    {"Line slanted down", "Linieschrgrunter1", ""}};
}  // namespace

ObjectMenu::ObjectMenu(Editor& editor, QWidget* parent) : QMenu(parent), editor_(editor) {
  setObjectName("PopupMenu1");
  setToolTipsVisible(true);
  Lschen1 = item("Delete...", "Lschen1", "Remove the object", &Editor::Delete);
  Lschen1->setShortcut(QKeySequence::Delete);
  addSeparator();
  Nachvorne1 = item("To the front", "Nachvorne1", "Brings the object in front of all others",
                    &Editor::ToFront);
  NachHinen1 = item("To the back", "NachHinen1", "Brings the object behind all others",
                    &Editor::ToBack);
  addSeparator();
  FarbeM = item("Color...", "FarbeM", "Cange to color of the object", &Editor::EditColor);
  SchriftartM = item("Font...", "SchriftartM", "Changes to font", &Editor::EditFont);
  Texteffekte1 = item("Text effects...", "Texteffekte1", "", &Editor::EditEffects);
  addSeparator();
  auto* alignGroup = new QActionGroup(this);
  const char* alignCaptions[3] = {"Left aligned", "Centered", "Right aligned"};
  const char* alignNames[3] = {"Linksbnig1", "Zentriert1", "Rechtsbndig1"};
  for (int i = 0; i < 3; ++i) {
    aligns[i] = addAction(alignCaptions[i]);
    aligns[i]->setObjectName(alignNames[i]);
    aligns[i]->setCheckable(true);
    alignGroup->addAction(aligns[i]);
    connect(aligns[i], &QAction::triggered, this, [this, i] {
      if (editor_.SetAlign(i)) emit changed();
    });
  }
  addSeparator();
  Nachlinksrotieren1 = item("Rotate to the left", "Nachlinksrotieren1", "", &Editor::RotateLeft);
  Nachrechtsrotieren1 =
      item("Rotate to the right", "Nachrechtsrotieren1", "", &Editor::RotateRight);
  addSeparator();
  auto* formGroup = new QActionGroup(this);
  for (int i = 0; i < 10; ++i) {
    forms[i] = addAction(kForms[i].caption);
    forms[i]->setObjectName(kForms[i].name);
    forms[i]->setToolTip(kForms[i].hint);
    forms[i]->setStatusTip(kForms[i].hint);
    forms[i]->setCheckable(true);
    formGroup->addAction(forms[i]);
    connect(forms[i], &QAction::triggered, this, [this, i] {
      if (editor_.SetForm(i)) emit changed();
    });
  }
  addSeparator();
  TrackListM = addAction("Track list...");
  TrackListM->setObjectName("TrackListM");
  connect(TrackListM, &QAction::triggered, this, &ObjectMenu::trackListRequested);
}

QAction* ObjectMenu::item(const char* caption, const char* name, const char* hint,
                          std::function<bool(Editor&)> action) {
  QAction* a = addAction(caption);
  a->setObjectName(name);
  a->setToolTip(hint);
  a->setStatusTip(hint);
  connect(a, &QAction::triggered, this, [this, action = std::move(action)] {
    if (action(editor_)) emit changed();
  });
  return a;
}

void ObjectMenu::load() {
  const PopupState& m = editor_.popup();
  FarbeM->setEnabled(m.colorEnabled);
  SchriftartM->setEnabled(m.fontEnabled);
  Texteffekte1->setEnabled(m.effectsEnabled);
  for (int i = 0; i < 3; ++i) {
    aligns[i]->setEnabled(m.alignEnabled);
    aligns[i]->setChecked(m.align == i);
  }
  Nachlinksrotieren1->setEnabled(m.rotateEnabled);
  Nachrechtsrotieren1->setEnabled(m.rotateEnabled);
  for (int i = 0; i < 10; ++i) {
    forms[i]->setEnabled(m.formsEnabled);
    forms[i]->setChecked(m.form == i);
  }
  for (QAction* a : {Lschen1, Nachvorne1, NachHinen1, TrackListM}) a->setEnabled(true);
}
