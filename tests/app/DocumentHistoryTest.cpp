// Undo and redo of every kind of change: the document byte for byte as before and after.
#include <gtest/gtest.h>

#include <array>
#include <functional>

#include "app/Document.h"
#include "cover/ObjectHistory.h"
#include "platform/dialogs/ScriptedDialogs.h"
#include "retouch/BrightnessContrast.h"
#include "retouch/Crop.h"
#include "retouch/DepthPromotion.h"
#include "retouch/MirrorTurn.h"
#include "retouch/PictureCopy.h"
#include "retouch/PictureHistory.h"
#include "retouch/effects/ApplyEffect.h"
#include "tests/app/coverfile/CoverSamples.h"
#include "tests/support/TestFiles.h"

namespace {
// Everything undo restores: the picture, all slots, both selections.
struct DocumentState {
  Dib picture;
  std::vector<CoverObject> slots;
  std::vector<TextLayout> layouts;
  std::vector<PlacedPicture> pictures;
  std::array<int32_t, 5> selections{};
  DocumentState() = default;
  DocumentState(const DocumentState&) = delete;
  ~DocumentState() { FreeDib(picture); }
};

void Take(const Document& d, DocumentState& s) {
  FreeDib(s.picture);
  ExactCopy(d.picture, s.picture);
  s.slots.assign(1, CoverObject{});
  for (int i = 1; i <= ObjectTable::kSlots; ++i) s.slots.push_back(d.objects[i]);
  s.layouts.assign(1, TextLayout{});
  for (int i = 1; i <= ObjectTable::kSlots; ++i) s.layouts.push_back(d.objects.layout(i));
  s.pictures.assign(1, PlacedPicture{});
  for (int i = 1; i <= ObjectTable::kSlots; ++i) s.pictures.push_back(d.objects.picture(i));
  s.selections = {d.selLeft, d.selTop, d.selRight, d.selBottom, d.objects.selectedSlot};
}

// Empty when equal, else what differs first.
std::string Differences(const Document& d, const DocumentState& s) {
  if (!SamePicture(d.picture, s.picture)) return "picture";
  for (int i = 1; i <= ObjectTable::kSlots; ++i)
    if (!(d.objects[i] == s.slots[i])) return "slot " + std::to_string(i);
  for (int i = 1; i <= ObjectTable::kSlots; ++i)
    if (!(d.objects.layout(i) == s.layouts[i])) return "layout " + std::to_string(i);
  for (int i = 1; i <= ObjectTable::kSlots; ++i)
    if (!(d.objects.picture(i) == s.pictures[i])) return "picture " + std::to_string(i);
  const std::array<int32_t, 5> sel{d.selLeft, d.selTop, d.selRight, d.selBottom,
                                   d.objects.selectedSlot};
  return sel == s.selections ? "" : "selections";
}

// Two objects and a free slot with leftover fields, a selection inside the picture.
void Prepare(Document& d, int bits, int width, int height) {
  SetSamplePage(d);
  SetSamplePicture(d, bits, width, height);
  d.selLeft = 2, d.selTop = 1, d.selRight = width - 3, d.selBottom = height - 2;
  PlaceObject(d, 3, kText, 0).Text = "Side A";
  PlaceObject(d, 7, kShape, 2).Color = 0x112233;
  CoverObject& leftover = d.objects[5];
  leftover.Text = "removed once";
  leftover.X = 777;
  leftover.FontName = "Arial";
  d.objects.createPicture(SamplePicturePixels(8, 5, 4, true), 1000, 2000, 90000, 60000);
  d.objects.selectedSlot = 3;
  d.history.clear();
}

void RunPicture(Document& d, PictureOp op, const std::function<bool()>& command) {
  PictureEdit edit(&d.history, d.picture, op);
  if (command()) edit.commit("test");
}

PictureSelection Sel(Document& d) {
  return {d.selLeft, d.selTop, d.selRight, d.selBottom};
}

struct Kind {
  const char* name;
  int bits, width, height;
  std::function<void(Document&)> change;
  const char* step;  // the name the step gets
};

const Kind kKinds[] = {
    {"crop", 24, 37, 23,
     [](Document& d) {
       RunPicture(d, PictureOp::Replace, [&] { return CropToSelection(d.picture, Sel(d)); });
     },
     "test"},
    {"crop 4 bit", 4, 37, 23,
     [](Document& d) {
       RunPicture(d, PictureOp::Replace, [&] { return CropToSelection(d.picture, Sel(d)); });
     },
     "test"},
    {"turn left", 24, 37, 23,
     [](Document& d) {
       RunPicture(d, PictureOp::TurnLeft, [&] { return TurnDibLeft(d.picture, Sel(d)); });
     },
     "test"},
    {"turn right 1 bit", 1, 37, 23,
     [](Document& d) {
       RunPicture(d, PictureOp::TurnRight, [&] { return TurnDibRight(d.picture, Sel(d)); });
     },
     "test"},
    {"turn left 4 bit", 4, 37, 23,
     [](Document& d) {
       RunPicture(d, PictureOp::TurnLeft, [&] { return TurnDibLeft(d.picture, Sel(d)); });
     },
     "test"},
    {"mirror 8 bit", 8, 37, 23,
     [](Document& d) { RunPicture(d, PictureOp::Mirror, [&] { return MirrorDib(d.picture); }); },
     "test"},
    {"mirror vertical", 24, 37, 23,
     [](Document& d) {
       RunPicture(d, PictureOp::MirrorVertical, [&] { return MirrorDibVertical(d.picture); });
     },
     "test"},
    {"brightness 24 bit", 24, 37, 23,
     [](Document& d) {
       RunPicture(d, PictureOp::Replace, [&] {
         BrightnessContrastSession s(d.picture);
         s.begin();
         s.brightness = 40;
         s.contrast = 130;
         s.confirm();
         s.finish(true);
         return true;
       });
     },
     "test"},
    {"contrast 8 bit", 8, 37, 23,
     [](Document& d) {
       RunPicture(d, PictureOp::Replace, [&] {
         ChangeContrast(d.picture, 150);
         return true;
       });
     },
     "test"},
    {"filter", 24, 37, 23,
     [](Document& d) {
       RunPicture(d, PictureOp::Replace, [&] { return ApplyFilter(d.picture, kEffectFilters[2]); });
     },
     "test"},
    {"promotion", 8, 37, 23,
     [](Document& d) {
       RunPicture(d, PictureOp::Replace, [&] {
         PromoteDepth(d.picture, 24);
         return true;
       });
     },
     "test"},
    {"opened picture", 4, 37, 23,
     [](Document& d) {
       Dib other;
       NewWhiteDib(other, 11, 9);
       KeepReplacedPicture(&d.history, d.picture);
       d.replacePicture(other);
       d.history.commit("Open picture");
     },
     "Open picture"},
    {"create", 24, 8, 8,
     [](Document& d) {
       d.objects.selectedSlot = d.objects.createObject(Tool::Text, 3, 4, FontSpec{});
       d.history.commit();
     },
     "Create object"},
    {"delete", 24, 8, 8,
     [](Document& d) {
       d.objects[3].Kind = kFree;
       d.objects.selectedSlot = 0;
       d.history.commit();
     },
     "Delete object"},
    {"move", 24, 8, 8,
     [](Document& d) {
       d.objects[7].X += 5000, d.objects[7].Y -= 300;
       d.history.commit();
     },
     "Move object"},
    {"resize", 24, 8, 8,
     [](Document& d) {
       d.objects[7].W += 5000;
       d.history.commit();
     },
     "Resize object"},
    {"font", 24, 8, 8,
     [](Document& d) {
       d.objects[3].FontName = "Courier";
       d.history.commit();
     },
     "Font"},
    {"text", 24, 8, 8,
     [](Document& d) {
       d.objects[3].Text = "Side B\rTrack 1";
       d.history.commit();
     },
     "Text entry"},
    {"effects", 24, 8, 8,
     [](Document& d) {
       d.objects[3].ShadowOn = true, d.objects[3].FillOrShadow = 0xFF;
       d.history.commit();
     },
     "Text effects"},
    {"curved text", 24, 8, 8,
     [](Document& d) {
       d.objects.layout(3) = {TextShape::BottomArc, 240, 20};
       d.history.commit();
     },
     "Text layout"},
    {"to front", 24, 8, 8,
     [](Document& d) {
       d.objects.toFront();
       d.history.commit();
     },
     "Stacking order"},
    {"to back", 24, 8, 8,
     [](Document& d) {
       d.objects.selectedSlot = 7;
       d.objects.toBack();
       d.history.commit();
     },
     "Stacking order"},
    {"place picture", 24, 8, 8,
     [](Document& d) {
       d.objects.createPicture(SamplePicturePixels(24, 3, 2, false), 0, 0, 5000, 5000);
       d.history.commit();
     },
     "Create object"},
    {"picture settings", 24, 8, 8,
     [](Document& d) {
       d.objects.picture(1).settings.fit = PictureFit::Cover;
       d.objects.picture(1).settings.opacity = 40;
       d.history.commit();
     },
     "Picture object"},
    {"replace picture", 24, 8, 8,
     [](Document& d) {
       d.objects.picture(1).pixels = SamplePicturePixels(4, 9, 9, false);
       d.history.commit();
     },
     "Picture object"},
};
}  // namespace

