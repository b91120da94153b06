// TIFF through libtiff, reading from memory or a file and writing to memory or a sink. Palette and
// greyscale pictures keep their indices and grey levels; every other layout goes through
// libtiff's RGBA reader.

#include <immintrin.h>

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <memory>
#include <new>
#include <vector>

#include "platform/Translate.h"
#include "platform/codecs/PictureBuild.h"
#include "platform/codecs/PictureCodecs.h"
#include "platform/codecs/TiffMemoryFile.h"
#include "platform/dib/DibRows.h"

namespace {
// Blue-green-red rows to the red-green-blue order of TIFF files.
__attribute__((target("ssse3"))) void SwapRedBlueSsse3(const uint8_t* s, uint8_t* d, uint32_t w) {
  const __m128i order = _mm_setr_epi8(2, 1, 0, 5, 4, 3, 8, 7, 6, 11, 10, 9, 14, 13, 12, 15);
  uint32_t x = 0;
  for (; x + 6 <= w; x += 5)  // 16 bytes in and out, 5 whole pixels each time
    _mm_storeu_si128(
        reinterpret_cast<__m128i*>(d + 3 * x),
        _mm_shuffle_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(s + 3 * x)), order));
  for (; x < w; ++x) d[3 * x] = s[3 * x + 2], d[3 * x + 1] = s[3 * x + 1], d[3 * x + 2] = s[3 * x];
}

void SwapRedBlue(const uint8_t* s, uint8_t* d, uint32_t w) {
  static const bool ssse3 = __builtin_cpu_supports("ssse3");
  if (ssse3) return SwapRedBlueSsse3(s, d, w);
  for (uint32_t x = 0; x < w; ++x)
    d[3 * x] = s[3 * x + 2], d[3 * x + 1] = s[3 * x + 1], d[3 * x + 2] = s[3 * x];
}

// Largest tile accepted; real files use tiles of a few hundred kilobytes.
constexpr uint64_t kMaxTileBytes = uint64_t(256) << 20;
// Entries of the first directory looked at before libtiff reads it.
constexpr uint64_t kMaxTiffEntries = 4096;

// Calls `row(y, bytes)` for every row of a contiguous picture, from strips or tiles.
template <typename RowFn>
bool ForEachRow(TIFF* tif, uint32_t h, RowFn row) {
  if (!TIFFIsTiled(tif)) {
    const tmsize_t size = TIFFScanlineSize(tif);
    if (size <= 0) return false;
    std::vector<uint8_t> line(static_cast<size_t>(size));
    RowReporter progress(h);
    for (uint32_t y = 0; y < h; ++y) {
      progress.row(y);
      if (TIFFReadScanline(tif, line.data(), y, 0) < 0) return false;
      row(y, line.data());
    }
    return true;
  }
  uint32_t tw = 0, th = 0;
  TIFFGetField(tif, TIFFTAG_TILEWIDTH, &tw);
  TIFFGetField(tif, TIFFTAG_TILELENGTH, &th);
  const tmsize_t tileSize = TIFFTileSize(tif), tileRow = TIFFTileRowSize(tif);
  const tmsize_t lineSize = TIFFScanlineSize(tif);
  if (tw == 0 || th == 0 || tileSize <= 0 || tileRow <= 0 || lineSize <= 0) return false;
  const uint32_t bandRows = std::min(th, h);
  if (uint64_t(bandRows) * uint64_t(lineSize) > kMaxDibBytes || uint64_t(tileSize) > kMaxTileBytes)
    return false;
  // Uninitialised on purpose: every byte used is first filled by libtiff.
  const std::unique_ptr<uint8_t[]> tile(new uint8_t[size_t(tileSize)]);
  const std::unique_ptr<uint8_t[]> band(new uint8_t[size_t(bandRows) * size_t(lineSize)]);
  const uint32_t tilesAcross =
      uint32_t((uint64_t(lineSize) + uint64_t(tileRow) - 1) / uint64_t(tileRow));
  RowReporter progress(h);
  for (uint32_t y0 = 0; y0 < h; y0 += th) {
    progress.row(y0);
    const uint32_t rows = std::min(th, h - y0);
    for (uint32_t t = 0; t < tilesAcross; ++t) {
      if (TIFFReadTile(tif, tile.get(), t * tw, y0, 0, 0) < 0) return false;
      const size_t offset = size_t(t) * size_t(tileRow);
      const size_t len = std::min(size_t(tileRow), size_t(lineSize) - offset);
      for (uint32_t r = 0; r < rows; ++r)
        std::memcpy(&band[size_t(r) * size_t(lineSize) + offset],
                    &tile[size_t(r) * size_t(tileRow)], len);
    }
    for (uint32_t r = 0; r < rows; ++r) row(y0 + r, &band[size_t(r) * size_t(lineSize)]);
  }
  return true;
}

