#pragma once
// The object table's part of the undo history: after every command the slots are compared
// with those last seen, and a step keeps only the slots that changed, before and after, free
// slots' leftover fields included.
#include <memory>
#include <string>
#include <vector>

#include "cover/ObjectTable.h"
#include "platform/History.h"

class ObjectTableState : public StatePart {
 public:
  explicit ObjectTableState(ObjectTable& table);
  std::unique_ptr<Change> takeChange() override;

 private:
  ObjectTable& table_;
  std::vector<CoverObject> seen_;  // index 0 unused, like the table
};

// The texts' layouts kept beside the slots (straight or along an arc): compared like the slots.
class TextLayoutState : public StatePart {
 public:
  explicit TextLayoutState(ObjectTable& table);
  std::unique_ptr<Change> takeChange() override;

 private:
  ObjectTable& table_;
  std::vector<TextLayout> seen_;  // index 0 unused, like the table
};

// The pictures kept beside the slots (the pixels are shared, never copied): compared like the
// slots.
class PlacedPictureState : public StatePart {
 public:
  explicit PlacedPictureState(ObjectTable& table);
  std::unique_ptr<Change> takeChange() override;

 private:
  ObjectTable& table_;
  std::vector<PlacedPicture> seen_;  // index 0 unused, like the table
};

// A name for a change of these slots: "Create object", "Move object", "Font", ...
std::string DescribeObjectChange(const std::vector<CoverObject>& before,
                                 const std::vector<CoverObject>& after);
