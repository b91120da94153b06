#pragma once
// The cover document file (.cov): a 61-byte header, one record per occupied object slot, the
// end value 10001, then the picture (HeaderSize, ColorCount, BITMAPINFO, rows bottom-up).
#include <cstdint>
#include <string>
#include <vector>

#include "app/DesignParts.h"
#include "app/Document.h"
#include "app/coverfile/ByteSource.h"
#include "cover/text/TextLines.h"
#include "platform/dialogs/Dialogs.h"

inline constexpr char kCoverSignature[] = "TAVIRON Brandivelquorsimatellione 1.0";
constexpr size_t kCoverSignatureSize = sizeof kCoverSignature - 1;
constexpr size_t kCoverHeaderSize = kCoverSignatureSize + 4 + 4 + 8 + 8;
constexpr int32_t kCoverEndOfObjects = 10001;
// Longest object text and font name a file may hold, so that reading stays bounded.
// The editor's dialogs stop at the same limits.
constexpr size_t kMaxCoverTextBytes = kMaxObjectTextBytes;
// The picture depths a cover file stores; the reader refuses any other, so the writer does too.
constexpr bool CoverBitCountAllowed(int bits) {
  return bits == 1 || bits == 4 || bits == 8 || bits == 24;
}
constexpr size_t kMaxCoverFontNameBytes = kMaxFontNameBytes;

enum class CoverError {
  None,
  NotCover,
  Damaged,
  PictureTooLarge,
  NoMemory,
  DamagedExtension,
  PictureHeader,      // the picture's header is not the 40-byte one
  PictureCompressed,  // the picture's rows are not stored plain
  ViewTooLarge,       // the page at its zoom is larger than a view can be
  DamagedPictures,    // the picture objects' block; CoverContents::why says how
  DamagedParts,       // the design parts' block; CoverContents::why says how
};
// The largest side of the Texts view a page and its zoom may make (the largest widget).
constexpr double kMaxCoverViewSide = (1 << 24) - 1;

// A cover file's content, read and checked but not yet part of a document.
struct CoverContents {
  struct Object {
    int32_t slot = 0;
    CoverObject object;
  };
  CoverContents() = default;
  ~CoverContents() { FreeDib(picture); }
  CoverContents(const CoverContents&) = delete;
  CoverContents& operator=(const CoverContents&) = delete;

  int32_t pageWidth = 0, pageHeight = 0;
  double viewZoom = 1.0, viewScale = 1.0;
  std::vector<Object> objects;                              // in increasing slot order
  std::vector<std::pair<int32_t, TextLayout>> layouts;      // curved texts, by slot, from the tail
  std::vector<std::pair<int32_t, PlacedPicture>> pictures;  // picture objects, by slot
  std::vector<DesignPart> parts;  // all parts, the first without bytes; empty for one part
  bool inPart = false;            // reading a part of a design, which holds no parts itself
  std::string why;                // what is wrong with a damaged block, for the message
  Dib picture;                    // owned until CommitCover takes it
};

// Reads and checks a whole cover file; the rows report progress. Nothing outside `out` changes.
CoverError ParseCover(ByteSource& source, CoverContents& out);
CoverError ParseCoverFile(ByteSpan bytes, CoverContents& out);
// Replaces picture, selection, objects, page size, scales and parts of `doc` (the first part
// current); takes the picture.
void CommitCover(Document& doc, CoverContents& contents);

// Everything of the file in front of the picture rows.
std::vector<uint8_t> CoverFileHead(const Document& doc);
// The blocks after the picture rows (curved texts); empty when the design needs none.
std::vector<uint8_t> CoverFileTail(const Document& doc);
// The current part alone as a whole one-part file.
std::vector<uint8_t> CoverFileBytes(const Document& doc);
// Reads the blocks after the picture rows: known ones checked, unknown tags skipped.
CoverError ParseCoverTail(ByteSource& source, CoverContents& out);
// Size of the whole file SaveFile writes for `doc`.
uint64_t CoverFileSize(const Document& doc);

// Why the document cannot be saved so that it opens again (a page size of 0, a text or font
// name over its limit or holding a zero byte, a picture the reader refuses); empty when it can.
std::string CoverSaveFault(const Document& doc);
// Writes the document to `name` through a temporary file. On failure shows "The file <name>
// could not be created!" and leaves the old file, the document and savedFileName unchanged.
bool SaveFile(Document& doc, const std::string& name);
// Replaces the document by the file's content and sets savedFileName. On any fault shows an
// "Error" message and leaves the document unchanged.
bool OpenFile(Document& doc, const std::string& name);
// True when the file begins with the cover signature (a dropped file is a design or a picture).
bool StartsLikeCoverFile(const std::string& name);
// The start document: white picture, no objects, no file; page size and scales stay.
void NewDocument(Document& doc);

// The file name without its folder.
std::string BaseFileName(const std::string& path);
// The "Error" message for a reader fault on the file `name` (`why`: the damage found).
std::string CoverErrorText(CoverError error, const std::string& name, const std::string& why = {});
