#include "cover/ObjectHistory.h"

#include <QtGlobal>

namespace {
// The slots one command changed, as they were and as they became.
class ObjectSlotsChange : public Change {
 public:
  ObjectSlotsChange(ObjectTable& table, std::vector<int> slots, std::vector<CoverObject> before,
                    std::vector<CoverObject> after)
      : table_(table),
        slots_(std::move(slots)),
        before_(std::move(before)),
        after_(std::move(after)) {}
  bool undo() override { return put(before_); }
  bool redo() override { return put(after_); }
  size_t bytes() const override {
    size_t n = sizeof(*this) + slots_.size() * (sizeof(int) + 2 * sizeof(CoverObject));
    for (const auto* list : {&before_, &after_})
      for (const CoverObject& o : *list) n += o.Text.capacity() + o.FontName.capacity();
    return n;
  }
  std::string what() const override { return DescribeObjectChange(before_, after_); }

 private:
  bool put(const std::vector<CoverObject>& objects) {
    for (size_t i = 0; i < slots_.size(); ++i) table_[slots_[i]].AssignFields(objects[i]);
    return true;
  }
  ObjectTable& table_;
  std::vector<int> slots_;
  std::vector<CoverObject> before_, after_;
};

// Where each kind kept beside the slots lives, what a step of it is called, and the bytes it
// holds beyond its own size (the pixels are counted with the step that brought them in).
TextLayout& Beside(ObjectTable& table, int slot, const TextLayout*) {
  return table.layout(slot);
}
PlacedPicture& Beside(ObjectTable& table, int slot, const PlacedPicture*) {
  return table.picture(slot);
}
const char* StepName(const TextLayout*) {
  return QT_TRANSLATE_NOOP("History", "Text layout");
}
const char* StepName(const PlacedPicture*) {
  return QT_TRANSLATE_NOOP("History", "Picture object");
}
size_t HeldBytes(const TextLayout&, const TextLayout&) {
  return 0;
}
size_t HeldBytes(const PlacedPicture& before, const PlacedPicture& after) {
  if (!after.pixels || after.pixels == before.pixels) return 0;
  return size_t(after.pixels->dib().BytesPerLine) * size_t(after.pixels->height()) +
         after.pixels->alpha().size() + after.pixels->png().size();
}

// What one command changed beside the slots, as it was and as it became.
template <typename Kept>
class BesideSlotsChange : public Change {
 public:
  BesideSlotsChange(ObjectTable& table, std::vector<int> slots, std::vector<Kept> before,
                    std::vector<Kept> after)
      : table_(table),
        slots_(std::move(slots)),
        before_(std::move(before)),
        after_(std::move(after)) {}
  bool undo() override { return put(before_); }
  bool redo() override { return put(after_); }
  size_t bytes() const override {
    size_t n = sizeof(*this) + slots_.size() * (sizeof(int) + 2 * sizeof(Kept));
    for (size_t i = 0; i < slots_.size(); ++i) n += HeldBytes(before_[i], after_[i]);
    return n;
  }
  std::string what() const override { return StepName(static_cast<const Kept*>(nullptr)); }

