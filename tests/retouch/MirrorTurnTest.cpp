#include <gtest/gtest.h>

#include "retouch/Crop.h"
#include "retouch/MirrorTurn.h"
#include "retouch/PictureCopy.h"
#include "tests/retouch/TestPictures.h"

namespace {
const int kDepths[] = {1, 4, 8, 24};

// The documented mappings, pixel by pixel, as the yardstick of the row and tile code.
std::vector<uint32_t> Expected(const Dib& s, int op) {
  const int32_t w = DibWidth(s), h = DibHeight(s);
  const int32_t rw = op >= 2 ? h : w, rh = op >= 2 ? w : h;
  std::vector<uint32_t> out(size_t(rw) * size_t(rh));
  for (int32_t y = 0; y < h; ++y)
    for (int32_t x = 0; x < w; ++x) {
      const uint32_t v = GetDibPixel(s, x, y);
      switch (op) {
        case 0:
          out[size_t(y) * rw + size_t(w - 1 - x)] = v;
          break;
        case 1:
          out[size_t(h - 1 - y) * rw + size_t(x)] = v;
          break;
        case 2:
          out[size_t(w - 1 - x) * rw + size_t(y)] = v;
          break;
        case 3:
          out[size_t(x) * rw + size_t(h - 1 - y)] = v;
          break;
      }
    }
  return out;
}

bool RunOperation(Dib& d, int op, SelectionBox& sel) {
  switch (op) {
    case 0:
      return MirrorDib(d);
    case 1:
      return MirrorDibVertical(d);
    case 2:
      return TurnDibLeft(d, sel.ref());
    default:
      return TurnDibRight(d, sel.ref());
  }
}
}  // namespace

TEST(MirrorTurn, FollowTheMappingsAtEveryDepthAndKeepTheColourTable) {
  const int32_t sizes[][2] = {{1, 1}, {1, 7}, {7, 1}, {5, 3}, {101, 7}, {130, 67}};
  for (int bpp : kDepths)
    for (auto& s : sizes)
      for (int op = 0; op < 4; ++op) {
        DibHolder d;
        RandomDib(d.dib, s[0], s[1], bpp, uint32_t(bpp * 1000 + s[0] + op));
        const std::vector<uint32_t> expected = Expected(d.dib, op);
        const std::string table = ColourTable(d.dib);
        SelectionBox sel{1, 1, 2, 2};
        ASSERT_TRUE(RunOperation(d.dib, op, sel));
        ASSERT_EQ(Pixels(d.dib), expected)
            << "depth " << bpp << " op " << op << " " << s[0] << "x" << s[1];
        EXPECT_EQ(DibBitCount(d.dib), bpp);
        EXPECT_EQ(ColourTable(d.dib), table);
        EXPECT_EQ(d.dib.LogPal.palNumEntries, PaletteEntryCount(bpp));
        if (op >= 2) {
          EXPECT_EQ(DibWidth(d.dib), s[1]);
          EXPECT_EQ(DibHeight(d.dib), s[0]);
          EXPECT_EQ(sel.right, s[1]);
          EXPECT_EQ(sel.bottom, s[0]);
          EXPECT_EQ(sel.left + sel.top, 0);
        } else {
          EXPECT_EQ(sel.left + sel.top + sel.right + sel.bottom, 6);  // mirrors keep the numbers
        }
      }
}

TEST(MirrorTurn, IdentitiesGiveBackThePictureAtEveryDepth) {
  for (int bpp : kDepths) {
    DibHolder d;
    RandomDib(d.dib, 13, 6, bpp, uint32_t(bpp));
    const std::string original = Fingerprint(d.dib);
    SelectionBox sel;
    for (int i = 0; i < 4; ++i) TurnDibLeft(d.dib, sel.ref());
    EXPECT_EQ(Fingerprint(d.dib), original) << bpp;
    for (int i = 0; i < 4; ++i) TurnDibRight(d.dib, sel.ref());
    EXPECT_EQ(Fingerprint(d.dib), original) << bpp;
    TurnDibLeft(d.dib, sel.ref());
    TurnDibRight(d.dib, sel.ref());
    EXPECT_EQ(Fingerprint(d.dib), original) << bpp;
    MirrorDib(d.dib);
    MirrorDib(d.dib);
    EXPECT_EQ(Fingerprint(d.dib), original) << bpp;
    MirrorDibVertical(d.dib);
    MirrorDibVertical(d.dib);
    EXPECT_EQ(Fingerprint(d.dib), original) << bpp;
  }
}

