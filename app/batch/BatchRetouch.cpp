#include "app/batch/BatchRetouch.h"

#include <charconv>

#include "platform/Translate.h"
#include "platform/codecs/PictureFile.h"
#include "retouch/BrightnessContrast.h"
#include "retouch/Crop.h"
#include "retouch/DepthPromotion.h"
#include "retouch/MirrorTurn.h"
#include "retouch/effects/ApplyEffect.h"

namespace {
bool ParseInt(const std::string& text, int lo, int hi, int& value) {
  const char* end = text.data() + text.size();
  const auto r = std::from_chars(text.data(), end, value);
  return r.ec == std::errc() && r.ptr == end && value >= lo && value <= hi;
}

bool ParseCrop(const std::string& text, RetouchStep& step) {
  size_t start = 0;
  for (int i = 0; i < 4; ++i) {
    const size_t comma = i < 3 ? text.find(',', start) : text.size();
    if (comma == std::string::npos) return false;
    if (!ParseInt(text.substr(start, comma - start), i < 2 ? 0 : 1, kMaxDibSide, step.values[i]))
      return false;
    start = comma + 1;
  }
  return true;
}

bool Promoted(Dib& dib) {
  if (DibColorCount(dib) <= 256) PromoteDepth(dib, 24);
  return DibColorCount(dib) > 256;
}
}  // namespace

bool ParseRetouchSteps(const Args& options, std::vector<RetouchStep>& steps, std::string& error) {
  for (size_t i = 0; i < options.size(); ++i) {
    const std::string& o = options[i];
    if (o == "--depth24") {
      steps.push_back({RetouchStep::Depth24});
      continue;
    }
    if (o != "--crop" && o != "--turn" && o != "--mirror" && o != "--brightness" &&
        o != "--contrast" && o != "--effect") {
      error = Translate("BatchRetouch", "unknown option '") + o + "'";
      return false;
    }
    if (i + 1 == options.size()) {
      error = o + Translate("BatchRetouch", " needs a value");
      return false;
    }
    const std::string& v = options[++i];
    RetouchStep s{RetouchStep::Crop};
    bool ok = true;
    if (o == "--crop") {
      ok = ParseCrop(v, s);
    } else if (o == "--turn") {
      ok = v == "left" || v == "right";
      s.kind = v == "left" ? RetouchStep::TurnLeft : RetouchStep::TurnRight;
    } else if (o == "--mirror") {
      ok = v == "h" || v == "v";
      s.kind = v == "h" ? RetouchStep::Mirror : RetouchStep::MirrorVertical;
    } else if (o == "--brightness") {
      s.kind = RetouchStep::Brightness;
      ok = ParseInt(v, -127, 127, s.values[0]);
    } else if (o == "--contrast") {
      s.kind = RetouchStep::Contrast;
      ok = ParseInt(v, 0, 200, s.values[0]);
    } else {
      s.kind = RetouchStep::Effect;
      s.values[0] = FindEffect(v);
      ok = s.values[0] >= 0;
    }
    if (!ok) {
      error =
          Translate("BatchRetouch", "bad value '") + v + Translate("BatchRetouch", "' for ") + o +
          (o == "--crop"         ? Translate("BatchRetouch", " (X,Y,W,H with W and H at least 1)")
           : o == "--turn"       ? Translate("BatchRetouch", " (left or right)")
           : o == "--mirror"     ? Translate("BatchRetouch", " (h or v)")
           : o == "--brightness" ? Translate("BatchRetouch", " (-127 to 127)")
           : o == "--contrast"   ? Translate("BatchRetouch", " (0 to 200)")
                               : Translate("BatchRetouch", " (an effect name such as \"Soften\")"));
      return false;
    }
    steps.push_back(s);
  }
  return true;
}

bool ApplyRetouchSteps(Dib& dib, const std::vector<RetouchStep>& steps, std::string& error) {
  SelectionBox sel;
  for (const RetouchStep& s : steps) {
    bool ok = true;
    switch (s.kind) {
      case RetouchStep::Crop: {
        const int x = s.values[0], y = s.values[1], w = s.values[2], h = s.values[3];
        if (x > DibWidth(dib) - w || y > DibHeight(dib) - h) {
          error = Translate("BatchRetouch", "the crop area lies outside the picture of ") +
                  std::to_string(DibWidth(dib)) + " x " + std::to_string(DibHeight(dib)) +
                  " pixels";
          return false;
        }
        Dib result;
        ok = CropDib(dib, x, y, w, h, result, OldPixels::GivenBack);
        if (ok) {
          FreeDib(dib);
          dib = result;
        }
        break;
      }
      case RetouchStep::TurnLeft:
        ok = TurnDibLeft(dib, sel.ref(), OldPixels::GivenBack);
        break;
      case RetouchStep::TurnRight:
        ok = TurnDibRight(dib, sel.ref(), OldPixels::GivenBack);
        break;
      case RetouchStep::Mirror:
        ok = MirrorDib(dib);
        break;
      case RetouchStep::MirrorVertical:
        ok = MirrorDibVertical(dib);
        break;
      case RetouchStep::Brightness:
        ChangeBrightness(dib, s.values[0]);
        break;
      case RetouchStep::Contrast:
        ChangeContrast(dib, s.values[0]);
        break;
      case RetouchStep::Depth24:
      case RetouchStep::Effect:
        if (!Promoted(dib)) {
          error = Translate("BatchRetouch", "Can not change number of colors");
          return false;
        }
        if (s.kind == RetouchStep::Effect) {
          if (s.values[0] < 0 || s.values[0] >= kEffectCount) {
            error = Translate("BatchRetouch", "unknown effect");
            return false;
          }
          ok = ApplyFilter(dib, kEffectFilters[s.values[0]]);
        }
        break;
    }
    if (!ok) {
      error = Translate("BatchRetouch", "not enough memory");
      return false;
    }
  }
  return true;
}

int BatchRetouch(const Args& args) {
  if (args.size() < 2)
    return Fail(kExitUsage, Translate("BatchRetouch", "retouch needs an input and an output file"));
  std::vector<RetouchStep> steps;
  std::string error;
  if (!ParseRetouchSteps(Args(args.begin() + 2, args.end()), steps, error))
    return Fail(kExitUsage, error);
  // The picture file's format follows the output name's extension.
  const int code = SaveCodeForExtension(args[1]);
  if (code == 0)
    return Fail(kExitUsage, Translate("BatchRetouch", "unknown picture format of ") + args[1]);
  Dib dib;
  if (!LoadPictureFile(dib, args[0], error)) return Fail(kExitFailure, args[0] + ": " + error);
  const bool done = ApplyRetouchSteps(dib, steps, error);
  const bool saved = done && SavePictureFileConsuming(dib, args[1], code, error);
  FreeDib(dib);
  if (!done || !saved) return Fail(kExitFailure, error);
  return 0;
}