 private:
  bool put(const std::vector<Kept>& values) {
    for (size_t i = 0; i < slots_.size(); ++i)
      Beside(table_, slots_[i], static_cast<const Kept*>(nullptr)) = values[i];
    return true;
  }
  ObjectTable& table_;
  std::vector<int> slots_;
  std::vector<Kept> before_, after_;
};

using Differs = bool (*)(const CoverObject&, const CoverObject&);
struct FieldName {
  Differs differs;
  const char* what;
};
// Checked in order; the first field group that differs names the change of one object.
const FieldName kFieldNames[] = {
    {[](const CoverObject& a, const CoverObject& b) { return a.Text != b.Text; },
     QT_TRANSLATE_NOOP("History", "Text entry")},
    {[](const CoverObject& a, const CoverObject& b) {
       return a.FontName != b.FontName || a.FontHeight != b.FontHeight ||
              a.FontSize != b.FontSize || a.FontStyle != b.FontStyle ||
              a.FontPitch != b.FontPitch || a.FontColor != b.FontColor;
     },
     QT_TRANSLATE_NOOP("History", "Font")},
    {[](const CoverObject& a, const CoverObject& b) { return a.W != b.W || a.H != b.H; },
     QT_TRANSLATE_NOOP("History", "Resize object")},
    {[](const CoverObject& a, const CoverObject& b) { return a.X != b.X || a.Y != b.Y; },
     QT_TRANSLATE_NOOP("History", "Move object")},
    {[](const CoverObject& a, const CoverObject& b) {
       return a.ShadowOn != b.ShadowOn || a.BorderOn != b.BorderOn || a.ShadowDX != b.ShadowDX ||
              a.ShadowDY != b.ShadowDY;
     },
     QT_TRANSLATE_NOOP("History", "Text effects")},
    {[](const CoverObject& a, const CoverObject& b) { return a.Color != b.Color; },
     QT_TRANSLATE_NOOP("History", "Color")},
    {[](const CoverObject& a, const CoverObject& b) { return a.BorderColor != b.BorderColor; },
     QT_TRANSLATE_NOOP("History", "Border color")},
    {[](const CoverObject& a, const CoverObject& b) { return a.FillOrShadow != b.FillOrShadow; },
     QT_TRANSLATE_NOOP("History", "Fill")},
    {[](const CoverObject& a, const CoverObject& b) { return a.LineWidth != b.LineWidth; },
     QT_TRANSLATE_NOOP("History", "Line width")},
    {[](const CoverObject& a, const CoverObject& b) { return a.Align != b.Align; },
     QT_TRANSLATE_NOOP("History", "Alignment")},
    {[](const CoverObject& a, const CoverObject& b) { return a.Rotation != b.Rotation; },
     QT_TRANSLATE_NOOP("History", "Rotation")},
    {[](const CoverObject& a, const CoverObject& b) { return a.SubKind != b.SubKind; },
     QT_TRANSLATE_NOOP("History", "Form")},
};
}  // namespace

ObjectTableState::ObjectTableState(ObjectTable& table) : table_(table) {
  seen_.resize(ObjectTable::kSlots + 1);
  for (int i = 1; i <= ObjectTable::kSlots; ++i) seen_[i] = table_[i];
}

std::unique_ptr<Change> ObjectTableState::takeChange() {
  std::vector<int> slots;
  std::vector<CoverObject> before, after;
  for (int i = 1; i <= ObjectTable::kSlots; ++i) {
    if (table_[i] == seen_[i]) continue;
    slots.push_back(i);
    before.push_back(seen_[i]);
    after.push_back(table_[i]);
    seen_[i] = table_[i];
  }
  if (slots.empty()) return nullptr;
  return std::make_unique<ObjectSlotsChange>(table_, std::move(slots), std::move(before),
                                             std::move(after));
}

template <typename Kept>
BesideSlotsState<Kept>::BesideSlotsState(ObjectTable& table) : table_(table) {
  seen_.resize(ObjectTable::kSlots + 1);
  for (int i = 1; i <= ObjectTable::kSlots; ++i)
    seen_[i] = Beside(table_, i, static_cast<const Kept*>(nullptr));
}

template <typename Kept>
std::unique_ptr<Change> BesideSlotsState<Kept>::takeChange() {
  std::vector<int> slots;
  std::vector<Kept> before, after;
  for (int i = 1; i <= ObjectTable::kSlots; ++i) {
    const Kept& now = Beside(table_, i, static_cast<const Kept*>(nullptr));
    if (now == seen_[i]) continue;
    slots.push_back(i);
    before.push_back(seen_[i]);
    after.push_back(now);
    seen_[i] = now;
  }
  if (slots.empty()) return nullptr;
  return std::make_unique<BesideSlotsChange<Kept>>(table_, std::move(slots), std::move(before),
                                                   std::move(after));
}

template class BesideSlotsState<TextLayout>;
template class BesideSlotsState<PlacedPicture>;

std::string DescribeObjectChange(const std::vector<CoverObject>& before,
                                 const std::vector<CoverObject>& after) {
  int created = 0, deleted = 0;
  for (size_t i = 0; i < before.size(); ++i) {
    created += before[i].Kind == kFree && after[i].Kind != kFree;
    deleted += before[i].Kind != kFree && after[i].Kind == kFree;
  }
  if (created > 0 && deleted == 0)
    return created == 1 ? QT_TRANSLATE_NOOP("History", "Create object")
                        : QT_TRANSLATE_NOOP("History", "Create objects");
  if (deleted > 0 && created == 0)
    return deleted == 1 ? QT_TRANSLATE_NOOP("History", "Delete object")
                        : QT_TRANSLATE_NOOP("History", "Delete objects");
  if (before.size() == 2 && before[0] == after[1] && before[1] == after[0])
    return QT_TRANSLATE_NOOP("History", "Stacking order");
  if (before.size() == 1)
    for (const FieldName& f : kFieldNames)
      if (f.differs(before[0], after[0])) return f.what;
  return QT_TRANSLATE_NOOP("History", "Change objects");
}
