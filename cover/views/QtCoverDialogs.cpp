#include "cover/views/QtCoverDialogs.h"

std::optional<std::vector<std::string>> QtCoverDialogs::enterTexts(
    const std::vector<std::string>& lines) {
  textEntryDialog.load(lines);
  if (textEntryDialog.exec() != QDialog::Accepted) return std::nullopt;
  return textEntryDialog.lines();
}

std::optional<TextEffects> QtCoverDialogs::textEffects(const TextEffects& effects) {
  textEffectsDialog.load(effects);
  if (textEffectsDialog.exec() != QDialog::Accepted) return std::nullopt;
  return textEffectsDialog.effects();
}
