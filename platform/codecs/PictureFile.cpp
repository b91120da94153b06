#include "platform/codecs/PictureFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <functional>
#include <memory>
#include <new>
#include <vector>

#include "platform/AnsiText.h"
#include "platform/Progress.h"
#include "platform/RegularFile.h"
#include "platform/ReplacingFile.h"
#include "platform/Translate.h"
#include "platform/codecs/BmpDirect.h"
#include "platform/dialogs/Dialogs.h"

const char* const kPictureOpenFilter = QT_TRANSLATE_NOOP(
    "PictureFile",
    "All pictures|*.BMP;*.DIB;*.GIF;*.IFF;*.JIF;*.JPG;*.LBM;*.PCX;*.RLE;*.TGA;*.TIF;*.PNG|"
    "BMP - Windows, OS/2 Bitmap|*.BMP|DIB - Windows, OS/2 DIB|*.DIB|"
    "GIF - CompuServe Graphics Interchange|*.GIF|IFF - Amiga|*.IFF|"
    "JIF - JPEG - JFIF Compilant|*.JIF|JPG - JPEG - JFIF Compilant|*.JPG|"
    "LBM - Deluxe Paint|*.LBM|PCX - ZSoft Paintbrush|*.PCX|RLE - Windows RLE|*.RLE|"
    "TGA - Truevision Targa|*.TGA|TIF - Tagged image file Format|*.TIF|"
    "PNG - Portable Graphics Network|*.PNG|All files (*.*)|*.*");

namespace {
const char* const kSaveFilter = QT_TRANSLATE_NOOP(
    "PictureFile",
    "BMP - Windows, OS/2 Bitmap|*.BMP|DIB - Windows, OS/2 DIB|*.DIB|"
    "GIF - CompuServe Graphics Interchange|*.GIF|IFF - Amiga|*.IFF|"
    "JIF - JPEG - JFIF Compilant|*.JIF|JPG - JPEG - JFIF Compilant|*.JPG|"
    "LBM - Deluxe Paint|*.LBM|PCX - ZSoft Paintbrush|*.PCX|RLE - Windows RLE|*.RLE|"
    "TGA - Truevision Targa|*.TGA|TIF - Tagged image file Format|*.TIF|"
    "PNG - Portable Graphics Network|*.PNG");

// Save formats in the order of the save filter; code = 2 + 1-based index.
struct SaveFormat {
  const char* extension;
  PictureStreamWriter write;
};
const SaveFormat kSaveFormats[] = {
    {".bmp", WriteBmpTo},  {".dib", WriteBmpTo},  {".gif", WriteGifTo},  {".iff", WriteIffTo},
    {".jif", WriteJpegTo}, {".jpg", WriteJpegTo}, {".lbm", WriteIffTo},  {".pcx", WritePcxTo},
    {".rle", WriteRleTo},  {".tga", WriteTgaTo},  {".tif", WriteTiffTo}, {".png", WritePngTo},
};
constexpr int kSaveFormatCount = int(sizeof kSaveFormats / sizeof kSaveFormats[0]);

PictureReader ReaderFor(PictureFormat format) {
  switch (format) {
    case PictureFormat::Bmp:
      return ReadBmp;
    case PictureFormat::Gif:
      return ReadGif;
    case PictureFormat::Iff:
      return ReadIff;
    case PictureFormat::Jpeg:
      return ReadJpeg;
    case PictureFormat::Pcx:
      return ReadPcx;
    case PictureFormat::Tga:
      return ReadTga;
    case PictureFormat::Tiff:
      return ReadTiff;
    case PictureFormat::Png:
      return ReadPng;
    default:
      return nullptr;
  }
}

// Readers that take their bytes from a source as they go; the others read the bytes whole.
bool ReadFromSource(PictureFormat format, PictureSource& source, Dib& out, std::string& error) {
  switch (format) {
    case PictureFormat::Jpeg:
      return ReadJpegFrom(source, out, error);
    case PictureFormat::Png:
      return ReadPngFrom(source, out, error);
    case PictureFormat::Tiff:
      return ReadTiffFrom(source, out, error);
    case PictureFormat::Iff:
      return ReadIffFrom(source, out, error);
    default: {
      ByteView whole;
      return source.whole(whole, error) && ReaderFor(format)(whole, out, error);
    }
  }
}

// The contents decide; the extension names a second candidate (formats without a signature,
// or a signature that happens to match by chance).
bool ReadPictureSource(PictureSource& source, PictureFormat byName, Dib& out, std::string& error) {
  out = Dib{};
  error.clear();
  if (source.size() == 0) return error = Translate("PictureFile", "the file is empty"), false;
  uint8_t head[128];
  const PictureFormat byContents =
      FormatFromContents(ByteView{head, source.read(0, head, sizeof head)});
  const PictureFormat candidates[2] = {
      byContents != PictureFormat::Unknown ? byContents : byName,
      byContents != PictureFormat::Unknown ? byName : PictureFormat::Unknown};
  if (!ReaderFor(candidates[0]))
    return error = Translate("PictureFile", "the file is not a picture of a known format"), false;
  for (int i = 0; i < 2; ++i) {
    if (!ReaderFor(candidates[i]) || (i == 1 && candidates[1] == candidates[0])) continue;
    std::string why;
    try {
      if (ReadFromSource(candidates[i], source, out, why)) return error.clear(), true;
    } catch (const std::exception&) {
      why = Translate("PictureFile", "there is not enough memory for the picture");
    }
    FreeDib(out);
    if (source.readError()) why = FileErrorText(source.readError());
    if (i == 0) error = why.empty() ? Translate("PictureFile", "the picture is damaged") : why;
  }
  return false;
}

}  // namespace

