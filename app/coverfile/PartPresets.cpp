#include "app/coverfile/PartPresets.h"

#include <algorithm>
#include <cmath>

#include "app/coverfile/CoverFile.h"
#include "platform/AnsiText.h"
#include "platform/Translate.h"
#include "print/settings/StarterPaper.h"

namespace {
constexpr double kA4WidthMm = 210, kA4HeightMm = 297, kPresetDpi = 300;
}  // namespace

namespace {
// A4 upright, or across for a part wider than an upright sheet (a DVD case's wrap-around cover).
bool Across(double width) {
  return width > kA4WidthMm;
}
}  // namespace

PaperFormat StarterPartFormat(const std::string& name, double width, double height) {
  PaperFormat f;
  f.width = f.stepAcross = width;
  f.height = f.stepDown = height;
  const double sheetWidth = Across(width) ? kA4HeightMm : kA4WidthMm;
  f.leftMargin = std::max(0.0, (sheetWidth - width) / 2);
  f.topMargin = std::max(0.0, (kA4WidthMm + kA4HeightMm - sheetWidth - height) / 2);
  f.name = CutPaperName(Utf8ToAnsi(name));
  return f;
}

FormatDetails StarterPartDetails(const PartPreset::Part& part) {
  FormatDetails d;
  for (double x : part.foldsMm) d.guides.push_back(GuideLine(x, 0, x, part.heightMm));
  if (part.holeMm > 0) d.shape = {ShapeKind::Disc, 0, part.widthMm, part.holeMm};
  if (Across(part.widthMm)) d.sheetWidth = kA4HeightMm, d.sheetHeight = kA4WidthMm;
  return d;
}

FormatDetails PartFormatDetails(const std::vector<PaperFormat>& formats,
                                const std::vector<FormatDetails>& details,
                                const PaperFormat& record) {
  const auto listed = std::find(formats.begin(), formats.end(), record);
  if (listed != formats.end()) {
    const size_t i = size_t(listed - formats.begin());
    return i < details.size() ? details[i] : FormatDetails{};
  }
  for (const PartPreset& preset : PartPresets())
    for (const PartPreset::Part& part : preset.parts)
      for (const std::string& name : {std::string(part.name), Translate("PartPresets", part.name)})
        if (StarterPartFormat(name, part.widthMm, part.heightMm) == record)
          return StarterPartDetails(part);
  return {};
}

int32_t PresetPixels(double mm) {
  return int32_t(std::lround(mm / 25.4 * kPresetDpi));
}

const std::vector<PartPreset>& PartPresets() {
  // A DVD case's spine is 14 mm wide; a disc label's hole 41 mm.
  static const std::vector<PartPreset> presets = {
      {QT_TRANSLATE_NOOP("PartPresets", "CD jewel case"),
       {{QT_TRANSLATE_NOOP("PartPresets", "Booklet front"), 120, 120},
        {QT_TRANSLATE_NOOP("PartPresets", "Tray inlay"),
         151,
         118,
         {kTrayInlaySpineMm, 151 - kTrayInlaySpineMm}},
        {QT_TRANSLATE_NOOP("PartPresets", "Disc label"), 117, 117, {}, 41}}},
      {QT_TRANSLATE_NOOP("PartPresets", "CD slim case"),
       {{QT_TRANSLATE_NOOP("PartPresets", "Front"), 120, 120}}},
      {QT_TRANSLATE_NOOP("PartPresets", "DVD case"),
       {{QT_TRANSLATE_NOOP("PartPresets", "Wrap-around cover"),
         273,
         183,
         {(273 - 14) / 2.0, (273 + 14) / 2.0}},
        {QT_TRANSLATE_NOOP("PartPresets", "Disc label"), 117, 117, {}, 41}}},
      {QT_TRANSLATE_NOOP("PartPresets", "Paper sleeve"),
       {{QT_TRANSLATE_NOOP("PartPresets", "Front"), 125, 125},
        {QT_TRANSLATE_NOOP("PartPresets", "Disc label"), 117, 117, {}, 41}}},
  };
  return presets;
}

const PartPreset* FindPartPreset(const std::string& name) {
  const std::string wanted = AsciiLower(name);
  for (const PartPreset& p : PartPresets())
    if (AsciiLower(p.name) == wanted || Translate("PartPresets", p.name) == name) return &p;
  return nullptr;
}

void SetPartPage(Document& part, const Document& design) {
  if (design.pageWidth > 0 && design.pageHeight > 0) {
    part.pageWidth = design.pageWidth;
    part.pageHeight = design.pageHeight;
    return;
  }
  // The page is in document units, like the objects over the picture.
  const double base = part.scales.BaseScale;
  part.pageWidth = int32_t(std::lround(DibWidth(part.picture) * base));
  part.pageHeight = int32_t(std::lround(DibHeight(part.picture) * base));
}

void NewDesignFromPreset(Document& doc, const PartPreset& preset) {
  DesignParts parts;
  parts.list.clear();
  for (const PartPreset::Part& part : preset.parts) {
    const std::string name = Translate("PartPresets", part.name);
    Document one;
    one.scales = doc.scales;
    Dib white;
    NewWhiteDib(white, PresetPixels(part.widthMm), PresetPixels(part.heightMm));
    one.replacePicture(white);
    SetPartPage(one, doc);
    parts.list.push_back(DesignPart{name, StarterPartFormat(name, part.widthMm, part.heightMm),
                                    CoverFileBytes(one)});
  }
  CoverContents first;
  first.inPart = true;
  ParseCoverFile(parts.list.front().cover, first);
  CommitCover(doc, first);
  parts.list.front().cover.clear();
  doc.parts = std::move(parts);
  doc.savedFileName.clear();
}
