#include "platform/dialogs/Dialogs.h"

#include <cstdio>

#include "platform/Translate.h"

namespace {
BatchDialogs g_batch;
Dialogs* g_current = nullptr;
}  // namespace

Dialogs& CurrentDialogs() {
  return g_current ? *g_current : g_batch;
}

Dialogs* SetDialogs(Dialogs* dialogs) {
  Dialogs* old = g_current;
  g_current = dialogs;
  return old;
}

void ShowError(const std::string& text) {
  CurrentDialogs().messageBox(text, Translate("Dialogs", "Error"), MsgButtons::Ok, MsgIcon::Error);
}

MsgResult BatchDialogs::messageBox(const std::string& text, const std::string& title,
                                   MsgButtons buttons, MsgIcon) {
  std::fprintf(stderr, "%s: %s\n", title.c_str(), text.c_str());
  return buttons == MsgButtons::YesNo || buttons == MsgButtons::YesNoCancel ? MsgResult::Yes
                                                                            : MsgResult::Ok;
}