TEST(DocumentHistory, UndoGivesTheDocumentBackByteForByteAndRedoDoesItAgain) {
  ScriptedDialogs dialogs;
  ScopedDialogs scoped{dialogs};
  for (const Kind& k : kKinds) {
    SCOPED_TRACE(k.name);
    Document d;
    Prepare(d, k.bits, k.width, k.height);
    DocumentState before, after;
    Take(d, before);
    k.change(d);
    Take(d, after);
    ASSERT_NE(Differences(d, before), "");
    ASSERT_TRUE(d.history.canUndo());
    EXPECT_EQ(d.history.undoName(), k.step);
    for (int round = 0; round < 2; ++round) {
      ASSERT_TRUE(d.history.undo());
      EXPECT_EQ(Differences(d, before), "");
      EXPECT_FALSE(d.history.canUndo());
      ASSERT_TRUE(d.history.redo());
      EXPECT_EQ(Differences(d, after), "");
    }
  }
}

TEST(DocumentHistory, TurnsAndMirrorsKeepNoPixelsOtherChangesTheOldPicture) {
  Document d;
  Prepare(d, 24, 300, 200);
  const size_t picture = PictureBytes(d.picture);
  RunPicture(d, PictureOp::TurnLeft, [&] { return TurnDibLeft(d.picture, Sel(d)); });
  RunPicture(d, PictureOp::Mirror, [&] { return MirrorDib(d.picture); });
  EXPECT_LT(d.history.bytesUsed(), 20000u);
  RunPicture(d, PictureOp::Replace, [&] { return ApplyFilter(d.picture, kEffectFilters[0]); });
  EXPECT_LT(d.history.bytesUsed(), picture + 20000u);
  EXPECT_GE(d.history.bytesUsed(), picture);
  // A move keeps one slot twice, not the table.
  d.history.clear();
  d.objects[7].X += 1;
  d.history.commit();
  EXPECT_LT(d.history.bytesUsed(), 1000u);
}

