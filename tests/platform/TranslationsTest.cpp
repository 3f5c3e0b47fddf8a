#include <gtest/gtest.h>

#include <QFile>
#include <QSet>
#include <QTranslator>
#include <QXmlStreamReader>

#include "platform/Translations.h"

namespace {

struct TLanguageCase {
  const char* Configured;
  const char* System;
  const char* Expected;
};

TEST(ChosenLanguage, KeyFirstThenTheSystem) {
  const TLanguageCase Cases[] = {
      {"", "de_DE", "de_DE"},      {"fr", "de_DE", "fr_FR"}, {" ko ", "C", "ko_KR"},
      {"es_MX", "en_US", "es_MX"}, {"xx", "ko_KR", "ko_KR"}, {"en", "fr_FR", "en_US"},
  };
  for (const TLanguageCase& Case : Cases) {
    SCOPED_TRACE(Case.Configured);
    EXPECT_EQ(ChosenLanguage(QString::fromLatin1(Case.Configured), QLocale(Case.System)).name(),
              QString::fromLatin1(Case.Expected));
  }
}

// A few texts of each area in each shipped language, as built into the program.
struct TSample {
  const char* Language;
  const char* Context;
  const char* Source;
  const char* Translation;
};

const TSample Samples[] = {
    {"de", "Board", "New game", "Neuer Kampf"},
    {"de", "Configuration", "Use sudden death round", "Sudden-Death-Runde verwenden"},
    {"de", "CommandLine", "Show the version and exit.", "Die Version zeigen und beenden."},
    {"es", "Board", "ROUND", "ASALTO"},
    {"es", "Clock", "Between rounds", "Descanso"},
    {"es", "Gamepads", "Gamepad management", "Gestión de mandos"},
    {"fr", "Board", "Exit", "Quitter"},
    {"fr", "Players", "&Division", "&Catégorie"},
    {"fr", "Update", "There is no news.", "Aucune actualité."},
    {"ko", "Board", "Hong", "홍"},
    {"ko", "Clock", "Resume", "계속"},
    {"ko", "Configuration", "Division", "체급"},
};

TEST(Translations, EachShippedLanguageLoadsWithItsTexts) {
  for (const QString& Language : ShippedLanguages()) {
    SCOPED_TRACE(Language.toStdString());
    QTranslator Translator;
    ASSERT_TRUE(Translator.load(QLocale(Language), QStringLiteral("dorvane"), QStringLiteral("_"),
                                QStringLiteral(":/i18n")));
    int Checked = 0;
    for (const TSample& Sample : Samples) {
      if (Language != QLatin1String(Sample.Language)) continue;
      EXPECT_EQ(Translator.translate(Sample.Context, Sample.Source),
                QString::fromUtf8(Sample.Translation))
          << Sample.Source;
      ++Checked;
    }
    EXPECT_GE(Checked, 3);
  }
}

// What a .ts file holds: its source texts, and those still untranslated.
struct TTsContent {
  QSet<QString> Sources;
  QStringList Unfinished;
};

TTsContent ReadTsFile(const QString& Path) {
  TTsContent Content;
  QFile File(Path);
  if (!File.open(QIODevice::ReadOnly)) return Content;
  QXmlStreamReader Xml(&File);
  QString Source;
  while (!Xml.atEnd()) {
    if (Xml.readNext() != QXmlStreamReader::StartElement) continue;
    if (Xml.name() == QLatin1String("source")) {
      Source = Xml.readElementText();
      Content.Sources.insert(Source);
    } else if (Xml.name() == QLatin1String("translation")) {
      const bool Unfinished =
          Xml.attributes().value(QLatin1String("type")) == QLatin1String("unfinished");
      if (Unfinished || Xml.readElementText().isEmpty()) Content.Unfinished << Source;
    }
  }
  EXPECT_FALSE(Xml.hasError()) << Path.toStdString();
  return Content;
}

// Stored files and records read the same in every language: these texts are
// never offered for translation.
TEST(Translations, EveryLanguageIsCompleteAndLeavesStoredTextsAlone) {
  const QStringList Kept = {"NEW MATCH", "ROUND %1 OF %2", "END OF ROUND ", "WINNER,",
                            "KYONGGO",   "GAMJEOM",        "RoundTime",     "RedPoint"};
  for (const QString& Language : ShippedLanguages()) {
    SCOPED_TRACE(Language.toStdString());
    const TTsContent Content =
        ReadTsFile(QStringLiteral(DORVANE_SOURCE_DIR "/translations/dorvane_") + Language +
                   QStringLiteral(".ts"));
    EXPECT_GT(Content.Sources.size(), 150);
    EXPECT_TRUE(Content.Unfinished.isEmpty()) << Content.Unfinished.join(" | ").toStdString();
    for (const QString& Text : Kept)
      EXPECT_FALSE(Content.Sources.contains(Text)) << Text.toStdString();
  }
}

}  // namespace
