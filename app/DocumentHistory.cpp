#include "app/DocumentHistory.h"

#include <array>

#include "app/Document.h"
#include "cover/ObjectHistory.h"

namespace {
// The retouch selection and the selected object; restored with every step, never a step alone.
using Selections = std::array<int32_t, 5>;

class SelectionsChange : public Change {
 public:
  SelectionsChange(Document& doc, const Selections& before, const Selections& after)
      : doc_(doc), before_(before), after_(after) {}
  bool undo() override { return put(before_); }
  bool redo() override { return put(after_); }
  size_t bytes() const override { return sizeof(*this); }

 private:
  bool put(const Selections& s) {
    doc_.selLeft = s[0], doc_.selTop = s[1], doc_.selRight = s[2], doc_.selBottom = s[3];
    doc_.objects.selectedSlot = s[4];
    return true;
  }
  Document& doc_;
  Selections before_, after_;
};

class SelectionsState : public StatePart {
 public:
  explicit SelectionsState(Document& doc) : doc_(doc), seen_(now()) {}
  std::unique_ptr<Change> takeChange() override {
    // Always a change: every step puts both selections back as they were around it.
    const Selections current = now();
    auto change = std::make_unique<SelectionsChange>(doc_, seen_, current);
    seen_ = current;
    return change;
  }
  bool makesSteps() const override { return false; }

 private:
  Selections now() const {
    return {doc_.selLeft, doc_.selTop, doc_.selRight, doc_.selBottom, doc_.objects.selectedSlot};
  }
  Document& doc_;
  Selections seen_;
};
}  // namespace

std::vector<std::unique_ptr<StatePart>> DocumentStateParts(Document& doc) {
  std::vector<std::unique_ptr<StatePart>> parts;
  parts.push_back(std::make_unique<ObjectTableState>(doc.objects));
  parts.push_back(std::make_unique<TextLayoutState>(doc.objects));
  parts.push_back(std::make_unique<PlacedPictureState>(doc.objects));
  parts.push_back(std::make_unique<SelectionsState>(doc));
  return parts;
}
