#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
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

// What a .ts file holds: its source texts, those still untranslated, and the
// translations that lost or gained a %1 marker (the program would show the marker
// or drop its value).
struct TTsContent {
  QSet<QString> Sources;
  QStringList Unfinished;
  QStringList WrongMarkers;
};

QStringList Markers(const QString& Text) {
  static const QRegularExpression Marker(QStringLiteral("%L?\\d"));
  QStringList Found;
  for (const QRegularExpressionMatch& Match : Marker.globalMatch(Text)) Found << Match.captured();
  Found.sort();
  return Found;
}

TTsContent ReadTsFile(const QString& Path) {
  TTsContent Content;
  QFile File(Path);
  EXPECT_TRUE(File.open(QIODevice::ReadOnly)) << Path.toStdString();
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
      const QString Translation = Xml.readElementText();
      if (Unfinished || Translation.isEmpty()) {
        Content.Unfinished << Source;
      } else if (Markers(Translation) != Markers(Source)) {
        Content.WrongMarkers << Source;
      }
    }
  }
  EXPECT_FALSE(Xml.hasError()) << Path.toStdString();
  return Content;
}

QString TsFileName(const QString& Language) {
  return QStringLiteral("dorvane_") + Language + QStringLiteral(".ts");
}

// Stored files and records read the same in every language: these texts are
// never offered for translation.
TEST(Translations, EveryLanguageIsCompleteAndLeavesStoredTextsAlone) {
  const QStringList Kept = {"NEW MATCH", "ROUND %1 OF %2", "END OF ROUND ", "WINNER,",
                            "KYONGGO",   "GAMJEOM",        "RoundTime",     "RedPoint"};
  for (const QString& Language : ShippedLanguages()) {
    SCOPED_TRACE(Language.toStdString());
    const TTsContent Content =
        ReadTsFile(QStringLiteral(DORVANE_SOURCE_DIR "/translations/") + TsFileName(Language));
    EXPECT_GT(Content.Sources.size(), 150);
    EXPECT_TRUE(Content.Unfinished.isEmpty()) << Content.Unfinished.join(" | ").toStdString();
    EXPECT_TRUE(Content.WrongMarkers.isEmpty())
        << "translations whose %1 markers differ from the English text: "
        << Content.WrongMarkers.join(" | ").toStdString();
    for (const QString& Text : Kept)
      EXPECT_FALSE(Content.Sources.contains(Text)) << Text.toStdString();
  }
}

// The guard against a new text shipping in English: lupdate collects the
// program's texts into copies of the .ts files, as the update_translations
// target does. A text the files lack comes back unfinished in the copy.
TEST(Translations, EveryTextOfTheProgramIsTranslatedInEachLanguage) {
  QTemporaryDir Copies;
  ASSERT_TRUE(Copies.isValid());
  QStringList Arguments = {QStringLiteral("-no-obsolete"), QStringLiteral("-locations"),
                           QStringLiteral("none"), QStringLiteral(DORVANE_SOURCE_DIR "/src"),
                           QStringLiteral("-ts")};
  for (const QString& Language : ShippedLanguages()) {
    const QString Copy = Copies.filePath(TsFileName(Language));
    ASSERT_TRUE(QFile::copy(
        QStringLiteral(DORVANE_SOURCE_DIR "/translations/") + TsFileName(Language), Copy));
    Arguments << Copy;
  }
  QProcess Lupdate;
  Lupdate.start(QStringLiteral(DORVANE_LUPDATE), Arguments);
  ASSERT_TRUE(Lupdate.waitForFinished(120000)) << Lupdate.errorString().toStdString();
  ASSERT_EQ(Lupdate.exitCode(), 0) << Lupdate.readAllStandardError().toStdString();
  for (const QString& Language : ShippedLanguages()) {
    const TTsContent Content = ReadTsFile(Copies.filePath(TsFileName(Language)));
    EXPECT_GT(Content.Sources.size(), 150);
    EXPECT_TRUE(Content.Unfinished.isEmpty())
        << "translations/" << TsFileName(Language).toStdString()
        << " lacks or leaves unfinished: " << Content.Unfinished.join(" | ").toStdString()
        << "\n(run: cmake --build build --target update_translations, then translate them)";
  }
}

}  // namespace
