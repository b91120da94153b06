#pragma once
// The user's list of paper formats as the Center tab and the batch commands keep it; its files
// follow KeptFiles (a damaged paper.dat is kept as paper.dat.damaged before it is first
// replaced, one that exists but cannot be read is never replaced).
#include <string>
#include <vector>

#include "print/settings/PaperFile.h"
#include "print/templates/LabelTemplate.h"

// paper.dat in the settings folder.
std::string UserPaperFile();
// Where a starter paper.dat is installed, relative to the program.
std::vector<std::string> StarterPaperFiles();

// What became of a save; `message` tells the user, empty when saved or already told.
struct PaperListSave {
  enum Outcome { Saved, Unreadable, NotKeptAside, NotWritten };
  Outcome outcome = Saved;
  std::string message;
};

class PaperFormatList {
 public:
  // Reads `file`, a starter list when it does not exist yet (see LoadCatalogueAtStart). A
  // damaged or unreadable file is reported in the text returned, empty when it was read.
  std::string load(const std::string& file, const std::vector<std::string>& starterFiles);

  const std::string& file() const { return file_; }
  // The file beside the list that remembers the unit of the paper format dialog.
  std::string unitsFile() const;
  const std::vector<PaperFormat>& formats() const { return formats_; }
  const std::vector<FormatDetails>& details() const { return details_; }
  // The details of format `i`; plain when there is no such format.
  FormatDetails detailsAt(size_t i) const;
  // The readable formats were read, but the file is damaged or could not be read.
  bool damaged() const { return keepDamaged_; }
  bool unreadable() const { return unreadable_; }
  // What is wrong with the file as it was read; empty when it was read whole.
  const std::string& fault() const { return fault_; }

  // Changes in memory; save() writes them.
  void add(const PaperFormat& record, const FormatDetails& details);
  void replace(size_t i, const PaperFormat& record, const FormatDetails& details);
  void remove(size_t i);
  // Appends the formats of a label template file; an error text, empty when they were added.
  std::string importFile(const std::string& path);
  // Writes format `i` to a label template file; an error text, empty on success.
  std::string exportFormat(size_t i, const std::string& path) const;

  // Writes the list and its details file as KeptFiles allows.
  PaperListSave save();

 private:
  std::vector<PaperFormat> formats_;
  std::vector<FormatDetails> details_;  // one per format
  std::string file_;
  std::string fault_;
  bool keepDamaged_ = false;  // copy the damaged file aside before replacing it
  bool unreadable_ = false;   // the file exists but could not be read: never replace it
};
