// GIF through giflib: the first image of the file, with its local or the global colour table.
#include <gif_lib.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <new>
#include <vector>

#include "platform/Translate.h"
#include "platform/codecs/PictureBuild.h"
#include "platform/codecs/PictureCodecs.h"
#include "platform/dib/DibRows.h"

namespace {
struct GifInput {
  ByteView in;
  size_t pos = 0;
};

int ReadInput(GifFileType* gif, GifByteType* data, int length) {
  auto* s = static_cast<GifInput*>(gif->UserData);
  if (length < 0) return 0;
  const size_t n = std::min(size_t(length), s->in.size - s->pos);
  std::memcpy(data, s->in.data + s->pos, n);
  s->pos += n;
  return int(n);
}

int WriteOutput(GifFileType* gif, const GifByteType* data, int length) {
  auto* out = static_cast<ByteSink*>(gif->UserData);
  try {
    out->append(data, size_t(length));
  } catch (const std::bad_alloc&) {
    return 0;
  }
  return length;
}

std::string GifReason(int code) {
  switch (code) {
    case D_GIF_ERR_READ_FAILED:
    case D_GIF_ERR_EOF_TOO_SOON:
      return Translate("GifFormat", "the file is truncated");
    case D_GIF_ERR_NOT_GIF_FILE:
      return Translate("GifFormat", "this is not a GIF file");
    case D_GIF_ERR_NO_SCRN_DSCR:
    case D_GIF_ERR_NO_IMAG_DSCR:
      return Translate("GifFormat", "the file holds no picture");
    case D_GIF_ERR_NOT_ENOUGH_MEM:
      return Translate("GifFormat", "there is not enough memory");
    default:
      return std::string(Translate("GifFormat", "the GIF data is damaged (")) +
             (GifErrorString(code) ? GifErrorString(code) : "?") + ")";
  }
}

// Transparent index from a graphics control extension, or -1.
int TransparentIndex(const GifByteType* ext) {
  if (ext && ext[0] >= 4 && (ext[1] & 1)) return ext[4];
  return -1;
}

bool DecodeFirstImage(GifFileType* gif, Dib& out, std::string& error) {
  int transparent = -1;
  for (;;) {
    GifRecordType type;
    if (DGifGetRecordType(gif, &type) == GIF_ERROR) return error = GifReason(gif->Error), false;
    if (type == TERMINATE_RECORD_TYPE)
      return error = Translate("GifFormat", "the file holds no picture"), false;
    if (type == EXTENSION_RECORD_TYPE) {
      int code = 0;
      GifByteType* ext = nullptr;
      if (DGifGetExtension(gif, &code, &ext) == GIF_ERROR)
        return error = GifReason(gif->Error), false;
      if (code == GRAPHICS_EXT_FUNC_CODE) transparent = TransparentIndex(ext);
      while (ext) {
        if (DGifGetExtensionNext(gif, &ext) == GIF_ERROR)
          return error = GifReason(gif->Error), false;
      }
      continue;
    }
    if (type != IMAGE_DESC_RECORD_TYPE) continue;
    if (DGifGetImageDesc(gif) == GIF_ERROR) return error = GifReason(gif->Error), false;
    break;
  }
  const GifImageDesc& d = gif->Image;
  const ColorMapObject* map = d.ColorMap ? d.ColorMap : gif->SColorMap;
  if (!map || map->ColorCount <= 0 || map->ColorCount > 256)
    return error = Translate("GifFormat", "the colour table is missing"), false;
  const int count = map->ColorCount;
  if (!NewDibChecked(out, d.Width, d.Height, PaletteDepthFor(count), error)) return false;
  uint8_t rgb[256 * 3];
  for (int i = 0; i < count; ++i) {
    const GifColorType& c = map->Colors[i];
    const bool clear = i == transparent;
    rgb[3 * i] = clear ? 255 : c.Red;
    rgb[3 * i + 1] = clear ? 255 : c.Green;
    rgb[3 * i + 2] = clear ? 255 : c.Blue;
  }
  SetDibColors(out, rgb, count);
  std::vector<uint8_t> line(size_t(d.Width));
  const int h = d.Height;
  // Interlaced pictures arrive as four passes over every 8th, 8th, 4th and 2nd row.
  static const int kStart[4] = {0, 4, 2, 1}, kStep[4] = {8, 8, 4, 2};
  const int passes = d.Interlace ? 4 : 1;
  RowReporter progress(h);
  int done = 0;
  for (int p = 0; p < passes; ++p) {
    const int start = d.Interlace ? kStart[p] : 0, step = d.Interlace ? kStep[p] : 1;
    for (int y = start; y < h; y += step) {
      if (DGifGetLine(gif, line.data(), d.Width) == GIF_ERROR) {
        FreeDib(out);
        return error = GifReason(gif->Error), false;
      }
      for (const uint8_t v : line)
        if (v >= count) {
          FreeDib(out);
          return error = Translate("PictureBuild", kIndexOutsideTable), false;
        }
      StoreIndexRow(out, y, line.data());
      progress.row(done++);
    }
  }
  return true;
}
}  // namespace

