#pragma once
// Pictures and scripted answers for the Retouch view tests.
#include <QApplication>
#include <QTimer>
#include <functional>
#include <string>

#include "platform/dialogs/ScriptedDialogs.h"
#include "platform/dib/Dib.h"
#include "retouch/PictureSelection.h"

// The document's picture and selection as the view sees them; frees the picture.
struct TestDocument {
  Dib dib;
  SelectionBox sel;
  TestDocument() = default;
  TestDocument(const TestDocument&) = delete;
  TestDocument& operator=(const TestDocument&) = delete;
  ~TestDocument() { FreeDib(dib); }
  // Replaces the picture by a 24-bit one whose pixels differ from their neighbours.
  void Pattern24(int w, int h) {
    FreeDib(dib);
    NewDib(dib, w, h, 24, nullptr, 0);
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x)
        SetDibPixel(dib, x, y, uint32_t(x * 2654435761u ^ y * 40503u) & 0xFFFFFF);
    sel.left = sel.top = 0;
    sel.right = w;
    sel.bottom = h;
  }
  void Uniform24(int w, int h, uint32_t rgb) {
    Pattern24(w, h);
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) SetDibPixel(dib, x, y, rgb);
  }
  // An 8-bit picture with a colour table of 256 distinct colours.
  void Palette8(int w, int h) {
    Pattern24(w, h);
    FreeDib(dib);
    NewDib(dib, w, h, 8, nullptr, 0);
    for (int i = 0; i < 256; ++i)
      SetDibColor(dib, i, uint8_t(i), uint8_t(255 - i), uint8_t(i * 7), false);
    RecreatePalette(dib);
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) SetDibPixel(dib, x, y, uint32_t(x * 31 + y * 17) & 0xFF);
  }
};

// Every stored byte that Cancel or No must bring back: pixels with padding, colour table, LogPal.
inline std::string Fingerprint(const Dib& dib) {
  std::string s(reinterpret_cast<const char*>(dib.Bits), size_t(dib.BytesPerLine) * DibHeight(dib));
  s.append(reinterpret_cast<const char*>(&dib.Info->bmiHeader), sizeof dib.Info->bmiHeader);
  s.append(reinterpret_cast<const char*>(dib.Info->bmiColors),
           sizeof(RGBQUAD) * PaletteEntryCount(DibBitCount(dib)));
  s.append(reinterpret_cast<const char*>(&dib.LogPal), sizeof dib.LogPal);
  return s;
}

// Scripted dialogs that let the test look at the screen when a message box comes up.
struct WatchingDialogs : ScriptedDialogs {
  std::function<void(const std::string& title)> onMessage;
  MsgResult messageBox(const std::string& text, const std::string& title, MsgButtons buttons,
                       MsgIcon icon) override {
    if (onMessage) onMessage(title);
    return ScriptedDialogs::messageBox(text, title, buttons, icon);
  }
};

// Runs `act` on the modal dialog of type D once it is shown (polling), for handlers that block.
template <class D>
void WhenModal(const std::function<void(D*)>& act, int tries = 300) {
  QTimer::singleShot(10, [act, tries] {
    if (auto* d = qobject_cast<D*>(QApplication::activeModalWidget()))
      act(d);
    else if (tries > 0)
      WhenModal<D>(act, tries - 1);
  });
}
