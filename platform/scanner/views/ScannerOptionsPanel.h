#pragma once
// The "Advanced" part of "Select the scanner": a control for every option of the scanner,
// built from its descriptor (check box, spin box, list, text line or button) under the
// option's group, greyed when inactive or read-only. Every change is applied to the device
// with the other settings; options that reload the others rebuild the controls, and a value
// the scanner adjusted is shown as the scanner kept it.
#include <QPushButton>
#include <QScrollArea>
#include <map>
#include <string>

#include "platform/scanner/DeviceOptions.h"

class ScannerOptionsPanel : public QWidget {
  Q_OBJECT
 public:
  explicit ScannerOptionsPanel(QWidget* parent = nullptr);

  // Reads the options of `basics.device` with the main settings and `choices` applied.
  void load(const ScanSettings& basics, const OptionChoices& choices);
  // Forgets the choices: the device is opened afresh with the backend's own values.
  void restoreDefaults();
  // What a control does when the user changes it.
  void chooseOption(const std::string& name, const std::string& value);
  void clear();

  const OptionChoices& choices() const { return choices_; }
  const std::vector<OptionEntry>& entries() const { return state_.entries; }
  QWidget* control(const std::string& name) const;
  QPushButton* defaultsButton() const { return defaults_; }

 signals:
  void choicesChanged();
  // Something the user should read: a refused choice or a value the scanner adjusted.
  void notice(const QString& text);

 private:
  void apply(const OptionChoices& choices);
  void rebuild();
  QWidget* makeControl(const OptionEntry& entry, QWidget* parent);
  void showValue(const OptionEntry& entry);

  ScanSettings basics_;
  OptionChoices choices_;
  DeviceOptions state_;
  std::map<std::string, QWidget*> controls_;
  QScrollArea* scroll_ = nullptr;
  QPushButton* defaults_ = nullptr;
};
