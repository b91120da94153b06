#include "cover/views/QtCoverDialogs.h"

std::optional<std::vector<std::string>> QtCoverDialogs::enterTexts(
    const std::vector<std::string>& lines) {
  TxtForm.load(lines);
  if (TxtForm.exec() != QDialog::Accepted) return std::nullopt;
  return TxtForm.lines();
}

std::optional<TextEffects> QtCoverDialogs::textEffects(const TextEffects& effects) {
  EffektForm.load(effects);
  if (EffektForm.exec() != QDialog::Accepted) return std::nullopt;
  return EffektForm.effects();
}
