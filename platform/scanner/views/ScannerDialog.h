#pragma once
// "Select the scanner": the SANE devices with Refresh (or a page of what to check when none is
// found), resolution, colour/grey/line art, the scan area in millimetres with booklet presets,
// and a low-resolution preview on which the area is dragged.
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <array>

#include "platform/scanner/ScanSettings.h"
#include "platform/scanner/Scanner.h"

class ScanAreaPreview;
class ScannerOptionsPanel;
class QGroupBox;

class ScannerDialog : public QDialog {
  Q_OBJECT
 public:
  // `scanRunning`: the scanner thread is busy, so the dialog neither opens devices nor previews.
  ScannerDialog(const ScanSettings& initial, bool scanRunning, QWidget* parent = nullptr);
  ~ScannerDialog() override;

  ScanSettings settings() const;
  void showNotice(const QString& text);
  void refreshDevices();
  void startPreview();
  bool previewRunning() const { return previewJob_.running(); }

  QStackedWidget* pages() const { return pages_; }
  QListWidget* deviceList() const { return devices_; }
  QPushButton* refreshButton() const { return refresh_; }
  QPushButton* previewButton() const { return previewBtn_; }
  QPushButton* findCoverButton() const { return findCoverBtn_; }
  QSpinBox* resolutionEdit() const { return resolution_; }
  QComboBox* modeBox() const { return mode_; }
  QComboBox* presetBox() const { return presets_; }
  QDoubleSpinBox* areaEdit(int i) const { return areaEdits_[i]; }
  ScanAreaPreview* preview() const { return preview_; }
  QLabel* notice() const { return notice_; }
  QDialogButtonBox* buttons() const { return buttons_; }
  ScannerOptionsPanel* advancedOptions() const { return advanced_; }
  // Reads the chosen device's options again with the settings above applied.
  void reloadAdvanced();
  // Selects the cover lying on the glass in the preview; says so when there is none.
  void findCover();

 private:
  QWidget* buildSettingsPage();
  QWidget* buildEmptyPage();
  void deviceChosen();
  void setAreaEdits(const ScanArea& area);
  void areaEdited();
  void presetChosen(int index);
  void previewFinished();
  QWidget* buildAdvancedPart(QWidget* page);

  ScanSettings initial_;
  bool scanRunning_;
  QStackedWidget* pages_ = nullptr;
  QListWidget* devices_ = nullptr;
  QPushButton* refresh_ = nullptr;
  QPushButton* previewBtn_ = nullptr;
  QSpinBox* resolution_ = nullptr;
  QComboBox* mode_ = nullptr;
  QComboBox* presets_ = nullptr;
  std::array<QDoubleSpinBox*, 4> areaEdits_{};
  ScanAreaPreview* preview_ = nullptr;
  QProgressBar* progress_ = nullptr;
  QLabel* notice_ = nullptr;
  QDialogButtonBox* buttons_ = nullptr;
  bool updatingArea_ = false;
  QPushButton* findCoverBtn_ = nullptr;
  QGroupBox* advancedBox_ = nullptr;
  ScannerOptionsPanel* advanced_ = nullptr;
  DeviceOptionChoices options_;  // the further options chosen, per device
  ScanJob previewJob_;           // last member: joined first when the dialog goes
};
