#pragma once
// Texts the user reads pass through Qt's translation; `context` groups them for the translator.
// Logic code calls Translate (it needs no display); views may call tr() or
// QCoreApplication::translate.
#include <initializer_list>
#include <string>

// `text` in the program's language (the English source text when no translation is installed).
std::string Translate(const char* context, const char* text);
// `text` (a translated one) with %1 to %9 replaced by `args` in one pass: a translation may move
// them, and a `%` elsewhere in it or in an argument stays as it is (never a printf format).
std::string FillIn(const std::string& text, std::initializer_list<std::string> args);
// `value` with `decimals` places as the program's language writes numbers: a decimal comma in
// German, a point in English.
std::string LocaleNumber(double value, int decimals);
// Today's date in the short form of the program's language (German) or else the system's locale.
std::string LocaleToday();

// Chooses the language from QUENDRIX_LANGUAGE ("en", "de") or else the system locale and loads
// the program's and Qt's own German texts for German; installs them into the running application
// (call again once an application exists). Returns the language in use, "en" or "de".
std::string InstallTranslations();
// Removes the installed texts again: the program speaks English.
void RemoveTranslations();
