// Feeds arbitrary bytes to the cover file reader; valid ones are also committed and written back.
#include <cstddef>
#include <cstdint>

#include "app/CoverFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  CoverContents contents;
  if (ParseCoverFile(ByteView(data, size), contents) != CoverError::None) return 0;
  Document doc;
  CommitCover(doc, contents);
  const std::vector<uint8_t> head = CoverFileHead(doc);
  return head.size() >= kCoverHeaderSize ? 0 : 1;
}