TEST(MirrorTurn, CornersMoveAsDescribed) {
  DibHolder d;
  NewDib(d.dib, 3, 2, 24, nullptr, 0);
  SetDibPixel(d.dib, 2, 0, 0x112233);  // top-right
  SetDibPixel(d.dib, 0, 0, 0x445566);  // top-left
  SelectionBox sel;
  TurnDibLeft(d.dib, sel.ref());
  EXPECT_EQ(GetDibPixel(d.dib, 0, 0), 0x112233u);  // counter-clockwise: top-right to top-left
  TurnDibRight(d.dib, sel.ref());
  TurnDibRight(d.dib, sel.ref());
  EXPECT_EQ(GetDibPixel(d.dib, 1, 0), 0x445566u);  // clockwise: top-left to top-right
}

TEST(MirrorTurn, OneColumnMirroredIsUnchangedAndResolutionIsKept) {
  DibHolder d;
  RandomDib(d.dib, 1, 9, 24, 3);
  d.dib.Info->bmiHeader.biXPelsPerMeter = 11811;
  d.dib.Info->bmiHeader.biYPelsPerMeter = 5906;
  const std::string before = Fingerprint(d.dib);
  MirrorDib(d.dib);
  EXPECT_EQ(Fingerprint(d.dib), before);
  SelectionBox sel;
  TurnDibRight(d.dib, sel.ref());
  EXPECT_EQ(d.dib.Info->bmiHeader.biXPelsPerMeter, 5906);
  EXPECT_EQ(d.dib.Info->bmiHeader.biYPelsPerMeter, 11811);
}

TEST(MirrorTurn, ProgressCountsSourceRowsAndEndsAtZero) {
  DibHolder d;
  RandomDib(d.dib, 4, 3, 24, 3);
  ProgressLog log;
  MirrorDib(d.dib);
  EXPECT_EQ(log.values, (std::vector<int>{0, 0, 50, 100, 0}));
}

// Mirrors of 8- and 24-bit pictures work where the picture is; every stored byte equals a mirror
// into a new picture (padding, header, colour table, palette).
TEST(MirrorTurn, MirrorsInPlaceEqualMirrorsIntoANewPicture) {
  for (int bpp : {8, 24})
    for (bool vertical : {false, true})
      for (int32_t w : {1, 6, 33}) {
        DibHolder d, copy;
        RandomDib(d.dib, w, 9, bpp, uint32_t(w + bpp));
        NewDibLike(d.dib, w, 9, copy.dib);
        KeepResolution(d.dib, copy.dib, false);
        (vertical ? MirrorVerticalPixels : MirrorPixels)(d.dib, copy.dib);
        const uint8_t* before = d.dib.Bits;
        ASSERT_TRUE(vertical ? MirrorDibVertical(d.dib) : MirrorDib(d.dib));
        EXPECT_EQ(d.dib.Bits, before) << "no second picture";
        EXPECT_EQ(Fingerprint(d.dib), Fingerprint(copy.dib)) << bpp << " " << vertical << " " << w;
      }
}

// The retouch command gives the old rows' memory back as it turns and crops: the results are
// those of the window's commands, over many bands of rows and many pages of memory.
TEST(MirrorTurn, TurnsAndCropsGivingBackTheOldRowsEqualThoseKeepingThem) {
  for (int bpp : kDepths)
    for (int op = 0; op < 3; ++op) {
      SCOPED_TRACE(std::to_string(bpp) + " " + std::to_string(op));
      DibHolder kept, givenBack, keptCrop, givenBackCrop;
      RandomDib(kept.dib, 97, 1400, bpp, uint32_t(bpp * 3 + op));
      CopyDib(givenBack.dib, kept.dib);
      SelectionBox sel;
      if (op == 2) {
        ASSERT_TRUE(CropDib(kept.dib, 5, 3, 90, 1390, keptCrop.dib));
        ASSERT_TRUE(
            CropDib(givenBack.dib, 5, 3, 90, 1390, givenBackCrop.dib, OldPixels::GivenBack));
        EXPECT_EQ(Fingerprint(givenBackCrop.dib), Fingerprint(keptCrop.dib));
        continue;
      }
      ASSERT_TRUE(op == 0 ? TurnDibLeft(kept.dib, sel.ref()) : TurnDibRight(kept.dib, sel.ref()));
      ASSERT_TRUE(op == 0 ? TurnDibLeft(givenBack.dib, sel.ref(), OldPixels::GivenBack)
                          : TurnDibRight(givenBack.dib, sel.ref(), OldPixels::GivenBack));
      EXPECT_EQ(Fingerprint(givenBack.dib), Fingerprint(kept.dib));
    }
}
