// What the property pages and the pop-up menu show, and the property commands.
#include <algorithm>
#include <cmath>

#include "cover/Editor.h"
#include "cover/Truncate.h"
#include "cover/text/TextLines.h"
#include "platform/Translate.h"

namespace {
// Windows' MulDiv: the product divided with rounding half away from zero.
int32_t MulDiv(int32_t a, int32_t b, int32_t c) {
  return c == 0 ? 0 : TruncI32(std::round(double(a) * b / c));
}
}  // namespace

const PanelState& Editor::refreshPanel() {
  PanelState& p = panel_;
  CoverObject* o = selected();
  if (!o) {
    p.objectPage = p.kindPage = p.textPage = p.picturePage = false;
    p.active = PropertyPage::None;
    return p;
  }
  p.objectPage = true;
  p.active = PropertyPage::Object;
  p.picturePage = false;
  if (const PlacedPicture* picture = selectedPicture()) {
    p.kindPage = p.textPage = false;
    p.picturePage = true;
    const PictureSettings& s = picture->settings;
    p.picture = {int(s.fit), s.opacity, s.keyed, s.tolerance, o->BorderOn, o->ShadowOn};
    o->LineWidth = std::clamp(o->LineWidth, 1, 20);  // the frame's, as a shape's line
    p.lineWidth = p.picture.lineWidth = o->LineWidth;
    p.picture.shadowOffset = std::clamp(o->ShadowDX, 0, kMaxPictureShadowOffset);
    p.active = PropertyPage::Picture;
  } else if (o->Kind == kShape) {
    p.kindPage = true;
    p.textPage = false;
    p.form = o->SubKind >= 0 && o->SubKind <= 9 ? o->SubKind : -1;
    p.fillEnabled = o->SubKind <= 5;
    if (p.fillEnabled)
      p.fillMode = o->FillOrShadow >= 0 && o->FillOrShadow <= 2 ? o->FillOrShadow : -1;
    // The spin field's range lifts the width into 1..20 and stores it back.
    o->LineWidth = std::clamp(o->LineWidth, 1, 20);
    p.lineWidth = o->LineWidth;
    p.active = PropertyPage::Kind;
  } else if (o->Kind == kText) {
    p.kindPage = false;
    p.textPage = true;
    p.align = o->Align >= 0 && o->Align <= 2 ? o->Align : -1;
    p.active = PropertyPage::Text;
    p.curved = curvedTextState();
  }
  return p;
}

bool Editor::preparePopupMenu() {
  const CoverObject* o = selected();
  if (!o) return false;
  PopupState& m = popup_;
  if (o->Kind == kShape) {
    m.colorEnabled = true;
    m.fontEnabled = m.effectsEnabled = m.alignEnabled = m.rotateEnabled = false;
  } else if (o->Kind == kText) {
    m.colorEnabled = m.fontEnabled = m.effectsEnabled = m.alignEnabled = m.rotateEnabled = true;
    m.align = o->Align >= 0 && o->Align <= 2 ? o->Align : -1;
  }
  m.curved = curvedTextState();
  m.formsEnabled = o->Kind == kShape && !selectedPicture();
  if (selectedPicture()) m.colorEnabled = false;
  m.form = o->SubKind >= 0 && o->SubKind <= 9 ? o->SubKind : -1;
  return true;
}

bool Editor::setForm(int subKind) {
  CoverObject* o = selected();
  if (!o) return false;
  o->SubKind = subKind;
  return true;
}

bool Editor::setFillMode(int mode) {
  CoverObject* o = selected();
  if (!o) return false;
  o->FillOrShadow = mode;
  return true;
}

bool Editor::setLineWidth(double value) {
  CoverObject* o = selected();
  if (!o) return false;
  o->LineWidth = TruncI32(value);
  return true;
}

bool Editor::setAlign(int align) {
  CoverObject* o = selected();
  if (!o) return false;
  o->Align = align;
  return true;
}

bool Editor::rotateLeft() {
  CoverObject* o = selected();
  if (!o) return false;
  o->Rotation = o->Rotation - 1 == -1 ? 3 : o->Rotation - 1;
  return true;
}

bool Editor::rotateRight() {
  CoverObject* o = selected();
  if (!o) return false;
  o->Rotation = o->Rotation + 1 == 4 ? 0 : o->Rotation + 1;
  return true;
}

bool Editor::deleteSelected() {
  return table_.deleteSelected();
}

bool Editor::toFront() {
  if (table_.selectedSlot < 1) return false;
  table_.toFront();
  return true;
}

bool Editor::toBack() {
  if (table_.selectedSlot < 1) return false;
  table_.toBack();
  return true;
}

bool Editor::editColor() {
  CoverObject* o = selected();
  if (!o) return false;
  const auto c = CurrentDialogs().chooseColor(o->Color);
  if (!c) return false;
  o->Color = *c;
  return true;
}

bool Editor::editBorderColor() {
  CoverObject* o = selected();
  if (!o) return false;
  const auto c = CurrentDialogs().chooseColor(o->BorderColor);
  if (!c) return false;
  o->BorderColor = *c;
  return true;
}

bool Editor::enterTexts() {
  CoverObject* o = selected();
  if (!o) return false;
  const auto lines = dialogs_.enterTexts(TextToLines(o->Text));
  if (!lines) return false;
  std::string text = EnteredText(*lines);
  if (text.size() > kMaxObjectTextBytes) {  // the dialog stops there; a design must open again
    ShowError(Translate("TextLines", kTextTooLongMessage));
    return false;
  }
  o->Text = std::move(text);
  return true;
}

bool Editor::editFont() {
  CoverObject* o = selected();
  if (!o) return false;
  dialogFont.color = o->Color;
  dialogFont.height = o->FontHeight;
  dialogFont.name = o->FontName;
  dialogFont.pitch = o->FontPitch;
  dialogFont.style = o->FontStyle;
  dialogFont.size = o->FontSize;
  dialogFont.height = -MulDiv(o->FontSize, TruncI32(fontDpi), 72);  // the size decides
  const auto chosen = CurrentDialogs().chooseFont(dialogFont);
  if (!chosen) return false;
  if (chosen->name.size() > kMaxFontNameBytes) {  // the dialog stops there too
    ShowError(Translate("Dialogs", kFontNameTooLongMessage));
    return false;
  }
  dialogFont = *chosen;
  o = selected();
  if (!o) return false;
  o->Color = chosen->color;
  o->FontHeight = chosen->height;
  o->FontName = chosen->name;
  o->FontPitch = chosen->pitch;
  o->FontStyle = chosen->style;
  o->FontSize = chosen->size;
  return true;
}

bool Editor::editEffects() {
  CoverObject* o = selected();
  if (!o) return false;
  const TextEffects now{o->BorderOn,    o->ShadowOn,
                        o->BorderColor, static_cast<uint32_t>(o->FillOrShadow),
                        o->ShadowDX,    o->ShadowDY};
  const auto chosen = dialogs_.textEffects(now);
  if (!chosen) return false;
  o->BorderOn = chosen->border;
  o->ShadowOn = chosen->shadow;
  o->BorderColor = chosen->borderColor;
  o->FillOrShadow = static_cast<int32_t>(chosen->shadowColor);
  o->ShadowDX = chosen->shadowDX;
  o->ShadowDY = chosen->shadowDY;
  return true;
}
