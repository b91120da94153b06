#include "print/StarterPaper.h"

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

PaperLoadResult LoadCatalogueAtStart(const std::string& userFile,
                                     const std::vector<std::string>& starterFiles) {
  PaperLoadResult user = LoadPaperFormats(userFile);
  if (user.status != PaperLoadResult::Missing) return user;
  for (const std::string& file : starterFiles) {
    PaperLoadResult starter = LoadPaperFormats(file);
    if (starter.status == PaperLoadResult::Loaded) return starter;
  }
  PaperLoadResult builtIn;
  builtIn.status = PaperLoadResult::Loaded;
  builtIn.formats = StarterPaperFormats();
  return builtIn;
}