// Sample x of a packed row of 1, 2, 4, 8 or 16 bits, as read.
inline uint32_t Sample(const uint8_t* row, uint32_t x, int bps) {
  switch (bps) {
    case 8:
      return row[x];
    case 16: {
      uint16_t v;
      std::memcpy(&v, row + 2 * size_t(x), 2);
      return v;
    }
    case 4:
      return (row[x >> 1] >> ((x & 1) ? 0 : 4)) & 15;
    case 2:
      return (row[x >> 2] >> (6 - 2 * (x & 3))) & 3;
    default:
      return (row[x >> 3] >> (7 - (x & 7))) & 1;
  }
}

bool ReadPalette(TIFF* tif, uint32_t w, uint32_t h, int bps, Dib& out, std::string& error) {
  uint16_t *r = nullptr, *g = nullptr, *b = nullptr;
  if (!TIFFGetField(tif, TIFFTAG_COLORMAP, &r, &g, &b))
    return error = Translate("TiffFormat", "the colour map is missing"), false;
  const int count = 1 << bps;
  bool wide = false;
  for (int i = 0; i < count; ++i) wide = wide || r[i] > 255 || g[i] > 255 || b[i] > 255;
  uint8_t rgb[256 * 3];
  for (int i = 0; i < count; ++i) {
    rgb[3 * i] = uint8_t(wide ? r[i] >> 8 : r[i]);
    rgb[3 * i + 1] = uint8_t(wide ? g[i] >> 8 : g[i]);
    rgb[3 * i + 2] = uint8_t(wide ? b[i] >> 8 : b[i]);
  }
  if (!NewDibChecked(out, w, h, PaletteDepthFor(count), error)) return false;
  SetDibColors(out, rgb, count);
  std::vector<uint8_t> idx(w);
  return ForEachRow(tif, h, [&](uint32_t y, const uint8_t* row) {
    for (uint32_t x = 0; x < w; ++x) idx[x] = uint8_t(Sample(row, x, bps));
    StoreIndexRow(out, int32_t(y), idx.data());
  });
}

// Bilevel pictures stay 1 bit, stored with 0 black and 1 white whatever the file's convention.
bool ReadBilevel(TIFF* tif, uint32_t w, uint32_t h, bool whiteIsZero, Dib& out,
                 std::string& error) {
  if (!NewDibChecked(out, w, h, 1, error)) return false;
  static const uint8_t kBlackWhite[6] = {0, 0, 0, 255, 255, 255};
  SetDibColors(out, kBlackWhite, 2);
  const size_t bytes = (size_t(w) + 7) / 8;
  return ForEachRow(tif, h, [&](uint32_t y, const uint8_t* row) {
    uint8_t* dst = DibRow(out, int32_t(y));
    for (size_t i = 0; i < bytes; ++i) dst[i] = whiteIsZero ? uint8_t(~row[i]) : row[i];
  });
}

bool ReadGrey(TIFF* tif, uint32_t w, uint32_t h, int bps, bool whiteIsZero, Dib& out,
              std::string& error) {
  if (!NewDibChecked(out, w, h, 8, error)) return false;
  SetGreyColors(out);
  const uint32_t max = bps == 16 ? 65535u : (1u << bps) - 1u;
  return ForEachRow(tif, h, [&](uint32_t y, const uint8_t* row) {
    uint8_t* dst = DibRow(out, int32_t(y));
    for (uint32_t x = 0; x < w; ++x) {
      const uint32_t v = (Sample(row, x, bps) * 255u + max / 2) / max;
      dst[x] = uint8_t(whiteIsZero ? 255 - v : v);
    }
  });
}

bool ReadRgb8(TIFF* tif, uint32_t w, uint32_t h, Dib& out, std::string& error) {
  if (!NewDibChecked(out, w, h, 24, error)) return false;
  return ForEachRow(tif, h, [&](uint32_t y, const uint8_t* row) {
    uint8_t* dst = DibRow(out, int32_t(y));
    for (uint32_t x = 0; x < w; ++x, row += 3, dst += 3)
      dst[0] = row[2], dst[1] = row[1], dst[2] = row[0];
  });
}

