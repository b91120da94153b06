#pragma once
// The fixed table of 10000 cover object slots; slot 1 is drawn first, 10000 last.
#include <vector>

#include "cover/CoverObject.h"
#include "cover/PictureObject.h"
#include "cover/text/TextLayout.h"
#include "platform/dialogs/Dialogs.h"

enum class Tool { Pointer, Zoom, Hand, Object, Text, Note, Picture };

class ObjectTable {
 public:
  static constexpr int kSlots = 10000;

  explicit ObjectTable(CoverScales& scales);
  ObjectTable(const ObjectTable&) = delete;
  ObjectTable& operator=(const ObjectTable&) = delete;

  CoverObject& operator[](int slot) { return slots_[slot]; }
  const CoverObject& operator[](int slot) const { return slots_[slot]; }
  // How the slot's text runs; moves with its object, straight again after clearAll.
  TextLayout& layout(int slot) { return layouts_[slot]; }
  const TextLayout& layout(int slot) const { return layouts_[slot]; }
  // The picture a rectangle shows instead of its fill; moves with its object like the layout.
  PlacedPicture& picture(int slot) { return pictures_[slot]; }
  const PlacedPicture& picture(int slot) const { return pictures_[slot]; }
  // True when the slot is a picture object: a rectangle shape with a picture beside it.
  bool isPicture(int slot) const {
    return occupied(slot) && slots_[slot].Kind == kShape && slots_[slot].SubKind == 3 &&
           pictures_[slot].placed();
  }
  CoverScales& scales() { return scales_; }
  const CoverScales& scales() const { return scales_; }

  int selectedSlot = 0;
  int dragState = 0;
  int dragMode = 0;

  bool occupied(int slot) const { return slot >= 1 && slot <= kSlots && slots_[slot].Kind > 0; }
  int lowestFreeSlot() const;  // 0 when the table is full
  int occupiedCount() const;

  // Creates an object of the tool at the release point (Texts-view pixels) with the font
  // dialog's current font. Returns the slot, or 0 (full table: a message; other tools: nothing).
  int createObject(Tool tool, int px, int py, const FontSpec& font);
  // Places a picture object in the lowest free slot with the box in document units; 0 when
  // the table is full (with the message).
  int createPicture(std::shared_ptr<const PicturePixels> pixels, int32_t x, int32_t y, int32_t w,
                    int32_t h, const PictureSettings& settings = {});
  // Tells the user that no slot is free.
  static void showTableFull();
  // Asks "Do you want to remove the object?"; true when the selected object was removed.
  bool deleteSelected();
  void toFront();
  void toBack();
  void clearAll();
  // Topmost occupied slot whose view box contains the point (bounds inclusive), or 0.
  int hitTest(int x, int y) const;
  void selectNext();

 private:
  CoverScales& scales_;
  std::vector<CoverObject> slots_;  // index 0 unused
  std::vector<TextLayout>
      layouts_;  // beside the slots, so that the object records stay as they are
  std::vector<PlacedPicture> pictures_;
};
