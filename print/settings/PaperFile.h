#pragma once
// The paper format catalogue file paper.dat: magic 64687, count, 112-byte records.
#include <string>
#include <vector>

#include "print/FormatDetails.h"
#include "print/PaperFormat.h"

// More formats than anyone keeps; a larger count marks a damaged file.
constexpr int32_t kMaxPaperFormats = 10000;

struct PaperLoadResult {
  enum Status { Loaded, Missing, Damaged, Unreadable };
  Status status = Missing;
  std::vector<PaperFormat> formats;    // the whole, valid records read (also from a damaged file)
  std::string message;                 // what is wrong with a damaged or unreadable file
  std::vector<FormatDetails> details;  // one per format when read with its details file
  std::string detailsMessage;          // what the user must hear of the details file
};

// Reads `path`. A file shorter than its count, or with an invalid record, keeps the whole
// valid records before the fault; a wrong magic or an impossible count keeps none. A file that
// exists but cannot be read (permissions, read error) is Unreadable, with no formats.
PaperLoadResult LoadPaperFormats(const std::string& path);
// The same rules for bytes already read; `name` names the file in the message.
PaperLoadResult ParsePaperFormats(const std::vector<uint8_t>& bytes, const std::string& name);
std::vector<uint8_t> EncodePaperFormats(const std::vector<PaperFormat>& formats);
// Replaces `path` atomically; returns an error text, empty on success.
std::string SavePaperFormats(const std::string& path, const std::vector<PaperFormat>& formats);
