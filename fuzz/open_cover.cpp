// Feeds arbitrary bytes to the cover file reader; valid ones are also committed and written back.
#include <cstddef>
#include <cstdint>

#include "app/coverfile/CoverFile.h"
#include "app/coverfile/PartEdits.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  CoverContents contents;
  if (ParseCoverFile(ByteSpan(data, size), contents) != CoverError::None) return 0;
  static Document doc;  // one document, as in the program, replaced again and again
  CommitCover(doc, contents);
  if (CoverFileHead(doc).size() < kCoverHeaderSize) __builtin_trap();
  // The curved texts and picture objects accepted are written back as a block the reader takes
  // again unchanged.
  const std::vector<uint8_t> tail = CoverFileTail(doc);
  CoverContents again;
  for (const CoverContents::Object& o : contents.objects) again.objects.push_back(o);
  MemorySource source(tail);
  if (ParseCoverTail(source, again) != CoverError::None || again.layouts != contents.layouts)
    __builtin_trap();
  // So are the picture objects: the same settings and stored bytes.
  if (again.pictures.size() != contents.pictures.size()) __builtin_trap();
  for (size_t i = 0; i < again.pictures.size(); ++i) {
    const PlacedPicture &a = again.pictures[i].second, &b = contents.pictures[i].second;
    if (again.pictures[i].first != contents.pictures[i].first || a.settings != b.settings ||
        a.pixels->png() != b.pixels->png() || a.pixels->packedAlpha() != b.pixels->packedAlpha())
      __builtin_trap();
  }
  // Every part accepted opens as the current one and the design is written back unchanged.
  const std::vector<uint8_t> before = PartCoverBytes(doc, doc.parts.current);
  for (size_t i = doc.parts.list.size(); i-- > 0;) {
    std::string error;
    if (!SwitchPart(doc, i, error)) __builtin_trap();
  }
  if (PartCoverBytes(doc, 0) != before) __builtin_trap();
  return 0;
}
