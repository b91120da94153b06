#include "print/settings/StarterPaper.h"

#include "print/settings/DetailsFile.h"
#include "print/templates/LabelTemplate.h"

namespace {
struct Sheet {
  const char* name;
  double w, h;
};
constexpr Sheet kA4{"A4", 210.0, 297.0};
constexpr Sheet kLetter{"Letter", 215.9, 279.4};
constexpr double kGap = 10.0;  // between two elements on one sheet, mm

PaperFormat Centred(const std::string& what, const Sheet& s, double w, double h, int down) {
  PaperFormat t;
  t.width = w;
  t.height = h;
  t.stepAcross = w;
  t.stepDown = h + kGap;
  t.columns = 1;
  t.rows = down;
  t.leftMargin = (s.w - w) / 2;
  t.topMargin = (s.h - (h * down + kGap * (down - 1))) / 2;
  t.name = what + ", " + s.name;
  return t;
}
}  // namespace

std::vector<PaperFormat> StarterPaperFormats() {
  std::vector<PaperFormat> out;
  for (const Sheet& s : {kA4, kLetter}) {
    out.push_back(Centred("CD booklet front 120 x 120 mm", s, 120, 120, 1));
    out.push_back(Centred("CD tray inlay 151 x 118 mm", s, 151, 118, 1));
    out.push_back(Centred("2 CD booklet fronts 120 x 120 mm", s, 120, 120, 2));
  }
  return out;
}

std::vector<FormatGuide> TrayInlaySpines(double width, double height) {
  const double right = width - kTrayInlaySpineMm;
  return {GuideLine(kTrayInlaySpineMm, 0, kTrayInlaySpineMm, height),
          GuideLine(right, 0, right, height)};
}

std::vector<std::pair<PaperFormat, FormatDetails>> StarterDiscSheets() {
  // The sheets' geometry in the units of their label templates (points and inches).
  static const char* const kTemplates =
      "<Glabels-templates>"
      "<Template brand=\"Zweckform\" part=\"3654\" size=\"A4\">"
      "<Label-cd id=\"0\" radius=\"165.78\" hole=\"58.09\" waste=\"5\">"
      "<Layout nx=\"1\" ny=\"2\" x0=\"131.78\" y0=\"58.7998\" dx=\"0\" dy=\"387.97\"/>"
      "</Label-cd></Template>"
      "<Template brand=\"Avery\" part=\"5931\" size=\"US-Letter\">"
      "<Label-cd id=\"0\" radius=\"2.3125in\" hole=\"0.8125in\" waste=\"0.0625in\">"
      "<Layout nx=\"1\" ny=\"2\" x0=\"1.9375in\" y0=\"0.6875in\" dx=\"0\" dy=\"5in\"/>"
      "</Label-cd></Template></Glabels-templates>";
  const std::string xml(kTemplates);
  LabelTemplateReader reader;
  std::vector<std::pair<PaperFormat, FormatDetails>> out;
  if (!reader.read(std::vector<uint8_t>(xml.begin(), xml.end()))) return out;
  const char* names[] = {"2 CD labels 117 mm (Zweckform 3654), A4",
                         "2 CD labels 117.5 mm (Avery 5931), Letter"};
  for (size_t i = 0; i < reader.templates().size() && i < 2; ++i) {
    LabelTemplate t = reader.templates()[i];
    t.record.name = names[i];
    out.emplace_back(t.record, t.details);
  }
  return out;
}

PaperLoadResult StarterCatalogue() {
  PaperLoadResult r;
  r.status = PaperLoadResult::Loaded;
  r.formats = StarterPaperFormats();
  r.details.resize(r.formats.size());
  for (size_t i = 0; i < r.formats.size(); ++i)
    if (r.formats[i].width == 151 && r.formats[i].height == 118)
      r.details[i].guides = TrayInlaySpines(151, 118);
  auto extra = StarterDiscSheets();
  extra.push_back(PrintableDiscFormat("Printable CD/DVD 120 mm (disc tray)", 120, kDiscOuterDefault,
                                      kDiscHubDefault));
  extra.push_back(PrintableDiscFormat("Printable mini CD 80 mm (disc tray)", 80,
                                      kMiniDiscOuterDefault, kDiscHubDefault));
  for (const auto& [record, details] : extra) {
    r.formats.push_back(record);
    r.details.push_back(details);
  }
  return r;
}

PaperLoadResult LoadCatalogueAtStart(const std::string& userFile,
                                     const std::vector<std::string>& starterFiles) {
  PaperLoadResult user = LoadPaperFormats(userFile);
  if (user.status != PaperLoadResult::Missing) {
    user.details = LoadDetailsFor(userFile, user.formats, &user.detailsMessage);
    return user;
  }
  for (const std::string& file : starterFiles) {
    PaperLoadResult starter = LoadPaperFormats(file);
    if (starter.status != PaperLoadResult::Loaded) continue;
    starter.details = LoadDetailsFor(file, starter.formats);
    return starter;
  }
  return StarterCatalogue();
}
