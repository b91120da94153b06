#pragma once
// `quendrix retouch IN OUT [options]`: the Retouch tab's operations on a picture file.
#include <string>
#include <vector>

#include "app/batch/BatchCommands.h"
#include "platform/dib/Dib.h"

struct RetouchStep {
  enum Kind {
    Crop,
    TurnLeft,
    TurnRight,
    Mirror,
    MirrorVertical,
    Brightness,
    Contrast,
    Effect,
    Depth24
  };
  Kind kind;
  int values[4] = {0, 0, 0, 0};  // crop X, Y, W, H; brightness; contrast; effect index
};

// The options in the order given; false with a reason on a bad option or value.
bool ParseRetouchSteps(const Args& options, std::vector<RetouchStep>& steps, std::string& error);
// Applies the steps in order; false with a reason when one cannot be done.
bool ApplyRetouchSteps(Dib& dib, const std::vector<RetouchStep>& steps, std::string& error);

int BatchRetouch(const Args& args);
