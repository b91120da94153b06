#include "app/coverfile/DesignStep.h"

#include <tuple>
#include <utility>

#include "app/coverfile/CoverFile.h"

namespace {
// A design not shown: every part as its bytes (the shown one's too) and its file name.
struct KeptDesign {
  DesignParts parts;
  std::string fileName;

  size_t bytes() const {
    size_t n = 0;
    for (const DesignPart& p : parts.list) n += p.cover.size();
    return n;
  }
};

// Takes the shown design out of `doc` (its parts move, the current one is encoded); the
// document's fields stay until another design is put in.
KeptDesign TakeDesign(Document& doc) {
  KeptDesign kept{std::move(doc.parts), doc.savedFileName};
  kept.parts.list[kept.parts.current].cover = CoverFileBytes(doc);
  doc.parts = DesignParts{};
  return kept;
}

// Shows a kept design, all but what the history's state parts restore in the same step (the
// objects, what lies beside their slots, the selections); false, and `doc` untouched, when its
// current part does not read.
bool PutDesign(Document& doc, KeptDesign& kept) {
  CoverContents contents;
  contents.inPart = true;
  std::vector<uint8_t>& shown = kept.parts.list[kept.parts.current].cover;
  if (ParseCoverFile(shown, contents) != CoverError::None) return false;
  const int32_t sel[] = {doc.selLeft, doc.selTop, doc.selRight, doc.selBottom};
  doc.replacePicture(contents.picture);
  contents.picture = Dib{};
  std::tie(doc.selLeft, doc.selTop, doc.selRight, doc.selBottom) =
      std::tie(sel[0], sel[1], sel[2], sel[3]);
  doc.pageWidth = contents.pageWidth;
  doc.pageHeight = contents.pageHeight;
  doc.scales.ViewZoom = contents.viewZoom;
  doc.scales.ViewScale = contents.viewScale;
  shown.clear();
  doc.parts = std::move(kept.parts);
  doc.savedFileName = kept.fileName;
  ++doc.designVersion;
  return true;
}

// Undo and redo both swap the shown design with the kept one.
class DesignChange : public Change {
 public:
  DesignChange(Document& doc, KeptDesign other) : doc_(doc), other_(std::move(other)) {}
  bool undo() override { return swap(); }
  bool redo() override { return swap(); }
  size_t bytes() const override { return other_.bytes(); }

 private:
  bool swap() {
    KeptDesign shown = TakeDesign(doc_);
    if (PutDesign(doc_, other_)) {
      other_ = std::move(shown);
      return true;
    }
    shown.parts.list[shown.parts.current].cover.clear();
    doc_.parts = std::move(shown.parts);
    return false;
  }

  Document& doc_;
  KeptDesign other_;
};
}  // namespace

bool ReplaceDesignAsStep(Document& doc, const std::string& what,
                         const std::function<bool()>& make) {
  doc.history.commit();  // a change not yet in a step stays the old design's
  KeptDesign before = TakeDesign(doc);
  if (!make()) {
    before.parts.list[before.parts.current].cover.clear();
    doc.parts = std::move(before.parts);
    return false;
  }
  doc.savedFileName.clear();
  ++doc.designVersion;
  // The step holds the old design; when it cannot be kept the new design still stands.
  if (doc.history.reserve(before.bytes()))
    doc.history.record(std::make_unique<DesignChange>(doc, std::move(before)));
  doc.history.commit(what);
  return true;
}
