#include "cover/views/ObjectMenu.h"

#include <QActionGroup>
#include <QCoreApplication>

#include "cover/text/views/CurvedTextControls.h"
#include "platform/Translate.h"

namespace {
struct Form {
  const char* caption;
  const char* name;
  const char* hint;
};
const Form kForms[10] = {
    {QT_TRANSLATE_NOOP("ObjectMenu", "Circle"), "circleAction",
     QT_TRANSLATE_NOOP("ObjectMenu", "The object is a circle")},
    {QT_TRANSLATE_NOOP("ObjectMenu", "Ellipse"), "ellipseAction",
     QT_TRANSLATE_NOOP("ObjectMenu", "The object is an ellipse")},
    {QT_TRANSLATE_NOOP("ObjectMenu", "Square"), "squareAction",
     QT_TRANSLATE_NOOP("ObjectMenu", "The object is a square")},
    {QT_TRANSLATE_NOOP("ObjectMenu", "Rectangle"), "rectangleAction",
     QT_TRANSLATE_NOOP("ObjectMenu", "The object is a rectangle")},
    {QT_TRANSLATE_NOOP("ObjectMenu", "Square rounded"), "roundedSquareAction",
     QT_TRANSLATE_NOOP("ObjectMenu", "The object is a rounded square")},
    {QT_TRANSLATE_NOOP("ObjectMenu", "Rectangle rounded"), "roundedRectangleAction",
     QT_TRANSLATE_NOOP("ObjectMenu", "The object is a rounded rectangle")},
    {QT_TRANSLATE_NOOP("ObjectMenu", "Line horizontal"), "horizontalLineAction",
     QT_TRANSLATE_NOOP("ObjectMenu", "The object is a horizontal line")},
    {QT_TRANSLATE_NOOP("ObjectMenu", "Line vertical"), "verticalLineAction",
     QT_TRANSLATE_NOOP("ObjectMenu", "The object is a vertical line")},
    {QT_TRANSLATE_NOOP("ObjectMenu", "Line slanted up"), "lineUpAction", ""},
    {QT_TRANSLATE_NOOP("ObjectMenu", "Line slanted down"), "lineDownAction", ""}};
}  // namespace

ObjectMenu::ObjectMenu(Editor& editor, QWidget* parent) : QMenu(parent), editor_(editor) {
  setObjectName("objectMenu");
  setToolTipsVisible(true);
  deleteAction =
      item(QCoreApplication::translate("ObjectMenu", "Delete..."), "deleteAction",
           QCoreApplication::translate("ObjectMenu", "Remove the object"), &Editor::deleteSelected);
  deleteAction->setShortcut(QKeySequence::Delete);
  addSeparator();
  toFrontAction =
      item(QCoreApplication::translate("ObjectMenu", "To the front"), "toFrontAction",
           QCoreApplication::translate("ObjectMenu", "Brings the object in front of all others"),
           &Editor::toFront);
  toBackAction =
      item(QCoreApplication::translate("ObjectMenu", "To the back"), "toBackAction",
           QCoreApplication::translate("ObjectMenu", "Brings the object behind all others"),
           &Editor::toBack);
  addSeparator();
  colorAction = item(QCoreApplication::translate("ObjectMenu", "Color..."), "colorAction",
                     QCoreApplication::translate("ObjectMenu", "Cange to color of the object"),
                     &Editor::editColor);
  fontAction =
      item(QCoreApplication::translate("ObjectMenu", "Font..."), "fontAction",
           QCoreApplication::translate("ObjectMenu", "Changes to font"), &Editor::editFont);
  textEffectsAction = item(QCoreApplication::translate("ObjectMenu", "Text effects..."),
                           "textEffectsAction", "", &Editor::editEffects);
  addSeparator();
  auto* alignGroup = new QActionGroup(this);
  const char* alignCaptions[3] = {QT_TRANSLATE_NOOP("ObjectMenu", "Left aligned"),
                                  QT_TRANSLATE_NOOP("ObjectMenu", "Centered"),
                                  QT_TRANSLATE_NOOP("ObjectMenu", "Right aligned")};
  const char* alignNames[3] = {"alignLeftAction", "alignCenterAction", "alignRightAction"};
  for (int i = 0; i < 3; ++i) {
    aligns[i] = addAction(alignCaptions[i]);
    aligns[i]->setObjectName(alignNames[i]);
    aligns[i]->setCheckable(true);
    alignGroup->addAction(aligns[i]);
    connect(aligns[i], &QAction::triggered, this, [this, i] {
      if (editor_.setAlign(i)) emit changed();
    });
  }
  addSeparator();
  rotateLeftAction = item(QCoreApplication::translate("ObjectMenu", "Rotate to the left"),
                          "rotateLeftAction", "", &Editor::rotateLeft);
  rotateRightAction = item(QCoreApplication::translate("ObjectMenu", "Rotate to the right"),
                           "rotateRightAction", "", &Editor::rotateRight);
  addSeparator();
  curvedText = new CurvedTextMenuItems(editor_, this);
  connect(curvedText, &CurvedTextMenuItems::changed, this, &ObjectMenu::changed);
  addSeparator();
  auto* formGroup = new QActionGroup(this);
  for (int i = 0; i < 10; ++i) {
    forms[i] = addAction(QCoreApplication::translate("ObjectMenu", kForms[i].caption));
    forms[i]->setObjectName(kForms[i].name);
    forms[i]->setToolTip(QCoreApplication::translate("ObjectMenu", kForms[i].hint));
    forms[i]->setStatusTip(QCoreApplication::translate("ObjectMenu", kForms[i].hint));
    forms[i]->setCheckable(true);
    formGroup->addAction(forms[i]);
    connect(forms[i], &QAction::triggered, this, [this, i] {
      if (editor_.setForm(i)) emit changed();
    });
  }
  addSeparator();
  trackListAction = addAction(QCoreApplication::translate("ObjectMenu", "Track list..."));
  trackListAction->setObjectName("trackListAction");
  connect(trackListAction, &QAction::triggered, this, &ObjectMenu::trackListRequested);
  placePictureAction =
      item(QCoreApplication::translate("ObjectMenu", "Place picture..."), "placePictureAction",
           QCoreApplication::translate("ObjectMenu", "Places a picture file where the menu opened"),
           [](Editor& e) { return e.placePictureAt(e.popup().x, e.popup().y); });
  addSeparator();
  undoAction = addAction(QString::fromStdString(Translate("History", "Undo")));
  undoAction->setObjectName("undoAction");
  undoAction->setEnabled(false);
  redoAction = addAction(QString::fromStdString(Translate("History", "Redo")));
  redoAction->setObjectName("redoAction");
  redoAction->setEnabled(false);
}

QAction* ObjectMenu::item(const QString& caption, const char* name, const QString& hint,
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
  for (QAction* a :
       {deleteAction, toFrontAction, toBackAction, trackListAction, placePictureAction})
    a->setEnabled(true);
}
