#pragma once
// The line editor and the effects dialog, created once and shown modally.
#include "cover/CoverDialogs.h"
#include "cover/views/TextEffectsDialog.h"
#include "cover/views/TextEntryDialog.h"

class QtCoverDialogs : public CoverDialogs {
 public:
  explicit QtCoverDialogs(QWidget* parent = nullptr)
      : textEntryDialog(parent), textEffectsDialog(parent) {}
  std::optional<std::vector<std::string>> enterTexts(
      const std::vector<std::string>& lines) override;
  std::optional<TextEffects> textEffects(const TextEffects& effects) override;

  TextEntryDialog textEntryDialog;
  TextEffectsDialog textEffectsDialog;
};
