#pragma once
// The two dialogs of the Texts tab: the line editor and the text effects dialog.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// What the "Effects" dialog shows and returns.
struct TextEffects {
  bool border = false;
  bool shadow = false;
  uint32_t borderColor = 0;
  uint32_t shadowColor = 0;
  int32_t shadowDX = 5;
  int32_t shadowDY = 5;
  bool operator==(const TextEffects&) const = default;
};

class CoverDialogs {
 public:
  virtual ~CoverDialogs() = default;
  // The line editor preset with `lines` (Windows-1252); the edited lines on OK.
  virtual std::optional<std::vector<std::string>> enterTexts(
      const std::vector<std::string>& lines) = 0;
  // The effects dialog preset with `effects`; the new effects on OK.
  virtual std::optional<TextEffects> textEffects(const TextEffects& effects) = 0;
};
