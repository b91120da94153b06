#pragma once
// Brightness and contrast of the picture. Palette pictures change only their colours;
// 24-bit pictures change every colour byte.
#include <cstdint>
#include <functional>

#include "platform/dib/Dib.h"

// The component mappings: brightness adds delta, contrast k (0 ... 200, 100 = unchanged).
uint8_t BrightnessOf(int v, int delta);
uint8_t ContrastOf(int v, int k);

void ChangeBrightness(Dib& dib, int delta);
void ChangeContrast(Dib& dib, int k);

// Applies a 256-entry table to the colour bytes of a 24-bit picture (row progress).
void ApplyByteTable(Dib& dib, const uint8_t table[256]);

// The state of the "Brightness and contrast..." dialog: every preview starts from the
// untouched copy, OK keeps the last result, anything else restores the picture exactly.
class BrightnessContrastSession {
 public:
  explicit BrightnessContrastSession(Dib& dib, std::function<void()> repaint = {});
  ~BrightnessContrastSession();  // an unfinished dialog restores the picture
  BrightnessContrastSession(const BrightnessContrastSession&) = delete;
  BrightnessContrastSession& operator=(const BrightnessContrastSession&) = delete;

  // Makes the untouched copy; "Can not create the bitamp" and false when that fails.
  bool begin();
  int brightness = 0;      // brightness, -127 ... 127
  int contrast = 100;      // contrast, 0 ... 200
  void preview();          // "Preview"
  void confirm();          // "OK": preview, then the dialog closes with OK
  void resetToDefaults();  // "Set to default values": the sliders only
  // Ends the dialog: OK keeps the picture, otherwise the untouched copy comes back.
  void finish(bool ok);
  const Dib& original() const { return orig_; }

 private:
  Dib& dib_;
  Dib orig_;
  std::function<void()> repaint_;
};
