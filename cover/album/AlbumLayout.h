#pragma once
// The album's texts and art placed as ordinary objects of one part, for an element of a given
// size in document units: each function fills the part's object table and returns the slots it
// made (none when the table is full). Every text is measured in its font, so none runs off its
// element and none is smaller than kMinLegiblePt: a text that cannot be legible there is left out.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "cover/ObjectTable.h"
#include "cover/album/AlbumTexts.h"
#include "platform/device/Device.h"

// Smallest and largest character height of the track list, in points.
inline constexpr double kMinLegiblePt = 6.0, kMaxTrackListPt = 10.5;

// A rectangle in document units.
struct ElementBox {
  int32_t x = 0, y = 0, w = 0, h = 0;
};

// How the placed texts look: the font's face, style and pitch (its size is chosen) and colours.
struct AlbumStyle {
  FontSpec font;
  ReadableColors colors;
  // Document units per unit of the printed element: the element's size in document units over
  // its printed size, so that point sizes hold on paper.
  double printScale = 1;
};

// Widths and heights of text in one font through a device's font metrics, in document units for
// a character height in document units.
class TextMeasure {
 public:
  TextMeasure(Device& dc, const FontSpec& font);
  double width(const std::string& line, double charHeight) const;
  // Each character's advance at a character height of one.
  std::vector<double> advances(const std::string& line) const;
  double ascent(double charHeight) const { return ascent_ * charHeight; }
  double descent(double charHeight) const { return descent_ * charHeight; }
  double lineHeight(double charHeight) const { return (ascent_ + descent_) * charHeight; }

 private:
  Device& dc_;
  LogFont font_;
  double ascent_ = 1, descent_ = 0.25;  // per unit of character height
};

// Character height in document units of a font size, as the renderer draws it.
double CharHeightUnits(int32_t fontSize, const CoverScales& scales);
// The smallest font size whose characters are at least `pt` points high when printed at
// `printScale` (see AlbumStyle).
int32_t FontSizeForPt(double pt, const CoverScales& scales, double printScale = 1);

// The track list in as few columns as it needs at the largest size up to kMaxTrackListPt that
// fits `box`; below kMinLegiblePt it does not shrink: lines too wide are cut with "..." and rows
// that do not fit are left out (counted in `leftOut`).
std::vector<int> PlaceTrackList(ObjectTable& table, const std::vector<std::string>& lines,
                                ElementBox box, const AlbumStyle& style, TextMeasure& measure,
                                int* leftOut = nullptr);
// Album near the top and artist near the bottom of the front, centred, with a shadow; over `art`
// (filling the front) each in the colours its band of the art lets read, else in the style's.
std::vector<int> PlaceFrontTexts(ObjectTable& table, const AlbumTexts& texts, ElementBox front,
                                 const AlbumStyle& style, TextMeasure& measure,
                                 const Dib* art = nullptr);
// "Album - Artist" along a spine, turned a quarter turn: `rotation` 1 reads from top to bottom,
// 3 from bottom to top; centred both ways.
std::vector<int> PlaceSpineText(ObjectTable& table, const AlbumTexts& texts, ElementBox spine,
                                int rotation, const AlbumStyle& style, TextMeasure& measure);
// A back inlay with a spine of `spineWidth` at either end: the track list between them (inset
// by a twentieth of the height) and the spine text on both, reading from top to bottom as book
// spines do.
std::vector<int> PlaceBackInlay(ObjectTable& table, const AlbumTexts& texts, ElementBox back,
                                int32_t spineWidth, const AlbumStyle& style, TextMeasure& measure,
                                int* leftOut = nullptr);
// Album along the top arc and artist along the bottom arc of a disc whose element is `disc`
// (the disc's outer edge), inside the ring between `innerDiameter` (document units, the hole's
// unprintable part) and the edge.
std::vector<int> PlaceDiscTexts(ObjectTable& table, const AlbumTexts& texts, ElementBox disc,
                                int32_t innerDiameter, const AlbumStyle& style,
                                TextMeasure& measure);
// A picture object of the art covering the disc's element; 0 when the table is full.
int PlaceDiscArt(ObjectTable& table, std::shared_ptr<const PicturePixels> art, ElementBox disc);
