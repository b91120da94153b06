#include "platform/scanner/views/ScannerDialog.h"

#include <QCoreApplication>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "platform/scanner/SaneDevice.h"
#include "platform/scanner/views/ScanAreaPreview.h"

namespace {
const char* const kModeCaptions[] = {QT_TRANSLATE_NOOP("ScannerDialog", "Color"),
                                     QT_TRANSLATE_NOOP("ScannerDialog", "Gray"),
                                     QT_TRANSLATE_NOOP("ScannerDialog", "Line art")};
const char* const kPresetCaptions[] = {
    QT_TRANSLATE_NOOP("ScannerDialog", "Custom"),
    QT_TRANSLATE_NOOP("ScannerDialog", "CD booklet 120 x 120 mm"),
    QT_TRANSLATE_NOOP("ScannerDialog", "Unfolded booklet 240 x 120 mm")};
const char* const kAreaCaptions[] = {
    QT_TRANSLATE_NOOP("ScannerDialog", "Left:"), QT_TRANSLATE_NOOP("ScannerDialog", "Top:"),
    QT_TRANSLATE_NOOP("ScannerDialog", "Width:"), QT_TRANSLATE_NOOP("ScannerDialog", "Height:")};
constexpr double kMaxAreaMm = 1000;

const char* const kNoScannerHelp = QT_TRANSLATE_NOOP(
    "ScannerDialog",
    "<b>No scanner was found.</b><p>Please check:</p><ul>"
    "<li>the scanner is switched on and connected;</li>"
    "<li>the package <i>sane-utils</i> is installed: <tt>scanimage -L</tt> in a terminal lists the "
    "scanners SANE finds;</li>"
    "<li>you may use the scanner: your user belongs to the groups <i>scanner</i> and <i>lp</i> "
    "(<tt>sudo adduser $USER scanner</tt>, then log in again) and the udev rules of the "
    "scanner's driver are installed;</li>"
    "<li>a network scanner is named in <tt>/etc/sane.d/net.conf</tt> and the <i>net</i> backend "
    "is enabled in <tt>/etc/sane.d/dll.conf</tt>.</li></ul>"
    "<p>Then click Refresh.</p>");
}  // namespace

ScannerDialog::ScannerDialog(const ScanSettings& initial, bool scanRunning, QWidget* parent)
    : QDialog(parent), initial_(initial), scanRunning_(scanRunning), options_(initial.options) {
  setWindowTitle(QCoreApplication::translate("ScannerDialog", "Select the scanner"));
  resize(1100, 580);
  auto* layout = new QVBoxLayout(this);
  pages_ = new QStackedWidget(this);
  pages_->addWidget(buildSettingsPage());
  pages_->addWidget(buildEmptyPage());
  layout->addWidget(pages_, 1);
  notice_ = new QLabel(this);
  notice_->setWordWrap(true);
  notice_->setStyleSheet(QStringLiteral("color: #a01010"));
  notice_->hide();
  layout->addWidget(notice_);
  buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons_);

  resolution_->setValue(initial.resolution);
  mode_->setCurrentIndex(int(initial.mode));
  setAreaEdits(initial.area);
  if (scanRunning_)
    showNotice(QCoreApplication::translate(
        "ScannerDialog", "A scan is running; the preview is available when it has ended."));
  refreshDevices();
}

ScannerDialog::~ScannerDialog() {
  previewJob_.cancel();
  previewJob_.finish();
}

