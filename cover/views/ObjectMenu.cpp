#include "cover/views/ObjectMenu.h"

#include <QActionGroup>

#include "cover/views/CurvedTextControls.h"

namespace {
struct Form {
  const char* caption;
  const char* name;
  const char* hint;
};
const Form kForms[10] = {
    {"Circle", "circleAction", "The object is a circle"},
    {"Ellipse", "ellipseAction", "The object is an ellipse"},
    {"Square", "squareAction", "The object is a square"},
    {"Rectangle", "rectangleAction", "The object is a rectangle"},
    {"Square rounded", "roundedSquareAction", "The object is a rounded square"},
    {"Rectangle rounded", "roundedRectangleAction", "The object is a rounded rectangle"},
    {"Line horizontal", "horizontalLineAction", "The object is a horizontal line"},
    {"Line vertical", "verticalLineAction", "The object is a vertical line"},
    {"Line slanted up", "lineUpAction", ""},
    {"Line slanted down", "lineDownAction", ""}};
}  // namespace

ObjectMenu::ObjectMenu(Editor& editor, QWidget* parent) : QMenu(parent), editor_(editor) {
  setObjectName("objectMenu");
  setToolTipsVisible(true);
  deleteAction = item("Delete...", "deleteAction", "Remove the object", &Editor::Delete);
  deleteAction->setShortcut(QKeySequence::Delete);
  addSeparator();
  toFrontAction = item("To the front", "toFrontAction", "Brings the object in front of all others",
                       &Editor::ToFront);
  toBackAction =
      item("To the back", "toBackAction", "Brings the object behind all others", &Editor::ToBack);
  addSeparator();
  colorAction = item("Color...", "colorAction", "Cange to color of the object", &Editor::EditColor);
  fontAction = item("Font...", "fontAction", "Changes to font", &Editor::EditFont);
  textEffectsAction = item("Text effects...", "textEffectsAction", "", &Editor::EditEffects);
  addSeparator();
  auto* alignGroup = new QActionGroup(this);
  const char* alignCaptions[3] = {"Left aligned", "Centered", "Right aligned"};
  const char* alignNames[3] = {"alignLeftAction", "alignCenterAction", "alignRightAction"};
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
  rotateLeftAction = item("Rotate to the left", "rotateLeftAction", "", &Editor::RotateLeft);
  rotateRightAction = item("Rotate to the right", "rotateRightAction", "", &Editor::RotateRight);
  addSeparator();
  curvedText = new CurvedTextMenuItems(editor_, this);
  connect(curvedText, &CurvedTextMenuItems::changed, this, &ObjectMenu::changed);
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
  trackListAction = addAction("Track list...");
  trackListAction->setObjectName("trackListAction");
  connect(trackListAction, &QAction::triggered, this, &ObjectMenu::trackListRequested);
  addSeparator();
  undoAction = addAction("Undo");
  undoAction->setObjectName("undoAction");
  undoAction->setEnabled(false);
  redoAction = addAction("Redo");
  redoAction->setObjectName("redoAction");
  redoAction->setEnabled(false);
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
  colorAction->setEnabled(m.colorEnabled);
  fontAction->setEnabled(m.fontEnabled);
  textEffectsAction->setEnabled(m.effectsEnabled);
  for (int i = 0; i < 3; ++i) {
    aligns[i]->setEnabled(m.alignEnabled);
    aligns[i]->setChecked(m.align == i);
  }
  rotateLeftAction->setEnabled(m.rotateEnabled);
  rotateRightAction->setEnabled(m.rotateEnabled);
  curvedText->load(m.curved);
  for (int i = 0; i < 10; ++i) {
    forms[i]->setEnabled(m.formsEnabled);
    forms[i]->setChecked(m.form == i);
  }
  for (QAction* a : {deleteAction, toFrontAction, toBackAction, trackListAction}) a->setEnabled(true);
}
