#pragma once
// Opening and saving picture files of every supported format, as the program's windows and
// batch commands use them.
#include <cstdint>
#include <string>

#include "platform/codecs/PictureCodecs.h"
#include "platform/dib/Dib.h"

// Filter of the picture-open dialog: all pictures, the twelve single types, all files.
extern const char* const kPictureOpenFilter;
// Largest picture file read into memory.
constexpr uint64_t kMaxPictureFileBytes = uint64_t(1) << 30;

enum class PictureFormat { Unknown, Bmp, Gif, Iff, Jpeg, Pcx, Tga, Tiff, Png };

// The format named by the file's first bytes, or Unknown.
PictureFormat FormatFromContents(ByteView file);
// The format named by a file name's extension (any case), or Unknown.
PictureFormat FormatFromExtension(const std::string& fileName);

// Reads a picture file without showing anything; says why on failure (out left empty).
bool LoadPictureFile(Dib& out, const std::string& fileName, std::string& error);
// Decodes a picture held in memory (a file's bytes, or a picture embedded in another file); the
// contents decide the format, `byName` is tried second. False with a reason, `out` left empty.
bool ReadPictureBytes(ByteView bytes, PictureFormat byName, Dib& out, std::string& error);
// Writes a picture in the format of a save code (see SaveDib) through a temporary file in the
// same folder, renamed over `fileName` only when complete.
bool SavePictureFile(const Dib& dib, const std::string& fileName, int formatCode,
                     std::string& error);
// The same for a picture not needed afterwards, whose memory the writer may use: a 24-bit
// picture saved as RLE is reduced into its own rows, without an 8-bit copy. `dib` is left
// unusable (free it).
bool SavePictureFileConsuming(Dib& dib, const std::string& fileName, int formatCode,
                              std::string& error);

// Loads a picture file; on failure shows the "Error" box naming the file and leaves Bits null.
void OpenDib(Dib& out, const std::string& fileName);
// Saves in the format of `formatCode` = 2 + the 1-based index in PictureSaveFilter's list
// (3 bmp, 4 dib, 5 gif, 6 iff, 7 jif, 8 jpg, 9 lbm, 10 pcx, 11 rle, 12 tga, 13 tif, 14 png).
// Shows the "Error" box when it fails.
bool SaveDib(const Dib& dib, const std::string& fileName, int formatCode);
// Filter of the save dialog: the formats in the order of their codes.
const char* PictureSaveFilter();
// Default extension (with the dot) of a 1-based save filter index; empty when there is none.
std::string SaveFormatExtension(int filterIndex);
// Save code for a file name's extension (any case), or 0 when it is not a picture format.
int SaveCodeForExtension(const std::string& fileName);
