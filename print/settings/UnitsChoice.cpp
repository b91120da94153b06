#include "print/settings/UnitsChoice.h"

#include "platform/Translate.h"

namespace {
const std::string kMm = "mm\n", kInch = "inch\n";
}

bool ReadUnitsChoice(const std::string& path, std::string* message) {
  KeptState state = KeptState::Read;
  std::string why;
  const auto bytes = ReadKeptFile(path, 16, &state, &why);
  const std::string text = bytes ? std::string(bytes->begin(), bytes->end()) : std::string();
  std::string note;
  if (state == KeptState::Unreadable) {
    note = NoteUnreadable(path);
    if (!note.empty())
      note = Translate("UnitsChoice", "The unit file ") + path +
             Translate("UnitsChoice", " cannot be read (") + why + ")." + note;
  } else if (bytes && text != kMm && text != kInch) {
    note = NoteDamaged(path);
    if (!note.empty())
      note = Translate("UnitsChoice", "The unit file ") + path +
             Translate("UnitsChoice", " is damaged; inches are shown.") + note;
  }
  if (message) *message = note;
  return text.rfind("mm", 0) == 0;
}

KeptWrite KeepUnitsChoice(const std::string& path, bool millimetres) {
  const std::string& text = millimetres ? kMm : kInch;
  return WriteKeptFile(path, std::vector<uint8_t>(text.begin(), text.end()));
}