QWidget* ScannerDialog::buildSettingsPage() {
  auto* page = new QWidget(this);
  auto* row = new QHBoxLayout(page);
  auto* left = new QVBoxLayout;
  left->addWidget(new QLabel(QCoreApplication::translate("ScannerDialog", "Scanners:"), page));
  devices_ = new QListWidget(page);
  connect(devices_, &QListWidget::currentRowChanged, this, [this] {
    deviceChosen();
    reloadAdvanced();
  });
  left->addWidget(devices_, 1);
  refresh_ = new QPushButton(QCoreApplication::translate("ScannerDialog", "Refresh"), page);
  connect(refresh_, &QPushButton::clicked, this, [this] { refreshDevices(); });
  left->addWidget(refresh_);

  auto* form = new QFormLayout;
  resolution_ = new QSpinBox(page);
  resolution_->setRange(kMinScanResolution, kMaxScanResolution);
  resolution_->setSuffix(QStringLiteral(" dpi"));
  form->addRow(QCoreApplication::translate("ScannerDialog", "Resolution:"), resolution_);
  mode_ = new QComboBox(page);
  for (const char* c : kModeCaptions)
    mode_->addItem(QCoreApplication::translate("ScannerDialog", c));
  form->addRow(QCoreApplication::translate("ScannerDialog", "Mode:"), mode_);
  connect(mode_, &QComboBox::currentIndexChanged, this, [this] { reloadAdvanced(); });
  presets_ = new QComboBox(page);
  for (const char* c : kPresetCaptions)
    presets_->addItem(QCoreApplication::translate("ScannerDialog", c));
  connect(presets_, &QComboBox::activated, this, [this](int i) { presetChosen(i); });
  form->addRow(QCoreApplication::translate("ScannerDialog", "Scan area:"), presets_);
  for (int i = 0; i < 4; ++i) {
    areaEdits_[i] = new QDoubleSpinBox(page);
    areaEdits_[i]->setRange(i < 2 ? 0 : 1, kMaxAreaMm);
    areaEdits_[i]->setDecimals(1);
    areaEdits_[i]->setSuffix(QStringLiteral(" mm"));
    connect(areaEdits_[i], &QDoubleSpinBox::valueChanged, this, [this] { areaEdited(); });
    form->addRow(QCoreApplication::translate("ScannerDialog", kAreaCaptions[i]), areaEdits_[i]);
  }
  left->addLayout(form);
  row->addLayout(left, 1);

  auto* right = new QVBoxLayout;
  preview_ = new ScanAreaPreview(page);
  connect(preview_, &ScanAreaPreview::areaChanged, this,
          [this](const ScanArea& a) { setAreaEdits(a); });
  right->addWidget(preview_, 1);
  auto* previewRow = new QHBoxLayout;
  previewBtn_ = new QPushButton(QCoreApplication::translate("ScannerDialog", "Preview"), page);
  previewBtn_->setToolTip(QCoreApplication::translate(
      "ScannerDialog",
      "Scans the whole glass at a low resolution; then drag the scan area on it."));
  connect(previewBtn_, &QPushButton::clicked, this, [this] { startPreview(); });
  previewRow->addWidget(previewBtn_);
  findCoverBtn_ = new QPushButton(QCoreApplication::translate("ScannerDialog", "Find cover"), page);
  findCoverBtn_->setToolTip(QCoreApplication::translate(
      "ScannerDialog", "Selects the cover lying on the glass in the preview."));
  findCoverBtn_->setEnabled(false);
  connect(findCoverBtn_, &QPushButton::clicked, this, [this] { findCover(); });
  previewRow->addWidget(findCoverBtn_);
  progress_ = new QProgressBar(page);
  progress_->setRange(0, 100);
  progress_->setValue(0);
  previewRow->addWidget(progress_, 1);
  right->addLayout(previewRow);
  row->addLayout(right, 1);
  row->addWidget(buildAdvancedPart(page), 1);
  return page;
}

QWidget* ScannerDialog::buildEmptyPage() {
  auto* page = new QWidget(this);
  auto* l = new QVBoxLayout(page);
  auto* help = new QLabel(QCoreApplication::translate("ScannerDialog", kNoScannerHelp), page);
  help->setWordWrap(true);
  help->setTextFormat(Qt::RichText);
  help->setObjectName(QStringLiteral("noScannerHelp"));
  l->addWidget(help, 1);
  auto* again = new QPushButton(QCoreApplication::translate("ScannerDialog", "Refresh"), page);
  connect(again, &QPushButton::clicked, this, [this] { refreshDevices(); });
  l->addWidget(again, 0, Qt::AlignLeft);
  return page;
}

void ScannerDialog::showNotice(const QString& text) {
  notice_->setText(text);
  notice_->setVisible(!text.isEmpty());
}

void ScannerDialog::refreshDevices() {
  const QString wanted = devices_->currentItem()
                             ? devices_->currentItem()->data(Qt::UserRole).toString()
                             : QString::fromStdString(initial_.device);
  std::vector<ScannerInfo> list;
  std::string error;
  if (scanRunning_) {
    // SANE belongs to the scan thread now: only the kept choice is shown.
    if (!initial_.device.empty()) list.push_back({initial_.device, {}, {}, {}});
  } else if (!ListScanners(list, error)) {
    showNotice(QString::fromStdString(error));
  }
  devices_->blockSignals(true);
  devices_->clear();
  int select = 0;
  for (const ScannerInfo& info : list) {
    auto* item = new QListWidgetItem(QString::fromStdString(info.label()), devices_);
    item->setData(Qt::UserRole, QString::fromStdString(info.name));
    if (item->data(Qt::UserRole).toString() == wanted) select = devices_->count() - 1;
  }
  devices_->blockSignals(false);
  pages_->setCurrentIndex(list.empty() ? 1 : 0);
  buttons_->button(QDialogButtonBox::Ok)->setEnabled(!list.empty());
  if (list.empty()) return;
  if (!wanted.isEmpty() && devices_->item(select)->data(Qt::UserRole).toString() != wanted)
    showNotice(QCoreApplication::translate("ScannerDialog",
                                           "The scanner \"%1\" chosen before was not found.")
                   .arg(wanted));
  devices_->setCurrentRow(select);
}

