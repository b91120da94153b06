#pragma once
// `quendrix place-picture DESIGN.cov PICTURE --box X,Y,W,H [options]`: adds a picture object.
#include <string>

#include "app/batch/BatchCommands.h"
#include "cover/PictureObject.h"

struct PicturePlacement {
  int32_t box[4] = {0, 0, 0, 0};  // X, Y, W, H in pixels of the design's picture
  bool boxGiven = false;
  PictureSettings settings;
  std::string out;  // empty: the design itself
};

// The options after the two file names; false with a reason on a bad option or value.
bool ParsePicturePlacement(const Args& options, PicturePlacement& placement, std::string& error);

int RunPlacePicture(const Args& args);
