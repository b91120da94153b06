#include "platform/dialogs/ScriptedDialogs.h"

namespace {
template <typename T>
T Take(std::deque<T>& q, T fallback) {
  if (q.empty()) return fallback;
  T v = q.front();
  q.pop_front();
  return v;
}
}  // namespace

std::vector<std::string> ScriptedDialogs::messages() const {
  std::vector<std::string> out;
  for (const Asked& a : asked)
    if (a.kind == "message") out.push_back(a.text);
  return out;
}

int ScriptedDialogs::count(const std::string& kind) const {
  int n = 0;
  for (const Asked& a : asked) n += a.kind == kind;
  return n;
}

MsgResult ScriptedDialogs::messageBox(const std::string& text, const std::string& title,
                                      MsgButtons buttons, MsgIcon icon) {
  asked.push_back({"message", text, title, buttons, icon});
  const MsgResult first = buttons == MsgButtons::YesNo || buttons == MsgButtons::YesNoCancel
                              ? MsgResult::Yes
                              : MsgResult::Ok;
  return Take(messageAnswers, first);
}

std::optional<FileAnswer> ScriptedDialogs::openFile(const FileRequest& request) {
  asked.push_back({"open", request.title, request.filter, MsgButtons::Ok, MsgIcon::None});
  lastFileRequest = request;
  return Take(fileAnswers, std::optional<FileAnswer>{});
}

std::optional<FileAnswer> ScriptedDialogs::saveFile(const FileRequest& request) {
  asked.push_back({"save", request.title, request.filter, MsgButtons::Ok, MsgIcon::None});
  lastFileRequest = request;
  return Take(fileAnswers, std::optional<FileAnswer>{});
}

std::optional<std::string> ScriptedDialogs::chooseFolder(const FileRequest& request) {
  asked.push_back({"folder", request.title, {}, MsgButtons::Ok, MsgIcon::None});
  lastFileRequest = request;
  return Take(folderAnswers, std::optional<std::string>{});
}

std::optional<uint32_t> ScriptedDialogs::chooseColor(uint32_t initial) {
  lastColorInitial = initial;
  asked.push_back({"color", {}, {}, MsgButtons::Ok, MsgIcon::None});
  return Take(colorAnswers, std::optional<uint32_t>{});
}

std::optional<FontSpec> ScriptedDialogs::chooseFont(const FontSpec& initial) {
  asked.push_back({"font", initial.name, {}, MsgButtons::Ok, MsgIcon::None});
  lastFontInitial = initial;
  return Take(fontAnswers, std::optional<FontSpec>{});
}

bool ScriptedDialogs::printerSetup(PrinterChoice& choice) {
  asked.push_back({"printer", choice.printerName, {}, MsgButtons::Ok, MsgIcon::None});
  auto answer = Take(printerAnswers, std::optional<PrinterChoice>{});
  if (!answer) return false;
  choice = *answer;
  return true;
}