TEST(DocumentHistory, InterleavedChangesUndoAndRedoInOrder) {
  ScriptedDialogs dialogs;
  ScopedDialogs scoped{dialogs};
  Document d;
  Prepare(d, 8, 37, 23);
  const int order[] = {12, 5, 0, 14, 10, 2, 19, 7, 17, 9};  // kinds, picture and objects mixed
  // The document before and after each step.
  std::vector<std::unique_ptr<DocumentState>> before, after;
  for (int k : order) {
    d.selLeft = k;  // a selection changed by the mouse is restored, never a step of its own
    d.history.commit();
    before.push_back(std::make_unique<DocumentState>());
    Take(d, *before.back());
    kKinds[k].change(d);
    after.push_back(std::make_unique<DocumentState>());
    Take(d, *after.back());
  }
  ASSERT_EQ(d.history.undoCount(), int(std::size(order)));
  for (size_t i = before.size(); i-- > 0;) {
    SCOPED_TRACE(i);
    ASSERT_TRUE(d.history.undo());
    EXPECT_EQ(Differences(d, *before[i]), "");
  }
  for (size_t i = 0; i < after.size(); ++i) {
    SCOPED_TRACE(i);
    ASSERT_TRUE(d.history.redo());
    EXPECT_EQ(Differences(d, *after[i]), "");
  }
  // A new change after undo discards what could have been redone.
  d.history.undo();
  kKinds[14].change(d);
  EXPECT_FALSE(d.history.canRedo());
}

