#include "app/batch/BatchPlacePicture.h"

#include <charconv>
#include <cmath>

#include "app/coverfile/CoverFile.h"
#include "platform/Translate.h"

namespace {
bool ParseInt(const std::string& text, int lo, int hi, int& value, int base = 10) {
  const char* end = text.data() + text.size();
  const auto r = std::from_chars(text.data(), end, value, base);
  return !text.empty() && r.ec == std::errc() && r.ptr == end && value >= lo && value <= hi;
}

bool ParseBox(const std::string& text, int32_t (&box)[4]) {
  size_t start = 0;
  for (int i = 0; i < 4; ++i) {
    const size_t comma = i < 3 ? text.find(',', start) : text.size();
    if (comma == std::string::npos) return false;
    int v = 0;
    if (!ParseInt(text.substr(start, comma - start), i < 2 ? -kMaxDibSide : 1, kMaxDibSide, v))
      return false;
    box[i] = v;
    start = comma + 1;
  }
  return true;
}

// RRGGBB with an optional :TOLERANCE.
bool ParseKey(const std::string& text, PictureSettings& s) {
  const size_t colon = text.find(':');
  const std::string colour = text.substr(0, colon);
  int rgb = 0, tolerance = 0;
  if (colour.size() != 6 || !ParseInt(colour, 0, 0xFFFFFF, rgb, 16)) return false;
  if (colon != std::string::npos &&
      !ParseInt(text.substr(colon + 1), 0, PictureSettings::kMaxTolerance, tolerance))
    return false;
  s.keyed = true;
  s.key = uint32_t(rgb);
  s.tolerance = uint8_t(tolerance);
  return true;
}
}  // namespace

bool ParsePicturePlacement(const Args& options, PicturePlacement& p, std::string& error) {
  for (size_t i = 0; i < options.size(); ++i) {
    const std::string& o = options[i];
    if (o != "--box" && o != "--fit" && o != "--opacity" && o != "--transparent" && o != "--out") {
      error = FillIn(Translate("BatchPlacePicture", "unknown option '%1'"), {o});
      return false;
    }
    if (i + 1 == options.size()) {
      error = FillIn(Translate("BatchPlacePicture", "%1 needs a value"), {o});
      return false;
    }
    const std::string& v = options[++i];
    bool ok = true;
    if (o == "--box") {
      ok = p.boxGiven = ParseBox(v, p.box);
    } else if (o == "--fit") {
      ok = v == "contain" || v == "cover" || v == "stretch";
      p.settings.fit = v == "cover"     ? PictureFit::Cover
                       : v == "stretch" ? PictureFit::Stretch
                                        : PictureFit::Contain;
    } else if (o == "--opacity") {
      int percent = 0;
      ok = ParseInt(v, 0, 100, percent);
      p.settings.opacity = uint8_t(percent);
    } else if (o == "--transparent") {
      ok = ParseKey(v, p.settings);
    } else {
      ok = !v.empty();
      p.out = v;
    }
    if (!ok) {
      error = FillIn(Translate("BatchPlacePicture", "bad value '%1' for %2"), {v, o});
      return false;
    }
  }
  if (!p.boxGiven) error = Translate("BatchPlacePicture", "--box X,Y,W,H is needed");
  return p.boxGiven;
}

int RunPlacePicture(const Args& args) {
  if (args.size() < 2)
    return Fail(kExitUsage,
                Translate("BatchPlacePicture", "place-picture needs a design and a picture file"));
  PicturePlacement p;
  std::string error;
  if (!ParsePicturePlacement(Args(args.begin() + 2, args.end()), p, error))
    return Fail(kExitUsage, error);
  FileSource source(args[0]);
  if (!source.ok())
    return Fail(kExitFailure,
                args[0] + Translate("BatchPlacePicture", ": the file could not be opened"));
  CoverContents contents;
  const CoverError read = ParseCover(source, contents);
  if (read != CoverError::None)
    return Fail(kExitFailure, args[0] + ": " + CoverErrorText(read, args[0], contents.why));
  std::shared_ptr<const PicturePixels> pixels;
  if (!LoadObjectPicture(args[1], pixels, error)) return Fail(kExitFailure, args[1] + ": " + error);
  Document doc;
  CommitCover(doc, contents);
  // The table keeps document units: picture pixels times the base scale.
  const double unit = doc.scales.BaseScale;
  int32_t box[4];
  for (int i = 0; i < 4; ++i) {
    const double v = std::round(p.box[i] * unit);
    if (!(std::fabs(v) <= INT32_MAX))
      return Fail(kExitUsage, Translate("BatchPlacePicture", "the box lies too far out"));
    box[i] = int32_t(v);
  }
  if (doc.objects.createPicture(pixels, box[0], box[1], box[2], box[3], p.settings) == 0)
    return Fail(kExitFailure, Translate("BatchPlacePicture", "the design has no free object"));
  const std::string out = p.out.empty() ? args[0] : p.out;
  // SaveFile has said why it failed.
  return SaveFile(doc, out) ? 0 : kExitFailure;
}
