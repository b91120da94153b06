#include "print/StarterPaper.h"

#include "print/DetailsFile.h"

namespace {
struct Sheet {
  const char* name;
  double w, h;
};
constexpr Sheet kA4{"A4", 210.0, 297.0};
constexpr Sheet kLetter{"Letter", 215.9, 279.4};
constexpr double kGap = 10.0;  // between two elements on one sheet, mm

TEttType Centred(const std::string& what, const Sheet& s, double w, double h, int down) {
  TEttType t;
  t.Breite = w;
  t.Hoehe = h;
  t.SchrittH = w;
  t.SchrittV = h + kGap;
  t.AnzH = 1;
  t.AnzV = down;
  t.RandLinks = (s.w - w) / 2;
  t.RandOben = (s.h - (h * down + kGap * (down - 1))) / 2;
  t.Name = what + ", " + s.name;
  return t;
}
}  // namespace

std::vector<TEttType> StarterEttTypes() {
  std::vector<TEttType> out;
  for (const Sheet& s : {kA4, kLetter}) {
    out.push_back(Centred("CD booklet front 120 x 120 mm", s, 120, 120, 1));
    out.push_back(Centred("CD tray inlay 151 x 118 mm", s, 151, 118, 1));
    out.push_back(Centred("2 CD booklet fronts 120 x 120 mm", s, 120, 120, 2));
  }
  return out;
}

EttLoadResult LoadCatalogueAtStart(const std::string& userFile,
                                   const std::vector<std::string>& starterFiles) {
  EttLoadResult user = LoadEttTypes(userFile);
  if (user.status != EttLoadResult::Missing) {
    user.details = LoadDetailsFor(userFile, user.formats);
    return user;
  }
  for (const std::string& file : starterFiles) {
    EttLoadResult starter = LoadEttTypes(file);
    if (starter.status != EttLoadResult::Loaded) continue;
    starter.details = LoadDetailsFor(file, starter.formats);
    return starter;
  }
  EttLoadResult builtIn;
  builtIn.status = EttLoadResult::Loaded;
  builtIn.formats = StarterEttTypes();
  builtIn.details.resize(builtIn.formats.size());
  return builtIn;
}