// Any other layout: libtiff's RGBA reader (premultiplied alpha), composited over white.
bool ReadThroughRgba(TIFF* tif, uint32_t w, uint32_t h, bool grey, Dib& out, std::string& error) {
  char why[1024] = {};
  if (!TIFFRGBAImageOK(tif, why))
    return error = std::string(Translate("TiffFormat", "this TIFF layout is not supported (")) +
                   why + ")",
           false;
  if (uint64_t(w) * h * 4 > kMaxDibBytes)
    return error = Translate("TiffFormat", "the picture is too large"), false;
  if (!NewDibChecked(out, w, h, grey ? 8 : 24, error)) return false;
  if (grey) SetGreyColors(out);
  const std::unique_ptr<uint32_t[]> raster(new uint32_t[size_t(w) * h]);  // filled by libtiff
  if (!TIFFReadRGBAImageOriented(tif, w, h, raster.get(), ORIENTATION_TOPLEFT, 1)) return false;
  for (uint32_t y = 0; y < h; ++y) {
    const uint32_t* src = &raster[size_t(y) * w];
    uint8_t* dst = DibRow(out, int32_t(y));
    for (uint32_t x = 0; x < w; ++x) {
      const uint32_t p = src[x], white = 255 - TIFFGetA(p);
      if (grey) {
        dst[x] = uint8_t(std::min<uint32_t>(TIFFGetR(p) + white, 255));
      } else {
        dst[3 * x] = uint8_t(std::min<uint32_t>(TIFFGetB(p) + white, 255));
        dst[3 * x + 1] = uint8_t(std::min<uint32_t>(TIFFGetG(p) + white, 255));
        dst[3 * x + 2] = uint8_t(std::min<uint32_t>(TIFFGetR(p) + white, 255));
      }
    }
  }
  return true;
}

// Every strip or tile the picture needs must lie wholly inside the file; libtiff would otherwise
// decode what is there and leave the rest of the picture made up.
bool BlocksInsideFile(TIFF* tif, uint32_t h, size_t fileSize, std::string& error) {
  const bool tiled = TIFFIsTiled(tif);
  const uint32_t count = tiled ? TIFFNumberOfTiles(tif) : TIFFNumberOfStrips(tif);
  if (count == 0)
    return error = Translate("TiffFormat", "the TIFF picture has no pixel data"), false;
  uint16_t compression = COMPRESSION_NONE;
  uint32_t rowsPerStrip = h;
  TIFFGetFieldDefaulted(tif, TIFFTAG_COMPRESSION, &compression);
  TIFFGetFieldDefaulted(tif, TIFFTAG_ROWSPERSTRIP, &rowsPerStrip);
  rowsPerStrip = std::clamp<uint32_t>(rowsPerStrip, 1, std::max<uint32_t>(h, 1));
  const uint32_t stripsPerPlane = (h + rowsPerStrip - 1) / rowsPerStrip;
  for (uint32_t i = 0; i < count; ++i) {
    int missing = 0;
    const uint64_t offset = TIFFGetStrileOffsetWithErr(tif, i, &missing);
    uint64_t bytes = TIFFGetStrileByteCountWithErr(tif, i, &missing);
    // Plain pixels are read whole whatever the count says (libtiff mends wrong counts).
    if (compression == COMPRESSION_NONE && bytes > 0) {
      const uint32_t first = stripsPerPlane ? i % stripsPerPlane * rowsPerStrip : 0;
      const uint64_t need =
          tiled ? uint64_t(TIFFTileSize64(tif))
                : uint64_t(TIFFVStripSize64(tif, std::min(rowsPerStrip, h - first)));
      bytes = std::max(bytes, need);
    }
    if (missing || bytes == 0 || offset > fileSize || bytes > fileSize - offset)
      return error =
                 (tiled ? Translate("TiffFormat", "tile ") : Translate("TiffFormat", "strip ")) +
                 std::to_string(i + 1) +
                 Translate("TiffFormat", " of the TIFF picture is missing or cut short"),
             false;
  }
  return true;
}