PictureFormat FormatFromContents(ByteView f) {
  const uint8_t* d = f.data;
  if (f.size >= 2 && d[0] == 'B' && d[1] == 'M') return PictureFormat::Bmp;
  if (f.size >= 3 && d[0] == 0xFF && d[1] == 0xD8 && d[2] == 0xFF) return PictureFormat::Jpeg;
  if (f.size >= 8 && std::memcmp(d, "\x89PNG\r\n\x1a\n", 8) == 0) return PictureFormat::Png;
  if (f.size >= 4 && (std::memcmp(d, "II*\0", 4) == 0 || std::memcmp(d, "MM\0*", 4) == 0 ||
                      std::memcmp(d, "II+\0", 4) == 0 || std::memcmp(d, "MM\0+", 4) == 0))
    return PictureFormat::Tiff;
  if (f.size >= 6 && (std::memcmp(d, "GIF87a", 6) == 0 || std::memcmp(d, "GIF89a", 6) == 0))
    return PictureFormat::Gif;
  if (f.size >= 12 && std::memcmp(d, "FORM", 4) == 0 &&
      (std::memcmp(d + 8, "ILBM", 4) == 0 || std::memcmp(d + 8, "PBM ", 4) == 0))
    return PictureFormat::Iff;
  if (f.size >= 128 && d[0] == 0x0A && d[1] <= 5 && d[2] <= 1 &&
      (d[3] == 1 || d[3] == 2 || d[3] == 4 || d[3] == 8))
    return PictureFormat::Pcx;
  return PictureFormat::Unknown;
}

PictureFormat FormatFromExtension(const std::string& fileName) {
  const std::string ext = LowerExtension(fileName);
  if (ext == ".bmp" || ext == ".dib" || ext == ".rle") return PictureFormat::Bmp;
  if (ext == ".gif") return PictureFormat::Gif;
  if (ext == ".iff" || ext == ".lbm") return PictureFormat::Iff;
  if (ext == ".jpg" || ext == ".jif" || ext == ".jpeg" || ext == ".jfif")
    return PictureFormat::Jpeg;
  if (ext == ".pcx") return PictureFormat::Pcx;
  if (ext == ".tga") return PictureFormat::Tga;
  if (ext == ".tif" || ext == ".tiff") return PictureFormat::Tiff;
  if (ext == ".png") return PictureFormat::Png;
  return PictureFormat::Unknown;
}

namespace {
// Progress is 0 before reading or writing starts and again when it ends, whatever the outcome.
struct ProgressSpan {
  ProgressSpan() { ReportProgress(0); }
  ~ProgressSpan() { ReportProgress(0); }
  ProgressSpan(const ProgressSpan&) = delete;
  ProgressSpan& operator=(const ProgressSpan&) = delete;
};
}  // namespace

