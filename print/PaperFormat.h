#pragma once
// One paper format: a sheet of label or cover blanks. Lengths in millimetres.
#include <array>
#include <cstdint>
#include <string>

#include "platform/Translate.h"

constexpr int kPaperNameMax = 50;
// Keeps the first 50 Windows-1252 characters (one byte each) of a format's name.
std::string CutPaperName(std::string ansi);
constexpr int kPaperCountMin = 1, kPaperCountMax = 50;

// In paper.dat a format is one 112-byte record, little-endian: 0 leftMargin, 8 topMargin,
// 16 stepAcross, 24 stepDown, 32 width, 40 height (doubles), 48 columns, 52 rows (i32),
// 56 name length (u8, 0..50), 57 name (50 bytes), 107 five bytes without meaning.
struct PaperFormat {
  double leftMargin = 0, topMargin = 0;  // margins to the first element
  double stepAcross = 0, stepDown = 0;   // steps from element to element
  double width = 0, height = 0;          // element size
  int32_t columns = 1, rows = 1;         // elements across and down
  std::string name;                      // Windows-1252 bytes, at most 50
  bool operator==(const PaperFormat&) const = default;
};

// The values of the "Edit paper format" dialog, lengths in inches.
struct PaperFormatFields {
  std::string name = Translate("PaperFormat", "No name");  // UTF-8
  double left = 0, top = 0;
  double width = 90.0, height = 55.0;
  double spaceH = 0, spaceV = 0;
  double countH = 2, countV = 5;
  bool operator==(const PaperFormatFields&) const = default;
};

PaperFormat PaperFormatFromFields(const PaperFormatFields& v);
PaperFormatFields FieldsFromPaperFormat(const PaperFormat& t);
// `old` edited in the dialog: the fields the user left as `shown` keep their stored values bit
// for bit (the dialog rounds to its decimals); only changed fields are converted again.
PaperFormat EditedPaperFormat(const PaperFormat& old, const PaperFormatFields& shown,
                              const PaperFormatFields& confirmed);

// paper.dat records: 112 bytes each after the magic and the count.
constexpr int32_t kPaperMagic = 64687;
constexpr size_t kPaperRecordSize = 112;
std::array<uint8_t, kPaperRecordSize> EncodePaperFormat(const PaperFormat& t);
// Reads one record; false when its values cannot belong to a format (counts, lengths, name).
bool DecodePaperFormat(const uint8_t* record, PaperFormat& out);