// libtiff takes a palette picture without its colour map for a grey one; the first directory
// tells. Damaged directories are left to libtiff.
bool PaletteWithoutColourMap(PictureSource& file, bool le) {
  auto get = [&](uint64_t at, int n) -> uint64_t {
    uint8_t b[8];
    if (file.read(at, b, size_t(n)) < size_t(n)) return 0;
    uint64_t v = 0;
    for (int k = 0; k < n; ++k) v |= uint64_t(b[le ? k : n - 1 - k]) << (8 * k);
    return v;
  };
  const bool big = get(2, 2) == 43;  // BigTIFF: 8-byte offsets and counts, 20-byte entries
  const uint64_t ifd = big ? get(8, 8) : get(4, 4);
  const uint64_t entries = big ? get(ifd, 8) : get(ifd, 2);
  const uint64_t first = ifd + (big ? 8 : 2), entrySize = big ? 20 : 12;
  bool palette = false, map = false;
  for (uint64_t i = 0; i < std::min<uint64_t>(entries, kMaxTiffEntries); ++i) {
    const uint64_t e = first + i * entrySize;
    const uint64_t tag = get(e, 2), type = get(e + 2, 2);
    if (tag == TIFFTAG_PHOTOMETRIC)
      palette = (type == TIFF_SHORT ? get(e + (big ? 12 : 8), 2) : 0) == PHOTOMETRIC_PALETTE;
    map = map || tag == TIFFTAG_COLORMAP;
  }
  return palette && !map;
}

bool Decode(TIFF* tif, size_t fileSize, Dib& out, std::string& error) {
  uint32_t w = 0, h = 0;
  uint16_t bps = 1, spp = 1, planar = PLANARCONFIG_CONTIG, photometric = 0;
  TIFFGetField(tif, TIFFTAG_IMAGEWIDTH, &w);
  TIFFGetField(tif, TIFFTAG_IMAGELENGTH, &h);
  TIFFGetFieldDefaulted(tif, TIFFTAG_BITSPERSAMPLE, &bps);
  TIFFGetFieldDefaulted(tif, TIFFTAG_SAMPLESPERPIXEL, &spp);
  TIFFGetFieldDefaulted(tif, TIFFTAG_PLANARCONFIG, &planar);
  if (!TIFFGetField(tif, TIFFTAG_PHOTOMETRIC, &photometric))
    photometric = spp >= 3 ? PHOTOMETRIC_RGB : PHOTOMETRIC_MINISBLACK;
  if (!PictureReadAllowed(w, h)) return NewDibChecked(out, w, h, 24, error);
  if (!BlocksInsideFile(tif, h, fileSize, error)) return false;
  const bool contig = planar == PLANARCONFIG_CONTIG || spp == 1;
  const bool greyKind =
      photometric == PHOTOMETRIC_MINISBLACK || photometric == PHOTOMETRIC_MINISWHITE;
  const bool packedBps = bps == 1 || bps == 2 || bps == 4 || bps == 8;
  if (photometric == PHOTOMETRIC_PALETTE && spp == 1 && packedBps)
    return ReadPalette(tif, w, h, bps, out, error);
  if (greyKind && spp == 1 && bps == 1)
    return ReadBilevel(tif, w, h, photometric == PHOTOMETRIC_MINISWHITE, out, error);
  if (greyKind && spp == 1 && (packedBps || bps == 16))
    return ReadGrey(tif, w, h, bps, photometric == PHOTOMETRIC_MINISWHITE, out, error);
  if (photometric == PHOTOMETRIC_RGB && spp == 3 && bps == 8 && contig)
    return ReadRgb8(tif, w, h, out, error);
  return ReadThroughRgba(tif, w, h, greyKind, out, error);
}
}  // namespace

bool ReadTiff(ByteView file, Dib& out, std::string& error) {
  PictureSource source(file);
  return ReadTiffFrom(source, out, error);
}