TEST(DocumentHistory, TheBudgetDropsTheOldestStepsAndTooLargeAStepEmptiesTheHistory) {
  Document d;
  Prepare(d, 24, 64, 64);
  const size_t picture = PictureBytes(d.picture);
  d.history.setByteBudget(picture * 5 / 2);
  DocumentState afterFirst;
  for (int i = 0; i < 3; ++i) {
    RunPicture(d, PictureOp::Replace, [&] { return ApplyFilter(d.picture, kEffectFilters[i]); });
    if (i == 0) Take(d, afterFirst);
  }
  EXPECT_EQ(d.history.undoCount(), 2);
  EXPECT_LE(d.history.bytesUsed(), d.history.byteBudget());
  d.history.undo();
  d.history.undo();
  EXPECT_EQ(Differences(d, afterFirst), "");
  EXPECT_FALSE(d.history.canUndo());

  d.history.setByteBudget(1 << 20);
  for (int i = 0; i < History::kMaxSteps + 5; ++i) {
    d.objects[7].X += 1;
    d.history.commit();
  }
  EXPECT_EQ(d.history.undoCount(), History::kMaxSteps);

  d.history.setByteBudget(picture / 2);
  RunPicture(d, PictureOp::Replace, [&] { return ApplyFilter(d.picture, kEffectFilters[1]); });
  EXPECT_FALSE(d.history.canUndo());
  EXPECT_EQ(UndoHint(d.history), "test cannot be undone");
  d.objects[7].X += 1;  // the next step is kept again
  d.history.commit();
  EXPECT_EQ(UndoHint(d.history), "Undo Move object");

  // A cancelled or failed operation takes nothing from the steps, not even one too large.
  d.history.setByteBudget(picture * 3 / 2);
  RunPicture(d, PictureOp::Replace, [&] { return ApplyFilter(d.picture, kEffectFilters[2]); });
  for (size_t budget : {picture * 3 / 2, picture / 2}) {
    d.history.setByteBudget(budget);
    d.objects[7].X += 1;
    d.history.commit();
    const int steps = d.history.undoCount();
    const std::string hint = UndoHint(d.history);
    ASSERT_GT(steps, 0);
    RunPicture(d, PictureOp::Replace, [] { return false; });
    EXPECT_EQ(d.history.undoCount(), steps) << budget;
    EXPECT_EQ(UndoHint(d.history), hint);
  }
}

TEST(DocumentHistory, ACoverSavedAfterUndoEqualsTheFileSavedBeforeTheChange) {
  ScriptedDialogs dialogs;
  ScopedDialogs scoped{dialogs};
  TempDir dir;
  Document d;
  Prepare(d, 8, 37, 23);
  ASSERT_TRUE(SaveFile(d, dir.file("before.cov")));
  for (int k : {12, 0, 15, 10, 19, 22, 23, 24}) kKinds[k].change(d);
  ASSERT_TRUE(SaveFile(d, dir.file("after.cov")));
  while (d.history.canUndo()) d.history.undo();
  ASSERT_TRUE(SaveFile(d, dir.file("undone.cov")));
  EXPECT_EQ(ReadBytes(dir.file("undone.cov")), ReadBytes(dir.file("before.cov")));
  while (d.history.canRedo()) d.history.redo();
  ASSERT_TRUE(SaveFile(d, dir.file("redone.cov")));
  EXPECT_EQ(ReadBytes(dir.file("redone.cov")), ReadBytes(dir.file("after.cov")));
}

TEST(DocumentHistory, ControlsNameTheStep) {
  Document d;
  Prepare(d, 24, 8, 8);
  EXPECT_EQ(UndoCaption(d.history), "Undo");
  EXPECT_EQ(UndoHint(d.history), "Nothing to undo");
  d.objects[7].Color = 5;
  d.history.commit();
  EXPECT_EQ(UndoCaption(d.history), "Undo Color");
  d.history.undo();
  EXPECT_EQ(RedoCaption(d.history), "Redo Color");
  d.objects.selectedSlot = 7;  // selecting alone is no step
  d.history.commit();
  EXPECT_TRUE(d.history.canRedo());
  // A value a paint puts into range joins the step shown last.
  d.history.redo();
  const int32_t width = d.objects[7].LineWidth, color = d.objects[7].Color;
  d.objects[7].LineWidth = 1;
  d.history.absorb();
  EXPECT_EQ(d.history.undoCount(), 1);
  d.history.undo();
  EXPECT_EQ(d.objects[7].LineWidth, width);
  EXPECT_NE(d.objects[7].Color, uint32_t(color));
}

TEST(DocumentHistory, ATurnOfAPictureWithStrayPaddingBytesKeepsThePictureToComeBackExactly) {
  Document d;
  Prepare(d, 24, 37, 23);  // 111 bytes a row, one byte of padding
  DibRow(d.picture, 4)[111] = 0x5A;
  DocumentState before;
  Take(d, before);
  RunPicture(d, PictureOp::TurnLeft, [&] { return TurnDibLeft(d.picture, Sel(d)); });
  EXPECT_GE(d.history.bytesUsed(), PictureBytes(before.picture));
  d.history.undo();
  EXPECT_EQ(Differences(d, before), "");
}
