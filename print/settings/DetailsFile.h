#pragma once
// The file beside paper.dat that holds what a record cannot: one entry per format that is more
// than a plain rectangle, matched to its format by the whole 112-byte record.
#include <array>
#include <string>
#include <vector>

#include "platform/KeptFiles.h"
#include "print/FormatDetails.h"

constexpr int32_t kDetailsMagic = 0x44505851;  // "QXPD"
// The newest version read and written. A file without guides is written as version 1, so that
// it keeps its bytes; one with guides as 2, which older versions read but never replace.
constexpr int32_t kDetailsVersion = 2;
constexpr int32_t kMaxDetailsEntries = 10000;

struct DetailsEntry {
  std::array<uint8_t, kPaperRecordSize> record{};
  FormatDetails details;
};

struct DetailsParse {
  std::vector<DetailsEntry> entries;  // the readable entries (before any damage)
  std::string message;                // what is wrong with a damaged file, else empty
  bool newer = false;                 // a later version wrote it
};

// Entries of an unknown shape or with impossible values are skipped; a damaged file (an entry
// whose guides overrun it included) keeps the entries before the damage.
DetailsParse ParseDetailsFile(const std::vector<uint8_t>& bytes);
// An entry for every format that is not plain, in list order.
std::vector<uint8_t> EncodeDetailsFile(const std::vector<PaperFormat>& formats,
                                       const std::vector<FormatDetails>& details);
// The details of each format: the first unused entry with the same record, else plain.
std::vector<FormatDetails> MatchDetails(const std::vector<PaperFormat>& formats,
                                        const std::vector<DetailsEntry>& entries);

// The details file that belongs to a paper.dat.
std::string DetailsFileFor(const std::string& paperFile);
// Reads the details of `formats` from beside `paperFile`; a missing file gives plain formats, a
// damaged one the entries before the damage. What the user must hear of the file is in `message`.
std::vector<FormatDetails> LoadDetailsFor(const std::string& paperFile,
                                          const std::vector<PaperFormat>& formats,
                                          std::string* message = nullptr);
// Writes the details file, then paper.dat, as KeptFiles allows; paper.dat is not written when
// its details are not. The details file is left alone while no format needs it and none exists.
KeptWrite SaveCatalogue(const std::string& paperFile, const std::vector<PaperFormat>& formats,
                        const std::vector<FormatDetails>& details);
