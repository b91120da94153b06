#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "picture/DrawDib.h"
#include "platform/RowPool.h"
#include "platform/device/RecordingDevice.h"
#include "platform/dib/Halftone.h"
#include "retouch/BrightnessContrast.h"
#include "retouch/MirrorTurn.h"
#include "retouch/effects/ApplyEffect.h"
#include "retouch/effects/FilterFast.h"
#include "tests/retouch/TestPictures.h"

namespace {
// Restores the machine's thread count when the test ends.
struct ThreadsGuard {
  int old = SetThreadCount(0);
  ~ThreadsGuard() { SetThreadCount(old); }
};

// The rows a device received, in order, with their places.
std::string SentRows(const RecordingDevice& dev) {
  std::string out;
  for (const RecordingDevice::Call& c : dev.named("SetDIBitsToDevice"))
    out += std::to_string(c.args[0]) + "," + std::to_string(c.args[1]) + ":" +
           std::string(c.row.begin(), c.row.end());
  return out;
}

std::string Stretched(const Dib& pic, int bits, int w, int h, RECT clip) {
  RecordingDevice dev;
  dev.clipBox = clip;
  if (bits == 24)
    StretchDibRows24(dev, 3, 5, w, h, pic, 1, 2, DibWidth(pic) - 3, DibHeight(pic) - 5);
  else
    StretchDibRows8(dev, 3, 5, w, h, pic, 1, 2, DibWidth(pic) - 3, DibHeight(pic) - 5);
  return SentRows(dev);
}

std::string Made(const std::function<void(Dib&)>& make) {
  DibHolder out;
  make(out.dib);
  return Fingerprint(out.dib);
}

struct Operation {
  std::string name;
  int bits;  // depth of the picture it starts from
  // Works on a copy of the picture and returns the bytes that must not depend on the threads.
  std::function<std::string(Dib&)> run;
};

std::vector<Operation> Operations() {
  std::vector<Operation> ops;
  for (int k = 0; k < kEffectCount; ++k)
    ops.push_back({"filter " + std::to_string(k), 24, [k](Dib& d) {
                     EXPECT_TRUE(ApplyFilter(d, kEffectFilters[k]));
                     return Fingerprint(d);
                   }});
  ops.push_back({"filter with the untouched rows kept", 24, [](Dib& d) {
                   std::string backup(size_t(DibWidth(d)) * 3 * size_t(DibHeight(d)), '\0');
                   EXPECT_TRUE(FilterInPlace(d, kEffectFilters[3],
                                             reinterpret_cast<uint8_t*>(backup.data())));
                   return Fingerprint(d) + backup;
                 }});
  for (int bits : {1, 4, 8, 24}) {
    ops.push_back({"mirror", bits, [](Dib& d) { return MirrorDib(d), Fingerprint(d); }});
    ops.push_back(
        {"mirror vertical", bits, [](Dib& d) { return MirrorDibVertical(d), Fingerprint(d); }});
    ops.push_back({"turn left", bits, [](Dib& d) {
                     SelectionBox box;
                     return TurnDibLeft(d, box.ref()), Fingerprint(d);
                   }});
    ops.push_back({"turn right", bits, [](Dib& d) {
                     SelectionBox box;
                     return TurnDibRight(d, box.ref()), Fingerprint(d);
                   }});
  }
  for (int bits : {8, 24}) {
    ops.push_back(
        {"brightness", bits, [](Dib& d) { return ChangeBrightness(d, 37), Fingerprint(d); }});
    ops.push_back(
        {"contrast", bits, [](Dib& d) { return ChangeContrast(d, 160), Fingerprint(d); }});
    const int w = 30, big = 700;
    const RECT all{-(1 << 30), -(1 << 30), 1 << 30, 1 << 30}, part{40, 60, 300, 900};
    ops.push_back({"stretching", bits, [=](Dib& d) {
                     return Stretched(d, bits, 2 * DibWidth(d), 3 * DibHeight(d), all) +
                            Stretched(d, bits, w, big, part) + Stretched(d, bits, 100, 90, all);
                   }});
  }
  ops.push_back({"brightness and contrast preview", 24, [](Dib& d) {
                   BrightnessContrastSession session(d);
                   EXPECT_TRUE(session.begin());
                   session.brightness = -20;
                   session.contrast = 130;
                   session.preview();
                   std::string out = Fingerprint(d);
                   session.finish(true);
                   return out;
                 }});
  ops.push_back({"halftoning", 24, [](Dib& d) {
                   return Made([&](Dib& o) { HalftoneDib(o, d); }) +
                          Made([&](Dib& o) { HalftoneDibToSize(o, d, 151, 409); }) +
                          Made([&](Dib& o) { ResampleDib24(o, d, 517, 1203); });
                 }});
  return ops;
}

// Every operation split over the rows gives the same bytes with 1, 2 and 7 threads, on a picture
// tall enough for several chunks per thread and wide enough for the halftone wavefront to wait.
TEST(ThreadCount, EveryRowOperationGivesTheSameBytesWithOneTwoAndSevenThreads) {
  ThreadsGuard guard;
  for (const Operation& op : Operations()) {
    std::string first;
    for (int threads : {1, 2, 7}) {
      SetThreadCount(threads);
      DibHolder pic;
      RandomDib(pic.dib, 301, 611, op.bits, 33);
      const std::string got = op.run(pic.dib);
      if (threads == 1)
        first = got;
      else
        EXPECT_TRUE(got == first) << op.name << " differs with " << threads << " threads";
    }
    EXPECT_GT(first.size(), 1000u) << op.name;
  }
}
}  // namespace
