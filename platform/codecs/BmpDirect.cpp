#include "platform/codecs/BmpDirect.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "platform/Progress.h"
#include "platform/RegularFile.h"
#include "platform/Translate.h"
#include "platform/codecs/PictureBuild.h"
#include "platform/dib/DibRows.h"

namespace {
constexpr size_t kHeaderBytes = 54;  // file header and the 40-byte information header
constexpr size_t kBlockBytes = size_t(1) << 20;

uint32_t Le32(const uint8_t* p) {
  return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}
uint16_t Le16(const uint8_t* p) {
  return uint16_t(p[0] | p[1] << 8);
}

bool ReadAt(int fd, uint8_t* dst, size_t n, off_t at) {
  while (n > 0) {
    const ssize_t got = ::pread(fd, dst, n, at);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) return false;
    dst += got, n -= size_t(got), at += got;
  }
  return true;
}

class Fd {
 public:
  explicit Fd(const std::string& name) : fd(OpenRegularFile(name)) {}
  ~Fd() {
    if (fd >= 0) ::close(fd);
  }
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  int fd;
};
}  // namespace

DirectRead ReadPlainBmp(const std::string& fileName, Dib& out, std::string& error) {
  Fd file(fileName);
  struct stat st {};
  if (file.fd < 0 || ::fstat(file.fd, &st) != 0 || !S_ISREG(st.st_mode))
    return DirectRead::NotApplicable;
  uint8_t h[kHeaderBytes];
  if (size_t(st.st_size) < kHeaderBytes || !ReadAt(file.fd, h, kHeaderBytes, 0))
    return DirectRead::NotApplicable;
  const uint32_t offset = Le32(h + 10), headerSize = Le32(h + 14);
  const int32_t width = int32_t(Le32(h + 18)), height = int32_t(Le32(h + 22));
  const bool plain = h[0] == 'B' && h[1] == 'M' &&
                     (headerSize == 40 || headerSize == 108 || headerSize == 124) &&
                     Le16(h + 26) == 1 && Le16(h + 28) == 24 && Le32(h + 30) == 0 && width > 0 &&
                     height > 0 && offset >= 14 + headerSize && DibSizeAllowed(width, height, 24) &&
                     PictureReadAllowed(width, height);
  if (!plain) return DirectRead::NotApplicable;
  const size_t stride = size_t(DibStride(width, 24));
  if (uint64_t(offset) + uint64_t(stride) * uint64_t(height) > uint64_t(st.st_size))
    return DirectRead::NotApplicable;  // the general reader says what is missing

  NewDibForOverwrite(out, width, height, 24, nullptr, 0);
  if (!out.Bits) {
    error = Translate("BmpDirect", "there is not enough memory for the picture");
    return DirectRead::Failed;
  }
  const int32_t rowsPerBlock = int32_t(std::max<size_t>(1, kBlockBytes / stride));
  const size_t rowBytes = size_t(width) * 3;
  {
    RowProgress progress(height);
    for (int32_t j = 0; j < height; j += rowsPerBlock) {
      const int32_t end = std::min(height, j + rowsPerBlock);
      progress.row(end - 1);
      uint8_t* dst = out.Bits + size_t(j) * stride;
      if (!ReadAt(file.fd, dst, size_t(end - j) * stride, off_t(offset + size_t(j) * stride))) {
        FreeDib(out);
        error = Translate("PictureBuild", kTruncatedFile);
        return DirectRead::Failed;
      }
      // The padding of each row is ours, not the file's.
      if (stride > rowBytes)
        for (int32_t r = j; r < end; ++r)
          std::memset(out.Bits + size_t(r) * stride + rowBytes, 0, stride - rowBytes);
    }
  }
  return DirectRead::Done;
}
