#include "app/batch/ProgramVersion.h"

// Both are set by the build; the revision is empty when the sources were not a git checkout.
#ifndef QUENDRIX_VERSION
#define QUENDRIX_VERSION "1.1"
#endif
#ifndef QUENDRIX_REVISION
#define QUENDRIX_REVISION ""
#endif

std::string ProgramVersionLine() {
  std::string line = "Quendrix " QUENDRIX_VERSION;
  const std::string revision = QUENDRIX_REVISION;
  if (!revision.empty()) line += " (revision " + revision + ")";
  return line;
}
