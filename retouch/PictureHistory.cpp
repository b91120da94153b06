#include "retouch/PictureHistory.h"

#include <cstring>
#include <utility>

#include "retouch/MirrorTurn.h"
#include "retouch/PictureCopy.h"

namespace {
// The header, colour table and palette entries that the operations rebuild from defaults.
struct PictureLook {
  BITMAPINFO info;
  LOGPALETTE256 logPal;
  uint8_t hasPalette = 0;
  static PictureLook of(const Dib& dib) { return {*dib.Info, dib.LogPal, dib.HasPalette}; }
  void applyTo(Dib& dib) const {
    *dib.Info = info;
    dib.LogPal = logPal;
    dib.HasPalette = hasPalette;
    if (dib.HasPalette) RecreatePalette(dib);
  }
};

bool Run(Dib& dib, PictureOp op) {
  SelectionBox unused;  // the selection is restored by its own part of the history
  switch (op) {
    case PictureOp::TurnLeft:
      return TurnDibLeft(dib, unused.ref());
    case PictureOp::TurnRight:
      return TurnDibRight(dib, unused.ref());
    case PictureOp::Mirror:
      return MirrorDib(dib);
    case PictureOp::MirrorVertical:
      return MirrorDibVertical(dib);
    case PictureOp::Replace:
      break;
  }
  return false;
}

PictureOp Opposite(PictureOp op) {
  if (op == PictureOp::TurnLeft) return PictureOp::TurnRight;
  if (op == PictureOp::TurnRight) return PictureOp::TurnLeft;
  return op;  // mirrors undo themselves
}

// Undone by the opposite operation; keeps no pixels.
class PictureOperationChange : public Change {
 public:
  PictureOperationChange(Dib& dib, PictureOp op, const PictureLook& before)
      : dib_(dib), op_(op), before_(before), after_(PictureLook::of(dib)) {}
  bool undo() override { return apply(Opposite(op_), before_); }
  bool redo() override { return apply(op_, after_); }
  size_t bytes() const override { return sizeof(*this); }

 private:
  bool apply(PictureOp op, const PictureLook& look) {
    if (!Run(dib_, op)) return false;
    look.applyTo(dib_);
    return true;
  }
  Dib& dib_;
  PictureOp op_;
  PictureLook before_, after_;
};

// Holds the other picture; undo and redo exchange it with the document's.
class PictureSwapChange : public Change {
 public:
  PictureSwapChange(Dib& dib, Dib& other) : dib_(dib), other_(std::exchange(other, Dib{})) {}
  ~PictureSwapChange() override { FreeDib(other_); }
  bool undo() override { return swap(); }
  bool redo() override { return swap(); }
  size_t bytes() const override { return sizeof(*this) + PictureBytes(other_); }

 private:
  bool swap() {
    std::swap(dib_, other_);
    return true;
  }
  Dib& dib_;
  Dib other_;
};
}  // namespace

size_t PictureBytes(const Dib& dib) {
  if (!dib.Bits || !dib.Info) return 0;
  const int64_t h = DibHeight(dib) < 0 ? -int64_t(DibHeight(dib)) : DibHeight(dib);
  return sizeof(BITMAPINFO) + size_t(dib.BytesPerLine) * size_t(h);
}

bool SamePicture(const Dib& a, const Dib& b) {
  if (!a.Info || !b.Info || !a.Bits || !b.Bits) return a.Bits == b.Bits && !a.Info == !b.Info;
  return std::memcmp(a.Info, b.Info, sizeof(BITMAPINFO)) == 0 &&
         std::memcmp(&a.LogPal, &b.LogPal, sizeof(LOGPALETTE256)) == 0 &&
         a.HasPalette == b.HasPalette && a.BytesPerLine == b.BytesPerLine &&
         std::memcmp(a.Bits, b.Bits, PictureBytes(a) - sizeof(BITMAPINFO)) == 0;
}

bool PaddingIsZero(const Dib& dib) {
  if (!dib.Bits) return false;
  const uint64_t bits = uint64_t(DibWidth(dib)) * DibBitCount(dib);
  const size_t used = size_t((bits + 7) / 8);
  const int spare = int(used * 8 - bits);  // unused low bits of the last used byte
  const uint8_t mask = uint8_t((1u << spare) - 1);
  for (int32_t y = 0; y < DibHeight(dib); ++y) {
    const uint8_t* row = DibRow(dib, y);
    if (used > 0 && (row[used - 1] & mask)) return false;
    for (size_t i = used; i < size_t(dib.BytesPerLine); ++i)
      if (row[i]) return false;
  }
  return true;
}

PictureEdit::PictureEdit(History* history, Dib& dib, PictureOp op)
    : history_(history), dib_(dib), op_(op) {
  if (!history_ || !dib_.Bits) return;
  if (op_ != PictureOp::Replace && PaddingIsZero(dib_)) {
    byOperation_ = true;
    info_ = *dib_.Info;
    logPal_ = dib_.LogPal;
    hasPalette_ = dib_.HasPalette;
    return;
  }
  // The history gives up older steps only once the operation succeeded (commit).
  if (PictureBytes(dib_) > history_->byteBudget() || !ExactCopy(dib_, before_)) {
    FreeDib(before_);
    unkept_ = true;
  }
}

PictureEdit::~PictureEdit() {
  FreeDib(before_);
  if (history_ && !done_) history_->discard();
}

void PictureEdit::commit(const std::string& what) {
  if (!history_ || done_) return;
  done_ = true;
  if (byOperation_)
    history_->record(std::make_unique<PictureOperationChange>(
        dib_, op_, PictureLook{info_, logPal_, hasPalette_}));
  else if (unkept_)
    history_->markUnkept();
  else if (before_.Bits && !SamePicture(before_, dib_) && history_->reserve(PictureBytes(before_)))
    history_->record(std::make_unique<PictureSwapChange>(dib_, before_));
  history_->commit(what);
}

void KeepReplacedPicture(History* history, Dib& dib) {
  if (!history || !dib.Bits || !history->reserve(PictureBytes(dib))) return;
  history->record(std::make_unique<PictureSwapChange>(dib, dib));
}
