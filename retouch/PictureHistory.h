#pragma once
// The picture's part of the undo history. Turns and mirrors are undone by the opposite
// operation and keep only the picture's header; every other change keeps the old picture,
// and undo and redo exchange it with the document's.
#include <string>

#include "platform/History.h"
#include "platform/dib/Dib.h"

enum class PictureOp { Replace, TurnLeft, TurnRight, Mirror, MirrorVertical };

// Made before a command changes `dib`, committed after it succeeded; a null history keeps
// nothing. A picture larger than the history's budget, or a copy that finds no memory, is not
// kept: the history is emptied and says that the step cannot be undone.
class PictureEdit {
 public:
  PictureEdit(History* history, Dib& dib, PictureOp op);
  ~PictureEdit();  // without commit: no step, the copy is freed
  PictureEdit(const PictureEdit&) = delete;
  PictureEdit& operator=(const PictureEdit&) = delete;

  // Records the change (none when the picture is as before) and makes the step `what`.
  void commit(const std::string& what);

 private:
  History* history_;
  Dib& dib_;
  PictureOp op_;
  bool byOperation_ = false;  // undone by the opposite operation
  Dib before_;
  BITMAPINFO info_;  // the header and colours before, for byOperation_
  LOGPALETTE256 logPal_;
  uint8_t hasPalette_ = 0;
  bool done_ = false;
  bool unkept_ = false;  // no copy could be kept: known to the history only when committed
};

// A scan or an opened picture replaces `dib` whole: the old picture goes to the history (within
// its budget) instead of being copied, and `dib` is left empty for the new one.
void KeepReplacedPicture(History* history, Dib& dib);

// Memory of a picture: header with colour table and pixel rows.
size_t PictureBytes(const Dib& dib);
// Byte for byte equal: header, colour table, LogPal, palette flag and every pixel row.
bool SamePicture(const Dib& a, const Dib& b);
// True when row padding and the unused bits at the end of each row are zero, which the
// operations write and so give back.
bool PaddingIsZero(const Dib& dib);
