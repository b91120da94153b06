#include "app/coverfile/PartEdits.h"

#include <map>
#include <utility>

#include "platform/Translate.h"

namespace {
bool ReadPart(const std::vector<uint8_t>& bytes, const std::string& name, CoverContents& contents,
              std::string& error) {
  contents.inPart = true;
  const CoverError read = ParseCoverFile(bytes, contents);
  if (read == CoverError::None) return true;
  error = CoverErrorText(read, name, contents.why);
  return false;
}
}  // namespace

std::vector<uint8_t> PartCoverBytes(const Document& doc, size_t index) {
  return index == doc.parts.current ? CoverFileBytes(doc) : doc.parts.list[index].cover;
}

bool SwitchPart(Document& doc, size_t index, std::string& error) {
  if (index == doc.parts.current) return true;
  CoverContents contents;
  if (!ReadPart(doc.parts.list[index].cover, doc.parts.list[index].name, contents, error))
    return false;
  DesignParts parts = std::move(doc.parts);
  parts.list[parts.current].cover = CoverFileBytes(doc);
  // Each part keeps its own steps; switching is no step.
  parts.list[parts.current].steps = std::make_shared<History::Steps>(doc.history.takeSteps());
  const std::string savedFileName = doc.savedFileName;
  CommitCover(doc, contents);
  DesignPart& shown = parts.list[index];
  shown.cover.clear();
  if (shown.steps)
    doc.history.putSteps(std::move(*shown.steps));
  else
    doc.history.clear();  // the parts of a step see the part now shown
  shown.steps.reset();
  parts.current = index;
  doc.parts = std::move(parts);
  doc.savedFileName = savedFileName;
  return true;
}

bool AddPart(Document& doc, DesignPart part, std::string& error) {
  part.steps.reset();
  if (doc.parts.list.size() >= kMaxParts) {
    error = FillIn(Translate("PartEdits", "a design holds at most %1 parts"),
                   {std::to_string(kMaxParts)});
    return false;
  }
  error = PartNameFault(doc.parts, part.name);
  CoverContents contents;
  if (!error.empty() || !ReadPart(part.cover, part.name, contents, error)) return false;
  doc.parts.list.push_back(std::move(part));
  return true;
}

bool DuplicatePart(Document& doc, size_t index, const std::string& name, std::string& error) {
  if (!AddPart(doc, DesignPart{name, doc.parts.list[index].format, PartCoverBytes(doc, index)},
               error))
    return false;
  MovePart(doc, doc.parts.list.size() - 1, index + 1);
  return true;
}

bool RenamePart(Document& doc, size_t index, const std::string& name, std::string& error) {
  error = PartNameFault(doc.parts, name, index);
  if (!error.empty()) return false;
  doc.parts.list[index].name = name;
  return true;
}

bool RemovePart(Document& doc, size_t index, std::string& error) {
  if (doc.parts.list.size() < 2) {
    error = Translate("PartEdits", "the only part of a design cannot be removed");
    return false;
  }
  if (index == doc.parts.current && !SwitchPart(doc, index > 0 ? index - 1 : 1, error))
    return false;
  doc.parts.list.erase(doc.parts.list.begin() + long(index));
  if (doc.parts.current > index) --doc.parts.current;
  // Its positions print the current part again; the later parts keep theirs.
  std::map<int32_t, size_t> placed;
  for (const auto& [k, part] : doc.parts.placed)
    if (part != index) placed[k] = part > index ? part - 1 : part;
  doc.parts.placed = std::move(placed);
  return true;
}

void MovePart(Document& doc, size_t from, size_t to) {
  std::vector<DesignPart>& list = doc.parts.list;
  DesignPart moving = std::move(list[from]);
  const size_t currentIndex = doc.parts.current;
  list.erase(list.begin() + long(from));
  list.insert(list.begin() + long(to), std::move(moving));
  if (currentIndex == from)
    doc.parts.current = to;
  else if (from < currentIndex && to >= currentIndex)
    doc.parts.current = currentIndex - 1;
  else if (from > currentIndex && to <= currentIndex)
    doc.parts.current = currentIndex + 1;
  // The chosen positions follow their parts to their new places.
  for (auto& [k, part] : doc.parts.placed) {
    if (part == from)
      part = to;
    else if (from < part && to >= part)
      --part;
    else if (from > part && to <= part)
      ++part;
  }
}

std::vector<uint8_t> BlankPartCover(const Document& doc) {
  Document blank;
  blank.pageWidth = doc.pageWidth;
  blank.pageHeight = doc.pageHeight;
  blank.scales = doc.scales;
  return CoverFileBytes(blank);
}

bool ExtractPart(const Document& doc, size_t index, Document& out, std::string& error) {
  CoverContents contents;
  if (!ReadPart(PartCoverBytes(doc, index), doc.parts.list[index].name, contents, error))
    return false;
  CommitCover(out, contents);
  return true;
}

bool CopyObjectsToParts(Document& doc, const std::vector<int>& slots,
                        const std::vector<size_t>& targets, std::string& error) {
  std::vector<std::vector<uint8_t>> covers;
  for (size_t target : targets) {
    CoverContents contents;
    DesignPart& part = doc.parts.list[target];
    if (target == doc.parts.current || !ReadPart(part.cover, part.name, contents, error))
      return false;
    Document one;
    CommitCover(one, contents);
    for (int slot : slots) {
      const int free = one.objects.lowestFreeSlot();
      if (!doc.objects.occupied(slot)) continue;
      if (free == 0) {
        error = FillIn(Translate("PartEdits", "the part %1 has no free object"), {part.name});
        return false;
      }
      one.objects[free].AssignFields(doc.objects[slot]);
      one.objects.layout(free) = doc.objects.layout(slot);
      if (doc.objects.isPicture(slot)) one.objects.picture(free) = doc.objects.picture(slot);
    }
    covers.push_back(CoverFileBytes(one));
  }
  for (size_t i = 0; i < targets.size(); ++i)
    doc.parts.list[targets[i]].cover = std::move(covers[i]);
  return true;
}
