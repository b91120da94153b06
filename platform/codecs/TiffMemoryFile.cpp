#include "platform/codecs/TiffMemoryFile.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <new>

#include "platform/dib/Dib.h"
#include "platform/dib/DibRows.h"

namespace {
constexpr char kName[] = "memory";

tmsize_t ReadProc(thandle_t h, void* buf, tmsize_t n) {
  auto* f = static_cast<TiffMemoryFile*>(h);
  if (f->sink) return 0;
  if (f->in) {
    const size_t len = n > 0 ? f->in->read(f->pos, static_cast<uint8_t*>(buf), size_t(n)) : 0;
    f->pos += len;
    return tmsize_t(len);
  }
  const uint8_t* base = f->out ? f->out->data() : f->data;
  const size_t size = f->out ? f->out->size() : f->size;
  if (n <= 0 || f->pos >= size) return 0;
  const size_t len = std::min(size_t(n), size - f->pos);
  std::memcpy(buf, base + f->pos, len);
  f->pos += len;
  return tmsize_t(len);
}

// Writing into a sink: bytes before its end are patched, the rest appended.
tmsize_t WriteSink(TiffMemoryFile* f, const uint8_t* bytes, size_t n) {
  ByteSink& sink = *f->sink;
  try {
    if (f->pos > sink.size()) sink.fill(0, f->pos - sink.size());
    const size_t over = std::min(n, sink.size() - f->pos);
    if (over > 0 && !sink.patch(f->pos, bytes, over)) return -1;
    sink.append(bytes + over, n - over);
  } catch (const std::bad_alloc&) {
    return -1;
  }
  f->pos += n;
  return tmsize_t(n);
}

tmsize_t WriteProc(thandle_t h, void* buf, tmsize_t n) {
  auto* f = static_cast<TiffMemoryFile*>(h);
  if (f->sink && n >= 0) return WriteSink(f, static_cast<const uint8_t*>(buf), size_t(n));
  if (!f->out || n < 0) return -1;
  const auto* bytes = static_cast<const uint8_t*>(buf);
  try {
    if (f->pos == f->out->size()) {  // appending, the usual case: no zero fill first
      f->out->insert(f->out->end(), bytes, bytes + n);
      f->pos += size_t(n);
      return n;
    }
    if (f->pos + size_t(n) > f->out->size()) f->out->resize(f->pos + size_t(n));
  } catch (const std::bad_alloc&) {
    return -1;
  }
  std::memcpy(f->out->data() + f->pos, bytes, size_t(n));
  f->pos += size_t(n);
  return n;
}

size_t SizeOf(const TiffMemoryFile* f) {
  if (f->in) return size_t(f->in->size());
  return f->sink ? f->sink->size() : f->out ? f->out->size() : f->size;
}

toff_t SeekProc(thandle_t h, toff_t off, int whence) {
  auto* f = static_cast<TiffMemoryFile*>(h);
  const size_t size = SizeOf(f);
  uint64_t base = whence == SEEK_CUR ? f->pos : whence == SEEK_END ? size : 0;
  const uint64_t target = base + off;
  if (target > (uint64_t(1) << 40)) return toff_t(-1);
  f->pos = size_t(target);
  return target;
}

int CloseProc(thandle_t) {
  return 0;
}
toff_t SizeProc(thandle_t h) {
  return SizeOf(static_cast<TiffMemoryFile*>(h));
}
int MapProc(thandle_t h, void** base, toff_t* size) {
  auto* f = static_cast<TiffMemoryFile*>(h);
  if (f->out || f->sink) return 0;
  const ByteView memory = f->in ? f->in->memory() : ByteView{f->data, f->size};
  if (!memory.data) return 0;  // a file is read a block at a time, never mapped whole
  *base = const_cast<uint8_t*>(memory.data);
  *size = memory.size;
  return 1;
}
void UnmapProc(thandle_t, void*, toff_t) {}

int OnError(TIFF*, void* user, const char*, const char* fmt, va_list ap) {
  auto* f = static_cast<TiffMemoryFile*>(user);
  if (f->firstError.empty()) {
    char text[256];
    std::vsnprintf(text, sizeof text, fmt, ap);
    // Some messages name the file when it is read rather than mapped: the same fault either way.
    const size_t n = sizeof kName - 1;
    const bool named = std::strncmp(text, kName, n) == 0 && std::strncmp(text + n, ": ", 2) == 0;
    f->firstError = text + (named ? n + 2 : 0);
  }
  return 1;
}
// The fax decoders only warn when the data ends early and fill the rest of the row themselves.
int OnWarning(TIFF*, void* user, const char*, const char* fmt, va_list ap) {
  auto* f = static_cast<TiffMemoryFile*>(user);
  char text[256];
  std::vsnprintf(text, sizeof text, fmt, ap);
  if (std::strstr(text, "Premature EOF") || std::strstr(text, "Premature EOL")) {
    f->damaged = true;
    if (f->firstError.empty()) f->firstError = text;
  }
  return 1;
}
}  // namespace

TIFF* OpenTiffMemory(TiffMemoryFile& f, const char* mode) {
  TIFFOpenOptions* opts = TIFFOpenOptionsAlloc();
  if (!opts) return nullptr;
  // No single block larger than the biggest picture the reader may produce (8 bytes a pixel).
  const uint64_t most =
      std::min<uint64_t>(kMaxDibBytes, std::max<uint64_t>(PictureReadLimit() * 8, 16u << 20));
  TIFFOpenOptionsSetMaxSingleMemAlloc(opts, tmsize_t(most));
  TIFFOpenOptionsSetErrorHandlerExtR(opts, OnError, &f);
  TIFFOpenOptionsSetWarningHandlerExtR(opts, OnWarning, &f);
  TIFF* tif = TIFFClientOpenExt(kName, mode, &f, ReadProc, WriteProc, SeekProc, CloseProc, SizeProc,
                                MapProc, UnmapProc, opts);
  TIFFOpenOptionsFree(opts);
  return tif;
}

std::string TiffReason(const TiffMemoryFile& f, const char* fallback) {
  return f.firstError.empty() ? fallback : std::string(fallback) + " (" + f.firstError + ")";
}
