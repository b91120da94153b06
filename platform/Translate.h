#pragma once
// Texts the user reads pass through Qt's translation; `context` groups them for the translator.
// Logic code calls Translate (it needs no display); views may call tr() or
// QCoreApplication::translate.
#include <string>

// `text` in the program's language (the English source text when no translation is installed).
std::string Translate(const char* context, const char* text);

// Chooses the language from QUENDRIX_LANGUAGE ("en", "de") or else the system locale and loads
// the program's and Qt's own German texts for German; installs them into the running application
// (call again once an application exists). Returns the language in use, "en" or "de".
std::string InstallTranslations();
// Removes the installed texts again: the program speaks English.
void RemoveTranslations();