void ScannerDialog::deviceChosen() {
  previewBtn_->setEnabled(!scanRunning_ && devices_->currentItem() && !previewJob_.running());
  if (scanRunning_ || !devices_->currentItem()) return;
  // The device's own limits: resolution range and the size of its glass.
  SaneLibrary library;
  SaneDevice device;
  std::string error;
  if (!library.ok() ||
      !device.open(devices_->currentItem()->data(Qt::UserRole).toString().toStdString(), error)) {
    showNotice(QString::fromStdString(library.ok() ? error : library.error()));
    return;
  }
  for (const char* name : {"resolution", "x-resolution"}) {
    const auto o = device.option(name);
    if (!o || !o->isNumber()) continue;
    double lo = o->min, hi = o->max;
    if (o->constraint == SANE_CONSTRAINT_WORD_LIST && !o->words.empty()) {
      lo = *std::min_element(o->words.begin(), o->words.end());
      hi = *std::max_element(o->words.begin(), o->words.end());
      QStringList values;
      for (double w : o->words) values << QString::number(w);
      resolution_->setToolTip(
          QCoreApplication::translate("ScannerDialog", "The scanner offers %1 dpi.")
              .arg(values.join(", ")));
    }
    if (o->constraint != SANE_CONSTRAINT_NONE && hi >= lo)
      resolution_->setRange(std::max(kMinScanResolution, int(std::ceil(lo))),
                            std::min(kMaxScanResolution, std::max(kMinScanResolution, int(hi))));
    break;
  }
  if (const auto bed = ScannerBed(device)) preview_->setBed(*bed);
}

void ScannerDialog::setAreaEdits(const ScanArea& area) {
  updatingArea_ = true;
  areaEdits_[0]->setValue(area.left);
  areaEdits_[1]->setValue(area.top);
  areaEdits_[2]->setValue(area.width);
  areaEdits_[3]->setValue(area.height);
  updatingArea_ = false;
  areaEdited();
}

void ScannerDialog::areaEdited() {
  if (updatingArea_) return;
  const ScanArea a = settings().area;
  preview_->setArea(a);
  int preset = 0;
  if (a.width == kCdBookletArea.width && a.height == kCdBookletArea.height) preset = 1;
  if (a.width == kUnfoldedBookletArea.width && a.height == kUnfoldedBookletArea.height) preset = 2;
  presets_->setCurrentIndex(preset);
}

void ScannerDialog::presetChosen(int index) {
  if (index <= 0) return;
  ScanArea a = settings().area;
  const ScanArea& preset = index == 1 ? kCdBookletArea : kUnfoldedBookletArea;
  a.width = preset.width;
  a.height = preset.height;
  setAreaEdits(a);
}

ScanSettings ScannerDialog::settings() const {
  ScanSettings s = initial_;
  if (devices_->currentItem())
    s.device = devices_->currentItem()->data(Qt::UserRole).toString().toStdString();
  s.resolution = resolution_->value();
  s.mode = ScanMode(std::clamp(mode_->currentIndex(), 0, 2));
  s.area = {areaEdits_[0]->value(), areaEdits_[1]->value(), areaEdits_[2]->value(),
            areaEdits_[3]->value()};
  s.options = options_;
  return s;
}

void ScannerDialog::startPreview() {
  if (scanRunning_ || previewJob_.running() || !devices_->currentItem()) return;
  showNotice({});
  previewBtn_->setEnabled(false);
  advancedBox_->setEnabled(false);  // the scanner belongs to the preview meanwhile
  progress_->setValue(0);
  previewJob_.start(
      {settings(), true},
      [this](int percent) {
        QMetaObject::invokeMethod(
            this, [this, percent] { progress_->setValue(percent); }, Qt::QueuedConnection);
      },
      [this] {
        QMetaObject::invokeMethod(
            this, [this] { previewFinished(); }, Qt::QueuedConnection);
      });
}

void ScannerDialog::previewFinished() {
  std::unique_ptr<ScanResult> result = previewJob_.finish();
  previewBtn_->setEnabled(devices_->currentItem() != nullptr);
  advancedBox_->setEnabled(true);
  progress_->setValue(0);
  if (!result) return;
  if (!result->dib.Bits) {
    if (!result->cancelled) showNotice(QString::fromStdString(result->error));
    return;
  }
  preview_->setPicture(DibToImage(result->dib), result->applied.area);
  findCoverBtn_->setEnabled(!preview_->picture().isNull());
}
