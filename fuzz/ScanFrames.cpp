// Scanner frames from arbitrary bytes: formats, chunk sizes and data in any order.
#include "platform/scanner/ScanFrames.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace {
struct Reader {
  const uint8_t* p;
  size_t left;
  bool take(void* out, size_t n) {
    if (left < n) return false;
    std::memcpy(out, p, n);
    p += n;
    left -= n;
    return true;
  }
};
}  // namespace

// Records: 'F' kind depth last width(2) lines(2) padding(1) | 'D' length(2) bytes | 'E'.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Reader in{data, size};
  uint8_t flags = 0;
  if (!in.take(&flags, 1)) return 0;
  FrameAssembler frames(flags & 1);
  uint8_t tag = 0;
  while (in.take(&tag, 1)) {
    if (tag == 'F') {
      uint8_t head[8];
      if (!in.take(head, sizeof head)) break;
      static const int kDepths[] = {1, 8, 16, 4};
      FrameFormat f;
      f.kind = FrameKind(head[0] % 5);
      f.depth = kDepths[head[1] % 4];
      f.lastFrame = head[2] & 1;
      f.pixelsPerLine = (head[3] | head[4] << 8) % 2049;
      const int lines = (head[5] | head[6] << 8) % 2050;
      f.lines = lines - 1;
      const int samples = f.kind == FrameKind::Rgb ? 3 : 1;
      f.bytesPerLine = (f.pixelsPerLine * samples * f.depth + 7) / 8 + (head[7] % 8) - 2;
      frames.beginFrame(f);
    } else if (tag == 'D') {
      uint16_t length = 0;
      if (!in.take(&length, 2)) break;
      length = static_cast<uint16_t>(std::min<size_t>(length, in.left));
      frames.addBytes(in.p, length);
      in.p += length;
      in.left -= length;
    } else if (tag == 'E') {
      frames.endFrame();
    }
  }
  Dib out;
  frames.takePicture(out);
  FreeDib(out);
  return 0;
}