bool LoadPictureFile(Dib& out, const std::string& fileName, std::string& error) {
  const ProgressSpan progress;
  out = Dib{};
  error.clear();
  switch (ReadPlainBmp(fileName, out, error)) {
    case DirectRead::Done:
      return true;
    case DirectRead::Failed:
      return false;
    case DirectRead::NotApplicable:
      break;
  }
  const int fd = OpenRegularFile(fileName);
  if (fd < 0) return error = FileErrorText(errno), false;
  struct stat st {};
  bool ok = ::fstat(fd, &st) == 0;
  if (!ok) {
    error = FileErrorText(errno);
  } else if (uint64_t(st.st_size) > kMaxPictureFileBytes) {
    ok = false, error = Translate("PictureFile", "the file is too large");
  } else {
    PictureSource source(fd, uint64_t(st.st_size));
    ok = ReadPictureSource(source, FormatFromExtension(fileName), out, error);
  }
  ::close(fd);
  return ok;
}

bool ReadPictureBytes(ByteView view, PictureFormat byName, Dib& out, std::string& error) {
  PictureSource source(view);
  return ReadPictureSource(source, byName, out, error);
}

namespace {
bool SaveWith(const Dib& dib, const std::string& fileName, int formatCode, std::string& error,
              const std::function<bool(ByteSink&, std::string&)>& write) {
  const ProgressSpan progress;
  error.clear();
  const int index = formatCode - 3;
  if (index < 0 || index >= kSaveFormatCount)
    return error = Translate("PictureFile", "the file format is unknown"), false;
  if (!dib.Bits || !dib.Info)
    return error = Translate("PictureFile", "there is no picture to save"), false;
  // The bytes go to the file as they are made; the old file stays until the new one is whole.
  ReplacingFile file(fileName);
  if (!file.open()) return error = FileErrorText(file.errorNumber()), false;
  ByteSink sink(
      [&file](const uint8_t* data, size_t n) { return file.write(data, n); },
      [&file](size_t at, const uint8_t* data, size_t n) { return file.writeAt(at, data, n); });
  try {
    if (!(write ? write(sink, error) : kSaveFormats[index].write(dib, sink, error))) {
      if (error.empty()) error = Translate("PictureFile", "the picture could not be encoded");
      return false;
    }
  } catch (const std::exception&) {
    return error = Translate("PictureFile", "there is not enough memory to save the picture"),
           false;
  }
  if (sink.finish() && file.commit()) return true;
  return error = FileErrorText(file.errorNumber()), false;
}
}  // namespace

bool SavePictureFile(const Dib& dib, const std::string& fileName, int formatCode,
                     std::string& error) {
  return SaveWith(dib, fileName, formatCode, error, {});
}

bool SavePictureFileConsuming(Dib& dib, const std::string& fileName, int formatCode,
                              std::string& error) {
  const int index = formatCode - 3;
  if (index < 0 || index >= kSaveFormatCount || kSaveFormats[index].write != WriteRleTo)
    return SavePictureFile(dib, fileName, formatCode, error);
  return SaveWith(dib, fileName, formatCode, error, [&dib](ByteSink& sink, std::string& why) {
    return WriteRleConsuming(dib, sink, why);
  });
}

void OpenDib(Dib& out, const std::string& fileName) {
  std::string error;
  if (!LoadPictureFile(out, fileName, error))
    ShowError(Translate("PictureFile", "The picture \"") + fileName +
              Translate("PictureFile", "\" could not be opened: ") + error + ".");
}

bool SaveDib(const Dib& dib, const std::string& fileName, int formatCode) {
  std::string error;
  if (SavePictureFile(dib, fileName, formatCode, error)) return true;
  ShowError(Translate("PictureFile", "The picture could not be saved as \"") + fileName +
            "\": " + error + ".");
  return false;
}

const char* PictureSaveFilter() {
  return kSaveFilter;
}

std::string SaveFormatExtension(int filterIndex) {
  if (filterIndex < 1 || filterIndex > kSaveFormatCount) return {};
  return kSaveFormats[filterIndex - 1].extension;
}

int SaveCodeForExtension(const std::string& fileName) {
  const std::string ext = LowerExtension(fileName);
  for (int i = 0; i < kSaveFormatCount; ++i)
    if (ext == kSaveFormats[i].extension) return i + 3;
  if (ext == ".jpeg") return 8;
  if (ext == ".tiff") return 13;
  return 0;
}
