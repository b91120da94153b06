#include "cover/ObjectTable.h"

#include <utility>

#include "platform/Translate.h"

ObjectTable::ObjectTable(CoverScales& scales)
    : scales_(scales), slots_(kSlots + 1), layouts_(kSlots + 1), pictures_(kSlots + 1) {
  for (CoverObject& o : slots_) o.Scales = &scales_;
  clearAll();
}

int ObjectTable::lowestFreeSlot() const {
  for (int i = 1; i <= kSlots; ++i)
    if (slots_[i].Kind <= 0) return i;
  return 0;
}

int ObjectTable::occupiedCount() const {
  int n = 0;
  for (int i = 1; i <= kSlots; ++i) n += slots_[i].Kind > 0;
  return n;
}

void ObjectTable::showTableFull() {
  CurrentDialogs().messageBox(Translate("ObjectTable", "The are to many objects"),
                              Translate("ObjectTable", "No free object"), MsgButtons::Ok,
                              MsgIcon::Information);
}

int ObjectTable::createObject(Tool tool, int px, int py, const FontSpec& font) {
  const int slot = lowestFreeSlot();
  if (slot == 0) {
    showTableFull();
    return 0;
  }
  CoverObject& o = slots_[slot];
  if (tool == Tool::Object) {
    o.Kind = kShape;
  } else if (tool == Tool::Text || tool == Tool::Note) {
    o.Kind = kText;
  } else {
    return 0;
  }
  selectedSlot = slot;
  layouts_[slot] = TextLayout{};  // a new text starts straight, whatever the slot held
  pictures_[slot] = PlacedPicture{};
  o.NewFlag = 1;
  o.SubKind = 3;
  if (o.Kind == kText) o.SubKind = tool == Tool::Note ? 1 : 0;
  o.SetLeft(px);
  o.SetTop(py);
  o.SetWidth(50);
  o.SetHeight(50);
  o.Color = 0;
  o.Text.clear();
  o.FontColor = font.color;
  o.FontHeight = font.height;
  o.FontName = font.name;
  o.FontPitch = font.pitch;
  o.FontStyle = font.style;
  o.FontSize = font.size;
  return slot;
}

int ObjectTable::createPicture(std::shared_ptr<const PicturePixels> pixels, int32_t x, int32_t y,
                               int32_t w, int32_t h, const PictureSettings& settings) {
  const int slot = lowestFreeSlot();
  if (slot == 0) {
    showTableFull();
    return 0;
  }
  CoverObject& o = slots_[slot];
  const CoverObject fresh;
  o.AssignFields(fresh);
  // Older programs draw the slot as the empty rectangle it is in the file.
  o.Kind = kShape;
  o.SubKind = 3;
  o.FillOrShadow = 1;
  o.LineWidth = 0;
  o.X = x;
  o.Y = y;
  o.W = w;
  o.H = h;
  layouts_[slot] = TextLayout{};
  pictures_[slot] = PlacedPicture{std::move(pixels), settings};
  selectedSlot = slot;
  return slot;
}

bool ObjectTable::deleteSelected() {
  if (selectedSlot <= 0) return false;
  if (CurrentDialogs().messageBox(Translate("ObjectTable", "Do you want to remove the object?"),
                                  Translate("ObjectTable", "Delete object"), MsgButtons::YesNo,
                                  MsgIcon::Question) != MsgResult::Yes)
    return false;
  slots_[selectedSlot].Kind = kFree;
  selectedSlot = 0;
  return true;
}

void ObjectTable::toFront() {
  if (selectedSlot < 1) return;
  std::swap(slots_[selectedSlot], slots_[kSlots]);
  std::swap(layouts_[selectedSlot], layouts_[kSlots]);
  std::swap(pictures_[selectedSlot], pictures_[kSlots]);
  selectedSlot = kSlots;
}

void ObjectTable::toBack() {
  if (selectedSlot < 1) return;
  std::swap(slots_[selectedSlot], slots_[1]);
  std::swap(layouts_[selectedSlot], layouts_[1]);
  std::swap(pictures_[selectedSlot], pictures_[1]);
  selectedSlot = 1;
}

void ObjectTable::clearAll() {
  for (int i = 1; i <= kSlots; ++i) {
    slots_[i].Kind = kFree;
    slots_[i].ShadowDX = 5;
    slots_[i].ShadowDY = 5;
    layouts_[i] = TextLayout{};
    pictures_[i] = PlacedPicture{};
  }
  selectedSlot = 0;
  dragMode = 0;
  dragState = 0;
}

int ObjectTable::hitTest(int x, int y) const {
  for (int i = kSlots; i >= 1; --i) {
    const CoverObject& o = slots_[i];
    if (o.Kind <= 0) continue;
    const int l = o.Left(), t = o.Top();
    if (l <= x && x <= l + o.Width() && t <= y && y <= t + o.Height()) return i;
  }
  return 0;
}

void ObjectTable::selectNext() {
  if (selectedSlot <= 0) return;
  const int start = selectedSlot;
  do {
    selectedSlot = selectedSlot == kSlots ? 1 : selectedSlot + 1;
  } while (slots_[selectedSlot].Kind <= 0 && selectedSlot != start);
}
