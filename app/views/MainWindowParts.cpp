// The Center and Print tabs work on the design's current part; the Print tab also prints the
// other parts, at chosen positions or all in one job.
#include "app/coverfile/PartPresets.h"
#include "app/views/MainWindow.h"
#include "app/views/PartBar.h"
#include "app/views/PartPrints.h"
#include "print/views/PaperFormatPanel.h"
#include "print/views/PrintPanel.h"
#include "print/views/SheetPreview.h"

void MainWindow::connectParts() {
  partCovers_ = std::make_unique<PartCovers>(doc_);
  connect(paperPanel_, &PaperFormatPanel::viewChanged, this, [this] {
    if (!following_) keepCenter(true);
  });
  connect(this, &MainWindow::documentReplaced, this, &MainWindow::followPart);
  connect(partBar_, &PartBar::partsShown, this, [this] {
    printPanel_->refreshParts();
    sheetPreview_->update();
  });
  PanelParts panel;
  panel.count = [this] { return doc_.parts.list.size(); };
  panel.all = [this](const JobChoices& shared, std::vector<PartPrint>& jobs,
                     std::shared_ptr<void>& held) {
    auto covers = std::make_shared<PartCovers>(doc_);  // let go when the job has printed
    held = covers;
    AllPartsChoices c;
    c.list = &paperPanel_->list();
    c.fallback = paperPanel_->selectedFormat();
    c.copies = shared.copies;
    c.outlines = shared.outlines;
    c.cropMarks = shared.cropMarks;
    c.fields = &doc_.copyFields;
    std::string error;
    AllPartPrints(doc_, *covers, c, jobs, error);
    return error;
  };
  panel.place = [this](PartPrint& job) {
    const int32_t positions = PositionsPerSheet(job.request.format, job.request.details);
    std::string error;
    PlaceParts(doc_, *partCovers_, PartsAtPositions(doc_.parts, positions), job, error);
    return error;
  };
  printPanel_->setParts(std::move(panel));
  SheetParts sheet;
  sheet.names = [this] {
    std::vector<std::string> names;
    for (const DesignPart& part : doc_.parts.list) names.push_back(part.name);
    return names;
  };
  sheet.current = [this] { return doc_.parts.current; };
  sheet.at = [this](int32_t positions) { return PartsAtPositions(doc_.parts, positions); };
  sheet.choose = [this](int32_t k, size_t part) { PlacePart(doc_.parts, k, part); };
  sheet.cover = [this](size_t part, const CoverSettings& settings) {
    std::string error;  // a part that does not read shows an empty element
    return partCovers_->cover(part, settings, nullptr, error);
  };
  sheetPreview_->setParts(std::move(sheet));
}

// Switching parts (and New and Open) selects the part's own format, size and displacement; a
// part without a format takes the Center tab's as they are.
void MainWindow::followPart() {
  partCovers_ = std::make_unique<PartCovers>(doc_);  // the parts read again when shown
  const DesignPart& part = doc_.parts.list[doc_.parts.current];
  if (part.format) {
    following_ = true;
    paperPanel_->selectFormat(
        *part.format,
        PartFormatDetails(paperPanel_->formats(), paperPanel_->details(), *part.format));
    paperPanel_->setCoverSettings(part.center);
    following_ = false;
  }
  keepCenter(false);
}

void MainWindow::keepCenter(bool format) {
  DesignPart& part = doc_.parts.list[doc_.parts.current];
  part.center = paperPanel_->coverSettings();
  if (const PaperFormat* selected = paperPanel_->selectedFormat(); format && selected)
    part.format = *selected;
}
