#pragma once
// A picture placed over the cover as an object: its pixels (shared, never changed once made),
// how it fills its box and the scaled copy last drawn. Kept per slot beside the object table.
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "platform/dib/Dib.h"

enum class PictureFit : uint8_t { Contain = 0, Cover = 1, Stretch = 2 };

struct PictureSettings {
  static constexpr int kMaxTolerance = 255;
  PictureFit fit = PictureFit::Contain;
  uint8_t turns = 0;           // quarter turns clockwise, 0-3, before the mirrors
  bool mirrorX = false;        // left and right exchanged
  bool mirrorY = false;        // top and bottom exchanged
  uint8_t opacity = 100;       // percent
  bool keyed = false;          // pixels near `key` are left out
  uint32_t key = 0xFFFFFF;     // 0x00RRGGBB
  uint8_t tolerance = 0;       // largest channel difference still counted as the key
  uint32_t shadow = 0x808080;  // 0x00RRGGBB of the shadow, drawn when the object's ShadowOn is set
  bool operator==(const PictureSettings&) const = default;
};
bool ValidPictureSettings(const PictureSettings& s);

// What a reader counts a stored picture of this size against the placed pictures' limit
// (kMaxDibBytes together): its pixels at 24 bits and its alpha.
uint64_t PictureMemoryBound(uint32_t width, uint32_t height, bool alpha);

// The pixels as read (1, 4, 8 or 24 bits with its palette), their alpha when the file had one
// (one byte a pixel, rows from the top) and both as the cover file stores them.
class PicturePixels {
 public:
  // Takes `dib`; `alpha` empty or width x height bytes. Null when the pixels cannot be stored.
  static std::shared_ptr<const PicturePixels> Make(Dib& dib, std::vector<uint8_t> alpha,
                                                   std::string& error);
  // From the stored form (as the cover file keeps it); null with a reason when damaged.
  // `budget` is the picture memory still allowed and shrinks by what this picture takes.
  static std::shared_ptr<const PicturePixels> FromStored(std::vector<uint8_t> png,
                                                         std::vector<uint8_t> packedAlpha,
                                                         uint64_t& budget, std::string& error);
  ~PicturePixels();
  PicturePixels(const PicturePixels&) = delete;
  PicturePixels& operator=(const PicturePixels&) = delete;

  const Dib& dib() const { return dib_; }
  const std::vector<uint8_t>& alpha() const { return alpha_; }
  const std::vector<uint8_t>& png() const { return png_; }
  const std::vector<uint8_t>& packedAlpha() const { return packedAlpha_; }
  int32_t width() const { return DibWidth(dib_); }
  int32_t height() const { return DibHeight(dib_); }

  // The last scaled copy; its drawer fills and reads it under the lock.
  struct Scaled {
    uint64_t key = 0;
    Dib opaque;                 // same depth and palette as the picture, when no pixel is clear
    std::vector<uint8_t> bgra;  // premultiplied, rows from the top, otherwise
    int32_t width = 0, height = 0;
  };
  std::mutex& cacheLock() const { return lock_; }
  Scaled& cache() const { return cache_; }

 private:
  PicturePixels() = default;
  Dib dib_;
  std::vector<uint8_t> alpha_, png_, packedAlpha_;
  mutable std::mutex lock_;
  mutable Scaled cache_;
};

// What a slot beside the table holds: no picture, or a picture and how it is shown.
struct PlacedPicture {
  std::shared_ptr<const PicturePixels> pixels;
  PictureSettings settings;
  bool placed() const { return pixels != nullptr; }
  bool operator==(const PlacedPicture&) const = default;
};

// Reads a picture file for a picture object: any format the program opens, with the alpha of
// PNG files kept. False with a reason, `out` left empty.
bool LoadObjectPicture(const std::string& fileName, std::shared_ptr<const PicturePixels>& out,
                       std::string& error);