bool ReadTiffFrom(PictureSource& file, Dib& out, std::string& error) {
  out = Dib{};
  error.clear();
  uint8_t start[2] = {};
  if (file.size() < 8 || file.read(0, start, 2) < 2 ||
      !((start[0] == 'I' && start[1] == 'I') || (start[0] == 'M' && start[1] == 'M'))) {
    error = Translate("TiffFormat", "this is not a TIFF file");
    return false;
  }
  if (PaletteWithoutColourMap(file, start[0] == 'I')) {
    error = Translate("TiffFormat", "the colour map is missing");
    return false;
  }
  TiffMemoryFile f;
  f.in = &file;
  TIFF* tif = OpenTiffMemory(f, "r");
  if (!tif) {
    error = TiffReason(f, Translate("TiffFormat", "the TIFF header is damaged").c_str());
    return false;
  }
  bool ok = false;
  try {
    ok = Decode(tif, size_t(file.size()), out, error);
    if (ok && f.damaged)
      ok = false,
      error = TiffReason(f, Translate("TiffFormat", "the TIFF data is damaged").c_str());
  } catch (const std::bad_alloc&) {
    error = Translate("TiffFormat", "there is not enough memory for the picture");
  }
  TIFFClose(tif);
  if (!ok) {
    FreeDib(out);
    if (error.empty())
      error = TiffReason(f, Translate("TiffFormat", "the TIFF data is damaged").c_str());
  }
  return ok;
}

bool WriteTiffTo(const Dib& dib, ByteSink& out, std::string& error) {
  out.clear();
  error.clear();
  if (!dib.Bits || !dib.Info) {
    error = Translate("TiffFormat", "there is no picture to save");
    return false;
  }
  const int bits = DibBitCount(dib);
  const uint32_t w = uint32_t(DibWidth(dib)), h = uint32_t(DibHeight(dib));
  const bool grey = HasGreyColors(dib);
  TiffMemoryFile f;
  if (out.inMemory()) {
    out.held().reserve(size_t(DibStride(int32_t(w), bits)) * h + 65536);  // no regrowth
    f.out = &out.held();
  } else {
    f.sink = &out;  // the library goes back to the header at the end: a patch
  }
  TIFF* tif = OpenTiffMemory(f, "w");
  if (!tif) {
    error = Translate("TiffFormat", "the TIFF file could not be started");
    return false;
  }
  bool ok = true;
  try {
    TIFFSetField(tif, TIFFTAG_IMAGEWIDTH, w);
    TIFFSetField(tif, TIFFTAG_IMAGELENGTH, h);
    TIFFSetField(tif, TIFFTAG_BITSPERSAMPLE, uint16_t(bits == 24 ? 8 : bits));
    TIFFSetField(tif, TIFFTAG_SAMPLESPERPIXEL, uint16_t(bits == 24 ? 3 : 1));
    TIFFSetField(tif, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG);
    // Uncompressed, as most programs write TIFF by default: the fastest to save and to open.
    TIFFSetField(tif, TIFFTAG_COMPRESSION, COMPRESSION_NONE);
    TIFFSetField(tif, TIFFTAG_ORIENTATION, ORIENTATION_TOPLEFT);
    TIFFSetField(tif, TIFFTAG_PHOTOMETRIC,
                 bits == 24 ? PHOTOMETRIC_RGB
                 : grey     ? PHOTOMETRIC_MINISBLACK
                            : PHOTOMETRIC_PALETTE);
    TIFFSetField(tif, TIFFTAG_ROWSPERSTRIP, TIFFDefaultStripSize(tif, 0));
    if (bits != 24 && !grey) {
      const int count = PaletteEntryCount(bits);
      std::vector<uint16_t> r(static_cast<size_t>(count)), g(r), b(r);
      for (int i = 0; i < count; ++i) {
        const RGBQUAD& q = dib.Info->bmiColors[i];
        r[size_t(i)] = uint16_t(q.rgbRed * 257), g[size_t(i)] = uint16_t(q.rgbGreen * 257);
        b[size_t(i)] = uint16_t(q.rgbBlue * 257);
      }
      TIFFSetField(tif, TIFFTAG_COLORMAP, r.data(), g.data(), b.data());
    }
    std::vector<uint8_t> line(size_t(DibStride(int32_t(w), bits)));
    RowReporter progress(h);
    for (uint32_t y = 0; ok && y < h; ++y) {
      progress.row(y);
      const uint8_t* src = DibRow(dib, int32_t(y));
      if (bits == 24) {
        SwapRedBlue(src, line.data(), w);
      } else {
        std::memcpy(line.data(), src, line.size());
      }
      ok = TIFFWriteScanline(tif, line.data(), y, 0) >= 0;
    }
  } catch (const std::bad_alloc&) {
    ok = false;
  }
  if (ok) ok = TIFFFlush(tif) != 0;
  TIFFClose(tif);
  if (!ok) {
    out.clear();
    error =
        TiffReason(f, Translate("TiffFormat", "the picture could not be written as TIFF").c_str());
  }
  return ok;
}
