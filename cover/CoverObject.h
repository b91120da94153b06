#pragma once
// One cover object (a shape or a text) and the scales its output accessors convert with.
#include <cstdint>
#include <string>

// Scales of the Texts view and the renderer's switch; one per object table.
struct CoverScales {
  double BaseScale = 105833.125;  // document units per picture pixel, fixed for the run
  double ViewScale = 105833.125;  // document units per screen pixel of the Texts view
  double ViewZoom = 1.0;
  bool UseRenderScale = false;  // on only while the renderer draws
  double RenderScale = 1.0;     // output pixels per document unit while rendering
};

enum ObjectKind : int32_t { kFree = 0, kShape = 1, kText = 2 };

// A cover object. In a cover file each occupied slot is one record, little-endian, unpadded
// (n = text length, m = font name length):
//   0 slot (i32)   4 X   8 Y   12 W   16 H (i32)   20 NewFlag (u8)   21 Kind   25 Color
//   29 SubKind   33 Align   37 BorderColor   41 FillOrShadow (i32, the fill mode)
//   45 ShadowOn   46 BorderOn (u8)   47 ShadowDX   51 ShadowDY (i32)   55 Spare2   56 Spare1 (u8)
//   57 LineWidth   61 Rotation (i32)
//   65 Text (n bytes + 0)   66+n FontColor   70+n FontHeight (i32)   74+n FontName (m bytes + 0)
//   75+n+m FontPitch (u8)   76+n+m FontSize (i32)   80+n+m FontStyle (u8); 81 + n + m bytes in all.
// FillOrShadow holds a shape's fill mode (0 filled, 1 border, 2 both) and a text's shadow colour.
struct CoverObject {
  int32_t X = 0, Y = 0, W = 0, H = 0;
  uint8_t NewFlag = 0;
  int32_t Rotation = 0;
  int32_t Align = 0;
  int32_t Kind = kFree;
  int32_t LineWidth = 0;
  uint32_t BorderColor = 0;
  int32_t FillOrShadow = 0;
  uint32_t Color = 0;
  uint8_t Spare1 = 0, Spare2 = 0;
  bool ShadowOn = false;
  bool BorderOn = false;
  int32_t ShadowDX = 5, ShadowDY = 5;
  int32_t SubKind = 0;
  std::string Text;  // Windows-1252 bytes; lines separated by a carriage return
  uint32_t FontColor = 0;
  int32_t FontHeight = 0;
  std::string FontName;
  uint8_t FontPitch = 0;
  int32_t FontSize = 0;
  uint8_t FontStyle = 0;

  const CoverScales* Scales = nullptr;

  // Output pixels under the active scale (Texts view, or the renderer's while it draws).
  int32_t Left() const { return ToOutput(X); }
  int32_t Top() const { return ToOutput(Y); }
  int32_t Width() const { return ToOutput(W); }
  int32_t Height() const { return ToOutput(H); }
  // Texts-view pixels to document units.
  void SetLeft(int32_t v) { X = FromView(v); }
  void SetTop(int32_t v) { Y = FromView(v); }
  void SetWidth(int32_t v) { W = FromView(v); }
  void SetHeight(int32_t v) { H = FromView(v); }

  // Every field equal (the undo history compares slots with it).
  bool operator==(const CoverObject&) const = default;

  // Copies every stored field, keeping this slot's scales.
  void AssignFields(const CoverObject& other) {
    const CoverScales* keep = Scales;
    *this = other;
    Scales = keep;
  }

 private:
  int32_t ToOutput(int32_t v) const;
  int32_t FromView(int32_t v) const;
};
