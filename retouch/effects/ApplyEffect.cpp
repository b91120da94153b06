#include "retouch/effects/ApplyEffect.h"

#include <cstdlib>
#include <cstring>

#include "platform/LongWork.h"
#include "platform/Progress.h"
#include "platform/Translate.h"
#include "platform/dialogs/Dialogs.h"
#include "retouch/DepthPromotion.h"
#include "retouch/effects/FilterFast.h"

namespace {
bool TrueColour(const Dib& dib) {
  return dib.Bits && DibColorCount(dib) > 256 && DibBitCount(dib) == 24;
}

// The untouched pixel rows (width x 3 bytes each), kept for the answer No.
struct Backup {
  uint8_t* bytes = nullptr;
  explicit Backup(const Dib& dib)
      : bytes(static_cast<uint8_t*>(
            std::malloc(size_t(DibWidth(dib)) * 3 * size_t(DibHeight(dib))))) {}
  ~Backup() { std::free(bytes); }
  Backup(const Backup&) = delete;
  Backup& operator=(const Backup&) = delete;
  void restore(Dib& dib) const {
    const int32_t h = DibHeight(dib);
    const size_t n = size_t(DibWidth(dib)) * 3;
    for (int32_t y = 0; y < h; ++y) {
      ReportProgress(RowPercent(y, h));
      std::memcpy(DibRow(dib, y), bytes + n * size_t(y), n);
    }
  }
};
}  // namespace

bool ApplyFilter(Dib& dib, const EffectFilter& f) {
  RowProgress progress(DibHeight(dib));
  return TrueColour(dib) && FilterInPlace(dib, f);
}

FilterOutcome FilterWithConfirmation(Dib& dib, const EffectFilter& f,
                                     const std::function<void()>& showResult) {
  RowProgress progress(DibHeight(dib));
  if (!TrueColour(dib)) return FilterOutcome::NotTrueColour;
  Backup backup(dib);
  bool filtered = false;
  if (backup.bytes)
    RunLongWork(size_t(dib.BytesPerLine) * size_t(DibHeight(dib)),
                [&] { filtered = FilterInPlace(dib, f, backup.bytes); });
  if (!filtered) {
    ShowError(Translate("ApplyEffect", "Not enough memory"));
    return FilterOutcome::NoMemory;
  }
  ReportProgress(0);
  if (showResult) showResult();
  const MsgResult answer = CurrentDialogs().messageBox(
      Translate("ApplyEffect", "Do you want to maintain the result="),
      Translate("ApplyEffect", "Is the result okay?"), MsgButtons::YesNo, MsgIcon::Question);
  if (answer != MsgResult::No) return FilterOutcome::Kept;
  backup.restore(dib);
  return FilterOutcome::Restored;
}

bool PromoteForEffect(Dib& dib) {
  if (DibColorCount(dib) > 256) return true;
  const MsgResult answer = CurrentDialogs().messageBox(
      Translate("ApplyEffect", "The number of colors have to be changed to 16,7 million."),
      Translate("ApplyEffect", "Change the number of colors?"), MsgButtons::YesNo,
      MsgIcon::Question);
  if (answer != MsgResult::Yes) return false;
  PromoteDepth(dib, 24);
  if (DibColorCount(dib) > 256) return true;
  ShowError(Translate("ApplyEffect", "Can not change number of colors"));
  return false;
}

bool applyEffect(Dib& dib, int index, const std::function<void()>& repaint) {
  if (index < 0 || index >= kEffectCount || !dib.Bits) return false;
  if (!PromoteForEffect(dib)) return false;
  FilterWithConfirmation(dib, kEffectFilters[index], repaint);
  if (repaint) repaint();
  return true;
}
