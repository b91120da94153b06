#include "app/AlbumDesign.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "app/coverfile/CoverFile.h"
#include "cover/album/AlbumLayout.h"
#include "platform/Translate.h"
#include "platform/Units.h"
#include "platform/dib/Halftone.h"
#include "retouch/Crop.h"

namespace {
// Art of another shape than its part is cut to the part's shape around its centre, never
// stretched.
void CutToShape(Dib& picture, double aspect) {
  const int32_t w = DibWidth(picture), h = DibHeight(picture);
  if (w <= 0 || h <= 0 || !(aspect > 0)) return;
  int32_t cw = w, ch = h;
  if (double(w) / h > aspect)
    cw = std::clamp(int32_t(std::lround(h * aspect)), 1, w);
  else
    ch = std::clamp(int32_t(std::lround(w / aspect)), 1, h);
  Dib cut;
  if ((cw == w && ch == h) || !CropDib(picture, (w - cw) / 2, (h - ch) / 2, cw, ch, cut)) return;
  FreeDib(picture);
  picture = cut;
}

// A jewel case's tray inlay has a spine of 6.5 mm at either end of its 151 mm; a DVD case's
// wrap-around cover one of 14 mm between back and front; a disc's hub leaves 40 mm unprinted.
constexpr double kInlaySpineMm = 6.5, kWrapSpineMm = 14, kDiscHubMm = 40;

uint32_t Bgr(uint32_t rgb) {
  return (rgb & 0xFF) << 16 | (rgb & 0xFF00) | rgb >> 16;
}

// The art at most `side` pixels across, as a picture object's pixels; null without art.
std::shared_ptr<const PicturePixels> ArtPixels(const AlbumArt& art, int32_t side,
                                               std::string& error) {
  if (!art.found()) return nullptr;
  const Dib& src = art.dib();
  const double f = std::min(1.0, double(side) / std::max(DibWidth(src), DibHeight(src)));
  Dib copy;
  if (f < 1)
    ResampleDib24(copy, src, std::max(1, int32_t(DibWidth(src) * f)),
                  std::max(1, int32_t(DibHeight(src) * f)));
  else
    CopyDib(copy, src);
  if (!copy.Bits) return nullptr;
  return PicturePixels::Make(copy, {}, error);
}

struct PartMaker {
  const AlbumMusic& music;
  uint32_t background;  // 0x00RRGGBB
  Device& dc;
  int* leftOut;
  std::string& error;

  bool make(Document& one, const PartPreset::Part& part) {
    const AlbumPartKind kind = AlbumPartKindOf(part);
    const bool art = music.art.found();
    Dib picture;
    if (kind == AlbumPartKind::Front && art) {
      MakeFrontPicture(music.art, background, picture);
      CutToShape(picture, part.widthMm / part.heightMm);
    } else
      MakePlainPicture(background, PresetPixels(part.widthMm), PresetPixels(part.heightMm),
                       picture);
    if (!picture.Bits) return fail();
    one.replacePicture(picture);
    const double base = one.scales.BaseScale;
    const ElementBox box{0, 0, int32_t(DibWidth(one.picture) * base),
                         int32_t(DibHeight(one.picture) * base)};
    const double unitsPerMm = box.w / part.widthMm;
    FontSpec font;
    font.style = 1;                                      // bold
    const double printScale = unitsPerMm / kUnitsPerMm;  // the part prints at its preset size
    const AlbumStyle plain{font, ReadableColorsOver(Bgr(background)), printScale};
    const AlbumStyle overArt{font, art ? ReadableColorsOver(music.art.dib()) : plain.colors,
                             printScale};
    TextMeasure measure(dc, font);
    const Dib* artDib = art ? &music.art.dib() : nullptr;
    switch (kind) {
      case AlbumPartKind::Front:
        PlaceFrontTexts(one.objects, music.texts, box, overArt, measure, artDib);
        break;
      case AlbumPartKind::BackInlay:
        PlaceBackInlay(one.objects, music.texts, box, int32_t(kInlaySpineMm * unitsPerMm), plain,
                       measure, leftOut);
        break;
      case AlbumPartKind::Disc: {
        const auto pixels = ArtPixels(music.art, DibWidth(one.picture), error);
        if (art && !pixels) return fail();
        if (pixels) PlaceDiscArt(one.objects, pixels, box);
        PlaceDiscTexts(one.objects, music.texts, box, int32_t(kDiscHubMm * unitsPerMm), overArt,
                       measure);
        break;
      }
      case AlbumPartKind::WrapAround: {
        const int32_t spine = int32_t(kWrapSpineMm * unitsPerMm), side = (box.w - spine) / 2;
        const ElementBox back{0, 0, side, box.h},
            front{side + spine, 0, box.w - side - spine, box.h};
        const int32_t m = box.h / 20;
        PlaceTrackList(one.objects, music.texts.trackLines,
                       {back.x + m, back.y + m, back.w - 2 * m, back.h - 2 * m}, plain, measure,
                       leftOut);
        PlaceSpineText(one.objects, music.texts, {side, 0, spine, box.h}, 1, plain, measure);
        const auto pixels = ArtPixels(music.art, PresetPixels(part.heightMm), error);
        if (art && !pixels) return fail();
        if (pixels) PlaceDiscArt(one.objects, pixels, front);
        PlaceFrontTexts(one.objects, music.texts, front, overArt, measure, artDib);
        break;
      }
    }
    return true;
  }

  bool fail() {
    if (error.empty())
      error = Translate("AlbumDesign", "there is not enough memory for the picture");
    return false;
  }
};
}  // namespace

AlbumPartKind AlbumPartKindOf(const PartPreset::Part& part) {
  if (std::strcmp(part.name, "Tray inlay") == 0) return AlbumPartKind::BackInlay;
  if (std::strcmp(part.name, "Disc label") == 0) return AlbumPartKind::Disc;
  if (std::strcmp(part.name, "Wrap-around cover") == 0) return AlbumPartKind::WrapAround;
  return AlbumPartKind::Front;
}

bool MakeAlbumDesign(Document& doc, const AlbumMusic& music, const PartPreset& preset,
                     uint32_t background, Device& dc, std::string& error, int* leftOut) {
  if (leftOut) *leftOut = 0;
  DesignParts parts;
  parts.list.clear();
  PartMaker maker{music, background, dc, leftOut, error};
  for (const PartPreset::Part& part : preset.parts) {
    const std::string name = Translate("PartPresets", part.name);
    Document one;
    one.scales = doc.scales;
    if (!maker.make(one, part)) return false;
    SetPartPage(one, doc);
    parts.list.push_back(DesignPart{name, StarterPartFormat(name, part.widthMm, part.heightMm),
                                    CoverFileBytes(one)});
  }
  CoverContents first;
  first.inPart = true;
  if (ParseCoverFile(parts.list.front().cover, first) != CoverError::None) return maker.fail();
  CommitCover(doc, first);
  parts.list.front().cover.clear();
  doc.parts = std::move(parts);
  doc.savedFileName.clear();
  return true;
}
