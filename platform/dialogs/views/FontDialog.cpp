#include "platform/dialogs/views/FontDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <cmath>

#include "platform/Translate.h"

namespace {
QColor ToQColor(uint32_t c) {
  return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}
}  // namespace

FontDialog::FontDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QCoreApplication::translate("FontDialog", "Font"));
  family = new QComboBox(this);
  family->setObjectName("family");
  family->setEditable(true);
  family->setInsertPolicy(QComboBox::NoInsert);
  for (const QString& f : QFontDatabase::families())
    if (QFontDatabase::isScalable(f) && !QFontDatabase::isPrivateFamily(f)) family->addItem(f);
  size = new QSpinBox(this);
  size->setObjectName("size");
  size->setRange(1, 1638);
  bold = new QCheckBox(QCoreApplication::translate("FontDialog", "Bold"), this);
  italic = new QCheckBox(QCoreApplication::translate("FontDialog", "Italic"), this);
  underline = new QCheckBox(QCoreApplication::translate("FontDialog", "Underline"), this);
  strikeOut = new QCheckBox(QCoreApplication::translate("FontDialog", "Strikeout"), this);
  colorButton = new QPushButton(QCoreApplication::translate("FontDialog", "Color..."), this);
  sample = new QLabel(QStringLiteral("AaBbYyZz"), this);
  sample->setMinimumSize(220, 60);
  sample->setAlignment(Qt::AlignCenter);
  sample->setFrameShape(QFrame::StyledPanel);

  auto* form = new QFormLayout;
  form->addRow(QCoreApplication::translate("FontDialog", "Font:"), family);
  form->addRow(QCoreApplication::translate("FontDialog", "Size:"), size);
  auto* style = new QHBoxLayout;
  style->addWidget(bold);
  style->addWidget(italic);
  form->addRow(QCoreApplication::translate("FontDialog", "Style:"), style);
  auto* effects = new QGroupBox(QCoreApplication::translate("FontDialog", "Effects"), this);
  auto* effectsLayout = new QHBoxLayout(effects);
  effectsLayout->addWidget(strikeOut);
  effectsLayout->addWidget(underline);
  effectsLayout->addWidget(colorButton);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  okButton = buttons->button(QDialogButtonBox::Ok);
  cancelButton = buttons->button(QDialogButtonBox::Cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(effects);
  layout->addWidget(sample);
  layout->addWidget(buttons);

  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(colorButton, &QPushButton::clicked, this, [this] {
    if (const auto c = CurrentDialogs().chooseColor(color_)) color_ = *c;
    updateSample();
  });
  connect(family, &QComboBox::currentTextChanged, this, [this] { updateSample(); });
  connect(size, &QSpinBox::valueChanged, this, [this] { updateSample(); });
  for (QCheckBox* box : {bold, italic, underline, strikeOut})
    connect(box, &QCheckBox::toggled, this, [this] { updateSample(); });
  load(FontSpec{});
}

int FontDialog::dpi() const {
  return logicalDpiY() > 0 ? logicalDpiY() : 96;
}

void FontDialog::load(const FontSpec& f) {
  loaded_ = f;
  color_ = f.color;
  family->setCurrentText(QString::fromStdString(f.name));
  size->setValue(f.size > 0 ? f.size : 12);
  bold->setChecked(f.style & 1);
  italic->setChecked(f.style & 2);
  underline->setChecked(f.style & 4);
  strikeOut->setChecked(f.style & 8);
  updateSample();
}

FontSpec FontDialog::font() const {
  FontSpec f = loaded_;
  f.name = QString(family->currentText()).remove(QChar(0)).toStdString();
  f.size = size->value();
  f.height = -static_cast<int32_t>(std::lround(double(f.size) * dpi() / 72.0));
  f.color = color_;
  f.style = uint8_t((bold->isChecked() ? 1 : 0) | (italic->isChecked() ? 2 : 0) |
                    (underline->isChecked() ? 4 : 0) | (strikeOut->isChecked() ? 8 : 0));
  f.pitch = QFontDatabase::isFixedPitch(family->currentText()) ? 2 : 1;
  return f;
}

void FontDialog::accept() {
  if (font().name.size() > kMaxFontNameBytes) {
    ShowError(Translate("Dialogs", kFontNameTooLongMessage));
    return;
  }
  QDialog::accept();
}

void FontDialog::updateSample() {
  QFont q(family->currentText());
  q.setPointSize(std::min(size->value(), 48));
  q.setBold(bold->isChecked());
  q.setItalic(italic->isChecked());
  q.setUnderline(underline->isChecked());
  q.setStrikeOut(strikeOut->isChecked());
  sample->setFont(q);
  QPalette p = sample->palette();
  p.setColor(QPalette::WindowText, ToQColor(color_));
  sample->setPalette(p);
}
