// The German translation is complete: lupdate, run on the sources now, finds no text that
// translations/quendrix_de.ts lacks, and every entry there is finished and keeps its placeholders.
#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <cstdlib>
#include <map>
#include <optional>
#include <string>

#include "platform/Translate.h"
#include "tests/support/TestFiles.h"

namespace {
struct Entry {
  QString translation;
  bool unfinished = false;
};
using Catalogue = std::map<std::pair<QString, QString>, Entry>;  // (context, source)

Catalogue ReadTs(const QString& path) {
  Catalogue entries;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return entries;
  QXmlStreamReader xml(&file);
  QString context, source;
  while (xml.readNextStartElement() || !xml.atEnd()) {
    if (!xml.isStartElement()) {
      xml.readNext();
      continue;
    }
    const auto name = xml.name();
    if (name == QLatin1String("name")) {
      context = xml.readElementText();
    } else if (name == QLatin1String("source")) {
      source = xml.readElementText();
    } else if (name == QLatin1String("translation")) {
      Entry& e = entries[{context, source}];
      e.unfinished = xml.attributes().value(QLatin1String("type")) == QLatin1String("unfinished");
      e.translation = xml.readElementText();
    } else {
      xml.readNext();
    }
  }
  return entries;
}

QStringList Placeholders(const QString& text) {
  static const QRegularExpression re(QStringLiteral("%[1-9]|%[-0-9.]*l?[dfz]|%%"));
  QStringList found;
  for (auto it = re.globalMatch(text); it.hasNext();) found << it.next().captured();
  found.sort();
  return found;
}
}  // namespace

TEST(Translations, LupdateFindsNoTextTheGermanFileLacksAndEveryEntryIsFinished) {
  const std::string sources = QUENDRIX_SOURCE_DIR;
  const std::string shipped = sources + "/translations/quendrix_de.ts";
  TempDir dir;
  const std::string fresh = dir.file("fresh_de.ts");
  std::string command = std::string(QUENDRIX_LUPDATE) + " -silent " + QUENDRIX_LUPDATE_OPTIONS;
  for (const char* folder : {"platform", "picture", "retouch", "cover", "print", "app"})
    command += " '" + sources + "/" + folder + "'";
  command += " -ts '" + fresh + "' > /dev/null 2>&1";
  ASSERT_EQ(std::system(command.c_str()), 0) << command;

  const Catalogue found = ReadTs(QString::fromStdString(fresh));
  const Catalogue german = ReadTs(QString::fromStdString(shipped));
  ASSERT_GT(found.size(), 500u);
  for (const auto& [key, entry] : found)
    EXPECT_TRUE(german.count(key)) << "missing from quendrix_de.ts: " << key.first.toStdString()
                                   << " \"" << key.second.toStdString() << '"';
  for (const auto& [key, entry] : german) {
    EXPECT_FALSE(entry.unfinished || entry.translation.isEmpty())
        << "unfinished: " << key.first.toStdString() << " \"" << key.second.toStdString() << '"';
    EXPECT_EQ(Placeholders(key.second), Placeholders(entry.translation))
        << "placeholders differ: \"" << key.second.toStdString() << '"';
  }
}

// Without QUENDRIX_LANGUAGE the system's first language decides, as the toolkit orders them.
TEST(Translations, TheSystemsFirstLanguageDecidesInTheToolkitsOrder) {
  const char* const kNames[] = {"QUENDRIX_LANGUAGE", "LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"};
  const struct {
    const char* values[5];
    const char* language;
  } kCases[] = {
      {{"", "de:en", "", "", "en_US.UTF-8"}, "de"},
      {{"", ":en_GB:de", "de_DE.UTF-8", "", ""}, "en"},
      {{"", "", "de_AT.UTF-8", "en_US", "en_US"}, "de"},
      {{"", "", "", "de_CH", "C.UTF-8"}, "de"},
      {{"", "", "", "", "de_DE.UTF-8"}, "de"},
      {{"", "", "", "", "C"}, "en"},
      {{"en", "de", "de", "de", "de"}, "en"},
  };
  std::vector<std::optional<std::string>> saved;
  for (const char* name : kNames)
    saved.push_back(std::getenv(name) ? std::optional<std::string>(std::getenv(name))
                                      : std::nullopt);
  for (const auto& c : kCases) {
    for (int i = 0; i < 5; ++i) ::setenv(kNames[i], c.values[i], 1);
    EXPECT_EQ(InstallTranslations(), c.language) << c.values[1] << " " << c.values[2];
    RemoveTranslations();
  }
  for (int i = 0; i < 5; ++i) {
    if (saved[size_t(i)])
      ::setenv(kNames[i], saved[size_t(i)]->c_str(), 1);
    else
      ::unsetenv(kNames[i]);
  }
}

TEST(Translations, FilledInTextsKeepPercentSignsAndNumbersFollowTheLanguage) {
  EXPECT_EQ(FillIn("%2 of %1: 100%", {"a", "b%1"}), "b%1 of a: 100%");
  EXPECT_EQ(FillIn("%3 %% %", {"x"}), "%3 %% %");
  EXPECT_EQ(LocaleNumber(1234.5, 2), "1234.50");
  ::setenv("QUENDRIX_LANGUAGE", "de", 1);
  ASSERT_EQ(InstallTranslations(), "de");
  EXPECT_EQ(LocaleNumber(1234.5, 2), "1234,50");
  EXPECT_EQ(FillIn(Translate("BatchPrint", "%1 pages printed\n"), {"3"}), "3 Seiten gedruckt\n");
  RemoveTranslations();
  ::setenv("QUENDRIX_LANGUAGE", "en", 1);
  EXPECT_EQ(LocaleNumber(0.126, 2), "0.13");
}