bool ReadGif(ByteView file, Dib& out, std::string& error) {
  out = Dib{};
  error.clear();
  if (file.size < 6 || std::memcmp(file.data, "GIF", 3) != 0) {
    error = Translate("GifFormat", "this is not a GIF file");
    return false;
  }
  if (std::memcmp(file.data, "GIF87a", 6) != 0 && std::memcmp(file.data, "GIF89a", 6) != 0) {
    error = Translate("GifFormat", "the GIF version is neither 87a nor 89a");
    return false;
  }
  GifInput input{file, 0};
  int code = 0;
  GifFileType* gif = DGifOpen(&input, ReadInput, &code);
  if (!gif) {
    error = GifReason(code);
    return false;
  }
  bool ok = false;
  try {
    ok = DecodeFirstImage(gif, out, error);
  } catch (const std::bad_alloc&) {
    error = Translate("GifFormat", "there is not enough memory for the picture");
  }
  if (!ok) FreeDib(out);
  DGifCloseFile(gif, &code);
  return ok;
}

bool WriteGifTo(const Dib& dib, ByteSink& out, std::string& error) {
  out.clear();
  error.clear();
  if (!dib.Bits || !dib.Info) {
    error = Translate("GifFormat", "there is no picture to save");
    return false;
  }
  // A 24-bit picture is reduced a row at a time as it is written, twice: the first pass finds
  // the smallest colour table that holds the indices it uses.
  std::unique_ptr<RowReducer> reducer;
  const int w = DibWidth(dib), h = DibHeight(dib);
  int bits = DibBitCount(dib);
  try {
    std::vector<uint8_t> line(static_cast<size_t>(w));
    if (bits == 24) {
      reducer = std::make_unique<RowReducer>(dib);
      uint8_t used = 0;
      for (int y = 0; y < h; ++y) {
        reducer->next(line.data());
        used = std::max(used, *std::max_element(line.begin(), line.end()));
      }
      reducer->restart();
      for (bits = 1; (1 << bits) <= used;) ++bits;
    }
  } catch (const std::bad_alloc&) {
    error = Translate("GifFormat", "there is not enough memory to convert the picture");
    return false;
  }
  const int count = 1 << bits;
  int code = 0;
  bool ok = false;
  GifFileType* gif = EGifOpen(&out, WriteOutput, &code);
  ColorMapObject* map = GifMakeMapObject(count, nullptr);
  if (gif && map) {
    for (int i = 0; i < count; ++i) {
      if (!reducer) {
        const RGBQUAD& q = dib.Info->bmiColors[i];
        map->Colors[i] = GifColorType{q.rgbRed, q.rgbGreen, q.rgbBlue};
      } else if (i < reducer->colors()) {  // entries past the palette stay black
        const uint8_t* c = reducer->palette() + 3 * i;
        map->Colors[i] = GifColorType{c[0], c[1], c[2]};
      } else {
        map->Colors[i] = GifColorType{0, 0, 0};
      }
    }
    try {
      std::vector<uint8_t> line(static_cast<size_t>(w));
      RowReporter progress(h);
      ok = w <= 65535 && h <= 65535 && EGifPutScreenDesc(gif, w, h, bits, 0, map) != GIF_ERROR &&
           EGifPutImageDesc(gif, 0, 0, w, h, false, nullptr) != GIF_ERROR;
      for (int y = 0; ok && y < h; ++y) {
        if (reducer)
          reducer->next(line.data());
        else
          LoadIndexRow(dib, y, line.data());
        ok = EGifPutLine(gif, line.data(), w) != GIF_ERROR;
        progress.row(y);
      }
    } catch (const std::bad_alloc&) {
      ok = false;
    }
  }
  if (gif && EGifCloseFile(gif, &code) == GIF_ERROR) ok = false;
  GifFreeMapObject(map);
  if (!ok) {
    out.clear();
    error = DibWidth(dib) > 65535
                ? Translate("GifFormat", "the picture is too large for a GIF file")
                : Translate("GifFormat", "the picture could not be written as GIF");
  }
  return ok;
}
