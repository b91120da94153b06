#include "app/batch/BatchConvert.h"

#include <cstdio>

#include "platform/Translate.h"
#include "platform/codecs/PictureFile.h"

namespace {
bool ParseCode(const std::string& text, int& code) {
  if (text.empty() || text.size() > 3) return false;
  code = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    code = code * 10 + (c - '0');
  }
  return code >= 3 && code <= 14;
}
}  // namespace

int RunConvert(const Args& args) {
  std::vector<std::string> files;
  int code = 0;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--format") {
      if (i + 1 >= args.size() || !ParseCode(args[i + 1], code))
        return Fail(kExitUsage,
                    Translate("BatchConvert", "--format needs a code from 3 (bmp) to 14 (png)"));
      ++i;
    } else {
      files.push_back(args[i]);
    }
  }
  if (files.size() != 2)
    return Fail(kExitUsage,
                Translate("BatchConvert", "usage: quendrix convert IN OUT [--format CODE]"));
  if (code == 0) code = SaveCodeForExtension(files[1]);
  if (code == 0)
    return Fail(kExitUsage, Translate("BatchConvert", "cannot tell the format from the name ") +
                                files[1] + Translate("BatchConvert", "; add --format CODE"));
  Dib dib;
  std::string error;
  if (!LoadPictureFile(dib, files[0], error)) return Fail(kExitFailure, files[0] + ": " + error);
  const bool saved = SavePictureFileConsuming(dib, files[1], code, error);
  FreeDib(dib);
  if (!saved) return Fail(kExitFailure, files[1] + ": " + error);
  return 0;
}

int RunInfo(const Args& args) {
  if (args.size() != 1)
    return Fail(kExitUsage, Translate("BatchConvert", "usage: quendrix info FILE"));
  Dib dib;
  std::string error;
  if (!LoadPictureFile(dib, args[0], error)) return Fail(kExitFailure, args[0] + ": " + error);
  std::printf("%d %d %d\n", DibWidth(dib), DibHeight(dib), int(DibBitCount(dib)));
  FreeDib(dib);
  return 0;
}
