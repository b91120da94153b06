#pragma once
// The Print tab's preview: the printer page at screen scale with the cover in every position
// that the page shown receives; dragged to scroll.
#include <QScrollArea>
#include <QWidget>
#include <functional>

#include "print/views/PrintJob.h"

class PaperFormatPanel;
class PrintPanel;
class QMenu;

// The design's parts as the window gives them to the preview: a right click on a position of
// the first sheet chooses which part prints there, and each position shows its part's cover.
struct SheetParts {
  std::function<std::vector<std::string>()> names;
  std::function<size_t()> current;
  // The part printing at each of a sheet's `positions`.
  std::function<std::vector<size_t>(int32_t positions)> at;
  std::function<void(int32_t k, size_t part)> choose;
  // Another part's cover placed by `settings`; nullptr when it cannot be read.
  std::function<const CoverJob*(size_t part, const CoverSettings& settings)> cover;
};

class SheetPreview : public QWidget {
  Q_OBJECT
 public:
  SheetPreview(PaperFormatPanel* paper, PrintPanel* print, std::function<QSize()> pictureSize,
               QWidget* parent = nullptr);
  void setCoverDrawer(CoverDrawer draw) { draw_ = std::move(draw); }
  void setParts(SheetParts parts) { parts_ = std::move(parts); }
  // The menu of the parts position `k` can print, its part checked; nullptr with one part.
  QMenu* partMenu(int32_t k);
  void setPrinterPage(const PrinterPage& page);
  QScrollArea* scrollArea() const { return scrollArea_; }
  // Corrects the inputs, sizes the preview and draws it again; without a paper format the
  // user is asked for one once, after painting.
  void paintPreview();
  // Positions drawn by the last paint, for checks.
  int drawnElements() const { return drawn_; }
  // The position of the first sheet under `point` (preview pixels), or -1.
  int positionAt(QPoint point) const;
  // A press and release within this many pixels is a click, not a drag.
  static constexpr int kClickSlack = 4;

 protected:
  void paintEvent(QPaintEvent*) override;
  void showEvent(QShowEvent*) override;
  void contextMenuEvent(QContextMenuEvent* e) override;
  // Sees presses and releases before the drag-to-scroll does: a click marks a position used.
  bool eventFilter(QObject* watched, QEvent* e) override;

 private:
  void askForFormat();

  PaperFormatPanel* paper_;
  PrintPanel* print_;
  std::function<QSize()> pictureSize_;
  CoverDrawer draw_;
  SheetParts parts_;
  PrinterPage page_;
  QScrollArea* scrollArea_ = nullptr;
  bool askAllowed_ = true;
  int drawn_ = 0;
  QPointF pressedAt_;
  bool pressed_ = false;
};
