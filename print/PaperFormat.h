#pragma once
// One paper format: a sheet of label or cover blanks. Lengths in millimetres.
#include <array>
#include <cstdint>
#include <string>

constexpr int kEttNameMax = 50;
constexpr int kEttCountMin = 1, kEttCountMax = 50;

struct TEttType {
  double RandLinks = 0, RandOben = 0;  // margins to the first element
  double SchrittH = 0, SchrittV = 0;   // steps from element to element
  double Breite = 0, Hoehe = 0;        // element size
  int32_t AnzH = 1, AnzV = 1;          // elements across and down
  std::string Name;                    // Windows-1252 bytes, at most 50
  bool operator==(const TEttType&) const = default;
};

// The values of the "Edit paper format" dialog, lengths in inches.
struct EttDialogValues {
  std::string name = "No name";  // UTF-8
  double left = 0, top = 0;
  double width = 90.0, height = 55.0;
  double spaceH = 0, spaceV = 0;
  double countH = 2, countV = 5;
  bool operator==(const EttDialogValues&) const = default;
};

TEttType EttFromDialog(const EttDialogValues& v);
EttDialogValues EttToDialog(const TEttType& t);

// paper.dat records: 112 bytes each after the magic and the count.
constexpr int32_t kPaperMagic = 64687;
constexpr size_t kEttRecordSize = 112;
std::array<uint8_t, kEttRecordSize> EncodeEtt(const TEttType& t);
// Reads one record; false when its values cannot belong to a format (counts, lengths, name).
bool DecodeEtt(const uint8_t* record, TEttType& out);
