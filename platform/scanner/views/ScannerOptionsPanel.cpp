#include "platform/scanner/views/ScannerOptionsPanel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStringList>
#include <QVBoxLayout>
#include <cmath>

namespace {
QString Text(const std::string& s) {
  return QString::fromStdString(s);
}

QString Suffix(const ScanOption& o) {
  const QString unit = QString::fromLatin1(UnitText(o.unit));
  return unit.isEmpty() ? unit : QLatin1Char(' ') + unit;
}

bool IsSingleNumber(const ScanOption& o) {
  return (o.type == SANE_TYPE_INT || o.type == SANE_TYPE_FIXED) && ElementCount(o) == 1;
}
}  // namespace

ScannerOptionsPanel::ScannerOptionsPanel(QWidget* parent) : QWidget(parent) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  scroll_ = new QScrollArea(this);
  scroll_->setWidgetResizable(true);
  layout->addWidget(scroll_, 1);
  defaults_ = new QPushButton(QCoreApplication::translate("ScannerOptionsPanel", "Defaults"), this);
  defaults_->setToolTip(QCoreApplication::translate(
      "ScannerOptionsPanel", "Gives every option the scanner's own value again."));
  defaults_->setEnabled(false);
  connect(defaults_, &QPushButton::clicked, this, [this] { restoreDefaults(); });
  layout->addWidget(defaults_, 0, Qt::AlignLeft);
}

void ScannerOptionsPanel::load(const ScanSettings& basics, const OptionChoices& choices) {
  basics_ = basics;
  apply(choices);
  rebuild();
  if (state_.error.empty()) emit choicesChanged();  // choices the device refused are dropped
}

void ScannerOptionsPanel::restoreDefaults() {
  apply({});
  rebuild();
  emit choicesChanged();
}

void ScannerOptionsPanel::clear() {
  state_ = DeviceOptions{};
  choices_.clear();
  rebuild();
}

void ScannerOptionsPanel::apply(const OptionChoices& choices) {
  state_ = ReadDeviceOptions(basics_, choices);
  choices_ = state_.taken;
  QStringList problems;
  if (!state_.error.empty()) problems << Text(state_.error);
  for (const std::string& why : state_.refused)
    problems << Text(why) + QCoreApplication::translate("ScannerOptionsPanel", " It is not used.");
  if (!problems.isEmpty()) emit notice(problems.join(QLatin1Char(' ')));
}

void ScannerOptionsPanel::chooseOption(const std::string& name, const std::string& value) {
  OptionChoices next = choices_;
  KeepChoice(next, name, value);
  DeviceOptions tried = ReadDeviceOptions(basics_, next);
  const bool taken = tried.last.ok && !tried.taken.empty() && tried.taken.back().name == name;
  if (!taken) {
    emit notice(Text(tried.error.empty() ? tried.last.error : tried.error));
    for (const OptionEntry& e : state_.entries)
      if (e.option.name == name) showValue(e);  // back to the value the scanner has
    return;
  }
  state_ = std::move(tried);
  choices_ = state_.taken;
  const auto entry = std::find_if(state_.entries.begin(), state_.entries.end(),
                                  [&](const OptionEntry& e) { return e.option.name == name; });
  if (entry != state_.entries.end() && entry->option.type == SANE_TYPE_BUTTON)
    choices_.pop_back();  // a button acts once and is not kept
  if (state_.last.inexact && entry != state_.entries.end())
    emit notice(
        QCoreApplication::translate("ScannerOptionsPanel", "The scanner took %1 for \"%2\".")
            .arg(Text(state_.last.value), Text(entry->option.title)));
  if (state_.last.reloaded || entry == state_.entries.end())
    rebuild();  // other options changed: their controls are built afresh
  else
    showValue(*entry);
  emit choicesChanged();
}

QWidget* ScannerOptionsPanel::control(const std::string& name) const {
  const auto it = controls_.find(name);
  return it == controls_.end() ? nullptr : it->second;
}

