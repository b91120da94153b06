#include "platform/Translate.h"

#include <QCoreApplication>
#include <QDate>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {
// The program's texts and Qt's own (message box buttons); kept for batch runs without an
// application.
struct Translators {
  std::unique_ptr<QTranslator> program, qt;
  bool installed = false;
};
Translators& Loaded() {
  static Translators t;
  return t;
}

const char* Variable(const char* name) {
  const char* value = std::getenv(name);
  return value && *value ? value : nullptr;
}

// The user's first language as the toolkit finds it (LANGUAGE's first entry, else LC_ALL,
// LC_MESSAGES, LANG), read without starting its locale data, which a batch command never needs.
bool WantsGerman() {
  if (const char* chosen = Variable("QUENDRIX_LANGUAGE")) return std::strncmp(chosen, "de", 2) == 0;
  const char* first = Variable("LANGUAGE");
  while (first && *first == ':') ++first;  // empty entries name no language
  if (!first || !*first) first = Variable("LC_ALL");
  if (!first) first = Variable("LC_MESSAGES");
  if (!first) first = Variable("LANG");
  return first && std::strncmp(first, "de", 2) == 0;
}
}  // namespace

std::string Translate(const char* context, const char* text) {
  if (QCoreApplication::instance()) return QCoreApplication::translate(context, text).toStdString();
  const Translators& t = Loaded();
  if (t.program) {
    const QString translated = t.program->translate(context, text);
    if (!translated.isEmpty()) return translated.toStdString();
  }
  return text;
}

std::string FillIn(const std::string& t, std::initializer_list<std::string> args) {
  std::string out;
  for (size_t i = 0; i < t.size(); ++i) {
    const size_t n = i + 1 < t.size() ? static_cast<size_t>(t[i + 1] - '1') : args.size();
    if (t[i] == '%' && n < args.size() && n < 9) {
      out += args.begin()[n];
      ++i;
    } else {
      out += t[i];
    }
  }
  return out;
}

std::string LocaleNumber(double value, int decimals) {
  QLocale locale = Loaded().program ? QLocale(QLocale::German) : QLocale::c();
  locale.setNumberOptions(QLocale::OmitGroupSeparator);
  return locale.toString(value, 'f', decimals).toStdString();
}

std::string LocaleToday() {
  const QLocale locale = Loaded().program ? QLocale(QLocale::German) : QLocale();
  return locale.toString(QDate::currentDate(), QLocale::ShortFormat).toStdString();
}

std::string InstallTranslations() {
  Translators& t = Loaded();
  if (!t.program) {
    if (!WantsGerman()) return "en";
    t.program = std::make_unique<QTranslator>();
    if (!t.program->load(QStringLiteral(":/i18n/quendrix_de.qm"))) {
      t.program.reset();
      return "en";
    }
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));  // numbers with a comma
    t.qt = std::make_unique<QTranslator>();
    if (!t.qt->load(QStringLiteral("qtbase_de"),
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
      t.qt.reset();
  }
  if (!t.installed && QCoreApplication::instance()) {
    if (t.qt) QCoreApplication::installTranslator(t.qt.get());
    QCoreApplication::installTranslator(t.program.get());
    t.installed = true;
  }
  return "de";
}

void RemoveTranslations() {
  Translators& t = Loaded();
  if (t.installed && QCoreApplication::instance()) {
    QCoreApplication::removeTranslator(t.program.get());
    if (t.qt) QCoreApplication::removeTranslator(t.qt.get());
  }
  if (t.program) QLocale::setDefault(QLocale::system());
  t = Translators{};
}
