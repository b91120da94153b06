// PNG through libpng. libpng reports errors by longjmp: every object that outlives a jump lives
// in the caller's PngState, and the functions that call setjmp hold no objects with destructors.
#include <png.h>

#include <algorithm>
#include <cctype>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <memory>
#include <new>
#include <vector>

#include "platform/Translate.h"
#include "platform/codecs/PictureBuild.h"
#include "platform/codecs/PictureCodecs.h"
#include "platform/dib/DibRows.h"

namespace {
struct PngState {
  PictureSource* in = nullptr;
  size_t pos = 0;
  ByteSink* out = nullptr;
  std::unique_ptr<uint8_t[]> buffer;  // left uninitialised: libpng fills every row it hands out
  std::vector<uint8_t*> rows;
  RowReporter progress{0};
  char message[200] = {};
};

[[noreturn]] void OnError(png_structp png, png_const_charp msg) {
  auto* s = static_cast<PngState*>(png_get_error_ptr(png));
  std::snprintf(s->message, sizeof s->message, "%s", msg ? msg : "unknown error");
  png_longjmp(png, 1);
}
void OnWarning(png_structp, png_const_charp) {}

void ReadBytes(png_structp png, png_bytep data, png_size_t length) {
  auto* s = static_cast<PngState*>(png_get_io_ptr(png));
  if (s->in->read(s->pos, data, length) < length) png_error(png, "the file is truncated");
  s->pos += length;
}

void WriteBytes(png_structp png, png_bytep data, png_size_t length) {
  auto* s = static_cast<PngState*>(png_get_io_ptr(png));
  try {
    s->out->append(data, length);
  } catch (const std::bad_alloc&) {
    png_error(png, "there is not enough memory");
  }
}
void Flush(png_structp) {}
void RowDone(png_structp png, png_uint_32 row, int) {
  static_cast<PngState*>(png_get_io_ptr(png))->progress.row(row);
}

// Every chunk must end inside the file; libpng would otherwise hold the memory a chunk claims
// before finding that the bytes are missing.
bool ChunksFitTheFile(PictureSource& file, std::string& error) {
  const uint64_t size = file.size();
  for (uint64_t pos = 8; size - pos >= 8;) {
    uint8_t p[8];
    if (file.read(pos, p, 8) < 8) break;  // the file cannot be read: libpng says so
    const uint32_t length =
        uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | p[3];
    if (length > size - pos - 8) {
      std::string name;
      for (int i = 4; i < 8; ++i) name += std::isalpha(p[i]) ? char(p[i]) : '?';
      error = Translate("PngFormat", "the chunk \"") + name +
              Translate("PngFormat", "\" is longer than the rest of the file");
      return false;
    }
    if (std::memcmp(p + 4, "IEND", 4) == 0) break;
    pos += 8 + uint64_t(length) + std::min<uint64_t>(4, size - pos - 8 - length);
  }
  return true;
}

// Throws nothing and allocates through the state only; the output picture is freed on error.
bool Decode(png_structp png, png_infop info, PngState& s, Dib& out, std::string& error) {
  if (setjmp(png_jmpbuf(png))) {
    FreeDib(out);
    if (error.empty()) error = s.message;
    return false;
  }
  png_set_read_fn(png, &s, ReadBytes);
  png_set_user_limits(png, kMaxDibSide, kMaxDibSide);
  // No chunk may claim more memory than the file has bytes (texts and profiles are skipped).
  png_set_chunk_malloc_max(png, size_t(std::min<uint64_t>(s.in->size(), 8u << 20)));
  png_set_chunk_cache_max(png, 64);
  static const png_byte kSkipped[] = "tEXt\0zTXt\0iTXt\0iCCP\0sPLT\0eXIf\0";
  png_set_keep_unknown_chunks(png, PNG_HANDLE_CHUNK_NEVER, kSkipped, 6);
  png_set_keep_unknown_chunks(png, PNG_HANDLE_CHUNK_NEVER, nullptr, 0);
  png_read_info(png, info);
  png_uint_32 w = 0, h = 0;
  int depth = 0, type = 0, interlace = 0;
  png_get_IHDR(png, info, &w, &h, &depth, &type, &interlace, nullptr, nullptr);
  const bool hasTrns = png_get_valid(png, info, PNG_INFO_tRNS) != 0;

  int outBits = 24;
  int paletteCount = 0;
  png_colorp palette = nullptr;
  if (type == PNG_COLOR_TYPE_PALETTE) {
    if (!png_get_PLTE(png, info, &palette, &paletteCount) || paletteCount <= 0) {
      error = Translate("PngFormat", "the palette is missing");
      png_error(png, "the palette is missing");
    }
    outBits = depth == 1 ? 1 : (depth <= 4 ? 4 : 8);  // the file's depth, 2 bits as 4
    if (depth < 8) png_set_packing(png);
  } else if (type == PNG_COLOR_TYPE_GRAY && depth == 1 && !hasTrns) {
    outBits = 1;  // rows arrive packed as the picture stores them: 0 black, 1 white
  } else if (!(type & PNG_COLOR_MASK_COLOR)) {
    outBits = 8;
    if (depth < 8) png_set_expand_gray_1_2_4_to_8(png);
    if (hasTrns) png_set_tRNS_to_alpha(png);
  } else {
    if (hasTrns) png_set_tRNS_to_alpha(png);
    png_set_bgr(png);
  }
  if (depth == 16) png_set_scale_16(png);
  const int passes = png_set_interlace_handling(png);
  png_read_update_info(png, info);
  s.progress = RowReporter(h);
  png_set_read_status_fn(png, RowDone);
  if (!NewDibChecked(out, w, h, outBits, error)) png_error(png, error.c_str());
  const int channels = png_get_channels(png, info);
  const size_t rowBytes = png_get_rowbytes(png, info);

  if (type == PNG_COLOR_TYPE_PALETTE) {
    uint8_t rgb[256 * 3];
    png_bytep alpha = nullptr;
    int alphaCount = 0;
    if (hasTrns) png_get_tRNS(png, info, &alpha, &alphaCount, nullptr);
    for (int i = 0; i < paletteCount && i < 256; ++i) {
      const uint32_t a = i < alphaCount ? alpha[i] : 255;
      rgb[3 * i] = BlendOverWhite(palette[i].red, a);
      rgb[3 * i + 1] = BlendOverWhite(palette[i].green, a);
      rgb[3 * i + 2] = BlendOverWhite(palette[i].blue, a);
    }
    SetDibColors(out, rgb, paletteCount > 256 ? 256 : paletteCount);
  } else if (outBits == 8) {
    SetGreyColors(out);
  } else if (outBits == 1) {
    static const uint8_t kBlackWhite[6] = {0, 0, 0, 255, 255, 255};
    SetDibColors(out, kBlackWhite, 2);
  }

  // Opaque 24-bit rows decode straight into the picture; others go through a buffer.
  const bool direct = outBits == 24 && channels == 3;
  const bool whole = passes > 1 && !direct;
  const size_t rowsInBuffer = whole ? h : 1;
  if (!direct) {
    if (uint64_t(rowBytes) * rowsInBuffer > kMaxDibBytes)
      png_error(png, "the picture is too large");
    s.buffer.reset(new uint8_t[rowBytes * rowsInBuffer]);  // a bad_alloc is caught by the caller
  }
  if (direct || whole) {
    s.rows.resize(h);
    for (png_uint_32 y = 0; y < h; ++y)
      s.rows[y] = direct ? DibRow(out, int32_t(y)) : s.buffer.get() + rowBytes * y;
    png_read_image(png, s.rows.data());
  }
  if (direct) return true;
  for (png_uint_32 y = 0; y < h; ++y) {
    uint8_t* src = whole ? s.buffer.get() + rowBytes * y : s.buffer.get();
    if (!whole) png_read_row(png, src, nullptr);
    uint8_t* dst = DibRow(out, int32_t(y));
    if (type == PNG_COLOR_TYPE_PALETTE) {
      for (png_uint_32 x = 0; x < w; ++x)
        if (src[x] >= paletteCount) png_error(png, kIndexOutsideTable);
      StoreIndexRow(out, int32_t(y), src);
    } else if (outBits == 1) {
      std::memcpy(dst, src, rowBytes);
    } else if (outBits == 8) {
      if (channels == 1)
        std::memcpy(dst, src, w);
      else
        for (png_uint_32 x = 0; x < w; ++x) dst[x] = BlendOverWhite(src[2 * x], src[2 * x + 1]);
    } else {
      for (png_uint_32 x = 0; x < w; ++x, src += 4, dst += 3) {
        dst[0] = BlendOverWhite(src[0], src[3]);
        dst[1] = BlendOverWhite(src[1], src[3]);
        dst[2] = BlendOverWhite(src[2], src[3]);
      }
    }
  }
  return true;
}

bool Encode(png_structp png, png_infop info, PngState& s, const Dib& dib, std::string& error) {
  if (setjmp(png_jmpbuf(png))) {
    if (error.empty()) error = s.message;
    return false;
  }
  png_set_write_fn(png, &s, WriteBytes, Flush);
  const int32_t w = DibWidth(dib), h = DibHeight(dib);
  const int bits = DibBitCount(dib);
  png_set_compression_level(png, 4);
  s.progress = RowReporter(h);
  png_set_write_status_fn(png, RowDone);
  if (bits == 24) {
    png_set_IHDR(png, info, png_uint_32(w), png_uint_32(h), 8, PNG_COLOR_TYPE_RGB,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    png_set_bgr(png);
    for (int32_t y = 0; y < h; ++y) png_write_row(png, DibRow(dib, y));
  } else {
    png_color colors[256];
    const int count = PaletteEntryCount(bits);
    for (int i = 0; i < count; ++i) {
      const RGBQUAD& q = dib.Info->bmiColors[i];
      colors[i] = png_color{q.rgbRed, q.rgbGreen, q.rgbBlue};
    }
    png_set_IHDR(png, info, png_uint_32(w), png_uint_32(h), bits, PNG_COLOR_TYPE_PALETTE,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_PLTE(png, info, colors, count);
    png_write_info(png, info);
    // Palette rows are already packed the way PNG stores them (leftmost pixel in the high bits).
    for (int32_t y = 0; y < h; ++y) png_write_row(png, DibRow(dib, y));
  }
  png_write_end(png, info);
  return true;
}
}  // namespace

bool ReadPng(ByteView file, Dib& out, std::string& error) {
  PictureSource source(file);
  return ReadPngFrom(source, out, error);
}

bool ReadPngFrom(PictureSource& file, Dib& out, std::string& error) {
  out = Dib{};
  error.clear();
  uint8_t signature[8];
  if (file.read(0, signature, 8) < 8 || png_sig_cmp(signature, 0, 8) != 0) {
    error = Translate("PngFormat", "this is not a PNG file");
    return false;
  }
  if (!ChunksFitTheFile(file, error)) return false;
  PngState state;
  state.in = &file;
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &state, OnError, OnWarning);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  bool ok = false;
  if (info) {
    try {
      ok = Decode(png, info, state, out, error);
    } catch (const std::bad_alloc&) {
      FreeDib(out);
      error = Translate("PngFormat", "there is not enough memory for the picture");
    }
  } else {
    error = Translate("PngFormat", "there is not enough memory");
  }
  png_destroy_read_struct(&png, info ? &info : nullptr, nullptr);
  if (!ok) FreeDib(out);
  return ok;
}

bool WritePngTo(const Dib& dib, ByteSink& out, std::string& error) {
  error.clear();
  out.clear();
  if (!dib.Bits || !dib.Info) {
    error = Translate("PngFormat", "there is no picture to save");
    return false;
  }
  const int bits = DibBitCount(dib);
  if (bits != 1 && bits != 4 && bits != 8 && bits != 24) {
    error = Translate("PngFormat", "the picture's depth is not supported");
    return false;
  }
  PngState state;
  state.out = &out;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &state, OnError, OnWarning);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  bool ok = false;
  if (info)
    ok = Encode(png, info, state, dib, error);
  else
    error = Translate("PngFormat", "there is not enough memory");
  png_destroy_write_struct(&png, info ? &info : nullptr);
  if (!ok) out.clear();
  return ok;
}
