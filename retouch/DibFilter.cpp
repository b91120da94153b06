#include "retouch/DibFilter.h"

#include "platform/Dialogs.h"
#include "platform/Progress.h"
#include "retouch/DepthUp.h"
#include "retouch/FilterBorder.h"
#include "retouch/FilterFast.h"

namespace {
bool TrueColour(const TDib& dib) {
  return dib.Bits && DibColorCount(dib) > 256 && DibBitCount(dib) == 24;
}
}  // namespace

bool ApplyFilter(TDib& dib, const TFilterRec& f) {
  RowProgress progress(DibHeight(dib));
  if (!TrueColour(dib)) return false;
  TDib work;
  if (!MakeBorderedCopy(dib, work)) return false;
  FilterFast(work, f, dib);
  deldib(work);
  return true;
}

FilterOutcome DibFilter(TDib& dib, const TFilterRec& f, const std::function<void()>& showResult) {
  RowProgress progress(DibHeight(dib));
  if (!TrueColour(dib)) return FilterOutcome::NotTrueColour;
  TDib work;
  if (!MakeBorderedCopy(dib, work)) {
    ShowError("Not enough memory");
    return FilterOutcome::NoMemory;
  }
  FilterFast(work, f, dib);
  ReportProgress(0);
  if (showResult) showResult();
  const MsgResult answer = CurrentDialogs().messageBox(
      "Do you want to maintain the result=", "Is the result okay?", MsgButtons::YesNo, MsgIcon::Question);
  FilterOutcome outcome = FilterOutcome::Kept;
  if (answer == MsgResult::No) {
    RestoreFromBordered(work, dib);
    outcome = FilterOutcome::Restored;
  }
  deldib(work);
  return outcome;
}

bool EffektClick(TDib& dib, int index, const std::function<void()>& repaint) {
  if (index < 0 || index >= kEffectCount || !dib.Bits) return false;
  if (DibColorCount(dib) <= 256) {
    const MsgResult answer = CurrentDialogs().messageBox(
        "The number of colors have to be changed to 16,7 million.", "Change the number of colors?",
        MsgButtons::YesNo, MsgIcon::Question);
    if (answer != MsgResult::Yes) return false;
    DepthUpTo(dib, 24);
    if (DibColorCount(dib) <= 256) {
      ShowError("Can not change number of colors");
      return false;
    }
  }
  DibFilter(dib, EffektFilters[index], repaint);
  if (repaint) repaint();
  return true;
}
