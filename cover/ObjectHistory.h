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

// What is kept beside the slots, compared like them: the texts' layouts (straight or along an
// arc) and the placed pictures (their pixels are shared, never copied).
template <typename Kept>
class BesideSlotsState : public StatePart {
 public:
  explicit BesideSlotsState(ObjectTable& table);
  std::unique_ptr<Change> takeChange() override;

 private:
  ObjectTable& table_;
  std::vector<Kept> seen_;  // index 0 unused, like the table
};
using TextLayoutState = BesideSlotsState<TextLayout>;
using PlacedPictureState = BesideSlotsState<PlacedPicture>;

// A name for a change of these slots: "Create object", "Move object", "Font", ...
std::string DescribeObjectChange(const std::vector<CoverObject>& before,
                                 const std::vector<CoverObject>& after);
