// The editor's commands for picture objects: choosing, placing and replacing the picture and
// how it shows in its box.
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "cover/Editor.h"
#include "platform/Translate.h"
#include "platform/codecs/PictureFile.h"
#include "platform/dialogs/FileFolders.h"

namespace {
// The longer side of a newly placed picture, in view pixels.
constexpr int kPlacedSide = 150;
// A press and release this close together are a click, not a drag.
constexpr int kClickSlack = 3;

std::shared_ptr<const PicturePixels> AskForPicture() {
  FileRequest request;
  request.title = Translate("PictureCommands", "Place picture");
  request.filter = kPictureOpenFilter;
  request.kind = FileKind::Picture;
  const std::optional<FileAnswer> answer = CurrentDialogs().openFile(request);
  if (!answer) return nullptr;
  std::shared_ptr<const PicturePixels> pixels;
  std::string error;
  if (!LoadObjectPicture(answer->path, pixels, error))
    ShowError(FillIn(Translate("PictureCommands", "The picture \"%1\" could not be opened: %2."),
                     {answer->path, error}));
  return pixels;
}
}  // namespace

PlacedPicture* Editor::selectedPicture() {
  return table_.isPicture(table_.selectedSlot) ? &table_.picture(table_.selectedSlot) : nullptr;
}

bool Editor::choosePicture() {
  pending_ = AskForPicture();
  return pending_ != nullptr;
}

bool Editor::placePending(int mx, int my) {
  if (!pending_) return false;
  const int slot = table_.createPicture(pending_, 0, 0, 0, 0);
  if (slot == 0) return false;
  CoverObject& o = table_[slot];
  if (std::abs(mx - placeX_) > kClickSlack || std::abs(my - placeY_) > kClickSlack) {
    o.SetLeft(std::min(mx, placeX_));
    o.SetTop(std::min(my, placeY_));
    o.SetWidth(std::abs(mx - placeX_));
    o.SetHeight(std::abs(my - placeY_));
  } else {
    const double w = pending_->width(), h = pending_->height();
    const double scale = kPlacedSide / std::max(w, h);
    o.SetLeft(mx);
    o.SetTop(my);
    o.SetWidth(std::max(1, int(std::lround(w * scale))));
    o.SetHeight(std::max(1, int(std::lround(h * scale))));
  }
  o.NewFlag = 1;
  pending_.reset();
  return true;
}

bool Editor::placePictureAt(int mx, int my) {
  placeX_ = mx, placeY_ = my;
  return choosePicture() && placePending(mx, my);
}

bool Editor::replacePicture() {
  PlacedPicture* p = selectedPicture();
  if (!p) return false;
  std::shared_ptr<const PicturePixels> pixels = AskForPicture();
  if (!pixels) return false;
  p->pixels = std::move(pixels);
  return true;
}

bool Editor::setPictureFit(int fit) {
  PlacedPicture* p = selectedPicture();
  if (!p || fit < 0 || fit > 2) return false;
  p->settings.fit = static_cast<PictureFit>(fit);
  return true;
}

bool Editor::turnPicture() {
  PlacedPicture* p = selectedPicture();
  if (!p) return false;
  p->settings.turns = uint8_t((p->settings.turns + 1) % 4);
  return true;
}

bool Editor::mirrorPicture(bool leftRight) {
  PlacedPicture* p = selectedPicture();
  if (!p) return false;
  bool& mirror = leftRight ? p->settings.mirrorX : p->settings.mirrorY;
  mirror = !mirror;
  return true;
}

bool Editor::setPictureOpacity(int percent) {
  PlacedPicture* p = selectedPicture();
  if (!p) return false;
  p->settings.opacity = uint8_t(std::clamp(percent, 0, 100));
  return true;
}

bool Editor::setPictureKeyed(bool on) {
  PlacedPicture* p = selectedPicture();
  if (!p) return false;
  p->settings.keyed = on;
  return !on || setPictureKeyAt(0, 0);  // the top left corner until a colour is picked
}

bool Editor::setPictureKeyAt(int x, int y) {
  PlacedPicture* p = selectedPicture();
  if (!p) return false;
  const Dib& dib = p->pixels->dib();
  if (x < 0 || y < 0 || x >= DibWidth(dib) || y >= DibHeight(dib)) return false;
  uint32_t value = GetDibPixel(dib, x, y);
  if (DibBitCount(dib) <= 8) {
    const RGBQUAD& q = dib.Info->bmiColors[value & 255];
    value = uint32_t(q.rgbRed) << 16 | uint32_t(q.rgbGreen) << 8 | q.rgbBlue;
  }
  p->settings.keyed = true;
  p->settings.key = value;
  return true;
}

const Dib* Editor::selectedPictureDib() {
  const PlacedPicture* p = selectedPicture();
  return p ? &p->pixels->dib() : nullptr;
}

bool Editor::editPictureShadowColor() {
  PlacedPicture* p = selectedPicture();
  if (!p) return false;
  // The colour dialog speaks COLORREF (0x00BBGGRR); the picture keeps 0x00RRGGBB.
  const auto swapRedBlue = [](uint32_t c) {
    return (c & 0x00FF00) | (c >> 16 & 0xFF) | (c & 0xFF) << 16;
  };
  const auto c = CurrentDialogs().chooseColor(swapRedBlue(p->settings.shadow));
  if (!c) return false;
  p->settings.shadow = swapRedBlue(*c & 0xFFFFFF);
  return true;
}

bool Editor::setPictureTolerance(int tolerance) {
  PlacedPicture* p = selectedPicture();
  if (!p) return false;
  p->settings.tolerance = uint8_t(std::clamp(tolerance, 0, PictureSettings::kMaxTolerance));
  return true;
}

bool Editor::setPictureFrame(bool on) {
  if (!selectedPicture()) return false;
  selected()->BorderOn = on;
  return true;
}

bool Editor::setPictureShadowOffset(int offset) {
  if (!selectedPicture()) return false;
  selected()->ShadowDX = selected()->ShadowDY = std::clamp(offset, 0, kMaxPictureShadowOffset);
  return true;
}

bool Editor::setPictureShadow(bool on) {
  if (!selectedPicture()) return false;
  selected()->ShadowOn = on;
  return true;
}
