#pragma once
// The options a print queue's driver offers, as its PPD lists them through CUPS.
#include <string>
#include <vector>

struct QueueChoice {
  std::string keyword;           // what the job names, "CD5Inch"
  std::string text;              // what the driver shows, "CD - 5 inch"
  double width = 0, height = 0;  // page sizes only: the page in mm
};

struct QueueOption {
  std::string keyword;  // "PageSize", "InputSlot", "StpCDOuterDiameter"
  std::vector<QueueChoice> choices;
};

using QueueOptions = std::vector<QueueOption>;

constexpr size_t kMaxQueueChoices = 5000;  // choices kept of one option

// The option named `keyword`, or nullptr.
const QueueOption* FindQueueOption(const QueueOptions& options, const std::string& keyword);
// Reads a PPD file; empty with a reason in `error` when it cannot be read.
QueueOptions ReadPpdOptions(const std::string& ppdFile, std::string* error);
// Reads the options of the CUPS queue `queue` from its PPD; empty with a reason in `error` when
// the scheduler does not answer or the queue has no PPD.
QueueOptions ReadQueueOptions(const std::string& queue, std::string* error);