void ScannerOptionsPanel::rebuild() {
  controls_.clear();
  if (QWidget* old = scroll_->takeWidget()) old->deleteLater();  // may hold the sender
  auto* content = new QWidget;
  auto* column = new QVBoxLayout(content);
  QFormLayout* form = nullptr;
  const std::string* group = nullptr;
  for (const OptionEntry& e : state_.entries) {
    const ScanOption& o = e.option;
    if (o.name.empty() || o.type == SANE_TYPE_GROUP) continue;
    if (!form || *group != o.group) {
      group = &o.group;
      auto* box = new QGroupBox(o.group.empty()
                                    ? QCoreApplication::translate("ScannerOptionsPanel", "Options")
                                    : Text(o.group),
                                content);
      form = new QFormLayout(box);
      column->addWidget(box);
    }
    QWidget* c = makeControl(e, form->parentWidget());
    QString tip = Text(o.description);
    if (IsMainScanOption(o.name))
      tip += QCoreApplication::translate("ScannerOptionsPanel",
                                         "\nSet in the main part of this dialog.");
    else if (!o.settable())
      tip += QCoreApplication::translate("ScannerOptionsPanel", "\nThe scanner sets this itself.");
    c->setToolTip(tip.trimmed());
    c->setEnabled(o.active() && o.settable() && !IsMainScanOption(o.name));
    c->setObjectName(Text(o.name));
    if (o.type == SANE_TYPE_BUTTON)
      form->addRow(c);
    else
      form->addRow(Text(o.title.empty() ? o.name : o.title) + QLatin1Char(':'), c);
  }
  column->addStretch(1);
  scroll_->setWidget(content);
  defaults_->setEnabled(!state_.entries.empty());
}

QWidget* ScannerOptionsPanel::makeControl(const OptionEntry& e, QWidget* parent) {
  const ScanOption& o = e.option;
  const std::string name = o.name;
  const auto send = [this, name](const QString& v) { chooseOption(name, v.toStdString()); };
  QWidget* c = nullptr;
  if (o.type == SANE_TYPE_BUTTON) {
    auto* b = new QPushButton(Text(o.title.empty() ? o.name : o.title), parent);
    connect(b, &QPushButton::clicked, this, [send] { send({}); });
    c = b;
  } else if (o.type == SANE_TYPE_BOOL && ElementCount(o) == 1) {
    auto* b = new QCheckBox(parent);
    connect(b, &QCheckBox::clicked, this, [send](bool on) { send(on ? "yes" : "no"); });
    c = b;
  } else if (!ListEntries(o).empty() && (o.type == SANE_TYPE_STRING || ElementCount(o) == 1)) {
    auto* box = new QComboBox(parent);
    for (const std::string& s : ListEntries(o)) box->addItem(Text(s));
    connect(box, &QComboBox::activated, this, [box, send](int i) { send(box->itemText(i)); });
    c = box;
  } else if (IsSingleNumber(o) && o.constraint == SANE_CONSTRAINT_RANGE &&
             o.type == SANE_TYPE_INT) {
    auto* spin = new QSpinBox(parent);
    spin->setRange(int(o.min), int(o.max));
    spin->setSingleStep(std::max(1, int(o.quant)));
    spin->setSuffix(Suffix(o));
    spin->setKeyboardTracking(false);
    connect(spin, &QSpinBox::valueChanged, this, [send](int v) { send(QString::number(v)); });
    c = spin;
  } else if (IsSingleNumber(o) && o.constraint == SANE_CONSTRAINT_RANGE) {
    auto* spin = new QDoubleSpinBox(parent);
    spin->setDecimals(4);
    spin->setRange(o.min, o.max);
    spin->setSingleStep(o.quant > 0 ? o.quant : std::max(0.0001, (o.max - o.min) / 100));
    spin->setSuffix(Suffix(o));
    spin->setKeyboardTracking(false);
    connect(spin, &QDoubleSpinBox::valueChanged, this,
            [send](double v) { send(QString::number(v, 'g', 10)); });
    c = spin;
  } else {
    auto* line = new QLineEdit(parent);
    connect(line, &QLineEdit::editingFinished, this, [this, line, name] {
      for (const OptionEntry& now : state_.entries)
        if (now.option.name == name && line->text().toStdString() != now.value)
          return chooseOption(name, line->text().toStdString());
    });
    c = line;
  }
  controls_[name] = c;
  showValue(e);
  return c;
}

void ScannerOptionsPanel::showValue(const OptionEntry& e) {
  QWidget* c = control(e.option.name);
  if (!c || e.value.empty()) return;  // inactive options show no value
  const QSignalBlocker block(c);
  const QString v = Text(e.value);
  if (auto* b = qobject_cast<QCheckBox*>(c))
    b->setChecked(e.value == "yes");
  else if (auto* box = qobject_cast<QComboBox*>(c))
    box->setCurrentText(v);
  else if (auto* spin = qobject_cast<QSpinBox*>(c))
    spin->setValue(v.toInt());
  else if (auto* dspin = qobject_cast<QDoubleSpinBox*>(c))
    dspin->setValue(v.toDouble());
  else if (auto* line = qobject_cast<QLineEdit*>(c))
    line->setText(v);
}
