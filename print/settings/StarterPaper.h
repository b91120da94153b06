#pragma once
// The paper formats a new user starts with, and how the catalogue is found at start-up.
#include <string>
#include <vector>

#include "print/settings/PaperFile.h"

// CD booklet fronts and tray inlays, one and two to a sheet, centred on A4 and US Letter.
std::vector<PaperFormat> StarterPaperFormats();
// A CD tray inlay's spines: 6.5 mm wide at its left and right edges.
constexpr double kTrayInlaySpineMm = 6.5;
std::vector<FormatGuide> TrayInlaySpines(double width, double height);

// Two disc labels on A4 (Zweckform 3654) and on US Letter (Avery 5931), as their label
// templates give them: shape, hole, bleed and places.
std::vector<std::pair<PaperFormat, FormatDetails>> StarterDiscSheets();
// Every starter format with its details, as the shipped paper.dat and its details file hold them.
PaperLoadResult StarterCatalogue();

// Loads the user's paper.dat; only when there is no such file, the first readable starter file
// of `starterFiles`, else the built-in starter formats. The user's file is only ever read here.
PaperLoadResult LoadCatalogueAtStart(const std::string& userFile,
                                     const std::vector<std::string>& starterFiles);
